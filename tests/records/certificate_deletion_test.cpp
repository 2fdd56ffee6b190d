// Deleting certificates and persons: slot files, counters, slot references, events and unions.
#include "records/certificate_deletion.hpp"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

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

// Certificate kinds and the slot reference that names no certificate.
namespace certificate {
constexpr int birth = 0, civil = 1, death = 2, baptism = 3, church = 4, burial = 5;
}
constexpr uint16_t kNoCertificate = 0xFFFF;

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
    EXPECT_EQ(AddUnion(groom, kind == certificate::church, forGroom, forBride, card.modified, prompter), 1);
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
    if (!header) {
      ADD_FAILURE() << "no slot file of kind " << kind;
      return -1;
    }
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

TEST_F(CertificateDeletionTest, OwnCertificateClearsItsEventAndLowersTheCounter) {
  using Event = DateTimeValue PersonCard::*;
  using Place = std::string PersonCard::*;
  const std::tuple<int, Event, Place> rows[] = {
      {certificate::birth, &PersonCard::birth, &PersonCard::birthPlace},
      {certificate::baptism, &PersonCard::baptism, &PersonCard::baptismPlace},
      {certificate::death, &PersonCard::death, &PersonCard::deathPlace},
      {certificate::burial, &PersonCard::death, &PersonCard::deathPlace},
  };
  const int ownKinds[] = {certificate::birth, certificate::death, certificate::baptism, certificate::burial};
  const DateTimeValue date{1, 3, 4, 1890, 14, 30};
  const DateTimeValue cleared{1, 0, 0, 0, 0, 0};
  for (const auto& [kind, event, place] : rows) {
    SCOPED_TRACE(kind);
    PersonCard& person = Person("Weber Johann", 'H');
    person.birth = person.baptism = person.death = date;
    person.birthPlace = person.baptismPlace = person.deathPlace = "Ulm";
    std::map<int, int> slots;
    for (int own : ownKinds) slots[own] = StoreOwn(own, person);
    const int count = card.header.CertificateCount(kind);
    ASSERT_EQ(MapByte(kind, slots[kind]), 'X');
    card.modified.Clear();

    EXPECT_EQ(Delete(kind, slots[kind]), slots[kind]);
    EXPECT_EQ(person.*place, "");
    // Only the event of the kind is cleared; its calendar tag stays.
    for (Event other : {&PersonCard::birth, &PersonCard::baptism, &PersonCard::death}) {
      EXPECT_EQ(person.*other, other == event ? cleared : date);
    }
    for (int own : ownKinds) EXPECT_EQ(person.certificateSlots[own], own == kind ? kNoCertificate : slots[own]) << own;
    EXPECT_EQ(card.header.CertificateCount(kind), count - 1);
    EXPECT_EQ(StoredCount(kind), count - 1);
    EXPECT_EQ(MapByte(kind, slots[kind]), ' ');
    EXPECT_TRUE(card.modified.IsSet());
  }
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(CertificateDeletionTest, DeletingAPersonRemovesItsCertificatesAndLowersBothCounters) {
  PersonCard& groom = Person("Weber Johann", 'H');
  PersonCard& bride = Person("Maier Rosa", 'F');
  PersonCard& child = Person("Weber Paul", 'H');
  const int groomBirth = StoreOwn(certificate::birth, groom);
  const int brideBirth = StoreOwn(certificate::birth, bride);
  for (int own : {certificate::death, certificate::baptism, certificate::burial}) StoreOwn(own, groom);
  const int marriage = StoreMarriage(certificate::civil, groom, bride, At(5, 5, 1870));
  LinkChildToParents(child, &groom, &bride, ChildLinkMode::Normal, card.modified);
  ASSERT_EQ(card.header.CertificateCount(certificate::birth), 2);
  ASSERT_EQ(card.header.CertificateCount(certificate::civil), 1);
  ASSERT_EQ(bride.children.size(), 1u);
  ASSERT_EQ(bride.children[0].unionIndex, 1);
  card.modified.Clear();

  DeletePerson(card, Context(), groom);

  EXPECT_EQ(card.header.CertificateCount(certificate::birth), 1);
  for (int kind : {certificate::civil, certificate::death, certificate::baptism, certificate::burial}) {
    EXPECT_EQ(card.header.CertificateCount(kind), 0) << kind;
    EXPECT_EQ(StoredCount(kind), 0) << kind;
  }
  EXPECT_EQ(MapByte(certificate::birth, groomBirth), ' ');
  EXPECT_EQ(MapByte(certificate::birth, brideBirth), 'X');
  EXPECT_EQ(StoredCount(certificate::birth), 1);
  EXPECT_EQ(U16At(SlotFileBytes(certificate::birth), 268), brideBirth);  // the bride's birth certificate moved up
  EXPECT_EQ(MapByte(certificate::civil, marriage), ' ');

  EXPECT_EQ(card.persons.Count(), 2u);
  EXPECT_EQ(card.header.PersonCount(), 2);
  EXPECT_EQ(card.persons.Find(1), nullptr);
  EXPECT_TRUE(bride.unions.empty());
  EXPECT_EQ(bride.certificateSlots[certificate::civil], kNoCertificate);
  EXPECT_EQ(bride.certificateSlots[certificate::birth], brideBirth);
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
  EXPECT_EQ(U16At(*header, 432), 2);  // person cards, then the six counters in kind order
  for (size_t offset = 434; offset <= 444; offset += 2) EXPECT_EQ(U16At(*header, offset), offset == 434 ? 1 : 0);
}

TEST_F(CertificateDeletionTest, MarriageDeletionRemovesOnlyItsOwnUnionFromBothLists) {
  PersonCard& groom = Person("Weber Johann", 'H');
  PersonCard& bride = Person("Maier Rosa", 'F');
  PersonCard& child = Person("Weber Paul", 'H');
  const int civil = StoreMarriage(certificate::civil, groom, bride, At(5, 5, 1870));
  const int church = StoreMarriage(certificate::church, groom, bride, At(6, 5, 1870));
  LinkChildToParents(child, &groom, &bride, ChildLinkMode::Normal, card.modified);
  card.persons.NormaliseFamilyLinks();
  ASSERT_EQ(groom.unions.size(), 2u);
  ASSERT_EQ(groom.children.at(0).unionIndex, 1);

  // The church wedding goes; the civil marriage stays, though it stands first in both lists.
  EXPECT_EQ(Delete(certificate::church, church), church);
  ASSERT_EQ(groom.unions.size(), 1u);
  ASSERT_EQ(bride.unions.size(), 1u);
  EXPECT_EQ(groom.unions[0].kind, certificate::civil);
  EXPECT_EQ(groom.unions[0].slot, civil);
  EXPECT_EQ(bride.unions[0].spouse, &groom);
  EXPECT_EQ(bride.unions[0].kind, certificate::civil);
  EXPECT_EQ(groom.certificateSlots[certificate::church], kNoCertificate);
  EXPECT_EQ(bride.certificateSlots[certificate::church], kNoCertificate);
  EXPECT_EQ(groom.certificateSlots[certificate::civil], civil);
  EXPECT_EQ(groom.children[0].unionIndex, 1);
  EXPECT_EQ(card.header.CertificateCount(certificate::church), 0);
  EXPECT_EQ(card.header.CertificateCount(certificate::civil), 1);

  EXPECT_EQ(Delete(certificate::civil, civil), civil);
  EXPECT_TRUE(groom.unions.empty());
  EXPECT_TRUE(bride.unions.empty());
  EXPECT_EQ(groom.children[0].unionIndex, 0);
  ASSERT_EQ(bride.children.size(), 1u);
  EXPECT_EQ(bride.children[0].unionIndex, 0);
  EXPECT_EQ(child.father, &groom);  // the child keeps its parents
  EXPECT_EQ(groom.certificateSlots[certificate::civil], kNoCertificate);
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(CertificateDeletionTest, TheReferenceToALaterMarriageSurvives) {
  PersonCard& groom = Person("Weber Johann", 'H');
  PersonCard& first = Person("Maier Rosa", 'F');
  PersonCard& second = Person("Huber Eva", 'F');
  const int earlier = StoreMarriage(certificate::civil, groom, first, At(5, 5, 1870));
  const int later = StoreMarriage(certificate::civil, groom, second, At(7, 7, 1880));
  ASSERT_EQ(groom.certificateSlots[certificate::civil], later);

  CertificatePersons persons = FindCertificatePersons(card.persons, certificate::civil, earlier, groom.number);
  EXPECT_EQ(persons.keyPerson, &first);
  EXPECT_EQ(persons.secondPerson, &groom);
  EXPECT_EQ(DeleteCertificate(card, Context(), certificate::civil, earlier, persons), earlier);

  EXPECT_EQ(groom.certificateSlots[certificate::civil], later);
  EXPECT_EQ(first.certificateSlots[certificate::civil], kNoCertificate);
  ASSERT_EQ(groom.unions.size(), 1u);
  EXPECT_EQ(groom.unions[0].spouse, &second);
  EXPECT_TRUE(first.unions.empty());
  EXPECT_EQ(second.unions.size(), 1u);
  EXPECT_EQ(card.header.CertificateCount(certificate::civil), 1);
}

TEST_F(CertificateDeletionTest, FindingThePersonsOfACertificate) {
  PersonCard& groom = Person("Weber Johann", 'H');
  PersonCard& bride = Person("Maier Rosa", 'F');
  const int church = StoreMarriage(certificate::church, groom, bride, At(5, 5, 1870));

  CertificatePersons own = FindCertificatePersons(card.persons, certificate::death, 0, bride.number);
  EXPECT_EQ(own.keyPerson, &bride);
  EXPECT_EQ(own.secondPerson, nullptr);
  EXPECT_EQ(FindCertificatePersons(card.persons, certificate::death, 0, 99).keyPerson, nullptr);
  EXPECT_EQ(FindCertificatePersons(card.persons, certificate::death, 0, 0).keyPerson, nullptr);

  // Another slot or the other marriage kind finds no bride, but still the groom.
  CertificatePersons wrongSlot = FindCertificatePersons(card.persons, certificate::church, church + 1, groom.number);
  EXPECT_EQ(wrongSlot.keyPerson, nullptr);
  EXPECT_EQ(wrongSlot.secondPerson, &groom);
  EXPECT_EQ(FindCertificatePersons(card.persons, certificate::civil, church, groom.number).keyPerson, nullptr);
}

TEST_F(CertificateDeletionTest, ACertificateWithoutItsPersonStillLowersTheCounter) {
  PersonCard& deceased = Person("Weber Johann", 'H');
  const int slot = StoreOwn(certificate::death, deceased);
  deceased.certificateSlots[certificate::death] = kNoCertificate;  // the card no longer names it
  deceased.death = At(1, 1, 1900);

  EXPECT_EQ(DeleteCertificate(card, Context(), certificate::death, slot, CertificatePersons{}), slot);
  EXPECT_EQ(card.header.CertificateCount(certificate::death), 0);
  EXPECT_EQ(StoredCount(certificate::death), 0);
  EXPECT_EQ(deceased.death, At(1, 1, 1900));

  // A counter already at 0 stays there.
  const int other = StoreOwn(certificate::death, deceased);
  card.header.SetCertificateCount(certificate::death, 0);
  EXPECT_EQ(Delete(certificate::death, other), other);
  EXPECT_EQ(card.header.CertificateCount(certificate::death), 0);
}

TEST_F(CertificateDeletionTest, AFreeSlotIsRefusedAndNothingChanges) {
  PersonCard& deceased = Person("Weber Johann", 'H');
  const int slot = StoreOwn(certificate::death, deceased);
  deceased.death = At(1, 1, 1900);
  deceased.deathPlace = "Ulm";
  card.modified.Clear();

  const CertificatePersons persons{&deceased, nullptr};
  EXPECT_EQ(DeleteCertificate(card, Context(), certificate::death, slot + 1, persons), -1);
  EXPECT_EQ(prompter.Ids(), std::vector<int>{8012});
  EXPECT_EQ(card.header.CertificateCount(certificate::death), 1);
  EXPECT_EQ(deceased.certificateSlots[certificate::death], slot);
  EXPECT_EQ(deceased.deathPlace, "Ulm");
  EXPECT_FALSE(card.modified.IsSet());
  EXPECT_EQ(StoredCount(certificate::death), 1);
}

TEST_F(CertificateDeletionTest, AMissingSlotFileIsReported) {
  PersonCard& deceased = Person("Weber Johann", 'H');
  const int slot = StoreOwn(certificate::burial, deceased);
  std::filesystem::remove(DataDir() / SlotFileName(certificate::burial, card.number));

  EXPECT_EQ(DeleteCertificate(card, Context(), certificate::burial, slot, CertificatePersons{&deceased, nullptr}), -1);
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].id, 8004);
  EXPECT_EQ(deceased.certificateSlots[certificate::burial], slot);
  EXPECT_EQ(card.header.CertificateCount(certificate::burial), 1);
}

// vorlinde-cli delete-certificate and delete-person.
TEST_F(CertificateDeletionTest, CommandLineDeletesOnlyWhenAnsweredYes) {
  auto program = CliProgram();
  if (!std::filesystem::exists(program)) GTEST_SKIP() << "vorlinde-cli not built at " << program;
  PersonCard& groom = Person("Weber Johann", 'H');
  PersonCard& bride = Person("Maier Rosa", 'F');
  groom.death = At(1, 1, 1900);
  const int death = StoreOwn(certificate::death, groom);
  const int marriage = StoreMarriage(certificate::civil, groom, bride, At(5, 5, 1870));
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
  EXPECT_EQ(StoredCount(certificate::death), 1);
  EXPECT_EQ(reload()->header.CertificateCount(certificate::death), 1);

  RunResult deleted = RunCommand(base + "--yes delete-certificate 3 death " + std::to_string(death) + " 2>/dev/null");
  EXPECT_EQ(deleted.status, 0) << deleted.out;
  EXPECT_EQ(StoredCount(certificate::death), 0);
  {
    auto loaded = reload();
    EXPECT_EQ(loaded->header.CertificateCount(certificate::death), 0);
    const PersonCard* reloaded = loaded->persons.Find(groom.number);
    ASSERT_NE(reloaded, nullptr);
    EXPECT_EQ(reloaded->certificateSlots[certificate::death], kNoCertificate);
    EXPECT_EQ(reloaded->death.year, 0);
  }

  RunResult notStored = RunCommand(base + "--yes delete-certificate 3 2 " + std::to_string(death) + " 2>/dev/null");
  EXPECT_EQ(notStored.status, 1);

  RunResult keptPerson = RunCommand(base + "--no delete-person 3 " + std::to_string(bride.number) + " 2>&1");
  EXPECT_EQ(keptPerson.status, 0);
  EXPECT_NE(keptPerson.out.find("werden mitgelöscht!"), std::string::npos) << keptPerson.out;
  EXPECT_EQ(reload()->persons.Count(), 2u);

  RunResult person = RunCommand(base + "--yes delete-person 3 " + std::to_string(bride.number) + " 2>/dev/null");
  EXPECT_EQ(person.status, 0);
  EXPECT_EQ(MapByte(certificate::civil, marriage), ' ');
  {
    auto loaded = reload();
    EXPECT_EQ(loaded->persons.Count(), 1u);
    EXPECT_EQ(loaded->header.PersonCount(), 1);
    EXPECT_EQ(loaded->header.CertificateCount(certificate::civil), 0);
    PersonCard* left = loaded->persons.Find(groom.number);
    ASSERT_NE(left, nullptr);
    EXPECT_TRUE(left->unions.empty());
    EXPECT_EQ(left->certificateSlots[certificate::civil], kNoCertificate);
  }

  RunResult unknown = RunCommand(base + "--yes delete-person 3 77 2>/dev/null");
  EXPECT_EQ(unknown.status, 1);
  RunResult badKind = RunCommand(base + "--yes delete-certificate 3 7 0 2>/dev/null");
  EXPECT_EQ(badKind.status, 2);
}

}  // namespace
}  // namespace vl::test
