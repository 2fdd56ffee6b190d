// The age field and the order of a person's own events.
#include "plausibility_fixture.hpp"
#include "records/plausibility_checks.hpp"

namespace vl::test {
namespace {

TEST(CheckAgeField, EmptyPassesAndNothingIsShown) {
  ScriptedPrompter prompter;
  EXPECT_TRUE(CheckAgeField("", prompter));
  EXPECT_TRUE(prompter.Empty());
}

TEST(CheckAgeField, ZeroNegativeAndNonNumbersAreRefused) {
  for (const char* text : {"0", "-3", "abc", "   ", "-0"}) {
    ScriptedPrompter prompter(true);
    EXPECT_FALSE(CheckAgeField(text, prompter)) << text;
    ASSERT_EQ(prompter.shown.size(), 1u) << text;
    EXPECT_EQ(prompter.shown[0].kind, BoxKind::Information);
    EXPECT_EQ(prompter.shown[0].id, 8118);
    EXPECT_EQ(prompter.shown[0].text, "Das angegebene Alter ist ungültig!");
  }
}

TEST(CheckAgeField, LeadingDigitsCountAsAtoiReadsThem) {
  for (const char* text : {"1", "42", " 42 Jahre", "+7", "150", "150,5"}) {
    ScriptedPrompter prompter(false);
    EXPECT_TRUE(CheckAgeField(text, prompter)) << text;
    EXPECT_TRUE(prompter.Empty()) << text;
  }
}

TEST(CheckAgeField, AboveHundredFiftyAsksAndNoFails) {
  ScriptedPrompter prompter;
  prompter.QueueAnswers({false, true});
  EXPECT_FALSE(CheckAgeField("151", prompter));
  EXPECT_TRUE(CheckAgeField("151", prompter));
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[0].kind, BoxKind::Question);
  EXPECT_EQ(prompter.shown[0].id, 8119);
  EXPECT_EQ(prompter.shown[0].text, "Sind Sie sicher, daß das Alter stimmt?");
}

TEST(CheckAgeField, HugeNumbersAskInsteadOfOverflowing) {
  ScriptedPrompter prompter(true);
  EXPECT_TRUE(CheckAgeField("99999999999999999999999", prompter));
  EXPECT_EQ(prompter.Ids(), std::vector<int>{8119});
  ScriptedPrompter negative(true);
  EXPECT_FALSE(CheckAgeField("-99999999999999999999999", negative));
  EXPECT_EQ(negative.Ids(), std::vector<int>{8118});
}

class CheckLifeOrderTest : public PlausibilityTest {};

TEST_F(CheckLifeOrderTest, ConsistentLifePasses) {
  PersonCard& p = Person("M\xFCller Hans");
  p.birth = DT(3, 4, 1850);
  p.baptism = DT(5, 4, 1850);
  p.death = DT(1, 1, 1920);
  AddUnionOn(p, nullptr, DT(1, 5, 1875));
  EXPECT_TRUE(CheckLifeOrder(file.persons, p.number, prompter));
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(CheckLifeOrderTest, EachRefusalWithTheFullName) {
  struct Case {
    DateTimeValue birth, baptism, death, unionDate;
    int id;
    const char* text;
  };
  const Case cases[] = {
      {DT(3, 4, 1850), DT(2, 4, 1850), kNoDate, kNoDate, 8123,
       "Das Geburtsdatum von Müller Hans kann nicht nach dem Taufdatum liegen!"},
      {DT(3, 4, 1850), kNoDate, Year(1849), kNoDate, 8124, "Müller Hans kann nicht nach seinem/ihrem Tod geboren sein!"},
      {Year(1850), kNoDate, kNoDate, Year(1849), 8125, "Müller Hans kann nicht nach seiner/ihrer Heirat geboren sein!"},
      {kNoDate, DT(3, 4, 1850), DT(1, 4, 1850), kNoDate, 8126,
       "Müller Hans kann nicht nach seinem/ihrem Tod getauft sein!"},
      {kNoDate, kNoDate, Year(1870), DT(1, 1, 1871), 8130,
       "Müller Hans kann nicht vor seiner/ihrer Heirat gestorben sein!"},
  };
  for (const Case& c : cases) {
    PersonCard& p = Person("M\xFCller Hans");
    p.birth = c.birth;
    p.baptism = c.baptism;
    p.death = c.death;
    if (c.unionDate.year != -1) AddUnionOn(p, nullptr, c.unionDate);
    ScriptedPrompter shown(true);
    EXPECT_FALSE(CheckLifeOrder(file.persons, p.number, shown)) << c.id;
    ASSERT_EQ(shown.shown.size(), 1u) << c.id;
    EXPECT_EQ(shown.shown[0].kind, BoxKind::Information);
    EXPECT_EQ(shown.shown[0].id, c.id);
    EXPECT_EQ(shown.shown[0].text, c.text);
  }
}

TEST_F(CheckLifeOrderTest, FirstFailureEndsTheCheck) {
  PersonCard& p = Person("Weber Anna");
  p.birth = Year(1850);
  p.baptism = Year(1849);
  p.death = Year(1840);
  AddUnionOn(p, nullptr, Year(1845));
  EXPECT_FALSE(CheckLifeOrder(p, prompter));
  EXPECT_EQ(Ids(), std::vector<int>{8123});
}

TEST_F(CheckLifeOrderTest, AnyUnionInListOrderIsTested) {
  PersonCard& p = Person("Weber Anna");
  p.birth = Year(1850);
  p.death = Year(1900);
  AddUnionOn(p, nullptr, Year(1870));
  AddUnionOn(p, nullptr, Year(1840));
  EXPECT_FALSE(CheckLifeOrder(p, prompter));
  EXPECT_EQ(Ids(), std::vector<int>{8125});

  PersonCard& q = Person("Weber Berta");
  q.death = Year(1900);
  AddUnionOn(q, nullptr, kNoDate);
  AddUnionOn(q, nullptr, Year(1901));
  ScriptedPrompter other(true);
  EXPECT_FALSE(CheckLifeOrder(q, other));
  EXPECT_EQ(other.Ids(), std::vector<int>{8130});
}

TEST_F(CheckLifeOrderTest, UnionBeforeBaptismAndPartialDatesRaiseNothing) {
  PersonCard& p = Person("Weber Anna");
  p.baptism = Year(1850);
  AddUnionOn(p, nullptr, Year(1840));  // no test compares unions with the baptism
  EXPECT_TRUE(CheckLifeOrder(p, prompter));

  PersonCard& q = Person("Weber Berta");
  q.birth = DT(5, 3, 1850);
  q.baptism = Year(1850);  // same as far as both are known
  q.death = DT(-1, 3, 1850);
  EXPECT_TRUE(CheckLifeOrder(q, prompter));

  PersonCard& r = Person("Weber Clara");
  r.birth = DT(5, 3, -1);  // no year: nothing can be said
  r.death = Year(1700);
  EXPECT_TRUE(CheckLifeOrder(r, prompter));
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(CheckLifeOrderTest, MissingPersonFailsSilently) {
  Person("Weber Anna");
  EXPECT_FALSE(CheckLifeOrder(file.persons, 0, prompter));
  EXPECT_FALSE(CheckLifeOrder(file.persons, 99, prompter));
  EXPECT_TRUE(prompter.Empty());
}

}  // namespace
}  // namespace vl::test
