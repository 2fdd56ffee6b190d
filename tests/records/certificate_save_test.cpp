// Saving birth and baptism certificates: persons found, created and chosen, cards updated,
// refusals, replacement and the record's bytes in its slot file.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "common/file_io.hpp"
#include "common/scripted_prompter.hpp"
#include "records/certificate_layouts.hpp"
#include "records/certificate_save.hpp"
#include "records/family_links.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "support/test_support.hpp"

namespace vl {
namespace {

constexpr int kHeaderBytes = 50268;
constexpr int kBirthBytes = 3593;

DateTimeValue Date(int16_t day, int16_t month, int16_t year) { return {0, day, month, year, 0, 0}; }

class CertificateSaveTest : public ::testing::Test {
 protected:
  CertificateSaveTest() {
    std::filesystem::create_directories(DataDir());
    card.number = 1;
    card.header.SetTitle("Familie Weber");
    EXPECT_EQ(CreateCardFile(StoreContext{DataDir(), prompter, clock}, card), 1);
    prompter.shown.clear();
  }

  std::filesystem::path DataDir() const { return home.Path() / "DATEIEN"; }
  CertificateSaveContext Context() { return {card, DataDir(), prompter, clock, nullptr, {}}; }

  PersonCard& Person(const std::string& fullName, char sex, DateTimeValue birth = {}) {
    PersonCard* person = card.persons.Create(fullName, static_cast<uint16_t>(fullName.find(' ')));
    card.persons.SetSex(*person, sex);
    person->birth = birth;
    return *person;
  }

  // A birth (or baptism) record for "Weber Karl", father "Weber Johann", mother "Maier Anna".
  static CertificateRecord Record(int kind, bool withParents = true) {
    CertificateRecord record = CertificateRecord::New(kind);
    const ParentEntryLayout father = kind == 0 ? birth_record::kFather : baptism_record::kFather;
    const ParentEntryLayout mother = kind == 0 ? birth_record::kMother : baptism_record::kMother;
    record.Set(birth_record::kSurname, "Weber");
    record.Set(birth_record::kGivenNames.Name(0), "Karl");
    if (withParents) {
      record.Set(father.surname, "Weber");
      record.Set(father.givenNames.Name(0), "Johann");
      record.Set(mother.surname, "Maier");
      record.Set(mother.givenNames.Name(0), "Anna");
    }
    return record;
  }

  CertificateSaveResult Save(CertificateRecord& record, std::vector<TypedDate> dates = {{birth_record::kBirth,
                                                                                          "03.04.1850", "10:30"}},
                             int slot = -1, uint16_t changed = 0x8000 | 1 | 2 | 4) {
    CertificateEntry entry{record, slot, changed, std::move(dates)};
    return SaveCertificate(Context(), entry);
  }

  std::vector<uint8_t> FileBytes(const char* name) const {
    std::ifstream in(DataDir() / name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  static uint16_t U16At(const std::vector<uint8_t>& bytes, size_t at) {
    return static_cast<uint16_t>(bytes.at(at) | bytes.at(at + 1) << 8);
  }

  test::TempDir home;
  ScriptedPrompter prompter;
  FixedClock clock{TimeStamp{7, 12, 126, 9, 5}};
  CardFile card{prompter};
};

TEST_F(CertificateSaveTest, NewBirthCreatesChildAndParentsAndStoresTheRecord) {
  CertificateRecord record = Record(0);
  record.Set(birth_record::kBirthPlace, "Ulm");
  record.Set(birth_record::kFather.profession, "Schmied");
  const CertificateSaveResult result = Save(record);
  ASSERT_TRUE(result.saved);
  EXPECT_TRUE(prompter.Empty());
  EXPECT_EQ(result.slot, 0);
  EXPECT_EQ(result.created, (std::vector<uint16_t>{1, 2, 3}));
  EXPECT_EQ(result.persons, (std::map<std::string, uint16_t>{{"main", 1}, {"father", 2}, {"mother", 3}}));

  PersonCard* child = card.persons.Find(1);
  PersonCard* father = card.persons.Find(2);
  PersonCard* mother = card.persons.Find(3);
  ASSERT_TRUE(child && father && mother);
  EXPECT_EQ(child->fullName, "Weber Karl");
  EXPECT_EQ(child->surnameLength, 5);
  EXPECT_EQ(child->sex, 'H');
  EXPECT_EQ(father->sex, 'H');
  EXPECT_EQ(mother->sex, 'F');
  EXPECT_EQ(child->birth, (DateTimeValue{0, 3, 4, 1850, 10, 30}));
  EXPECT_EQ(child->birthPlace, "Ulm");
  EXPECT_EQ(father->profession, "Schmied");
  EXPECT_EQ(child->father, father);
  EXPECT_EQ(child->mother, mother);
  EXPECT_EQ(child->certificateSlots[0], 0);
  EXPECT_EQ(card.header.CertificateCount(0), 1);
  EXPECT_TRUE(card.modified.IsSet());
  EXPECT_NE(card.places.Find("Ulm"), nullptr);

  // The slot file holds the record in slot 0, stored, with the child as key person and the links.
  const std::vector<uint8_t> bytes = FileBytes("NAISS.001");
  ASSERT_EQ(bytes.size(), static_cast<size_t>(kHeaderBytes + kBirthBytes));
  EXPECT_EQ(U16At(bytes, 262), 1);  // count
  EXPECT_EQ(bytes.at(40268), 'X');  // slot 0 in use
  const size_t at = kHeaderBytes;
  EXPECT_EQ(U16At(bytes, at + 120), 1);   // stored
  EXPECT_EQ(U16At(bytes, at + 122), 1);   // key person
  EXPECT_EQ(U16At(bytes, at + 144), 1);   // child
  EXPECT_EQ(U16At(bytes, at + 561), 2);   // father
  EXPECT_EQ(U16At(bytes, at + 947), 3);   // mother
  EXPECT_EQ(U16At(bytes, at + 311), 3);   // birth day
  EXPECT_EQ(U16At(bytes, at + 317), 10);  // hour
  EXPECT_EQ(U16At(bytes, at + 124 + 4), 126);  // created: year since 1900
  EXPECT_EQ(record.IsStored(), true);
}

TEST_F(CertificateSaveTest, HomonymsAreAskedAboutAndAnsweredByTheWindow) {
  EXPECT_EQ(HomonymCountText(1), "Es gibt bereits 1 Person(en), \ndie den gleichen Namen  hat");
  EXPECT_EQ(HomonymCountText(2), "Es gibt bereits 2 Person(en), \ndie den gleichen Namen  haben");

  struct Case {
    const char* what;
    HomonymAnswer answer;
    bool saved;
    size_t cardsAfter;
    uint16_t child;
  };
  const Case cases[] = {
      {"new card", {HomonymAnswer::New, 0}, true, 3, 3},
      {"first namesake", {HomonymAnswer::Existing, 1}, true, 2, 1},
      {"second namesake", {HomonymAnswer::Existing, 2}, true, 2, 2},
      {"refused", {HomonymAnswer::Refused, 0}, false, 2, 0},
      {"a number not listed", {HomonymAnswer::Existing, 7}, false, 2, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    card.persons.Clear();
    Person("Weber Karl", 'H');
    Person("WEBER karl", 'H');
    prompter = ScriptedPrompter();
    prompter.QueueHomonymAnswer(c.answer);
    CertificateRecord record = Record(0, false);
    const CertificateSaveResult result = Save(record);
    EXPECT_EQ(result.saved, c.saved);
    EXPECT_EQ(card.persons.Count(), c.cardsAfter);
    ASSERT_EQ(prompter.homonymQuestions.size(), 1u);
    const auto& question = prompter.homonymQuestions[0];
    EXPECT_EQ(question.role, "main");
    EXPECT_EQ(question.fullName, "Weber Karl");
    ASSERT_EQ(question.candidates.size(), 2u);
    EXPECT_EQ(question.candidates[0].number, 1);
    EXPECT_EQ(question.candidates[1].fullName, "WEBER karl");
    EXPECT_EQ(record.Get(birth_record::kChildLink), c.child);
  }
}

TEST_F(CertificateSaveTest, EmptyBlocksKeepWhatTheCardsKnow) {
  PersonCard& father = Person("Weber Johann", 'H', Date(1, 2, 1820));
  father.birthPlace = "Trier";
  PersonCard& child = Person("Weber Karl", 'H', Date(3, 4, 1850));
  child.birthPlace = "Ulm";
  LinkChildToParents(child, &father, nullptr, ChildLinkMode::Normal, card.modified);

  // No father named, no date, no place: father, date and place stay.
  CertificateRecord record = Record(0, false);
  record.Set(birth_record::kChildLink, child.number);
  ASSERT_TRUE(Save(record, {{birth_record::kBirth, "", ""}}).saved);
  EXPECT_EQ(child.father, &father);
  EXPECT_EQ(child.birth, Date(3, 4, 1850));
  EXPECT_EQ(child.birthPlace, "Ulm");
  EXPECT_EQ(card.persons.Count(), 2u);

  // A year alone replaces the full date; the father's date without a place clears his place.
  CertificateRecord second = Record(0);
  second.Set(birth_record::kChildLink, child.number);
  second.Set(birth_record::kFather.link, father.number);
  second.Set(birth_record::kFather.birthDate, Date(1, 2, 1820));
  prompter.QueueAnswer(true);  // replace the first certificate (8112)
  ASSERT_TRUE(Save(second, {{birth_record::kBirth, "*.*.1850", ""}}).saved);
  EXPECT_EQ(child.birth, (DateTimeValue{0, -1, -1, 1850, 0, 0}));
  EXPECT_EQ(child.birthPlace, "");
  EXPECT_EQ(father.birthPlace, "");
  EXPECT_EQ(prompter.Ids(), std::vector<int>{8112});
}

TEST_F(CertificateSaveTest, ASecondCertificateReplacesTheFirstInItsSlot) {
  CertificateRecord first = Record(0);
  ASSERT_EQ(Save(first).slot, 0);

  // The window holds the links of the persons it resolved before.
  auto linked = [] {
    CertificateRecord record = Record(0);
    record.Set(birth_record::kChildLink, 1);
    record.Set(birth_record::kFather.link, 2);
    record.Set(birth_record::kMother.link, 3);
    return record;
  };
  CertificateRecord declined = linked();
  prompter.QueueAnswer(false);
  EXPECT_FALSE(Save(declined).saved);
  EXPECT_EQ(prompter.shown.at(0).text, "Es gibt bereits eine Geburtsurkunde für Weber Karl. Möchten Sie diese ersetzen?");

  CertificateRecord replacing = linked();
  replacing.Set(birth_record::kBirthPlace, "Ulm");
  prompter.QueueAnswer(true);
  EXPECT_EQ(Save(replacing).slot, 0);
  const std::vector<uint8_t> bytes = FileBytes("NAISS.001");
  EXPECT_EQ(bytes.size(), static_cast<size_t>(kHeaderBytes + kBirthBytes));
  EXPECT_EQ(U16At(bytes, 262), 1);
  EXPECT_EQ(card.header.CertificateCount(0), 1);  // replaced, not added

  // Saving the stored certificate again neither asks nor counts.
  prompter.shown.clear();
  EXPECT_EQ(Save(replacing, {}, 0).slot, 0);
  EXPECT_TRUE(prompter.Empty());
  EXPECT_EQ(card.header.CertificateCount(0), 1);
}

TEST_F(CertificateSaveTest, RefusalsWriteNothingButKeepTheCardUpdates) {
  struct Case {
    const char* what;
    std::function<void(CertificateRecord&)> prepare;
    std::vector<TypedDate> dates;
    std::vector<int> ids;
    size_t cards;
  };
  const Case cases[] = {
      {"no given name", [](CertificateRecord& r) { r.Set(birth_record::kGivenNames.Name(0), ""); },
       {{birth_record::kBirth, "", ""}}, {8120}, 0},
      {"a date that is none", [](CertificateRecord&) {}, {{birth_record::kBirth, "31.02.1850", ""}}, {8263}, 0},
      {"father too young, warning cancelled",
       [](CertificateRecord& r) { r.Set(birth_record::kFather.birthDate, Date(1, 1, 1845)); },
       {{birth_record::kBirth, "03.04.1850", ""}}, {8151}, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    card.persons.Clear();
    prompter = ScriptedPrompter();
    CertificateRecord record = Record(0);
    c.prepare(record);
    EXPECT_FALSE(Save(record, c.dates).saved);
    EXPECT_EQ(prompter.Ids(), c.ids);
    EXPECT_EQ(card.persons.Count(), c.cards);
    EXPECT_FALSE(record.IsStored());
    EXPECT_EQ(card.header.CertificateCount(0), 0);
    EXPECT_EQ(FileBytes("NAISS.001").size(), static_cast<size_t>(kHeaderBytes));
  }
}

TEST_F(CertificateSaveTest, NothingChangedSavesNothing) {
  CertificateRecord record = Record(0);
  const CertificateSaveResult result = Save(record, {}, -1, 0);
  EXPECT_TRUE(result.saved);
  EXPECT_EQ(card.persons.Count(), 0u);
  EXPECT_FALSE(card.modified.IsSet());
}

TEST_F(CertificateSaveTest, AFailedWriteRestoresTheCounterAndLeavesTheRecordNew) {
  CertificateRecord record = Record(0);
  FileFaults::FailOperation(1);
  const CertificateSaveResult failed = Save(record);
  FileFaults::Disarm();
  EXPECT_FALSE(failed.saved);
  ASSERT_FALSE(prompter.Ids().empty());
  EXPECT_EQ(prompter.Ids().back(), 8006);
  EXPECT_EQ(card.header.CertificateCount(0), 0);
  EXPECT_FALSE(record.IsStored());

  prompter.shown.clear();
  const CertificateSaveResult retried = Save(record);
  EXPECT_TRUE(retried.saved);
  EXPECT_EQ(card.header.CertificateCount(0), 1);
  EXPECT_EQ(card.persons.Count(), 3u);  // the cards of the first attempt were found again
}

TEST_F(CertificateSaveTest, AStoredCertificateMovedToAnotherChildStaysInItsSlot) {
  CertificateRecord record = Record(0, false);
  ASSERT_EQ(Save(record).slot, 0);
  PersonCard& karl = *card.persons.Find(1);
  CertificateRecord other = Record(0, false);
  other.Set(birth_record::kGivenNames.Name(0), "Paul");
  ASSERT_EQ(Save(other).slot, 1);
  PersonCard& paul = *card.persons.Find(2);

  // The first certificate now names Paul, who has his own: asked as for a new one.
  record.Set(birth_record::kGivenNames.Name(0), "Paul");
  record.Set(birth_record::kChildLink, 0);
  prompter.QueueAnswer(true);
  prompter.QueueHomonymAnswer({HomonymAnswer::Existing, paul.number});
  EXPECT_EQ(Save(record, {}, 0).slot, 0);
  EXPECT_EQ(prompter.Ids(), std::vector<int>{8112});
  EXPECT_EQ(karl.certificateSlots[0], 0xFFFF);
  EXPECT_EQ(paul.certificateSlots[0], 0);
  EXPECT_EQ(card.header.CertificateCount(0), 2);
}

TEST_F(CertificateSaveTest, BaptismLinksTheChildToItsParentsWhetherLegitimateOrNot) {
  PersonCard& father = Person("Weber Johann", 'H');
  PersonCard& mother = Person("Maier Anna", 'F');
  UnionEntry forGroom{&mother, Date(1, 1, 1845), "", 0xFFFF, 1};
  UnionEntry forBride{&father, Date(1, 1, 1845), "", 0xFFFF, 1};
  ASSERT_EQ(AddUnion(father, false, forGroom, forBride, card.modified, prompter), 1);
  for (uint16_t legitimate : {uint16_t{1}, uint16_t{0}}) {
    SCOPED_TRACE(legitimate);
    CertificateRecord record = Record(3);
    record.Set(baptism_record::kFather.link, father.number);
    record.Set(baptism_record::kMother.link, mother.number);
    record.Set(baptism_record::kLegitimate, legitimate);
    record.Set(baptism_record::kGivenNames.Name(0), legitimate ? "Karl" : "Paul");
    const CertificateSaveResult result = Save(record, {{baptism_record::kBaptism, "05.04.1850", ""}});
    ASSERT_TRUE(result.saved);
    PersonCard& child = *card.persons.Find(result.persons.at("main"));
    EXPECT_EQ(child.baptism, (DateTimeValue{0, 5, 4, 1850, 0, 0}));  // an empty time leaves the hour
    EXPECT_EQ(child.father, &father);
    ASSERT_EQ(father.children.back().child, &child);
    // The normalisation after every save recomputes union indexes from the unions, so a
    // baptism outside the union leaves no trace on the cards once it has run.
    EXPECT_EQ(father.children.back().unionIndex, 1);
    EXPECT_EQ(child.certificateSlots[3], result.slot);
  }
  EXPECT_EQ(card.header.CertificateCount(3), 2);
}

}  // namespace
}  // namespace vl
