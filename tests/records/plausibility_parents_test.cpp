// Father and mother against each other.
#include "plausibility_fixture.hpp"
#include "records/plausibility_checks.hpp"

namespace vl::test {
namespace {

class CheckParentsTest : public PlausibilityTest {
 protected:
  PersonCard& father = Person("Weber Johann", 'H');
  PersonCard& mother = Person("Schmitt Maria", 'F');
};

TEST_F(CheckParentsTest, SameCardIsRefusedAndMissingParentsPass) {
  EXPECT_FALSE(CheckParents(file.persons, father.number, father.number, prompter));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].kind, BoxKind::Error);
  EXPECT_EQ(prompter.shown[0].id, 8136);
  EXPECT_EQ(prompter.shown[0].text, "Vater und Mutter können nicht identisch sein!");

  ScriptedPrompter silent(true);
  EXPECT_TRUE(CheckParents(file.persons, father.number, 0, silent));
  EXPECT_TRUE(CheckParents(file.persons, 0, father.number, silent));
  EXPECT_TRUE(CheckParents(file.persons, father.number, 77, silent));
  EXPECT_TRUE(CheckParents(file.persons, 0, 0, silent));
  EXPECT_TRUE(silent.Empty());
}

TEST_F(CheckParentsTest, ParentWhoIsTheOthersChildWarns) {
  MakeParent(mother, father, false);
  prompter.QueueAnswer(false);
  EXPECT_FALSE(CheckParents(file.persons, father.number, mother.number, prompter));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].kind, BoxKind::Continue);
  EXPECT_EQ(prompter.shown[0].id, 8143);
  EXPECT_EQ(prompter.shown[0].text,
            "Weber Johann, der Vater des Kindes, kann nicht gleichzeitig ein Kind von Schmitt Maria sein!");

  // Each the other's child (imported data can hold such a cycle): continuing goes on to the next warning.
  MakeParent(father, mother, true);
  ScriptedPrompter continuing(true);
  EXPECT_TRUE(CheckParents(father, mother, continuing));
  ASSERT_EQ(continuing.Ids(), (std::vector<int>{8143, 8144}));
  EXPECT_EQ(continuing.shown[1].kind, BoxKind::Continue);
  EXPECT_EQ(continuing.shown[1].text,
            "Schmitt Maria, die Mutter des Kindes, kann nicht gleichzeitig ein Kind von Weber Johann sein!");
}

struct CoupleCase {
  const char* label;
  DateTimeValue fatherBirth, fatherDeath, motherBirth, motherDeath;
  bool met;
};

const CoupleCase kCouples[] = {
    // The father's earliest 1700 lies before the mother's latest 2050, but the mother's earliest
    // 1900 lies after the father's latest 1850.
    {"mother born after the father's latest", Year(1700), kNoDate, Year(1900), kNoDate, false},
    {"father born after the mother's latest", Year(1900), kNoDate, Year(1700), kNoDate, false},
    {"earliest equal to latest", DT(1, 1, 1850), kNoDate, Year(1800), DT(1, 1, 1850), false},
    {"nothing known", kNoDate, kNoDate, kNoDate, kNoDate, true},
    {"the mother's bounds unknown", Year(1800), kNoDate, kNoDate, kNoDate, true},
    {"born just before the latest", Year(1800), kNoDate, Year(1949), kNoDate, true},
    {"no year: no bound", Year(1800), kNoDate, DT(5, 6, -1), kNoDate, true},
    // The mother's latest bound 32700 + 150 cannot be held; it neither passes nor fails the couple.
    {"latest bound beyond 16 bits", Year(32767), kNoDate, Year(32700), kNoDate, true},
};

class CoupleTest : public CheckParentsTest, public ::testing::WithParamInterface<CoupleCase> {};

TEST_P(CoupleTest, CannotHaveMetWhenOneIsBornAfterTheOthersLatestDate) {
  const CoupleCase& c = GetParam();
  father.birth = c.fatherBirth;
  father.death = c.fatherDeath;
  mother.birth = c.motherBirth;
  mother.death = c.motherDeath;
  EXPECT_EQ(CheckParents(file.persons, father.number, mother.number, prompter), c.met);
  if (c.met) {
    EXPECT_TRUE(prompter.Empty());
    return;
  }
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].kind, BoxKind::Information);
  EXPECT_EQ(prompter.shown[0].id, 8347);
  EXPECT_EQ(prompter.shown[0].text, "Weber Johann und Schmitt Maria können sich nicht gekannt haben!");
}

INSTANTIATE_TEST_SUITE_P(Couples, CoupleTest, ::testing::ValuesIn(kCouples));

}  // namespace
}  // namespace vl::test
