#include "cli_fixture.hpp"

#include <fstream>
#include <iterator>

#include "support/cli_runner.hpp"

namespace vl::test {
namespace {

std::string ShellQuoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) {
    if (c == '\'') {
      quoted += "'\\''";
    } else {
      quoted += c;
    }
  }
  return quoted + "'";
}

std::string ReadText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

void CliTest::SetUp() {
  program_ = CliProgram();
  ASSERT_TRUE(std::filesystem::exists(program_)) << "build vorlinde-cli first: " << program_;
  std::filesystem::create_directories(UserHome());
}

CliRun CliTest::Run(const std::vector<std::string>& args) const {
  std::vector<std::string> all{"--home", Home().string()};
  all.insert(all.end(), args.begin(), args.end());
  return RunRaw(all);
}

CliRun CliTest::RunWithInput(const std::vector<std::string>& args, const std::string& input) const {
  std::vector<std::string> all{"--home", Home().string()};
  all.insert(all.end(), args.begin(), args.end());
  return RunRaw(all, &input);
}

CliRun CliTest::RunRaw(const std::vector<std::string>& args, const std::string* input) const {
  const auto errFile = temp_.Path() / "stderr.txt";
  const auto inFile = temp_.Path() / "stdin.txt";
  // No inherited VORLINDE_HOME, and a user home of our own, so nothing can reach the real one.
  std::string command = "env -u VORLINDE_HOME -u XDG_DATA_HOME HOME=" + ShellQuoted(UserHome().string()) + " " +
                        ShellQuoted(program_.string());
  for (const std::string& arg : args) command += " " + ShellQuoted(arg);
  command += " 2>" + ShellQuoted(errFile.string());
  if (input != nullptr) {
    std::ofstream(inFile, std::ios::binary | std::ios::trunc) << *input;
    command += " <" + ShellQuoted(inFile.string());
  } else {
    command += " </dev/null";
  }
  RunResult result = RunCommand(command);
  return CliRun{result.status, result.out, ReadText(errFile)};
}

std::vector<uint8_t> CliTest::ReadData(const std::string& name) const {
  std::string text = ReadText(DataDir() / name);
  return std::vector<uint8_t>(text.begin(), text.end());
}

void CliTest::WriteData(const std::string& name, const std::vector<uint8_t>& bytes) const {
  std::ofstream out(DataDir() / name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

uint16_t CliTest::U16In(const std::string& name, size_t offset) const {
  auto bytes = ReadData(name);
  if (bytes.size() < offset + 2) return 0xDEAD;
  return static_cast<uint16_t>(bytes[offset] | (bytes[offset + 1] << 8));
}

void CliTest::PutU16In(const std::string& name, size_t offset, uint16_t value) const {
  auto bytes = ReadData(name);
  ASSERT_GE(bytes.size(), offset + 2) << name;
  bytes[offset] = static_cast<uint8_t>(value & 0xFF);
  bytes[offset + 1] = static_cast<uint8_t>(value >> 8);
  WriteData(name, bytes);
}

void CliTest::CreateCardFile(const std::string& expectedNumber, const std::string& title,
                             const std::string& now) const {
  CliRun created = Run({"--now", now, "new", "--title", title, "--name", "Weber"});
  ASSERT_EQ(created.status, 0) << created.err;
  ASSERT_EQ(created.out, expectedNumber + "\n");
}

void CliTest::WritePersons(const std::string& extension, const std::vector<uint8_t>& records, uint16_t count) const {
  WriteData("FICHES." + extension, records);
  PutU16In("DOSSIER." + extension, 432, count);
}

}  // namespace vl::test
