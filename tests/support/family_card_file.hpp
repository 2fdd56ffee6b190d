#pragma once
// Card file 001 with a small family, in a temporary program home, and vorlinde-cli run on it
// with a fixed clock: for end-to-end tests of commands against damaged files and failing disks.
#include <gtest/gtest.h>

#include <string>

#include "common/scripted_prompter.hpp"
#include "records/certificate_record.hpp"
#include "records/family_links.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/slot_file.hpp"
#include "support/cli_runner.hpp"
#include "support/test_support.hpp"

namespace vl::test {

constexpr const char* kNow = "07.12.2026 10:30";

// A family in card file 001: Weber Johann and Maier Anna, married with a civil marriage
// certificate, and their son Weber Karl with birth and baptism certificates.
class FamilyCardFileTest : public ::testing::Test {
 protected:
  FamilyCardFileTest() {
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

}  // namespace vl::test
