// A child against its father and mother: refusals, relation warnings and the date warnings.
#include <cctype>
#include <optional>
#include <tuple>

#include "plausibility_fixture.hpp"
#include "records/plausibility_checks.hpp"

namespace vl::test {
namespace {

// The dates a case gives a card; a union year adds one union with an unknown spouse.
struct Life {
  DateTimeValue birth = kNoDate;
  DateTimeValue baptism = kNoDate;
  DateTimeValue death = kNoDate;
  std::optional<DateTimeValue> unionDate;
};

struct DateCase {
  const char* label;
  bool mother;
  Life parent;
  Life child;
  int id;            // 0: no warning at all
  const char* text;  // nullptr: the text of the first row with the same message
};

Life Born(DateTimeValue d) { return Life{d, kNoDate, kNoDate, std::nullopt}; }
Life Baptized(DateTimeValue d) { return Life{kNoDate, d, kNoDate, std::nullopt}; }
Life Died(DateTimeValue d) { return Life{kNoDate, kNoDate, d, std::nullopt}; }
Life Married(DateTimeValue d) { return Life{kNoDate, kNoDate, kNoDate, d}; }
Life BornAndDied(DateTimeValue b, DateTimeValue d) { return Life{b, kNoDate, d, std::nullopt}; }

// Father "Weber Johann", mother "Müller Käthe", child "Weber Anna".
const DateCase kDateCases[] = {
    // Birth against the father's earliest bound, each source.
    {"birth same e1", false, Born(DT(3, 4, 1850)), Born(DT(3, 4, 1850)), 8147,
     "Weber Anna kann nicht am gleichen Tag wie sein/ihr Vater Weber Johann geboren sein!"},
    {"birth same e2", false, Baptized(DT(3, 4, 1850)), Born(DT(3, 4, 1850)), 8148,
     "Weber Anna kann nicht am Tauftag seines/ihres Vaters Weber Johann geboren sein!"},
    {"birth same e3", false, Married(DT(1, 5, 1900)), Born(DT(1, 5, 1800)), 8149,
     "Weber Anna kann nicht mehr als 100 Jahre vor der ersten Heirat seines/ihres Vaters Weber Johann geboren sein!"},
    {"birth same e4", false, Died(Year(1900)), Born(Year(1750)), 8150,
     "Weber Anna kann nicht mehr als 150 Jahre vor dem Tod seines/ihres Vaters Weber Johann geboren sein!"},
    {"father ten years old", false, Born(Year(1840)), Born(DT(3, 4, 1850)), 8151,
     "Weber Johann, der Vater von Weber Anna, ist bei dessen/deren Geburt ca. 10 Jahr(e) alt!"},
    {"father baptized five years before", false, Baptized(Year(1845)), Born(Year(1850)), 8151,
     "Weber Johann, der Vater von Weber Anna, ist bei dessen/deren Geburt ca. 5 Jahr(e) alt!"},
    {"father fifteen years old", false, Born(Year(1835)), Born(Year(1850)), 8151,
     "Weber Johann, der Vater von Weber Anna, ist bei dessen/deren Geburt ca. 15 Jahr(e) alt!"},
    {"father sixteen years old", false, Born(Year(1834)), Born(Year(1850)), 0, ""},
    {"birth before e1", false, Born(Year(1850)), Born(Year(1849)), 8152,
     "Weber Anna kann nicht vor seinem/ihrem Vater Weber Johann \ngeboren sein!"},
    {"birth before e2", false, Baptized(Year(1850)), Born(Year(1849)), 8153,
     "Weber Anna kann nicht vor der Taufe seines/ihres Vaters Weber Johann geboren sein!"},
    {"union-only father", false, Married(Year(1900)), Born(Year(1790)), 8149, nullptr},
    {"birth before e4", false, Died(Year(1900)), Born(Year(1740)), 8150, nullptr},
    // Birth against the father's latest bound, each source.
    {"birth same l1", false, BornAndDied(Year(1800), DT(1, 1, 1850)), Born(DT(1, 1, 1850)), 8154,
     "Das Geburtsdatum von Weber Anna ist identisch mit dem Sterbedatum seines/ihres Vaters Weber Johann!"},
    {"birth same l2", false, Married(Year(1900)), Born(Year(2000)), 8155,
     "Das Geburtsdatum von Weber Anna liegt 100 Jahre nach der letzten Hochzeit seines/ihres Vaters Weber Johann!"},
    {"birth after l2", false, Married(Year(1900)), Born(Year(2001)), 8155, nullptr},
    {"birth same l3", false, Born(Year(1800)), Born(Year(1950)), 8156,
     "Das Geburtsdatum von Weber Anna liegt 150 Jahre nach dem Geburtsdatum seines/ihres Vaters Weber Johann!"},
    {"birth after l4", false, Baptized(Year(1800)), Born(Year(1951)), 8157,
     "Das Geburtsdatum von Weber Anna liegt 150 Jahre nach dem Taufdatum seines/ihres Vaters Weber Johann!"},
    {"born a year after the death", false, Died(DT(1, 1, 1850)), Born(DT(1, 6, 1851)), 8158,
     "Weber Anna ist mehr als ein Jahr nach dem Tod seines/ihres Vaters Weber Johann geboren!"},
    {"born two years after the death", false, Died(DT(1, 1, 1850)), Born(Year(1852)), 8159,
     "Weber Anna kann nicht mehr als ein Jahr nach dem Tod seines/ihres Vaters Weber Johann geboren sein!"},
    // Birth against the mother.
    {"birth same e1 mother", true, Born(DT(3, 4, 1850)), Born(DT(3, 4, 1850)), 8160,
     "Weber Anna kann nicht am gleichen Tag wie seine/ihre Mutter Müller Käthe geboren sein!"},
    {"birth same e2 mother", true, Baptized(Year(1850)), Born(Year(1850)), 8161,
     "Das Geburtsdatum von Weber Anna ist identisch mit dem Taufdatum seiner/ihrer Mutter Müller Käthe!"},
    {"birth before e3 mother", true, Married(Year(1900)), Born(Year(1700)), 8162,
     "Weber Anna kann nicht mehr als 100 Jahre vor der ersten Hochzeit seiner/ihrer Mutter Müller Käthe geboren sein!"},
    {"birth same e4 mother", true, Died(Year(1900)), Born(Year(1750)), 8163,
     "Weber Anna kann nicht mehr als 150 Jahre vor dem Tod seiner/ihrer Mutter Müller Käthe geboren sein!"},
    {"mother twelve years old", true, Born(Year(1838)), Born(Year(1850)), 8164,
     "Müller Käthe, die Mutter von Weber Anna, ist bei dessen/deren Geburt ca. 12 Jahr(e) alt!"},
    {"birth before e1 mother", true, Born(Year(1850)), Born(Year(1849)), 8165,
     "Weber Anna kann nicht vor seiner/ihrer Mutter Müller Käthe geboren sein!"},
    {"birth before e2 mother", true, Baptized(Year(1850)), Born(Year(1849)), 8166,
     "Weber Anna kann nicht vor der Taufe seiner/ihrer Mutter Müller Käthe geboren sein!"},
    {"birth same l1 mother", true, BornAndDied(Year(1800), Year(1850)), Born(Year(1850)), 8167,
     "Das Geburtsdatum von Weber Anna ist identisch mit dem Todesdatum seiner/ihrer Mutter Müller Käthe!"},
    {"birth after l2 mother", true, Married(Year(1900)), Born(Year(2010)), 8168,
     "Das Geburtsdatum von Weber Anna liegt 100 Jahre nach der letzten Hochzeit seiner/ihrer Mutter Müller Käthe!"},
    {"birth same l3 mother", true, Born(Year(1800)), Born(Year(1950)), 8169,
     "Das Geburtsdatum von Weber Anna liegt 150 Jahre nach dem Geburtsdatum seiner/ihrer Mutter Müller Käthe!"},
    {"birth same l4 mother", true, Baptized(Year(1800)), Born(Year(1950)), 8170,
     "Das Geburtsdatum von Weber Anna liegt 150 Jahre nach dem Taufdatum seiner/ihrer Mutter Müller Käthe!"},
    {"born after the mother's death", true, Died(DT(1, 1, 1850)), Born(DT(1, 6, 1850)), 8171,
     "Weber Anna kann nicht nach dem Tod seiner/ihrer Mutter Müller Käthe geboren sein!"},

    // Baptism against the father.
    {"baptism same e1", false, Born(DT(3, 4, 1850)), Baptized(DT(3, 4, 1850)), 8190,
     "Das Taufdatum von Weber Anna kann nicht mit dem Geburtsdatum seines/ihres Vaters identisch sein!"},
    {"baptism same e2", false, Baptized(Year(1850)), Baptized(Year(1850)), 8191,
     "Das Taufdatum von Weber Anna kann nicht mit dem Taufdatum seines/ihres Vaters identisch sein!"},
    {"baptism before e1", false, Born(Year(1850)), Baptized(Year(1840)), 8192,
     "Das Taufdatum von Weber Anna kann nicht vor dem Geburtsdatum seines/ihres Vaters Weber Johann liegen!"},
    {"baptism before e2", false, Baptized(Year(1850)), Baptized(Year(1840)), 8193,
     "Das Taufdatum von Weber Anna kann nicht vor dem Taufdatum seines/ihres Vaters Weber Johann liegen!"},
    {"baptism before e3", false, Married(Year(1900)), Baptized(Year(1780)), 8194,
     "Das Taufdatum von Weber Anna kann nicht mehr als 100 Jahre vor der ersten Hochzeit seines/ihres Vaters Weber Johann liegen!"},
    {"baptism same e4", false, Died(Year(1900)), Baptized(Year(1750)), 8195,
     "Das Taufdatum von Weber Anna kann nicht mehr als 150 Jahre vor dem Sterbedatums seines/ihres Vaters Weber Johann liegen!"},
    {"father fourteen at the baptism", false, Born(Year(1836)), Baptized(Year(1850)), 8196,
     "Weber Johann, der Vater von Weber Anna, ist bei dessen/deren Taufe ca. 14 Jahr(e) alt!"},
    {"baptism same l1", false, BornAndDied(Year(1800), Year(1850)), Baptized(Year(1850)), 8197,
     "Das Taufdatum von Weber Anna ist identisch mit dem Sterbedatum seines/ihres Vaters Weber Johann!"},
    {"baptism same l2", false, Married(Year(1900)), Baptized(Year(2000)), 8198,
     "Das Taufdatum von Weber Anna liegt 100 Jahre nach der letzten Hochzeit seines/ihres Vaters Weber Johann!"},
    {"baptism same l3", false, Born(Year(1800)), Baptized(Year(1950)), 8199,
     "Das Taufdatum von Weber Anna liegt 150 Jahre nach der Geburt seines/ihres Vaters Weber Johann!"},
    {"baptism same l4", false, Baptized(Year(1800)), Baptized(Year(1950)), 8200,
     "Das Taufdatum von Weber Anna liegt 150 Jahre nach dem Taufdatum seines/ihres Vaters Weber Johann!"},
    {"baptism after l1 has no row", false, BornAndDied(Year(1800), Year(1850)), Baptized(Year(1860)), 0, ""},
    // Baptism against the mother.
    {"baptism same e1 mother", true, Born(Year(1850)), Baptized(Year(1850)), 8201,
     "Das Taufdatum von Weber Anna kann nicht mit dem Geburtsdatum seiner/ihrer Mutter Müller Käthe identisch sein!"},
    {"baptism same e2 mother", true, Baptized(Year(1850)), Baptized(Year(1850)), 8202,
     "Das Taufdatum von Weber Anna kann nicht mit dem Taufdatum seiner/ihrer Mutter Müller Käthe identisch sein!"},
    {"baptism before e1 mother", true, Born(Year(1850)), Baptized(Year(1840)), 8203,
     "Das Taufdatum von Weber Anna kann nicht vor dem Geburtsdatum seiner/ihrer Mutter Müller Käthe liegen!"},
    {"baptism before e2 mother", true, Baptized(Year(1850)), Baptized(Year(1840)), 8204,
     "Das Taufdatum von Weber Anna kann nicht vor dem Taufdatum seiner/ihrer Mutter Müller Käthe liegen!"},
    {"baptism same e3 mother", true, Married(Year(1900)), Baptized(Year(1800)), 8205,
     "Das Taufdatum von Weber Anna kann nicht mehr als 100 Jahre vor der ersten Hochzeit seiner/ihrer Mutter Müller Käthe liegen!"},
    {"baptism before e4 mother", true, Died(Year(1900)), Baptized(Year(1700)), 8206,
     "Das Taufdatum von Weber Anna kann nicht mehr als 150 Jahre vor dem Sterbedatums seiner/ihrer Mutter Müller Käthe liegen!"},
    {"mother eleven at the baptism", true, Baptized(Year(1839)), Baptized(Year(1850)), 8207,
     "Müller Käthe, die Mutter von Weber Anna, ist bei dessen/deren Taufe ca. 11 Jahr(e) alt!"},
    {"baptism same l1 mother", true, Died(Year(1850)), Baptized(Year(1850)), 8208,
     "Das Taufdatum von Weber Anna ist identisch mit dem Sterbedatum seiner/ihrer Mutter Müller Käthe!"},
    {"baptism same l2 mother", true, Married(Year(1900)), Baptized(Year(2000)), 8209,
     "Das Taufdatum von Weber Anna liegt 100 Jahre nach der letzten Hochzeit seiner/ihrer Mutter Müller Käthe!"},
    {"baptism same l3 mother", true, Born(Year(1700)), Baptized(Year(1850)), 8210,
     "Das Taufdatum von Weber Anna liegt 150 Jahre nach der Geburt seiner/ihrer Mutter Müller Käthe!"},
    {"baptism same l4 mother", true, Baptized(Year(1700)), Baptized(Year(1850)), 8211,
     "Das Taufdatum von Weber Anna liegt 150 Jahre nach dem Taufdatum seiner/ihrer Mutter Müller Käthe!"},

    // Death against the father.
    {"death same e1", false, Born(Year(1850)), Died(Year(1850)), 8172,
     "Das Sterbedatum von Weber Anna kann nicht mit dem Geburtsdatum seines/ihres Vaters Weber Johann identisch sein!"},
    {"death same e2", false, Baptized(Year(1850)), Died(Year(1850)), 8173,
     "Das Sterbedatum von Weber Anna kann nicht mit dem Taufdatum seines/ihres Vaters Weber Johann identisch sein!"},
    {"death before e3", false, Married(Year(1900)), Died(Year(1799)), 8174,
     "Das Sterbedatum von Weber Anna kann nicht mehr als 100 Jahre vor der ersten Hochzeit seines/ihres Vaters Weber Johann liegen!"},
    {"death same e4", false, Died(Year(1900)), Died(Year(1750)), 8175,
     "Das Sterbedatum von Weber Anna kann nicht mehr als 150 Jahre vor dem Sterbedatums seines/ihres Vaters Weber Johann liegen!"},
    {"father three at the death", false, Born(Year(1847)), Died(Year(1850)), 8176,
     "Weber Johann, der Vater von Weber Anna, ist bei dessen/deren Tod ca. 3 Jahr(e) alt!"},
    {"death before e1", false, Born(Year(1850)), Died(Year(1849)), 8177,
     "Weber Anna kann nicht vor der Geburt seines/ihres Vaters Weber Johann gestorben sein!"},
    {"death before e2", false, Baptized(Year(1850)), Died(Year(1849)), 8178,
     "Weber Anna kann nicht vor der Taufe seines/ihres Vaters Weber Johann gestorben sein!"},
    {"death 151 years after l1", false, Died(Year(1800)), Died(Year(1951)), 8348,
     "Weber Anna kann nicht mehr als 150 Jahre nach Weber Johann gestorben sein!"},
    {"death 150 years after l1", false, Died(Year(1800)), Died(Year(1950)), 0, ""},
    {"death long after l2", false, Married(Year(1800)), Died(Year(2051)), 8349,
     "Weber Anna kann nicht mehr als 250 Jahre nach der letzten Hochzeit von Weber Johann gestorben sein!"},
    {"death long after l3", false, Born(Year(1700)), Died(Year(2001)), 8350,
     "Das Sterbedatum von Weber Anna kann nicht mehr als 300 Jahre nach dem Geburtsdatum von Weber Johann liegen!"},
    {"death long after l4", false, Baptized(Year(1700)), Died(Year(2001)), 8351,
     "Das Sterbedatum von Weber Anna kann nicht mehr als 300 Jahre nach dem Taufdatum von Weber Johann liegen!"},
    // Death against the mother.
    {"death same e1 mother", true, Born(Year(1850)), Died(Year(1850)), 8181,
     "Das Sterbedatum von Weber Anna kann nicht mit dem Geburtsdatum seiner/ihrer Mutter Müller Käthe identisch sein!"},
    {"death same e2 mother", true, Baptized(Year(1850)), Died(Year(1850)), 8182,
     "Das Sterbedatum von Weber Anna kann nicht mit dem Taufdatum seiner/ihrer Mutter Müller Käthe identisch sein!"},
    {"death same e3 mother", true, Married(Year(1900)), Died(Year(1800)), 8183,
     "Das Sterbedatum von Weber Anna kann nicht mehr als 100 Jahre vor der ersten Hochzeit seiner/ihrer Mutter Müller Käthe liegen!"},
    {"death before e4 mother", true, Died(Year(1900)), Died(Year(1700)), 8184,
     "Das Sterbedatum von Weber Anna kann nicht mehr als 150 Jahre vor dem Sterbedatums seiner/ihrer Mutter Müller Käthe liegen!"},
    {"mother fifteen at the death", true, Born(Year(1835)), Died(Year(1850)), 8185,
     "Müller Käthe, die Mutter von Weber Anna, ist bei dessen/deren Tod ca. 15 Jahr(e) alt!"},
    {"death before e1 mother", true, Born(Year(1850)), Died(Year(1800)), 8186,
     "Weber Anna kann nicht vor der Geburt seiner/ihrer Mutter Müller Käthe gestorben sein!"},
    {"death before e2 mother", true, Baptized(Year(1850)), Died(Year(1800)), 8187,
     "Weber Anna kann nicht vor der Taufe seiner/ihrer Mutter Müller Käthe gestorben sein!"},
    {"death long after l1 mother", true, Died(Year(1800)), Died(Year(1990)), 8348,
     "Weber Anna kann nicht mehr als 150 Jahre nach Müller Käthe gestorben sein!"},
    {"death long after l2 mother", true, Married(Year(1800)), Died(Year(2100)), 8349,
     "Weber Anna kann nicht mehr als 250 Jahre nach der letzten Hochzeit von Müller Käthe gestorben sein!"},
    {"death long after l3 mother", true, Born(Year(1700)), Died(Year(2100)), 8350,
     "Das Sterbedatum von Weber Anna kann nicht mehr als 300 Jahre nach dem Geburtsdatum von Müller Käthe liegen!"},
    {"death long after l4 mother", true, Baptized(Year(1700)), Died(Year(2100)), 8351,
     "Das Sterbedatum von Weber Anna kann nicht mehr als 300 Jahre nach dem Taufdatum von Müller Käthe liegen!"},

    // The cells that share their message with a neighbouring cell (text as in the rows above).
    {"birth same l4", false, Baptized(Year(1800)), Born(Year(1950)), 8157, nullptr},
    {"birth after l3", false, Born(Year(1800)), Born(Year(1951)), 8156, nullptr},
    {"birth same e3 mother", true, Married(Year(1900)), Born(Year(1800)), 8162, nullptr},
    {"mother baptized twelve years before", true, Baptized(Year(1838)), Born(Year(1850)), 8164, nullptr},
    {"birth before e4 mother", true, Died(Year(1900)), Born(Year(1740)), 8163, nullptr},
    {"birth same l2 mother", true, Married(Year(1900)), Born(Year(2000)), 8168, nullptr},
    {"birth after l3 mother", true, Born(Year(1800)), Born(Year(1951)), 8169, nullptr},
    {"birth after l4 mother", true, Baptized(Year(1800)), Born(Year(1951)), 8170, nullptr},
    {"baptism same e3", false, Married(Year(1900)), Baptized(Year(1800)), 8194, nullptr},
    {"father baptized fourteen years before", false, Baptized(Year(1836)), Baptized(Year(1850)), 8196, nullptr},
    {"baptism before e4", false, Died(Year(1900)), Baptized(Year(1700)), 8195, nullptr},
    {"baptism same e4 mother", true, Died(Year(1900)), Baptized(Year(1750)), 8206, nullptr},
    {"mother born eleven years before", true, Born(Year(1839)), Baptized(Year(1850)), 8207, nullptr},
    {"baptism before e3 mother", true, Married(Year(1900)), Baptized(Year(1700)), 8205, nullptr},
    {"death same e3", false, Married(Year(1900)), Died(Year(1800)), 8174, nullptr},
    {"father baptized three years before", false, Baptized(Year(1847)), Died(Year(1850)), 8176, nullptr},
    {"death before e4", false, Died(Year(1900)), Died(Year(1700)), 8175, nullptr},
    {"death same e4 mother", true, Died(Year(1900)), Died(Year(1750)), 8184, nullptr},
    {"mother baptized fifteen years before", true, Baptized(Year(1835)), Died(Year(1850)), 8185, nullptr},
    {"death before e3 mother", true, Married(Year(1900)), Died(Year(1700)), 8183, nullptr},

    // Nothing to compare.
    {"child birth without a year", false, Born(DT(3, 4, 1850)), Born(DT(3, 4, -1)), 0, ""},
    {"parent without any date", true, Life{}, Born(Year(1850)), 0, ""},
    {"normal family", false, BornAndDied(Year(1820), Year(1880)), Born(Year(1850)), 0, ""},
};

std::string ExpectedText(const DateCase& c) {
  if (c.text != nullptr) return c.text;
  for (const DateCase& other : kDateCases) {
    if (other.id == c.id && other.text != nullptr) return other.text;
  }
  return "";
}

class DateWarningTest : public PlausibilityTest, public ::testing::WithParamInterface<DateCase> {
 protected:
  static void Give(PersonCard& card, const Life& life) {
    card.birth = life.birth;
    card.baptism = life.baptism;
    card.death = life.death;
    if (life.unionDate) AddUnionOn(card, nullptr, *life.unionDate);
  }
};

TEST_P(DateWarningTest, ShowsTheRowsWarning) {
  const DateCase& c = GetParam();
  PersonCard& parent = c.mother ? Person("M\xFCller K\xE4the", 'F') : Person("Weber Johann", 'H');
  PersonCard& child = Person("Weber Anna", 'F');
  Give(parent, c.parent);
  Give(child, c.child);
  uint16_t father = c.mother ? 0 : parent.number;
  uint16_t mother = c.mother ? parent.number : 0;

  prompter.QueueAnswer(false);
  bool passed = CheckChildAgainstParents(file.persons, child.number, father, mother, prompter);
  if (c.id == 0) {
    EXPECT_TRUE(passed);
    EXPECT_TRUE(prompter.Empty()) << prompter.shown.front().id;
    return;
  }
  EXPECT_FALSE(passed);  // cancelled
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].kind, BoxKind::Continue);
  EXPECT_EQ(prompter.shown[0].id, c.id);
  EXPECT_EQ(prompter.shown[0].text, ExpectedText(c));

  // The same with OK: the check goes on and passes.
  ScriptedPrompter accepting(true);
  EXPECT_TRUE(CheckChildAgainstParents(file.persons, child.number, father, mother, accepting));
  EXPECT_EQ(accepting.Ids(), std::vector<int>{c.id});
}

INSTANTIATE_TEST_SUITE_P(AllRows, DateWarningTest, ::testing::ValuesIn(kDateCases),
                         [](const ::testing::TestParamInfo<DateCase>& info) {
                           std::string name;
                           for (const char* p = info.param.label; *p; ++p) name += std::isalnum(*p) ? *p : '_';
                           return name;
                         });

class CheckChildTest : public PlausibilityTest {
 protected:
  PersonCard& father = Person("Weber Johann", 'H');
  PersonCard& mother = Person("M\xFCller K\xE4the", 'F');
  PersonCard& child = Person("Weber Anna", 'F');
};

TEST_F(CheckChildTest, ChildAsItsOwnParentIsRefused) {
  const std::tuple<uint16_t, uint16_t, int, const char*> rows[] = {
      {child.number, mother.number, 8132, "Das Kind kann nicht gleichzeitig der Vater sein!"},
      {father.number, child.number, 8133, "Das Kind kann nicht gleichzeitig die Mutter sein!"},
      {0, child.number, 8133, "Das Kind kann nicht gleichzeitig die Mutter sein!"},
  };
  for (const auto& [f, m, id, text] : rows) {
    ScriptedPrompter shown(true);
    EXPECT_FALSE(CheckChildAgainstParents(file.persons, child.number, f, m, shown)) << id;
    ASSERT_EQ(shown.shown.size(), 1u) << id;
    EXPECT_EQ(shown.shown[0].kind, BoxKind::Error);
    EXPECT_EQ(shown.shown[0].id, id);
    EXPECT_EQ(shown.shown[0].text, text);
  }
}

TEST_F(CheckChildTest, RelationWarningsInOrder) {
  MakeParent(child, father, true);   // the father is the child's child
  MakeParent(child, mother, false);  // so is the mother
  AddUnionOn(father, &child, Year(1880));
  AddUnionOn(mother, &child, Year(1881));
  EXPECT_TRUE(CheckChildAgainstParents(file.persons, child.number, father.number, mother.number, prompter));
  ASSERT_EQ(Ids(), (std::vector<int>{8143, 8144, 8145, 8146}));
  for (const ShownMessage& m : prompter.shown) EXPECT_EQ(m.kind, BoxKind::Continue);
  EXPECT_EQ(prompter.shown[0].text,
            "Weber Johann, der Vater des Kindes, kann nicht gleichzeitig ein Kind von Weber Anna sein!");
  EXPECT_EQ(prompter.shown[1].text,
            "Müller Käthe, die Mutter des Kindes, kann nicht gleichzeitig ein Kind von Weber Anna sein!");
  EXPECT_EQ(prompter.shown[2].text, "Weber Anna kann nicht gleichzeitig die Ehefrau des Vaters, Weber Johann, sein!");
  EXPECT_EQ(prompter.shown[3].text, "Weber Anna kann nicht gleichzeitig der Ehemann der Mutter, Müller Käthe, sein!");
}

TEST_F(CheckChildTest, CancellingARelationWarningStopsBeforeTheDates) {
  AddUnionOn(mother, &child, Year(1881));
  child.birth = Year(1850);
  mother.birth = Year(1850);  // would warn 8160
  prompter.QueueAnswer(false);
  EXPECT_FALSE(CheckChildAgainstParents(file.persons, child.number, 0, mother.number, prompter));
  EXPECT_EQ(Ids(), std::vector<int>{8146});
}

TEST_F(CheckChildTest, BlocksRunBirthBaptismDeathFatherBeforeMother) {
  father.birth = Year(1840);
  mother.birth = Year(1841);
  child.birth = Year(1850);
  child.baptism = Year(1850);
  child.death = Year(1850);
  EXPECT_TRUE(CheckChildAgainstParents(file.persons, child.number, father.number, mother.number, prompter));
  ASSERT_EQ(Ids(), (std::vector<int>{8151, 8164, 8196, 8207, 8176, 8185}));
  EXPECT_EQ(prompter.shown[1].text,
            "Müller Käthe, die Mutter von Weber Anna, ist bei dessen/deren Geburt ca. 9 Jahr(e) alt!");

  // A cancel anywhere fails the whole check and nothing later is shown.
  ScriptedPrompter cancelling;
  cancelling.QueueAnswers({true, true, false});
  EXPECT_FALSE(CheckChildAgainstParents(file.persons, child.number, father.number, mother.number, cancelling));
  EXPECT_EQ(cancelling.Ids(), (std::vector<int>{8151, 8164, 8196}));
}

TEST_F(CheckChildTest, AtMostOneWarningPerBlock) {
  // The child's birth is the father's birth day and his death day at once: one warning from
  // the earliest bound, one from the latest.
  father.birth = DT(1, 1, 1850);
  father.death = DT(1, 1, 1850);
  child.birth = DT(1, 1, 1850);
  EXPECT_TRUE(CheckChildAgainstParents(file.persons, child.number, father.number, 0, prompter));
  EXPECT_EQ(Ids(), (std::vector<int>{8147, 8154}));
}

TEST_F(CheckChildTest, MissingCardsAndAbsentParents) {
  EXPECT_FALSE(CheckChildAgainstParents(file.persons, 0, father.number, mother.number, prompter));
  EXPECT_FALSE(CheckChildAgainstParents(file.persons, 500, father.number, mother.number, prompter));
  child.birth = Year(1850);
  father.birth = Year(1850);
  // An unknown parent number counts as no parent.
  EXPECT_TRUE(CheckChildAgainstParents(file.persons, child.number, 500, 0, prompter));
  EXPECT_TRUE(CheckChildAgainstParents(file.persons, child.number, 0, 0, prompter));
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(CheckChildTest, SixteenBitBorderDoesNotWrapIntoWarnings) {
  // The father's death year plus 150 would wrap to a negative year in 16 bits and then lie
  // "before" the child's death.
  father.death = Year(32700);
  child.death = Year(32767);
  EXPECT_TRUE(CheckChildAgainstParents(file.persons, child.number, father.number, 0, prompter));
  EXPECT_TRUE(prompter.Empty());

  // A latest bound of 32700 + 150 does not exist: no "150 years after the birth" warning.
  father.death = kNoDate;
  father.birth = Year(32700);
  child.death = kNoDate;
  child.birth = Year(32767);
  EXPECT_TRUE(CheckChildAgainstParents(file.persons, child.number, father.number, 0, prompter));
  EXPECT_TRUE(prompter.Empty());

  // Exactly at the border the bound still holds.
  father.birth = Year(32617);
  EXPECT_TRUE(CheckChildAgainstParents(file.persons, child.number, father.number, 0, prompter));
  EXPECT_EQ(Ids(), std::vector<int>{8156});

  // And a father seven years older near the border is still noticed.
  ScriptedPrompter young(true);
  father.birth = Year(32760);
  EXPECT_TRUE(CheckChildAgainstParents(file.persons, child.number, father.number, 0, young));
  ASSERT_EQ(young.Ids(), std::vector<int>{8151});
  EXPECT_EQ(young.shown[0].text, "Weber Johann, der Vater von Weber Anna, ist bei dessen/deren Geburt ca. 7 Jahr(e) alt!");
}

TEST_F(CheckChildTest, CyclesInTheLinksEndTheChecks) {
  // The child is recorded as its father's father, and as its own mother's child.
  MakeParent(child, father, true);
  MakeParent(father, child, true);
  child.mother = &child;
  child.children.push_back(ChildLink{&child, 0});
  EXPECT_FALSE(CheckChildAgainstParents(child, child.father, child.mother, prompter));
  EXPECT_EQ(Ids(), std::vector<int>{8133});  // the mother is the child itself

  ScriptedPrompter other(true);
  EXPECT_TRUE(CheckChildAgainstParents(child, &father, nullptr, other));
  EXPECT_EQ(other.Ids(), std::vector<int>{8143});
  ScriptedPrompter third(true);
  EXPECT_TRUE(CheckChildAgainstParents(father, &child, nullptr, third));
  EXPECT_EQ(third.Ids(), std::vector<int>{8143});
  ScriptedPrompter fourth(true);
  EXPECT_TRUE(CheckLifeOrder(child, fourth));
  EXPECT_TRUE(CheckParents(father, child, fourth));  // each the other's child
  EXPECT_EQ(fourth.Ids(), (std::vector<int>{8143, 8144}));
}

}  // namespace
}  // namespace vl::test
