// The data-quality pass over a whole card file, in the core and through vorlinde-cli verify.
#include <filesystem>

#include "common/clock.hpp"
#include "plausibility_fixture.hpp"
#include "records/card_file_verification.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "support/cli_runner.hpp"
#include "support/test_support.hpp"

namespace vl::test {
namespace {

class VerifyCardFileTest : public PlausibilityTest {};

std::vector<std::pair<uint16_t, int>> PersonsAndIds(const std::vector<Finding>& findings) {
  std::vector<std::pair<uint16_t, int>> result;
  for (const Finding& f : findings) result.emplace_back(f.person, f.message);
  return result;
}

TEST_F(VerifyCardFileTest, CleanCardFileHasNoFindings) {
  PersonCard& f = Person("Weber Johann", 'H');
  PersonCard& m = Person("Schmitt Maria", 'F');
  PersonCard& k = Person("Weber Anna", 'F');
  f.birth = Year(1820);
  m.birth = Year(1825);
  k.birth = Year(1850);
  MakeParent(f, k, true);
  MakeParent(m, k, false);
  AddUnionOn(f, &m, Year(1848));
  AddUnionOn(m, &f, Year(1848));
  EXPECT_TRUE(VerifyCardFile(file.persons).empty());
}

TEST_F(VerifyCardFileTest, EveryCheckReportsUnderItsPersonAndGoesOn) {
  PersonCard& f = Person("Weber Johann", 'H');   // 1
  PersonCard& m = Person("Schmitt Maria", 'F');  // 2
  PersonCard& k = Person("Weber Anna", 'F');     // 3
  f.birth = Year(1700);
  m.birth = Year(1900);
  m.baptism = Year(1899);
  k.birth = Year(1905);
  MakeParent(f, k, true);
  MakeParent(m, k, false);
  // The daughter married her father, civilly and in church: one finding for the couple.
  AddUnionOn(f, &k, kNoDate, 1);
  AddUnionOn(f, &k, kNoDate, 4);
  AddUnionOn(k, &f, kNoDate, 1);

  std::vector<Finding> findings = VerifyCardFile(file.persons);
  // Person 3: the parents cannot have met (that refusal ends only its own check), then every
  // warning against the parents, each answered with continue.
  ASSERT_EQ(PersonsAndIds(findings), (std::vector<std::pair<uint16_t, int>>{
                                         {1, 8236}, {2, 8123}, {3, 8347}, {3, 8145}, {3, 8156}, {3, 8164}}));
  EXPECT_EQ(findings[0].kind, BoxKind::Information);
  EXPECT_EQ(findings[0].text,
            "Weber Anna ist ein Kind von Weber Johann und kann nicht gleichzeitig einer der Ehegatten sein!");
  EXPECT_EQ(findings[1].text, "Das Geburtsdatum von Schmitt Maria kann nicht nach dem Taufdatum liegen!");
  EXPECT_EQ(findings[2].text, "Weber Johann und Schmitt Maria können sich nicht gekannt haben!");
  EXPECT_EQ(findings[4].kind, BoxKind::Continue);
  EXPECT_EQ(findings[5].text,
            "Schmitt Maria, die Mutter von Weber Anna, ist bei dessen/deren Geburt ca. 5 Jahr(e) alt!");
}

TEST_F(VerifyCardFileTest, CyclesEndAndAreReported) {
  // Two cards recorded as each other's father, and one as its own mother.
  PersonCard& a = Person("Weber Johann", 'H');
  PersonCard& b = Person("Weber Peter", 'H');
  MakeParent(a, b, true);
  MakeParent(b, a, true);
  MakeParent(b, b, false);
  std::vector<Finding> findings = VerifyCardFile(file.persons);
  EXPECT_EQ(PersonsAndIds(findings), (std::vector<std::pair<uint16_t, int>>{{1, 8143}, {2, 8143}, {2, 8144}, {2, 8133}}));
}

// Runs the built program when it lies beside this test in the build tree.
TEST(VerifyCommand, ReportsFindingsOfAStoredCardFile) {
  auto program = CliProgram();
  if (!std::filesystem::exists(program)) GTEST_SKIP() << "vorlinde-cli not built at " << program;
  TempDir home;
  std::filesystem::create_directories(home.Path() / "DATEIEN");
  ScriptedPrompter prompter;
  FixedClock clock{TimeStamp{6, 12, 126, 20, 15}};
  StoreContext store{home.Path() / "DATEIEN", prompter, clock};
  {
    CardFile card(prompter);
    card.number = 4;
    card.header.SetTitle("Probe");
    card.header.SetOwnerName("N");
    ASSERT_EQ(CreateCardFile(store, card), 1);
    PersonCard* father = card.persons.Create("Weber Johann", 5);
    PersonCard* child = card.persons.Create("Weber Anna", 5);
    PersonCard* clean = card.persons.Create("M\xFCller K\xE4the", 7);
    father->birth = Year(1850);
    child->birth = Year(1849);
    clean->birth = Year(1800);
    child->father = father;
    father->children.push_back(ChildLink{child, 0});
    ASSERT_TRUE(SaveCardFile(store, card));
  }
  std::string base = "'" + program.string() + "' --home '" + home.Path().string() + "' verify ";

  RunResult text = RunCommand(base + "004 2>/dev/null");
  EXPECT_EQ(text.status, 0);
  EXPECT_EQ(text.out, "2\t8152\tWeber Anna kann nicht vor seinem/ihrem Vater Weber Johann geboren sein!\n");

  RunResult json = RunCommand(base + "4 --json 2>/dev/null");
  EXPECT_EQ(json.status, 0);
  EXPECT_NE(json.out.find("\"person\": 2"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("\"message\": 8152"), std::string::npos) << json.out;
  EXPECT_NE(json.out.find("Weber Johann \\ngeboren sein!"), std::string::npos) << json.out;

  RunResult missing = RunCommand(base + "5 2>/dev/null");
  EXPECT_EQ(missing.status, 1);
  EXPECT_EQ(missing.out, "");
}

}  // namespace
}  // namespace vl::test
