// Bitmaps with a colour table have at most 8 bits per pixel; a table claimed by a bitmap of
// more bits is ignored. Compression is none, RLE8 (8 bits) or RLE4 (4 bits).
#include "pictures/dib_reader.hpp"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "common/byte_io.hpp"
#include "common/file_io.hpp"

namespace vl {
namespace {

// One run-length byte pair gives at most 255 pixels; a file claiming far more pixels than its
// runs can give is damaged (and would only cost memory to unpack).
constexpr uint64_t kMaxPixelsPerRunByte = 128;

bool BitsAndCompressionFit(uint16_t bits, uint32_t compression) {
  const bool knownBits = bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
  return knownBits && (compression == 0 || (compression == 1 && bits == 8) || (compression == 2 && bits == 4));
}

struct Shape {
  uint32_t infoSize = 0;
  int32_t width = 0;
  int32_t height = 0;
  uint16_t bits = 0;
  uint32_t compression = 0;
  uint32_t imageSize = 0;
  uint32_t coloursUsed = 0;
  uint32_t pixelOffset = 0;
};

std::optional<Shape> ReadShape(std::span<const uint8_t> file) {
  constexpr size_t kInfo = BmpFileLayout::kHeaderSize;
  if (file.size() < kInfo + DibLayout::kHeaderSize) return std::nullopt;
  if (GetU16(file.data() + BmpFileLayout::kTypeOffset) != BmpFileLayout::kType) return std::nullopt;
  const uint8_t* info = file.data() + kInfo;
  Shape s;
  s.pixelOffset = GetU32(file.data() + BmpFileLayout::kPixelOffsetOffset);
  s.infoSize = GetU32(info + DibLayout::kSizeOffset);
  s.width = static_cast<int32_t>(GetU32(info + DibLayout::kWidthOffset));
  s.height = static_cast<int32_t>(GetU32(info + DibLayout::kHeightOffset));
  s.bits = GetU16(info + DibLayout::kBitsOffset);
  s.compression = GetU32(info + DibLayout::kCompressionOffset);
  s.imageSize = GetU32(info + DibLayout::kImageSizeOffset);
  s.coloursUsed = GetU32(info + DibLayout::kColoursUsedOffset);
  // A core header (12 bytes) or anything shorter than 40 is refused; longer headers carry
  // the 40-byte one at their start.
  if (s.infoSize < DibLayout::kHeaderSize || s.infoSize > file.size() - kInfo) return std::nullopt;
  if (s.width <= 0 || s.height == 0 || s.height == INT32_MIN) return std::nullopt;
  if (!BitsAndCompressionFit(s.bits, s.compression)) return std::nullopt;
  return s;
}

}  // namespace

std::optional<Dib> ReadDib(std::span<const uint8_t> file) {
  auto shape = ReadShape(file);
  if (!shape) return std::nullopt;
  const Shape& s = *shape;
  const uint64_t fileSize = file.size();

  uint32_t colours = 0;
  if (s.bits <= 8) {
    const uint32_t most = 1u << s.bits;
    colours = s.coloursUsed == 0 ? most : s.coloursUsed;
    if (colours > most) return std::nullopt;
  }
  const uint64_t tableStart = BmpFileLayout::kHeaderSize + uint64_t{s.infoSize};
  const uint64_t tableBytes = uint64_t{colours} * DibLayout::kColourSize;
  if (tableStart + tableBytes > fileSize) return std::nullopt;

  const uint64_t rowBytes = DibRowBytes(static_cast<uint64_t>(s.width), s.bits);
  const uint64_t rows = static_cast<uint64_t>(std::llabs(s.height));
  if (rowBytes == 0 || rows > fileSize / rowBytes) {
    if (s.compression == 0 || s.imageSize == 0) return std::nullopt;  // cannot be in the file
  }
  const uint64_t computed = rowBytes * rows;  // no overflow unless refused above or run-length encoded
  uint64_t imageSize = s.imageSize != 0 ? s.imageSize : computed;
  if (s.compression == 0 && imageSize < computed) return std::nullopt;
  if (imageSize > UINT32_MAX) return std::nullopt;
  if (s.compression != 0 && static_cast<uint64_t>(s.width) * rows > kMaxPixelsPerRunByte * 2 * imageSize) {
    return std::nullopt;
  }
  const uint64_t pixelStart = s.pixelOffset != 0 ? s.pixelOffset : tableStart + tableBytes;
  if (pixelStart > fileSize || imageSize > fileSize - pixelStart) return std::nullopt;

  std::vector<uint8_t> block(DibLayout::kHeaderSize + tableBytes + imageSize);
  std::copy_n(file.data() + BmpFileLayout::kHeaderSize, DibLayout::kHeaderSize, block.data());
  PutU32(block.data() + DibLayout::kSizeOffset, DibLayout::kHeaderSize);
  PutU32(block.data() + DibLayout::kColoursUsedOffset, colours);
  PutU32(block.data() + DibLayout::kImageSizeOffset, static_cast<uint32_t>(imageSize));
  std::copy_n(file.data() + tableStart, tableBytes, block.data() + DibLayout::kHeaderSize);
  std::copy_n(file.data() + pixelStart, imageSize, block.data() + DibLayout::kHeaderSize + tableBytes);
  return Dib(std::move(block));
}

std::optional<Dib> LoadBitmapFile(const std::filesystem::path& path) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(path, ec);
  if (ec || size > kMaxBitmapFileBytes) return std::nullopt;
  auto bytes = ReadWholeFile(path);
  if (!bytes) return std::nullopt;
  return ReadDib(*bytes);
}

}  // namespace vl
