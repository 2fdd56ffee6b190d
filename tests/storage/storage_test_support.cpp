#include "storage_test_support.hpp"

#include <fstream>

#include "common/file_io.hpp"

namespace vl::test {

std::vector<uint8_t> StorageFixture::FileBytes(const std::string& name) const {
  return ReadWholeFile(dir.Path() / name).value_or(std::vector<uint8_t>{});
}

void StorageFixture::WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) const {
  std::ofstream out(dir.Path() / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace vl::test
