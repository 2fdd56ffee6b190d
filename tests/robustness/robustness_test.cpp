// Commands against damaged and older card files through vorlinde-cli: they refuse or stop
// with a message, and leave the files as they were.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/byte_io.hpp"
#include "support/family_card_file.hpp"

namespace vl::test {
namespace {

class RobustnessTest : public FamilyCardFileTest {};

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
