#include "pictures/dib.hpp"

#include <limits>

#include "common/byte_io.hpp"

namespace vl {

uint64_t DibRowBytes(uint64_t width, uint64_t bits) {
  if (bits != 0 && width > (std::numeric_limits<uint64_t>::max() - 31) / bits) return 0;
  return (width * bits + 31) / 32 * 4;
}

uint32_t Dib::U32At(int offset) const {
  if (bytes_.size() < static_cast<size_t>(offset) + 4) return 0;
  return GetU32(bytes_.data() + offset);
}

uint32_t Dib::HeaderSize() const { return U32At(DibLayout::kSizeOffset); }
int32_t Dib::Width() const { return static_cast<int32_t>(U32At(DibLayout::kWidthOffset)); }
int32_t Dib::Height() const { return static_cast<int32_t>(U32At(DibLayout::kHeightOffset)); }
uint64_t Dib::Rows() const {
  const int64_t height = Height();
  return static_cast<uint64_t>(height < 0 ? -height : height);
}
uint16_t Dib::Bits() const {
  return bytes_.size() < DibLayout::kBitsOffset + 2u ? 0 : GetU16(bytes_.data() + DibLayout::kBitsOffset);
}
uint32_t Dib::Compression() const { return U32At(DibLayout::kCompressionOffset); }
uint32_t Dib::ImageSize() const { return U32At(DibLayout::kImageSizeOffset); }
uint32_t Dib::ColoursUsed() const { return U32At(DibLayout::kColoursUsedOffset); }
uint32_t Dib::ColourTableEntries() const { return Bits() <= 8 ? ColoursUsed() : 0; }

Dib Dib24FromRgbRows(int32_t width, int32_t height, const std::vector<uint32_t>& rgbTopDown) {
  const size_t rowBytes = DibRowBytes(static_cast<uint64_t>(width), 24);
  const size_t imageSize = rowBytes * static_cast<size_t>(height);
  std::vector<uint8_t> bytes(DibLayout::kHeaderSize + imageSize, 0);
  uint8_t* header = bytes.data();
  PutU32(header + DibLayout::kSizeOffset, DibLayout::kHeaderSize);
  PutU32(header + DibLayout::kWidthOffset, static_cast<uint32_t>(width));
  PutU32(header + DibLayout::kHeightOffset, static_cast<uint32_t>(height));
  PutU16(header + DibLayout::kPlanesOffset, 1);
  PutU16(header + DibLayout::kBitsOffset, 24);
  PutU32(header + DibLayout::kImageSizeOffset, static_cast<uint32_t>(imageSize));
  // Rows are stored bottom-up, pixels as blue, green, red.
  for (int32_t y = 0; y < height; ++y) {
    uint8_t* row = bytes.data() + DibLayout::kHeaderSize + rowBytes * static_cast<size_t>(height - 1 - y);
    for (int32_t x = 0; x < width; ++x) {
      const uint32_t rgb = rgbTopDown[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
      row[3 * x] = static_cast<uint8_t>(rgb & 0xFF);
      row[3 * x + 1] = static_cast<uint8_t>((rgb >> 8) & 0xFF);
      row[3 * x + 2] = static_cast<uint8_t>((rgb >> 16) & 0xFF);
    }
  }
  return Dib(std::move(bytes));
}

}  // namespace vl
