// Father and mother against each other.
#include "plausibility_fixture.hpp"
#include "records/plausibility_checks.hpp"

namespace vl::test {
namespace {

class CheckParentsTest : public PlausibilityTest {};

TEST_F(CheckParentsTest, SameCardIsRefused) {
  PersonCard& f = Person("Weber Johann", 'H');
  EXPECT_FALSE(CheckParents(file.persons, f.number, f.number, prompter));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].kind, BoxKind::Error);
  EXPECT_EQ(prompter.shown[0].id, 8136);
  EXPECT_EQ(prompter.shown[0].text, "Vater und Mutter können nicht identisch sein!");
}

TEST_F(CheckParentsTest, MissingParentPasses) {
  PersonCard& f = Person("Weber Johann", 'H');
  EXPECT_TRUE(CheckParents(file.persons, f.number, 0, prompter));
  EXPECT_TRUE(CheckParents(file.persons, 0, f.number, prompter));
  EXPECT_TRUE(CheckParents(file.persons, f.number, 77, prompter));
  EXPECT_TRUE(CheckParents(file.persons, 0, 0, prompter));
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(CheckParentsTest, FatherWhoIsTheMothersChildWarns) {
  PersonCard& f = Person("Weber Johann", 'H');
  PersonCard& m = Person("M\xFCller K\xE4the", 'F');
  MakeParent(m, f, false);
  prompter.QueueAnswer(false);
  EXPECT_FALSE(CheckParents(file.persons, f.number, m.number, prompter));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].kind, BoxKind::Continue);
  EXPECT_EQ(prompter.shown[0].id, 8143);
  EXPECT_EQ(prompter.shown[0].text,
            "Weber Johann, der Vater des Kindes, kann nicht gleichzeitig ein Kind von Müller Käthe sein!");
}

TEST_F(CheckParentsTest, ContinuingGoesOnToTheNextWarning) {
  PersonCard& f = Person("Weber Johann", 'H');
  PersonCard& m = Person("M\xFCller K\xE4the", 'F');
  MakeParent(m, f, false);
  MakeParent(f, m, true);  // each the other's child: imported data can hold such a cycle
  EXPECT_TRUE(CheckParents(f, m, prompter));
  EXPECT_EQ(Ids(), (std::vector<int>{8143, 8144}));
  EXPECT_EQ(prompter.shown[1].text,
            "Müller Käthe, die Mutter des Kindes, kann nicht gleichzeitig ein Kind von Weber Johann sein!");
}

TEST_F(CheckParentsTest, CoupleThatCannotHaveMet) {
  // The father's earliest 1700 lies before the mother's latest 2050, but the mother's earliest
  // 1900 lies after the father's latest 1850.
  PersonCard& f = Person("Weber Johann", 'H');
  PersonCard& m = Person("Schmitt Maria", 'F');
  f.birth = Year(1700);
  m.birth = Year(1900);
  EXPECT_FALSE(CheckParents(file.persons, f.number, m.number, prompter));
  ASSERT_EQ(prompter.shown.size(), 1u);
  EXPECT_EQ(prompter.shown[0].kind, BoxKind::Information);
  EXPECT_EQ(prompter.shown[0].id, 8347);
  EXPECT_EQ(prompter.shown[0].text, "Weber Johann und Schmitt Maria können sich nicht gekannt haben!");

  // The other way round the first test fails; the names keep their order.
  ScriptedPrompter swapped(true);
  f.birth = Year(1900);
  m.birth = Year(1700);
  EXPECT_FALSE(CheckParents(f, m, swapped));
  ASSERT_EQ(swapped.shown.size(), 1u);
  EXPECT_EQ(swapped.shown[0].text, "Weber Johann und Schmitt Maria können sich nicht gekannt haben!");
}

TEST_F(CheckParentsTest, EarliestEqualToLatestCannotHaveMet) {
  PersonCard& f = Person("Weber Johann", 'H');
  PersonCard& m = Person("Schmitt Maria", 'F');
  f.birth = DT(1, 1, 1850);
  m.death = DT(1, 1, 1850);
  m.birth = Year(1800);
  EXPECT_FALSE(CheckParents(f, m, prompter));
  EXPECT_EQ(Ids(), std::vector<int>{8347});
}

TEST_F(CheckParentsTest, OverlappingOrUnknownLivesPass) {
  PersonCard& f = Person("Weber Johann", 'H');
  PersonCard& m = Person("Schmitt Maria", 'F');
  EXPECT_TRUE(CheckParents(f, m, prompter));  // nothing known
  f.birth = Year(1800);
  EXPECT_TRUE(CheckParents(f, m, prompter));  // the mother's bounds unknown
  m.birth = Year(1949);
  EXPECT_TRUE(CheckParents(f, m, prompter));  // 1949 before the father's latest 1950
  m.birth = DT(5, 6, -1);
  EXPECT_TRUE(CheckParents(f, m, prompter));  // no year: no bound
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(CheckParentsTest, LatestBoundBeyondSixteenBitsGivesNoConclusion) {
  // The mother's latest bound 32700 + 150 cannot be held; it neither passes nor fails the
  // couple, so only the other direction decides.
  PersonCard& f = Person("Weber Johann", 'H');
  PersonCard& m = Person("Schmitt Maria", 'F');
  f.birth = Year(32767);
  m.birth = Year(32700);
  EXPECT_TRUE(CheckParents(f, m, prompter));
  EXPECT_TRUE(prompter.Empty());
}

}  // namespace
}  // namespace vl::test
