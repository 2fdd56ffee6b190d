// vorlinde-cli verify on a card file written through the core (runs the built program when it
// lies beside this test in the build tree).
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

#include <sys/wait.h>

#include "common/clock.hpp"
#include "common/scripted_prompter.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "support/cli_runner.hpp"
#include "support/test_support.hpp"

namespace vl::test {
namespace {


DateTimeValue Year(int year) { return DateTimeValue{0, -1, -1, static_cast<int16_t>(year), -1, -1}; }

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
