// Every command that writes, run once for each of its file operations with that operation
// failing: the card file ends in its old or its new state, never a mix, the exit status says
// which, and the next opening leaves no temporary file behind. A new command that writes
// gets its row in the table.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "support/bmp_files.hpp"
#include "support/family_card_file.hpp"

namespace vl::test {
namespace {

// A new child of the family's couple, and the son's stored birth certificate with its names.
const char* const kPaul =
    R"({"surname": "Weber", "given_names": ["Paul"], "birth": "01.05.1880", "father": {"link": 1,
        "surname": "Weber", "given_names": ["Johann"]}, "mother": {"link": 2, "surname": "Maier",
        "given_names": ["Anna"]}})";
const char* const kKarl = R"({"surname": "Weber", "given_names": ["Karl"], "child_link": 3, "birth_place": "Ulm"})";

class FailureInjectionTest : public FamilyCardFileTest {
 protected:
  // The card files, the photos and the attached documents: the directories a command writes to.
  using HomeSnapshot = std::map<std::string, DirectorySnapshot>;
  static constexpr const char* kWrittenDirs[] = {"DATEIEN", "FOTOS", "OBJEKTE"};

  HomeSnapshot SnapshotHome() const {
    HomeSnapshot snapshot;
    for (const char* dir : kWrittenDirs) snapshot[dir] = Snapshot(home.Path() / dir);
    return snapshot;
  }
  void RestoreHome(const HomeSnapshot& snapshot) const {
    for (const auto& [dir, files] : snapshot) Restore(home.Path() / dir, files);
  }
  static std::vector<std::string> TemporaryFilesOf(const HomeSnapshot& snapshot) {
    std::vector<std::string> names;
    for (const auto& [dir, files] : snapshot) {
      for (const std::string& name : TemporaryFiles(files)) names.push_back(dir + "/" + name);
    }
    return names;
  }
  // The command's standard input, kept beside the program home.
  std::string Input(const std::string& name, const char* json) {
    const std::filesystem::path path = home.Path() / name;
    std::ofstream(path) << json;
    return "'" + path.string() + "'";
  }
  // A file outside the program home, as the user picks it.
  std::string Outside(const std::string& name, const std::vector<uint8_t>& bytes) const {
    const std::filesystem::path path = home.Path() / "anderswo" / name;
    std::filesystem::create_directories(path.parent_path());
    WriteBytes(path, bytes);
    return "'" + path.string() + "'";
  }
};

long OperationsReported(const std::string& output) {
  const std::string key = "Dateioperationen: ";
  auto at = output.rfind(key);
  return at == std::string::npos ? -1 : std::stol(output.substr(at + key.size()));
}

TEST_F(FailureInjectionTest, EveryWritingCommandLeavesTheOldOrTheNewStateWhateverOperationFails) {
  struct Case {
    std::string command;
    std::string nextOpen;  // what the user does next: it must find a whole card file
  };
  const std::vector<Case> cases = {
      {"save 001", "persons 001"},
      {"--yes delete-certificate 001 birth 0", "persons 001"},
      {"--yes delete-certificate 001 marriage 0", "persons 001"},
      {"--yes delete-person 001 1", "persons 001"},
      {"--yes delete-person 001 3", "persons 001"},
      {"new --title Neu --name Schmidt", "list"},
      {"add-certificate 001 birth < " + Input("paul.json", kPaul), "persons 001"},
      {"edit-certificate 001 birth 0 < " + Input("karl.json", kKarl), "persons 001"},
      {"import-photo " + Outside("ahn.bmp", BmpBytes({.width = 1, .height = 1})), "persons 001"},
      {"attach 001 2 " + Outside("brief.txt", {'B', 'r', 'i', 'e', 'f'}) + " --description Heimatbrief", "persons 001"},
      {"detach 001 1 1", "persons 001"},
  };
  // Opening renews the list files' access stamps; with the clock fixed, a second open changes nothing.
  ASSERT_EQ(Cli("persons 001").status, 0);
  ASSERT_EQ(Cli("attach 001 1 " + Outside("taufe.txt", {'T'})).status, 0);
  const HomeSnapshot old = SnapshotHome();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    RunResult clean = Cli(c.command, "VORLINDE_COUNT_FILE_OPERATIONS=1");
    ASSERT_EQ(clean.status, 0) << clean.out;
    const long operations = OperationsReported(clean.out);
    ASSERT_GT(operations, 5) << clean.out;
    ASSERT_EQ(Cli(c.nextOpen).status, 0);
    const HomeSnapshot changed = SnapshotHome();
    ASSERT_NE(changed, old);

    for (long n = 1; n <= operations; ++n) {
      RestoreHome(old);
      RunResult failed = Cli(c.command, "VORLINDE_FAIL_FILE_OPERATION=" + std::to_string(n));
      RunResult reopened = Cli(c.nextOpen);
      const HomeSnapshot after = SnapshotHome();
      ASSERT_TRUE(failed.status == 0 || failed.status == 1) << n << ": " << failed.out;
      EXPECT_EQ(reopened.status, 0) << n << ": " << reopened.out;
      EXPECT_EQ(TemporaryFilesOf(after), std::vector<std::string>{}) << n;
      if (failed.status == 0) {
        EXPECT_EQ(after, changed) << "operation " << n << " failed, success reported, but not all was written";
      } else {
        EXPECT_EQ(after, old) << "operation " << n << " failed and was reported, but files changed";
        EXPECT_FALSE(failed.out.empty()) << n;
      }
    }
    RestoreHome(old);
  }
}

}  // namespace
}  // namespace vl::test
