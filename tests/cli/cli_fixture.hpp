#pragma once
// Runs the built vorlinde-cli in a fresh temporary program home, never the user's.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "support/test_support.hpp"

namespace vl::test {

struct CliRun {
  int status = -1;
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  void SetUp() override;

  // vorlinde-cli --home <home> args...
  CliRun Run(const std::vector<std::string>& args) const;
  // vorlinde-cli args... exactly as given (no --home added); input goes to standard input.
  CliRun RunRaw(const std::vector<std::string>& args, const std::string* input = nullptr) const;
  // vorlinde-cli --home <home> args... with the text on standard input.
  CliRun RunWithInput(const std::vector<std::string>& args, const std::string& input) const;

  std::filesystem::path Home() const { return temp_.Path() / "home"; }
  std::filesystem::path DataDir() const { return Home() / "DATEIEN"; }
  // What the process sees as the user's home: a fallback to it would show up here.
  std::filesystem::path UserHome() const { return temp_.Path() / "user"; }
  std::filesystem::path Scratch() const { return temp_.Path(); }

  std::vector<uint8_t> ReadData(const std::string& name) const;
  void WriteData(const std::string& name, const std::vector<uint8_t>& bytes) const;
  // Little-endian u16 inside a file of the data directory.
  uint16_t U16In(const std::string& name, size_t offset) const;
  void PutU16In(const std::string& name, size_t offset, uint16_t value) const;

  // `new` with a title and owner name at a fixed time; the card file's number is checked.
  void CreateCardFile(const std::string& expectedNumber, const std::string& title,
                      const std::string& now = "06.12.2026 20:15") const;
  // Puts person records into FICHES.<extension> and the count at offset 432 of DOSSIER.<extension>.
  void WritePersons(const std::string& extension, const std::vector<uint8_t>& records, uint16_t count) const;

 private:
  TempDir temp_;
  std::filesystem::path program_;
};

}  // namespace vl::test
