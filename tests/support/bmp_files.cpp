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

std::vector<uint8_t> BmpBytes(const BmpSpec& spec) {
  const size_t tableStart = 14 + spec.infoSize;
  const size_t pixelStart = tableStart + 4 * spec.tableEntries + spec.gap;
  std::vector<uint8_t> pixels = spec.pixels;
  if (pixels.empty()) {
    const size_t rowBytes = (static_cast<size_t>(spec.width) * spec.bits + 31) / 32 * 4;
    pixels = PatternBytes(rowBytes * static_cast<size_t>(spec.height < 0 ? -spec.height : spec.height));
  }
  std::vector<uint8_t> b(std::max<size_t>(pixelStart, 54), 0);
  b[0] = static_cast<uint8_t>(spec.first);
  b[1] = static_cast<uint8_t>(spec.second);
  Put32(b, 2, static_cast<uint32_t>(pixelStart + pixels.size()));
  Put32(b, 10, spec.pixelOffset.value_or(static_cast<uint32_t>(pixelStart)));
  Put32(b, 14, spec.infoSize);
  Put32(b, 18, static_cast<uint32_t>(spec.width));
  Put32(b, 22, static_cast<uint32_t>(spec.height));
  Put16(b, 26, 1);
  Put16(b, 28, spec.bits);
  Put32(b, 30, spec.compression);
  Put32(b, 34, spec.imageSize);
  Put32(b, 46, spec.coloursUsed);
  for (uint32_t i = 0; i < spec.tableEntries; ++i) {
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
