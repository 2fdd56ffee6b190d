#include <gtest/gtest.h>

#include <optional>
#include <random>

#include "records/family_links.hpp"
#include "storage/card_file.hpp"
#include "storage/card_file_names.hpp"
#include "storage_test_support.hpp"

namespace vl {
namespace {

class PersonIndexTest : public ::testing::Test, public test::StorageFixture {
 protected:
  PersonIndexTest() : card(prompter) {
    card.header.PrepareForNewCardFile(clock.Now());
  }
  std::vector<uint16_t> Numbers() const {
    std::vector<uint16_t> numbers;
    for (const PersonCard& p : card.persons) numbers.push_back(p.number);
    return numbers;
  }
  std::vector<uint16_t> Ranks() const {
    std::vector<uint16_t> ranks;
    for (const PersonCard& p : card.persons) ranks.push_back(p.rank);
    return ranks;
  }
  CardFile card;
  PersonIndex& index = card.persons;
};

TEST_F(PersonIndexTest, NewCardsTakeTheLowestFreeNumberAndStayInOrder) {
  index.Create("A", 1);
  PersonCard* b = index.Create("B", 1);
  index.Create("C", 1);
  EXPECT_EQ(Numbers(), (std::vector<uint16_t>{1, 2, 3}));
  EXPECT_EQ(card.header.PersonCount(), 3);
  index.Delete(b);
  PersonCard* d = index.Create("D", 1);
  EXPECT_EQ(d->number, 2);
  EXPECT_EQ(Numbers(), (std::vector<uint16_t>{1, 2, 3}));
  EXPECT_EQ(index.Find(2), d);
  EXPECT_EQ(index.Create("E", 1)->number, 4);
}

TEST_F(PersonIndexTest, ANewCardStartsWithItsDefaults) {
  card.modified.Clear();
  PersonCard* p = index.Create("Meier Hans", 5);
  EXPECT_TRUE(card.modified.IsSet());
  EXPECT_EQ(p->sex, ' ');
  EXPECT_EQ(p->rank, 1);
  EXPECT_EQ(p->titles, std::vector<uint8_t>(5, 0));
  for (uint16_t slot : p->certificateSlots) EXPECT_EQ(slot, 0xFFFF);
  EXPECT_EQ(p->boxStyle, card.header.DefaultBoxStyle(kStyleUnknownSex));
  EXPECT_EQ(p->birth, DateTimeValue{});
}

TEST_F(PersonIndexTest, LoadedNumbersKeepTheirRankAndZeroIsRefused) {
  index.CreateWithNumber("Z", 1, 9, 2);
  index.CreateWithNumber("Y", 1, 4, 1);
  EXPECT_EQ(Numbers(), (std::vector<uint16_t>{4, 9}));
  EXPECT_EQ(Ranks(), (std::vector<uint16_t>{1, 2}));
  EXPECT_EQ(card.header.PersonCount(), 0) << "loading leaves the count to the header";
  EXPECT_EQ(index.CreateWithNumber("Null", 1, 0, 3), nullptr);
  EXPECT_EQ(prompter.Ids(), std::vector<int>{8020});
  EXPECT_EQ(prompter.shown[0].text, "Zu wenig Speicher!");
  // a repeated number goes behind the one already there; lookups find the first
  PersonCard* again = index.CreateWithNumber("Y2", 1, 4, 3);
  EXPECT_EQ(Numbers(), (std::vector<uint16_t>{4, 4, 9}));
  EXPECT_NE(index.Find(4), again);
  EXPECT_EQ(index.Create("Neu", 3)->number, 1);
}

TEST_F(PersonIndexTest, DeletionClosesTheGapInCreationRanks) {
  std::vector<PersonCard*> cards;
  for (const char* name : {"A", "B", "C", "D"}) cards.push_back(index.Create(name, 1));
  index.Delete(cards[1]);
  EXPECT_EQ(Ranks(), (std::vector<uint16_t>{1, 2, 3}));
  EXPECT_EQ(card.header.PersonCount(), 3);
}

TEST_F(PersonIndexTest, DeletingAFatherKeepsTheChildWithoutFather) {
  PersonCard* father = index.Create("Vater", 5);
  PersonCard* mother = index.Create("Mutter", 6);
  PersonCard* child = index.Create("Kind", 4);
  child->father = father;
  child->mother = mother;
  father->children.push_back({child, 1});
  mother->children.push_back({child, 1});
  index.Delete(father);
  EXPECT_EQ(child->father, nullptr);
  EXPECT_EQ(child->mother, mother);
  index.Delete(child);
  EXPECT_TRUE(mother->children.empty());
}

TEST_F(PersonIndexTest, DeletingASpouseRenumbersTheOtherSpousesChildLinks) {
  PersonCard* husband = index.Create("Mann", 4);
  PersonCard* first = index.Create("Erste", 5);
  PersonCard* second = index.Create("Zweite", 6);
  PersonCard* third = index.Create("Dritte", 6);
  for (PersonCard* wife : {first, second, third}) {
    husband->unions.push_back({wife, {}, "", kNoSlot, 1});
    wife->unions.push_back({husband, {}, "", kNoSlot, 1});
  }
  PersonCard* a = index.Create("Kind A", 4);
  PersonCard* b = index.Create("Kind B", 4);
  PersonCard* c = index.Create("Kind C", 4);
  husband->children = {{a, 1}, {b, 2}, {c, 3}};
  index.Delete(second);
  ASSERT_EQ(husband->unions.size(), 2u);
  EXPECT_EQ(husband->unions[1].spouse, third);
  EXPECT_EQ(husband->children[0].unionIndex, 1);
  EXPECT_EQ(husband->children[1].unionIndex, 0);
  EXPECT_EQ(husband->children[2].unionIndex, 2);
  EXPECT_TRUE(third->unions.size() == 1 && third->unions[0].spouse == husband);
}

TEST_F(PersonIndexTest, TextSettersTakeNoCaseOnlyChangeAndNoEmptyText) {
  PersonCard* p = index.Create("X", 1);
  index.SetProfession(*p, "WEBER");
  card.modified.Clear();
  index.SetProfession(*p, "Weber");
  EXPECT_EQ(p->profession, "WEBER");
  EXPECT_FALSE(card.modified.IsSet());
  index.SetProfession(*p, "");
  EXPECT_EQ(p->profession, "WEBER");
  index.SetProfession(*p, "Schmied");
  EXPECT_EQ(p->profession, "Schmied");
  EXPECT_TRUE(card.modified.IsSet());
  index.SetNumberText(*p, "12a");
  index.SetNumberText(*p, "");
  EXPECT_EQ(p->numberText, "") << "the number text may be emptied";
  index.SetFullName(*p, "x", 9);
  EXPECT_EQ(p->surnameLength, 1) << "the surname length goes with a replaced name only";
  index.SetFullName(*p, "M\xFCller Hans", 6);
  index.SetFullName(*p, "M\xDCLLER HANS", 2);
  EXPECT_EQ(p->fullName, "M\xFCller Hans");
  EXPECT_EQ(p->surnameLength, 6);
}

TEST_F(PersonIndexTest, SetDateTakesKnownPartsAndAnyDifferentPlace) {
  PersonCard* p = index.Create("X", 1);
  p->birth.calendar = 1;
  index.SetDate(*p, DateTimeValue{0, 3, 4, 1850, 0, 0}, "Trier", kBirth);
  EXPECT_EQ(p->birth, (DateTimeValue{1, 3, 4, 1850, 0, 0})) << "the calendar tag stays";
  index.SetDate(*p, DateTimeValue{0, 0, 0, 0, 10, 15}, "", kBirth);
  EXPECT_EQ(p->birth, (DateTimeValue{1, 3, 4, 1850, 10, 15}));
  EXPECT_EQ(p->birthPlace, "") << "an empty place is taken";
  index.SetDate(*p, DateTimeValue{0, -1, -1, 1900, -1, -1}, "Bonn", kBurial);
  EXPECT_EQ(p->death.year, 1900);
  EXPECT_EQ(p->deathPlace, "Bonn");
  index.SetDate(*p, DateTimeValue{0, 1, 1, 1800, 0, 0}, "Ort", kCivilMarriage);
  EXPECT_EQ(p->baptism, DateTimeValue{});
  index.SetDate(*p, DateTimeValue{0, 1, 1, 1851, 0, 0}, "Kirche", kBaptism);
  EXPECT_EQ(p->baptism.year, 1851);
}

TEST_F(PersonIndexTest, SettingTheSexInstallsTheDefaultBoxStyleOnce) {
  PersonCard* p = index.Create("X", 1);
  index.SetSex(*p, 'F');
  EXPECT_EQ(p->boxStyle, card.header.DefaultBoxStyle(kStyleFemale));
  p->boxStyle[0] = 0x42;
  card.modified.Clear();
  index.SetSex(*p, 'F');
  EXPECT_EQ(p->boxStyle[0], 0x42);
  EXPECT_FALSE(card.modified.IsSet());
  index.SetSex(*p, ' ');
  EXPECT_EQ(p->boxStyle[0], 0x42) << "unknown sex keeps the style";
  index.SetSex(*p, 'H');
  EXPECT_EQ(p->boxStyle, card.header.DefaultBoxStyle(kStyleMale));
}

TEST_F(PersonIndexTest, DocumentsNeedAFileNameAndTheNewestComesFirst) {
  PersonCard* p = index.Create("X", 1);
  EXPECT_FALSE(index.AddDocument(*p, "Ohne Datei", ""));
  EXPECT_TRUE(index.AddDocument(*p, "Alt", "ALT.TXT"));
  EXPECT_TRUE(index.AddDocument(*p, "Neu", "NEU.TXT"));
  ASSERT_EQ(p->documents.size(), 2u);
  EXPECT_EQ(p->documents[0].description, "Neu");
  index.RemoveDocuments(*p);
  EXPECT_TRUE(p->documents.empty());
}

TEST_F(PersonIndexTest, NamesCompareAndAreFoundWithoutCase) {
  PersonCard* anna = index.Create("M\xFCller Anna", 6);
  EXPECT_TRUE(index.NameEquals("M\xDCLLER ANNA", 1));
  EXPECT_FALSE(index.NameEquals("M\xFCller", 1));
  EXPECT_FALSE(index.NameEquals("M\xFCller Anna", 2));

  PersonCard* other = index.Create("Weber Karl", 5);
  PersonCard* unnamed = index.Create("", 0);
  auto found = [this](const char* name) { return index.FindByName(name); };
  using Cards = std::vector<PersonCard*>;
  EXPECT_EQ(found("M\xDCLLER anna"), Cards{anna});
  EXPECT_EQ(found(""), Cards{});
  index.SetFullName(*unnamed, "m\xfcller anna", 6);
  index.SetFullName(*other, "M\xFCller Anna", 6);
  EXPECT_EQ(found("M\xFCller Anna"), (Cards{anna, other, unnamed}));  // in index order
  EXPECT_EQ(found("Weber Karl"), Cards{});
  index.Delete(other);
  EXPECT_EQ(found("M\xFCller Anna"), (Cards{anna, unnamed}));
  index.Clear();
  EXPECT_EQ(found("M\xFCller Anna"), Cards{});
}

TEST_F(PersonIndexTest, ClearVisitedMarksResetsEveryCard) {
  index.Create("A", 1)->visited = 1;
  index.Create("B", 1)->visited = 7;
  index.ClearVisitedMarks();
  for (const PersonCard& p : index) EXPECT_EQ(p.visited, 0);
}

class NormaliseTest : public PersonIndexTest {
 protected:
  PersonCard* Child(const char* name, DateTimeValue birth, DateTimeValue baptism = {}) {
    PersonCard* c = index.Create(name, 1);
    c->birth = birth;
    c->baptism = baptism;
    return c;
  }
  static DateTimeValue D(int day, int month, int year) {
    return DateTimeValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year), 0, 0};
  }
  std::vector<std::string> ChildNames(const PersonCard& p) {
    std::vector<std::string> names;
    for (const ChildLink& l : p.children) names.push_back(l.child->fullName);
    return names;
  }
};

TEST_F(NormaliseTest, ChildrenWithoutDateComeFirstThenByDateKeepingEqualOnes) {
  PersonCard* parent = index.Create("P", 1);
  PersonCard* late = Child("spaet", D(1, 1, 1860));
  PersonCard* none = Child("ohne", {});
  PersonCard* yearOnly = Child("jahr", D(-1, -1, 1855));
  PersonCard* early = Child("frueh", D(3, 3, 1855));
  PersonCard* baptised = Child("getauft", {}, D(1, 6, 1850));
  PersonCard* none2 = Child("ohne2", {});
  for (PersonCard* c : {late, none, yearOnly, early, baptised, none2}) parent->children.push_back({c, 0});
  index.NormaliseFamilyLinks();
  // a bare year equals every date of that year, so 1855 and 03.03.1855 keep their order
  EXPECT_EQ(ChildNames(*parent),
            (std::vector<std::string>{"ohne", "ohne2", "getauft", "jahr", "frueh", "spaet"}));
}

TEST_F(NormaliseTest, TheEarlierOfBirthAndBaptismDecides) {
  PersonCard* parent = index.Create("P", 1);
  PersonCard* a = Child("a", D(1, 1, 1870), D(5, 1, 1860));  // baptism earlier counts
  PersonCard* b = Child("b", D(1, 1, 1865), D(2, 1, 1865));
  parent->children = {{b, 0}, {a, 0}};
  index.NormaliseFamilyLinks();
  EXPECT_EQ(ChildNames(*parent), (std::vector<std::string>{"a", "b"}));
}

TEST_F(NormaliseTest, UnionsSortByDateAndUnionIndexesCountCivilMarriagesOnly) {
  PersonCard* man = index.Create("Mann", 4);
  PersonCard* w1 = index.Create("Frau1", 5);
  PersonCard* w2 = index.Create("Frau2", 5);
  man->sex = 'H';
  man->unions = {{w2, D(1, 1, 1880), "", kNoSlot, 1},
                 {w1, D(1, 1, 1870), "", kNoSlot, 4},
                 {w1, D(2, 1, 1870), "", kNoSlot, 1}};
  PersonCard* c1 = Child("c1", D(1, 1, 1871));
  PersonCard* c2 = Child("c2", D(1, 1, 1881));
  PersonCard* c3 = Child("c3", D(1, 1, 1890));
  c1->father = man;
  c1->mother = w1;
  c2->father = man;
  c2->mother = w2;
  c3->father = man;  // no mother: no union
  man->children = {{c3, 9}, {c2, 9}, {c1, 9}};
  index.NormaliseFamilyLinks();
  EXPECT_EQ(man->unions[0].kind, 4);
  EXPECT_EQ(man->unions[1].spouse, w1);
  EXPECT_EQ(man->unions[2].spouse, w2);
  EXPECT_EQ(ChildNames(*man), (std::vector<std::string>{"c1", "c2", "c3"}));
  EXPECT_EQ(man->children[0].unionIndex, 1);
  EXPECT_EQ(man->children[1].unionIndex, 2);
  EXPECT_EQ(man->children[2].unionIndex, 0);
}

TEST_F(NormaliseTest, UnionsWithoutComparableDatesStayInPlace) {
  PersonCard* man = index.Create("Mann", 4);
  PersonCard* w1 = index.Create("Frau1", 5);
  PersonCard* w2 = index.Create("Frau2", 5);
  man->unions = {{w1, D(1, 1, 1890), "", kNoSlot, 1}, {w2, {}, "", kNoSlot, 1}};
  index.NormaliseFamilyLinks();
  EXPECT_EQ(man->unions[0].spouse, w1);
}

// The passes of neighbour swaps as they are described, to compare the fast ordering with.
template <typename T, typename SecondBeforeFirst>
void ReferencePasses(std::vector<T>& items, SecondBeforeFirst before) {
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (size_t i = 0; i + 1 < items.size(); ++i) {
      if (before(items[i], items[i + 1])) {
        std::swap(items[i], items[i + 1]);
        swapped = true;
      }
    }
  }
}

TEST_F(NormaliseTest, OrderEqualsThatOfNeighbourPassesForPartlyKnownDates) {
  std::mt19937 random(7);
  // few distinct values, many unknown parts: the cases where "equal" is not transitive
  auto part = [&random](int unknownEvery, int low, int high) {
    return static_cast<int16_t>(random() % unknownEvery == 0 ? -1 : low + static_cast<int>(random() % (high - low + 1)));
  };
  for (int round = 0; round < 300; ++round) {
    PersonCard* parent = index.Create("P", 1);
    const int count = 1 + static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i) {
      DateTimeValue birth{0, part(3, 1, 3), part(3, 1, 3), part(4, 1850, 1852), 0, 0};
      PersonCard* child = Child("k", birth);
      parent->children.push_back({child, 0});
      PersonCard* spouse = index.Create("S", 1);
      parent->unions.push_back({spouse, {0, part(3, 1, 3), part(3, 1, 3), part(4, 1850, 1852), 0, 0}, "", kNoSlot, 1});
    }
    std::vector<ChildLink> children = parent->children;
    std::vector<UnionEntry> unions = parent->unions;
    auto reference = [](const ChildLink& l) -> std::optional<DateValue> {
      DateValue birth = l.child->birth.Date();
      return birth.year >= 1 ? std::optional(birth) : std::nullopt;
    };
    ReferencePasses(children, [&](const ChildLink& first, const ChildLink& second) {
      auto a = reference(first), b = reference(second);
      return (a && !b) || (a && b && CompareDates(*a, *b) == 1);
    });
    ReferencePasses(unions, [](const UnionEntry& first, const UnionEntry& second) {
      return CompareDates(first.date.Date(), second.date.Date()) == 1;
    });
    index.NormaliseFamilyLinks();
    ASSERT_EQ(parent->children.size(), children.size());
    for (size_t i = 0; i < children.size(); ++i) ASSERT_EQ(parent->children[i].child, children[i].child) << round;
    for (size_t i = 0; i < unions.size(); ++i) ASSERT_EQ(parent->unions[i].spouse, unions[i].spouse) << round;
    index.Clear();
  }
}

// After a full normalisation, changes confined to a few cards need only those cards (and their
// parents) sorted again: a full pass afterwards must find nothing left to do.
TEST_F(NormaliseTest, NormalisingAroundTouchedCardsLeavesNothingForAFullPass) {
  std::mt19937 random(11);
  auto year = [&random] { return static_cast<int16_t>(random() % 5 == 0 ? -1 : 1800 + random() % 60); };
  std::vector<PersonCard*> cards;
  for (int i = 0; i < 60; ++i) cards.push_back(Child("x", D(1, 1, year())));
  auto pick = [&] { return cards[random() % cards.size()]; };
  for (PersonCard* child : cards) {
    PersonCard* father = pick();
    PersonCard* mother = pick();
    if (father != child && mother != child && father != mother) {
      LinkChildToParents(*child, father, mother, ChildLinkMode::Normal, card.modified);
    }
  }
  for (int i = 0; i < 20; ++i) {
    PersonCard* a = pick();
    PersonCard* b = pick();
    if (a == b) continue;
    a->unions.push_back({b, D(1, 1, year()), "", kNoSlot, 1});
    b->unions.push_back({a, a->unions.back().date, "", kNoSlot, 1});
  }
  index.NormaliseFamilyLinks();
  auto links = [this] {
    std::vector<std::tuple<const PersonCard*, const PersonCard*, uint16_t>> all;
    for (const PersonCard& card : index) {
      for (const ChildLink& link : card.children) all.emplace_back(&card, link.child, link.unionIndex);
      for (const UnionEntry& entry : card.unions) all.emplace_back(&card, entry.spouse, 0xFFFF);
    }
    return all;
  };
  for (int round = 0; round < 200; ++round) {
    // What a certificate save does: new dates for a child and its parents, new parents.
    PersonCard* child = pick();
    PersonCard* father = pick();
    PersonCard* mother = pick();
    if (child == father || child == mother || father == mother) continue;
    std::vector<PersonCard*> touched = {child, child->father, child->mother, father, mother};
    child->birth = D(1 + static_cast<int>(random() % 28), 1, year());
    father->birth = D(1, 1, year());
    LinkChildToParents(*child, father, mother, ChildLinkMode::Normal, card.modified);
    index.NormaliseFamilyLinksAround(touched);
    const auto targeted = links();
    index.NormaliseFamilyLinks();
    ASSERT_EQ(links(), targeted) << round;
  }
}

}  // namespace
}  // namespace vl
