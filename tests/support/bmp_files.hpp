#pragma once
// BMP files built byte by byte from the published layout, independently of the reader:
// 14-byte file header, then the 40-byte information header (offsets below from file start).
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

namespace vl::test {

struct BmpShape {
  uint32_t infoSize = 40;   // at 14
  int32_t width = 2;        // at 18
  int32_t height = 2;       // at 22
  uint16_t bits = 24;       // at 28
  uint32_t compression = 0; // at 30
  uint32_t imageSize = 0;   // at 34
  uint32_t coloursUsed = 0; // at 46
  uint32_t tableEntries = 0;  // colour table written after the information header
  std::optional<uint32_t> pixelOffset = std::nullopt;  // at 10; default: right after the colour table
  uint32_t gap = 0;           // bytes between colour table and pixel rows
  std::vector<uint8_t> pixels = {};  // default: the rows a 24-bit or 8-bit picture of the size needs
  char first = 'B', second = 'M';
};

// Pixel bytes of a default picture: byte i holds (i * 7 + 1) & 0xFF, so every position differs.
std::vector<uint8_t> PatternBytes(size_t count);
std::vector<uint8_t> BmpBytes(const BmpShape& shape);
void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::filesystem::path& path);

}  // namespace vl::test
