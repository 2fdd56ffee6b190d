#include "support/bmp_files.hpp"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace vl::test {
namespace {

void Put16(std::vector<uint8_t>& b, size_t at, uint16_t v) {
  b[at] = static_cast<uint8_t>(v);
  b[at + 1] = static_cast<uint8_t>(v >> 8);
}
void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

}  // namespace

std::vector<uint8_t> PatternBytes(size_t count) {
  std::vector<uint8_t> bytes(count);
  for (size_t i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>((i * 7 + 1) & 0xFF);
  return bytes;
}

std::vector<uint8_t> BmpBytes(const BmpShape& shape) {
  const size_t tableStart = 14 + shape.infoSize;
  const size_t pixelStart = tableStart + 4 * shape.tableEntries + shape.gap;
  std::vector<uint8_t> pixels = shape.pixels;
  if (pixels.empty()) {
    const size_t rowBytes = (static_cast<size_t>(shape.width) * shape.bits + 31) / 32 * 4;
    pixels = PatternBytes(rowBytes * static_cast<size_t>(shape.height < 0 ? -shape.height : shape.height));
  }
  std::vector<uint8_t> b(std::max<size_t>(pixelStart, 54), 0);
  b[0] = static_cast<uint8_t>(shape.first);
  b[1] = static_cast<uint8_t>(shape.second);
  Put32(b, 2, static_cast<uint32_t>(pixelStart + pixels.size()));
  Put32(b, 10, shape.pixelOffset.value_or(static_cast<uint32_t>(pixelStart)));
  Put32(b, 14, shape.infoSize);
  Put32(b, 18, static_cast<uint32_t>(shape.width));
  Put32(b, 22, static_cast<uint32_t>(shape.height));
  Put16(b, 26, 1);
  Put16(b, 28, shape.bits);
  Put32(b, 30, shape.compression);
  Put32(b, 34, shape.imageSize);
  Put32(b, 46, shape.coloursUsed);
  for (uint32_t i = 0; i < shape.tableEntries; ++i) {
    const size_t at = tableStart + 4 * i;
    if (at + 4 > b.size()) break;
    b[at] = static_cast<uint8_t>(i);             // blue
    b[at + 1] = static_cast<uint8_t>(255 - i);   // green
    b[at + 2] = static_cast<uint8_t>(i / 2);     // red
  }
  b.resize(pixelStart);
  b.insert(b.end(), pixels.begin(), pixels.end());
  return b;
}

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace vl::test
