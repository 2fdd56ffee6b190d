// Every command that writes, run against failing disks and damaged card files through
// vorlinde-cli: the card file ends in its old or its new state, never a mix, and the exit
// status says which.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/byte_io.hpp"
#include "common/scripted_prompter.hpp"
#include "records/certificate_record.hpp"
#include "records/family_links.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/slot_file.hpp"
#include "support/cli_runner.hpp"
#include "support/test_support.hpp"

namespace vl::test {
namespace {

constexpr const char* kNow = "07.12.2026 10:30";

// A family in card file 001: Weber Johann and Maier Anna, married with a civil marriage
// certificate, and their son Weber Karl with birth and baptism certificates.
class RobustnessTest : public ::testing::Test {
 protected:
  RobustnessTest() {
    std::filesystem::create_directories(DataDir());
    card.number = 1;
    card.header.SetTitle("Familie Weber");
    card.header.SetOwnerName("Weber");
    EXPECT_EQ(CreateCardFile(Store(), card), 1);
    PersonCard& father = Person("Weber Johann", 'H');
    PersonCard& mother = Person("Maier Anna", 'F');
    PersonCard& son = Person("Weber Karl", 'H');
    LinkChildToParents(son, &father, &mother, ChildLinkMode::Normal, card.modified);
    int marriage = Store(1, father.number);
    UnionEntry forGroom{&mother, {}, "Ulm", static_cast<uint16_t>(marriage), 1};
    UnionEntry forBride{&father, {}, "Ulm", static_cast<uint16_t>(marriage), 1};
    EXPECT_EQ(AddUnion(father, false, forGroom, forBride, card.modified, prompter), 1);
    card.persons.SetCertificateSlot(son, static_cast<uint16_t>(Store(0, son.number)), 0);
    card.persons.SetCertificateSlot(son, static_cast<uint16_t>(Store(3, son.number)), 3);
    card.persons.NormaliseFamilyLinks();
    EXPECT_TRUE(SaveCardFile(Store(), card));
  }

  std::filesystem::path DataDir() const { return home.Path() / "DATEIEN"; }
  StoreContext Store() { return StoreContext{DataDir(), prompter, clock}; }

  PersonCard& Person(const std::string& fullName, char sex) {
    PersonCard* person = card.persons.Create(fullName, static_cast<uint16_t>(fullName.find(' ')));
    card.persons.SetSex(*person, sex);
    return *person;
  }

  int Store(int kind, uint16_t keyPerson) {
    CertificateRecord record = CertificateRecord::New(kind);
    record.SetKeyPerson(keyPerson);
    record.MarkStored();
    SlotFile file(SlotFileContext{DataDir(), card.number, kind, prompter, clock, &card.modified});
    int slot = record.Write(file, -1);
    card.header.SetCertificateCount(kind, static_cast<uint16_t>(card.header.CertificateCount(kind) + 1));
    return slot;
  }

  // The command's output (standard output and error) and exit status.
  RunResult Cli(const std::string& arguments, const std::string& environment = "") {
    std::string line = environment + " '" + CliProgram().string() + "' --home '" + home.Path().string() +
                       "' --now '" + kNow + "' " + arguments + " 2>&1";
    return RunCommand(line);
  }

  TempDir home;
  ScriptedPrompter prompter;
  FixedClock clock{TimeStamp{6, 12, 126, 20, 15}};
  CardFile card{prompter};
};

long OperationsReported(const std::string& output) {
  const std::string key = "Dateioperationen: ";
  auto at = output.rfind(key);
  return at == std::string::npos ? -1 : std::stol(output.substr(at + key.size()));
}

TEST_F(RobustnessTest, EveryWritingCommandLeavesTheOldOrTheNewStateWhateverOperationFails) {
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
  };
  // Opening renews the list files' access stamps; with the clock fixed, a second open changes nothing.
  ASSERT_EQ(Cli("persons 001").status, 0);
  const DirectorySnapshot old = Snapshot(DataDir());
  for (const Case& c : cases) {
    SCOPED_TRACE(c.command);
    RunResult clean = Cli(c.command, "VORLINDE_COUNT_FILE_OPERATIONS=1");
    ASSERT_EQ(clean.status, 0) << clean.out;
    const long operations = OperationsReported(clean.out);
    ASSERT_GT(operations, 5) << clean.out;
    ASSERT_EQ(Cli(c.nextOpen).status, 0);
    const DirectorySnapshot changed = Snapshot(DataDir());
    ASSERT_NE(changed, old);

    for (long n = 1; n <= operations; ++n) {
      Restore(DataDir(), old);
      RunResult failed = Cli(c.command, "VORLINDE_FAIL_FILE_OPERATION=" + std::to_string(n));
      RunResult reopened = Cli(c.nextOpen);
      const DirectorySnapshot after = Snapshot(DataDir());
      ASSERT_TRUE(failed.status == 0 || failed.status == 1) << n << ": " << failed.out;
      EXPECT_EQ(reopened.status, 0) << n << ": " << reopened.out;
      EXPECT_EQ(TemporaryFiles(after), std::vector<std::string>{}) << n;
      if (failed.status == 0) {
        EXPECT_EQ(after, changed) << "operation " << n << " failed, success reported, but not all was written";
      } else {
        EXPECT_EQ(after, old) << "operation " << n << " failed and was reported, but files changed";
        EXPECT_FALSE(failed.out.empty()) << n;
      }
    }
    Restore(DataDir(), old);
  }
}

TEST_F(RobustnessTest, CardFilesOfTheOlderFormatAreRefusedAndLeftAlone) {
  auto header = Snapshot(DataDir()).at("DOSSIER.001");
  PutU16(header.data(), 149);
  DirectorySnapshot older = Snapshot(DataDir());
  older["DOSSIER.001"] = header;
  Restore(DataDir(), older);
  for (const char* command : {"save 001", "save 001", "persons 001", "persons 001 --json", "verify 001",
                              "certificates 001 birth", "--yes delete-certificate 001 birth 0",
                              "--yes delete-person 001 3"}) {
    RunResult result = Cli(command);
    EXPECT_EQ(result.status, 1) << command;
    EXPECT_NE(result.out.find("Kartei älterer Versionen importieren"), std::string::npos) << command << result.out;
    EXPECT_EQ(Snapshot(DataDir()), older) << command;
  }
}

TEST_F(RobustnessTest, DeletingAPersonStopsWhenOneOfItsCertificatesCannotBeDeleted) {
  ASSERT_EQ(Cli("persons 001").status, 0);  // the list files' access stamps, as any opening renews them
  // The baptism's slot is free in the file although the son's card still names it.
  DirectorySnapshot damaged = Snapshot(DataDir());
  damaged.at("BAPTEMES.001").at(40268) = ' ';
  Restore(DataDir(), damaged);
  RunResult result = Cli("--yes delete-person 001 3");
  EXPECT_EQ(result.status, 1) << result.out;
  EXPECT_NE(result.out.find("Fehler in der Zuordnungstabelle!"), std::string::npos) << result.out;
  EXPECT_EQ(Snapshot(DataDir()), damaged) << "neither the birth certificate nor the card may be gone";
}

TEST_F(RobustnessTest, DecliningToReplaceALeftoverFileLeavesNothingOfTheNewCardFile) {
  std::filesystem::remove_all(DataDir());
  std::filesystem::create_directories(DataDir());
  const DirectorySnapshot leftover{{"NAISS.001", {'a', 'l', 't'}}};
  Restore(DataDir(), leftover);
  RunResult result = Cli("--no new --title Neu --name Schmidt");
  EXPECT_EQ(result.status, 1) << result.out;
  EXPECT_NE(result.out.find("NAISS.001 gibt es bereits"), std::string::npos) << result.out;
  EXPECT_EQ(Snapshot(DataDir()), leftover);
  EXPECT_EQ(Cli("list").out, "");
}

}  // namespace
}  // namespace vl::test
