#pragma once
// A card file in a temporary data directory with a fixed clock and a scripted prompter.
#include <memory>

#include "common/clock.hpp"
#include "common/scripted_prompter.hpp"
#include "storage/card_file.hpp"
#include "storage/card_file_store.hpp"
#include "support/test_support.hpp"

namespace vl::test {

struct StorageFixture {
  TempDir dir;
  FixedClock clock{TimeStamp{6, 12, 126, 20, 15}};
  ScriptedPrompter prompter;
  RecordingProgress progress;

  StoreContext Context(bool withProgress = false) {
    return StoreContext{dir.Path(), prompter, clock, withProgress ? &progress : nullptr};
  }
  std::unique_ptr<CardFile> NewCardFile() { return std::make_unique<CardFile>(prompter); }
  std::vector<uint8_t> FileBytes(const std::string& name) const;
  void WriteBytes(const std::string& name, const std::vector<uint8_t>& bytes) const;
};

// Little-endian pieces for building expected file contents by hand.
struct Bytes {
  std::vector<uint8_t> data;
  Bytes& u8(int v) {
    data.push_back(static_cast<uint8_t>(v));
    return *this;
  }
  Bytes& u16(int v) {
    data.push_back(static_cast<uint8_t>(v & 0xFF));
    data.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
    return *this;
  }
  Bytes& raw(const std::string& s) {
    data.insert(data.end(), s.begin(), s.end());
    return *this;
  }
  Bytes& text(const std::string& s) { return u16(static_cast<int>(s.size())).raw(s); }
  Bytes& fill(size_t n, uint8_t v) {
    data.insert(data.end(), n, v);
    return *this;
  }
};

}  // namespace vl::test
