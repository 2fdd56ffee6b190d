#pragma once
// Reading a BMP file into a device-independent bitmap. The bytes are untrusted: every count and
// size is checked against what the file holds, so a damaged file yields none and nothing else.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>

#include "pictures/dib.hpp"

namespace vl {

// Offsets of the 14-byte file header.
struct BmpFileLayout {
  static constexpr int kHeaderSize = 14;
  static constexpr uint16_t kType = 19778;  // "BM"
  static constexpr int kTypeOffset = 0;
  static constexpr int kFileSizeOffset = 2;
  static constexpr int kReservedOffset = 6;  // two 16-bit fields
  static constexpr int kPixelOffsetOffset = 10;
};

// Larger files are not taken for pictures.
constexpr uint64_t kMaxBitmapFileBytes = 256u << 20;

// The bitmap of a whole BMP file, or none when the file is not one that can be shown.
std::optional<Dib> ReadDib(std::span<const uint8_t> file);
// None also when the file cannot be opened or is larger than kMaxBitmapFileBytes.
std::optional<Dib> LoadBitmapFile(const std::filesystem::path& path);

}  // namespace vl
