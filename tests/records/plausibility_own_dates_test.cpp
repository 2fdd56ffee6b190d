// The age field and the order of a person's own events.
#include <map>

#include "plausibility_fixture.hpp"
#include "records/plausibility_checks.hpp"

namespace vl::test {
namespace {

struct AgeCase {
  const char* text;
  bool answer;  // to the question 8119
  bool passes;
  int id;  // 0: nothing shown
};

TEST(CheckAgeField, RefusesAsksOrPasses) {
  const AgeCase rows[] = {
      {"", false, true, 0},       {"1", false, true, 0},       {"42", false, true, 0},
      {" 42 Jahre", false, true, 0}, {"+7", false, true, 0},   {"150", false, true, 0},
      {"150,5", false, true, 0},  {"0", true, false, 8118},    {"-3", true, false, 8118},
      {"abc", true, false, 8118}, {"   ", true, false, 8118},  {"-0", true, false, 8118},
      {"151", false, false, 8119}, {"151", true, true, 8119},
      // Huge numbers ask or refuse instead of overflowing.
      {"99999999999999999999999", true, true, 8119}, {"-99999999999999999999999", true, false, 8118},
  };
  for (const AgeCase& row : rows) {
    ScriptedPrompter prompter(row.answer);
    EXPECT_EQ(CheckAgeField(row.text, prompter), row.passes) << row.text;
    if (row.id == 0) {
      EXPECT_TRUE(prompter.Empty()) << row.text;
      continue;
    }
    ASSERT_EQ(prompter.shown.size(), 1u) << row.text;
    EXPECT_EQ(prompter.shown[0].id, row.id) << row.text;
    if (row.id == 8118) {
      EXPECT_EQ(prompter.shown[0].kind, BoxKind::Information);
      EXPECT_EQ(prompter.shown[0].text, "Das angegebene Alter ist ungültig!");
    } else {
      EXPECT_EQ(prompter.shown[0].kind, BoxKind::Question);
      EXPECT_EQ(prompter.shown[0].text, "Sind Sie sicher, daß das Alter stimmt?");
    }
  }
}

const std::map<int, std::string> kLifeOrderTexts = {
    {8123, "Das Geburtsdatum von Müller Hans kann nicht nach dem Taufdatum liegen!"},
    {8124, "Müller Hans kann nicht nach seinem/ihrem Tod geboren sein!"},
    {8125, "Müller Hans kann nicht nach seiner/ihrer Heirat geboren sein!"},
    {8126, "Müller Hans kann nicht nach seinem/ihrem Tod getauft sein!"},
    {8130, "Müller Hans kann nicht vor seiner/ihrer Heirat gestorben sein!"},
};

struct LifeOrderCase {
  const char* label;
  DateTimeValue birth, baptism, death;
  std::vector<DateTimeValue> unions;
  int id;  // 0: passes silently
};

const LifeOrderCase kLifeOrderCases[] = {
    {"consistent life", DT(3, 4, 1850), DT(5, 4, 1850), DT(1, 1, 1920), {DT(1, 5, 1875)}, 0},
    {"baptism before birth", DT(3, 4, 1850), DT(2, 4, 1850), kNoDate, {}, 8123},
    {"death before birth", DT(3, 4, 1850), kNoDate, Year(1849), {}, 8124},
    {"union before birth", Year(1850), kNoDate, kNoDate, {Year(1849)}, 8125},
    {"death before baptism", kNoDate, DT(3, 4, 1850), DT(1, 4, 1850), {}, 8126},
    {"death before union", kNoDate, kNoDate, Year(1870), {DT(1, 1, 1871)}, 8130},
    {"first failure ends the check", Year(1850), Year(1849), Year(1840), {Year(1845)}, 8123},
    {"second union before birth", Year(1850), kNoDate, Year(1900), {Year(1870), Year(1840)}, 8125},
    {"second union after death", kNoDate, kNoDate, Year(1900), {kNoDate, Year(1901)}, 8130},
    {"union before baptism raises nothing", kNoDate, Year(1850), kNoDate, {Year(1840)}, 0},
    {"same as far as known", DT(5, 3, 1850), Year(1850), DT(-1, 3, 1850), {}, 0},
    {"no birth year", DT(5, 3, -1), kNoDate, Year(1700), {}, 0},
};

class CheckLifeOrderTest : public PlausibilityTest, public ::testing::WithParamInterface<LifeOrderCase> {};

TEST_P(CheckLifeOrderTest, RefusesWithTheFullName) {
  const LifeOrderCase& c = GetParam();
  PersonCard& p = Person("M\xFCller Hans");
  p.birth = c.birth;
  p.baptism = c.baptism;
  p.death = c.death;
  for (const DateTimeValue& date : c.unions) AddUnionOn(p, nullptr, date);
  EXPECT_EQ(CheckLifeOrder(file.persons, p.number, prompter), c.id == 0);
  if (c.id == 0) {
    EXPECT_TRUE(prompter.Empty());
    return;
  }
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].kind, BoxKind::Information);
  EXPECT_EQ(prompter.shown[0].id, c.id);
  EXPECT_EQ(prompter.shown[0].text, kLifeOrderTexts.at(c.id));
}

INSTANTIATE_TEST_SUITE_P(Cases, CheckLifeOrderTest, ::testing::ValuesIn(kLifeOrderCases));

TEST_F(PlausibilityTest, CheckLifeOrderOfAMissingPersonFailsSilently) {
  Person("Weber Anna");
  EXPECT_FALSE(CheckLifeOrder(file.persons, 0, prompter));
  EXPECT_FALSE(CheckLifeOrder(file.persons, 99, prompter));
  EXPECT_TRUE(prompter.Empty());
}

}  // namespace
}  // namespace vl::test
