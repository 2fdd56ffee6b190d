#pragma once
// A device-independent bitmap in memory: the 40-byte information header, the colour table
// (4 bytes per colour) and the pixel rows, as in a BMP file after its 14-byte file header.
#include <cstdint>
#include <vector>

namespace vl {

// Offsets inside the information header (add 14 for the position in a BMP file).
struct DibLayout {
  static constexpr int kHeaderSize = 40;
  static constexpr int kSizeOffset = 0;         // size of the information header itself
  static constexpr int kWidthOffset = 4;        // signed
  static constexpr int kHeightOffset = 8;       // signed; negative for rows stored top-down
  static constexpr int kPlanesOffset = 12;
  static constexpr int kBitsOffset = 14;        // bits per pixel
  static constexpr int kCompressionOffset = 16; // 0 none, 1 RLE8, 2 RLE4
  static constexpr int kImageSizeOffset = 20;   // bytes of pixel rows; 0 allowed when uncompressed
  static constexpr int kColoursUsedOffset = 32; // 0 means "all that the bit count allows"
  static constexpr int kColourSize = 4;
};

// The bytes of a row of `width` pixels of `bits` each, padded to whole 32-bit words; 0 when
// the result would not fit in 64 bits.
uint64_t DibRowBytes(uint64_t width, uint64_t bits);

class Dib {
 public:
  // Takes the block as it is; Read and the capture conversion make only consistent ones.
  explicit Dib(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}

  const std::vector<uint8_t>& Bytes() const { return bytes_; }
  uint32_t HeaderSize() const;
  int32_t Width() const;
  int32_t Height() const;  // as stored: negative for top-down rows
  uint64_t Rows() const;    // the number of pixel rows, whatever the direction
  uint16_t Bits() const;
  uint32_t Compression() const;
  uint32_t ImageSize() const;
  uint32_t ColoursUsed() const;
  // Colours of the table: only bitmaps of 8 bits or fewer per pixel have one.
  uint32_t ColourTableEntries() const;
  bool IsRunLengthEncoded() const { return Compression() == 1 || Compression() == 2; }

 private:
  uint32_t U32At(int offset) const;
  std::vector<uint8_t> bytes_;
};

// Makes a 24-bit uncompressed bitmap of the given size from rows of packed 0xRRGGBB values,
// given top row first.
Dib Dib24FromRgbRows(int32_t width, int32_t height, const std::vector<uint32_t>& rgbTopDown);

}  // namespace vl
