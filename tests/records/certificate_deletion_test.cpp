// Deleting certificates and persons: slot files, counters, slot references, events and unions.
#include "records/certificate_deletion.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>

#include "common/file_io.hpp"
#include "common/scripted_prompter.hpp"
#include "records/certificate_record.hpp"
#include "records/family_links.hpp"
#include "records/record_names.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_names.hpp"
#include "storage/slot_file.hpp"
#include "support/cli_runner.hpp"
#include "support/test_support.hpp"

namespace vl::test {
namespace {

DateTimeValue At(int day, int month, int year, int hour = 0, int minute = 0) {
  return DateTimeValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year),
                       static_cast<int16_t>(hour), static_cast<int16_t>(minute)};
}

uint16_t U16At(const std::vector<uint8_t>& bytes, size_t offset) {
  return static_cast<uint16_t>(bytes.at(offset) | (bytes.at(offset + 1) << 8));
}

class CertificateDeletionTest : public ::testing::Test {
 protected:
  CertificateDeletionTest() {
    std::filesystem::create_directories(DataDir());
    card.number = 3;
    card.header.SetTitle("Probe");
    card.header.SetOwnerName("Weber");
    EXPECT_EQ(CreateCardFile(Store(), card), 1);
  }

  std::filesystem::path DataDir() const { return home.Path() / "DATEIEN"; }
  StoreContext Store() { return StoreContext{DataDir(), prompter, clock}; }
  DeletionContext Context() { return DeletionContext{DataDir(), prompter, clock}; }
  SlotFile File(int kind) {
    return SlotFile(SlotFileContext{DataDir(), card.number, kind, prompter, clock, &card.modified});
  }

  PersonCard& Person(const std::string& fullName, char sex) {
    PersonCard* person = card.persons.Create(fullName, static_cast<uint16_t>(fullName.find(' ')));
    card.persons.SetSex(*person, sex);
    return *person;
  }

  // As a certificate save leaves things: the record in a new slot, the slot in the person's
  // card, the counter raised.
  int StoreOwn(int kind, PersonCard& person) {
    CertificateRecord record = CertificateRecord::New(kind);
    record.SetKeyPerson(person.number);
    record.Set(MainPersonNames(kind).surname, person.fullName.substr(0, person.surnameLength));
    record.MarkStored();
    SlotFile file = File(kind);
    const int slot = record.Write(file, -1);
    EXPECT_GE(slot, 0);
    card.persons.SetCertificateSlot(person, static_cast<uint16_t>(slot), kind);
    card.header.SetCertificateCount(kind, static_cast<uint16_t>(card.header.CertificateCount(kind) + 1));
    return slot;
  }

  int StoreMarriage(int kind, PersonCard& groom, PersonCard& bride, const DateTimeValue& date) {
    CertificateRecord record = CertificateRecord::New(kind);
    record.SetKeyPerson(groom.number);
    record.MarkStored();
    SlotFile file = File(kind);
    const int slot = record.Write(file, -1);
    EXPECT_GE(slot, 0);
    UnionEntry forGroom{&bride, date, "Ulm", static_cast<uint16_t>(slot), static_cast<uint16_t>(kind)};
    UnionEntry forBride{&groom, date, "Ulm", static_cast<uint16_t>(slot), static_cast<uint16_t>(kind)};
    EXPECT_EQ(AddUnion(groom, kind == kChurchWedding, forGroom, forBride, card.modified, prompter), 1);
    card.persons.SetCertificateSlot(groom, static_cast<uint16_t>(slot), kind);
    card.persons.SetCertificateSlot(bride, static_cast<uint16_t>(slot), kind);
    card.header.SetCertificateCount(kind, static_cast<uint16_t>(card.header.CertificateCount(kind) + 1));
    return slot;
  }

  // The slot file as it lies on disk: n at 262, table A at 268, map at 40268.
  std::vector<uint8_t> SlotFileBytes(int kind) const {
    auto bytes = ReadWholeFile(DataDir() / SlotFileName(kind, card.number));
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or(std::vector<uint8_t>(50268, 0));
  }
  int StoredCount(int kind) const { return static_cast<int16_t>(U16At(SlotFileBytes(kind), 262)); }
  uint8_t MapByte(int kind, int slot) const { return SlotFileBytes(kind).at(40268 + static_cast<size_t>(slot)); }

  int Delete(int kind, int slot) {
    auto header = File(kind).ReadHeader();
    EXPECT_TRUE(header.has_value());
    uint16_t key = 0;
    for (const SlotEntry& entry : header->Entries()) {
      if (entry.slot == slot) key = entry.keyPerson;
    }
    return DeleteCertificate(card, Context(), kind, slot, FindCertificatePersons(card.persons, kind, slot, key));
  }

  TempDir home;
  ScriptedPrompter prompter;
  FixedClock clock{TimeStamp{6, 12, 126, 20, 15}};
  CardFile card{prompter};
};

TEST_F(CertificateDeletionTest, BurialDeletionClearsDeathDateAndPlaceAndLowersTheCounter) {
  PersonCard& deceased = Person("Weber Johann", 'H');
  deceased.birth = At(2, 2, 1820, 6, 0);
  deceased.birthPlace = "Ulm";
  deceased.death = At(3, 4, 1890, 14, 30);
  deceased.death.calendar = 1;
  deceased.deathPlace = "Lyon";
  const int slot = StoreOwn(kBurial, deceased);
  ASSERT_EQ(card.header.CertificateCount(kBurial), 1);
  ASSERT_EQ(MapByte(kBurial, slot), 'X');
  card.modified.Clear();

  EXPECT_EQ(Delete(kBurial, slot), slot);

  EXPECT_EQ(deceased.death.day, 0);
  EXPECT_EQ(deceased.death.month, 0);
  EXPECT_EQ(deceased.death.year, 0);
  EXPECT_EQ(deceased.death.hour, 0);
  EXPECT_EQ(deceased.death.minute, 0);
  EXPECT_EQ(deceased.death.calendar, 1);  // only the date parts are cleared
  EXPECT_EQ(deceased.deathPlace, "");
  EXPECT_EQ(deceased.birth, At(2, 2, 1820, 6, 0));
  EXPECT_EQ(deceased.birthPlace, "Ulm");
  EXPECT_EQ(deceased.certificateSlots[kBurial], kNoSlot);
  EXPECT_EQ(card.header.CertificateCount(kBurial), 0);
  EXPECT_EQ(StoredCount(kBurial), 0);
  EXPECT_EQ(MapByte(kBurial, slot), ' ');
  EXPECT_TRUE(card.modified.IsSet());
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(CertificateDeletionTest, BirthAndBaptismClearTheirOwnEvent) {
  PersonCard& child = Person("Weber Anna", 'F');
  child.birth = At(1, 1, 1850, 3, 15);
  child.birthPlace = "Ulm";
  child.baptism = At(3, 1, 1850);
  child.baptismPlace = "Blaubeuren";
  const int birth = StoreOwn(kBirth, child);
  const int baptism = StoreOwn(kBaptism, child);

  EXPECT_EQ(Delete(kBaptism, baptism), baptism);
  EXPECT_EQ(child.baptism, At(0, 0, 0));
  EXPECT_EQ(child.baptismPlace, "");
  EXPECT_EQ(child.birth, At(1, 1, 1850, 3, 15));
  EXPECT_EQ(child.certificateSlots[kBirth], birth);

  EXPECT_EQ(Delete(kBirth, birth), birth);
  EXPECT_EQ(child.birth, At(0, 0, 0));
  EXPECT_EQ(child.birthPlace, "");
  EXPECT_EQ(card.header.CertificateCount(kBirth), 0);
  EXPECT_EQ(card.header.CertificateCount(kBaptism), 0);
}

TEST_F(CertificateDeletionTest, DeletingAPersonRemovesItsCertificatesAndLowersBothCounters) {
  PersonCard& groom = Person("Weber Johann", 'H');
  PersonCard& bride = Person("Maier Rosa", 'F');
  PersonCard& child = Person("Weber Paul", 'H');
  const int groomBirth = StoreOwn(kBirth, groom);
  const int brideBirth = StoreOwn(kBirth, bride);
  const int marriage = StoreMarriage(kCivilMarriage, groom, bride, At(5, 5, 1870));
  LinkChildToParents(child, &groom, &bride, ChildLinkMode::Normal, card.modified);
  ASSERT_EQ(card.header.CertificateCount(kBirth), 2);
  ASSERT_EQ(card.header.CertificateCount(kCivilMarriage), 1);
  ASSERT_EQ(bride.children.size(), 1u);
  ASSERT_EQ(bride.children[0].unionIndex, 1);
  card.modified.Clear();

  DeletePerson(card, Context(), groom);

  EXPECT_EQ(card.header.CertificateCount(kBirth), 1);
  EXPECT_EQ(card.header.CertificateCount(kCivilMarriage), 0);
  EXPECT_EQ(MapByte(kBirth, groomBirth), ' ');
  EXPECT_EQ(MapByte(kBirth, brideBirth), 'X');
  EXPECT_EQ(StoredCount(kBirth), 1);
  EXPECT_EQ(U16At(SlotFileBytes(kBirth), 268), brideBirth);  // the bride's birth certificate moved up
  EXPECT_EQ(MapByte(kCivilMarriage, marriage), ' ');
  EXPECT_EQ(StoredCount(kCivilMarriage), 0);

  EXPECT_EQ(card.persons.Count(), 2u);
  EXPECT_EQ(card.header.PersonCount(), 2);
  EXPECT_EQ(card.persons.Find(1), nullptr);
  EXPECT_TRUE(bride.unions.empty());
  EXPECT_EQ(bride.certificateSlots[kCivilMarriage], kNoSlot);
  EXPECT_EQ(bride.certificateSlots[kBirth], brideBirth);
  EXPECT_EQ(child.father, nullptr);
  EXPECT_EQ(child.mother, &bride);
  ASSERT_EQ(bride.children.size(), 1u);
  EXPECT_EQ(bride.children[0].unionIndex, 0);
  EXPECT_EQ(child.rank, 2);
  EXPECT_TRUE(card.modified.IsSet());
  EXPECT_TRUE(prompter.Empty());

  // What the next save writes: the two remaining cards.
  ASSERT_TRUE(SaveCardFile(Store(), card));
  auto header = ReadWholeFile(DataDir() / HeaderFileName(card.number));
  ASSERT_TRUE(header);
  EXPECT_EQ(U16At(*header, 432), 2);
  EXPECT_EQ(U16At(*header, 434), 1);
  EXPECT_EQ(U16At(*header, 436), 0);
}

TEST_F(CertificateDeletionTest, MarriageDeletionRemovesOnlyItsOwnUnionFromBothLists) {
  PersonCard& groom = Person("Weber Johann", 'H');
  PersonCard& bride = Person("Maier Rosa", 'F');
  PersonCard& child = Person("Weber Paul", 'H');
  const int civil = StoreMarriage(kCivilMarriage, groom, bride, At(5, 5, 1870));
  const int church = StoreMarriage(kChurchWedding, groom, bride, At(6, 5, 1870));
  LinkChildToParents(child, &groom, &bride, ChildLinkMode::Normal, card.modified);
  card.persons.NormaliseFamilyLinks();
  ASSERT_EQ(groom.unions.size(), 2u);
  ASSERT_EQ(groom.children.at(0).unionIndex, 1);

  // The church wedding goes; the civil marriage stays, though it stands first in both lists.
  EXPECT_EQ(Delete(kChurchWedding, church), church);
  ASSERT_EQ(groom.unions.size(), 1u);
  ASSERT_EQ(bride.unions.size(), 1u);
  EXPECT_EQ(groom.unions[0].kind, kCivilMarriage);
  EXPECT_EQ(groom.unions[0].slot, civil);
  EXPECT_EQ(bride.unions[0].spouse, &groom);
  EXPECT_EQ(bride.unions[0].kind, kCivilMarriage);
  EXPECT_EQ(groom.certificateSlots[kChurchWedding], kNoSlot);
  EXPECT_EQ(bride.certificateSlots[kChurchWedding], kNoSlot);
  EXPECT_EQ(groom.certificateSlots[kCivilMarriage], civil);
  EXPECT_EQ(groom.children[0].unionIndex, 1);
  EXPECT_EQ(card.header.CertificateCount(kChurchWedding), 0);
  EXPECT_EQ(card.header.CertificateCount(kCivilMarriage), 1);

  EXPECT_EQ(Delete(kCivilMarriage, civil), civil);
  EXPECT_TRUE(groom.unions.empty());
  EXPECT_TRUE(bride.unions.empty());
  EXPECT_EQ(groom.children[0].unionIndex, 0);
  EXPECT_EQ(bride.children[0].unionIndex, 0);
  EXPECT_EQ(child.father, &groom);  // the child keeps its parents
  EXPECT_EQ(groom.certificateSlots[kCivilMarriage], kNoSlot);
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(CertificateDeletionTest, TheReferenceToALaterMarriageSurvives) {
  PersonCard& groom = Person("Weber Johann", 'H');
  PersonCard& first = Person("Maier Rosa", 'F');
  PersonCard& second = Person("Huber Eva", 'F');
  const int earlier = StoreMarriage(kCivilMarriage, groom, first, At(5, 5, 1870));
  const int later = StoreMarriage(kCivilMarriage, groom, second, At(7, 7, 1880));
  ASSERT_EQ(groom.certificateSlots[kCivilMarriage], later);

  CertificatePersons persons = FindCertificatePersons(card.persons, kCivilMarriage, earlier, groom.number);
  EXPECT_EQ(persons.keyPerson, &first);
  EXPECT_EQ(persons.secondPerson, &groom);
  EXPECT_EQ(DeleteCertificate(card, Context(), kCivilMarriage, earlier, persons), earlier);

  EXPECT_EQ(groom.certificateSlots[kCivilMarriage], later);
  EXPECT_EQ(first.certificateSlots[kCivilMarriage], kNoSlot);
  ASSERT_EQ(groom.unions.size(), 1u);
  EXPECT_EQ(groom.unions[0].spouse, &second);
  EXPECT_TRUE(first.unions.empty());
  EXPECT_EQ(second.unions.size(), 1u);
  EXPECT_EQ(card.header.CertificateCount(kCivilMarriage), 1);
}

TEST_F(CertificateDeletionTest, FindingThePersonsOfACertificate) {
  PersonCard& groom = Person("Weber Johann", 'H');
  PersonCard& bride = Person("Maier Rosa", 'F');
  const int church = StoreMarriage(kChurchWedding, groom, bride, At(5, 5, 1870));

  CertificatePersons own = FindCertificatePersons(card.persons, kDeath, 0, bride.number);
  EXPECT_EQ(own.keyPerson, &bride);
  EXPECT_EQ(own.secondPerson, nullptr);
  EXPECT_EQ(FindCertificatePersons(card.persons, kDeath, 0, 99).keyPerson, nullptr);
  EXPECT_EQ(FindCertificatePersons(card.persons, kDeath, 0, 0).keyPerson, nullptr);

  // Another slot or the other marriage kind finds no bride, but still the groom.
  CertificatePersons wrongSlot = FindCertificatePersons(card.persons, kChurchWedding, church + 1, groom.number);
  EXPECT_EQ(wrongSlot.keyPerson, nullptr);
  EXPECT_EQ(wrongSlot.secondPerson, &groom);
  EXPECT_EQ(FindCertificatePersons(card.persons, kCivilMarriage, church, groom.number).keyPerson, nullptr);
}

TEST_F(CertificateDeletionTest, ACertificateWithoutItsPersonStillLowersTheCounter) {
  PersonCard& deceased = Person("Weber Johann", 'H');
  const int slot = StoreOwn(kDeath, deceased);
  deceased.certificateSlots[kDeath] = kNoSlot;  // the card no longer names it
  deceased.death = At(1, 1, 1900);

  EXPECT_EQ(DeleteCertificate(card, Context(), kDeath, slot, CertificatePersons{}), slot);
  EXPECT_EQ(card.header.CertificateCount(kDeath), 0);
  EXPECT_EQ(StoredCount(kDeath), 0);
  EXPECT_EQ(deceased.death, At(1, 1, 1900));

  // A counter already at 0 stays there.
  const int other = StoreOwn(kDeath, deceased);
  card.header.SetCertificateCount(kDeath, 0);
  EXPECT_EQ(Delete(kDeath, other), other);
  EXPECT_EQ(card.header.CertificateCount(kDeath), 0);
}

TEST_F(CertificateDeletionTest, AFreeSlotIsRefusedAndNothingChanges) {
  PersonCard& deceased = Person("Weber Johann", 'H');
  const int slot = StoreOwn(kDeath, deceased);
  deceased.death = At(1, 1, 1900);
  deceased.deathPlace = "Ulm";
  card.modified.Clear();

  EXPECT_EQ(DeleteCertificate(card, Context(), kDeath, slot + 1, CertificatePersons{&deceased, nullptr}), -1);
  EXPECT_EQ(prompter.Ids(), std::vector<int>{8012});
  EXPECT_EQ(card.header.CertificateCount(kDeath), 1);
  EXPECT_EQ(deceased.certificateSlots[kDeath], slot);
  EXPECT_EQ(deceased.deathPlace, "Ulm");
  EXPECT_FALSE(card.modified.IsSet());
  EXPECT_EQ(StoredCount(kDeath), 1);
}

TEST_F(CertificateDeletionTest, AMissingSlotFileIsReported) {
  PersonCard& deceased = Person("Weber Johann", 'H');
  const int slot = StoreOwn(kBurial, deceased);
  std::filesystem::remove(DataDir() / SlotFileName(kBurial, card.number));

  EXPECT_EQ(DeleteCertificate(card, Context(), kBurial, slot, CertificatePersons{&deceased, nullptr}), -1);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].id, 8004);
  EXPECT_EQ(deceased.certificateSlots[kBurial], slot);
  EXPECT_EQ(card.header.CertificateCount(kBurial), 1);
}

// ---- vorlinde-cli delete-certificate and delete-person ------------------------------------


TEST_F(CertificateDeletionTest, CommandLineDeletesOnlyWhenAnsweredYes) {
  auto program = CliProgram();
  if (!std::filesystem::exists(program)) GTEST_SKIP() << "vorlinde-cli not built at " << program;
  PersonCard& groom = Person("Weber Johann", 'H');
  PersonCard& bride = Person("Maier Rosa", 'F');
  groom.death = At(1, 1, 1900);
  const int death = StoreOwn(kDeath, groom);
  const int marriage = StoreMarriage(kCivilMarriage, groom, bride, At(5, 5, 1870));
  ASSERT_TRUE(SaveCardFile(Store(), card));
  const std::string base = "'" + program.string() + "' --home '" + home.Path().string() + "' ";

  auto reload = [this] {
    auto loaded = std::make_unique<CardFile>(prompter);
    EXPECT_TRUE(OpenCardFile(Store(), *loaded, 3));
    return loaded;
  };

  // Without --yes the question is answered no: nothing is deleted.
  RunResult declined = RunCommand(base + "delete-certificate 003 2 " + std::to_string(death) + " 2>&1");
  EXPECT_EQ(declined.status, 0) << declined.out;
  EXPECT_NE(declined.out.find("Möchten Sie wirklich löschen?"), std::string::npos) << declined.out;
  EXPECT_EQ(StoredCount(kDeath), 1);
  EXPECT_EQ(reload()->header.CertificateCount(kDeath), 1);

  RunResult deleted = RunCommand(base + "--yes delete-certificate 3 death " + std::to_string(death) + " 2>/dev/null");
  EXPECT_EQ(deleted.status, 0) << deleted.out;
  EXPECT_EQ(StoredCount(kDeath), 0);
  {
    auto loaded = reload();
    EXPECT_EQ(loaded->header.CertificateCount(kDeath), 0);
    EXPECT_EQ(loaded->persons.Find(groom.number)->certificateSlots[kDeath], kNoSlot);
    EXPECT_EQ(loaded->persons.Find(groom.number)->death.year, 0);
  }

  RunResult notStored = RunCommand(base + "--yes delete-certificate 3 2 " + std::to_string(death) + " 2>/dev/null");
  EXPECT_EQ(notStored.status, 1);

  RunResult keptPerson = RunCommand(base + "--no delete-person 3 " + std::to_string(bride.number) + " 2>&1");
  EXPECT_EQ(keptPerson.status, 0);
  EXPECT_NE(keptPerson.out.find("werden mitgelöscht!"), std::string::npos) << keptPerson.out;
  EXPECT_EQ(reload()->persons.Count(), 2u);

  RunResult person = RunCommand(base + "--yes delete-person 3 " + std::to_string(bride.number) + " 2>/dev/null");
  EXPECT_EQ(person.status, 0);
  EXPECT_EQ(MapByte(kCivilMarriage, marriage), ' ');
  {
    auto loaded = reload();
    EXPECT_EQ(loaded->persons.Count(), 1u);
    EXPECT_EQ(loaded->header.PersonCount(), 1);
    EXPECT_EQ(loaded->header.CertificateCount(kCivilMarriage), 0);
    PersonCard* left = loaded->persons.Find(groom.number);
    ASSERT_NE(left, nullptr);
    EXPECT_TRUE(left->unions.empty());
    EXPECT_EQ(left->certificateSlots[kCivilMarriage], kNoSlot);
  }

  RunResult unknown = RunCommand(base + "--yes delete-person 3 77 2>/dev/null");
  EXPECT_EQ(unknown.status, 1);
  RunResult badKind = RunCommand(base + "--yes delete-certificate 3 7 0 2>/dev/null");
  EXPECT_EQ(badKind.status, 2);
}

}  // namespace
}  // namespace vl::test
