#include "common/temporary_names.hpp"

#include <random>

namespace vl {

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target, std::string_view suffix) {
  std::random_device random;
  std::string name = ".~" + target.filename().string() + "." + std::to_string(random() % 100000000);
  name += suffix;
  return target.parent_path() / name;
}

bool IsTemporaryName(const std::string& fileName, std::string_view suffix) {
  return fileName.size() > 2 + suffix.size() && fileName.starts_with(".~") && fileName.ends_with(suffix);
}

}  // namespace vl
