// The options before the command: --now, --answer, --home, and card-file numbers.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_fixture.hpp"
#include "person_records.hpp"

namespace vl::test {
namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

using GlobalOptions = CliTest;

TEST_F(GlobalOptions, MalformedNowIsWrongUsageAndNothingRuns) {
  for (const char* now : {"07.12.2026", "07.12.2026 8:05", "7.12.2026 08:05", "07-12-2026 08:05", "31.04.2026 10:00",
                          "29.02.2027 10:00", "07.12.2026 24:00", "07.12.2026 08:60", "00.12.2026 08:05",
                          "07.13.2026 08:05", "07.12.2026 08:05x", "", "-7.12.2026 08:05"}) {
    CliRun run = Run({"--now", now, "new", "--title", "T", "--name", "N"});
    EXPECT_EQ(run.status, 2) << '"' << now << '"';
    EXPECT_EQ(run.out, "") << now;
    EXPECT_TRUE(Contains(run.err, "--now")) << run.err;
  }
  EXPECT_FALSE(std::filesystem::exists(DataDir() / "DOSSIER.001"));
  // Even a command that writes no stamp refuses it.
  EXPECT_EQ(Run({"--now", "07.12.2026", "weekday", "15.10.1582"}).status, 2);
}

TEST_F(GlobalOptions, NowFixesTheStampsOfNewCardFiles) {
  ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "T", "29.02.2000 23:59"));
  // Created (242) and last saved (252): day, month, year since 1900, hour, minute.
  for (size_t stamp : {242u, 252u}) {
    EXPECT_EQ(U16In("DOSSIER.001", stamp), 29);
    EXPECT_EQ(U16In("DOSSIER.001", stamp + 2), 2);
    EXPECT_EQ(U16In("DOSSIER.001", stamp + 4), 100);
    EXPECT_EQ(U16In("DOSSIER.001", stamp + 6), 23);
    EXPECT_EQ(U16In("DOSSIER.001", stamp + 8), 59);
  }
}

TEST_F(GlobalOptions, MalformedAnswerIsWrongUsage) {
  for (const char* answer : {"8107=ja", "8107", "=yes", "abc=yes", "8107=", "8107=YES", "8107=yes=no", "0=yes",
                             "-8107=yes", "99999=yes", "8107 =yes"}) {
    CliRun run = Run({"--answer", answer, "new", "--title", "T", "--name", "N"});
    EXPECT_EQ(run.status, 2) << answer;
    EXPECT_TRUE(Contains(run.err, "--answer")) << run.err;
  }
  CliRun twice = Run({"--answer", "8009=yes", "--answer", "8009=no", "new", "--title", "T", "--name", "N"});
  EXPECT_EQ(twice.status, 2);
  EXPECT_TRUE(Contains(twice.err, "8009")) << twice.err;
  EXPECT_FALSE(std::filesystem::exists(DataDir() / "DOSSIER.001"));
  // The same answer twice is no contradiction.
  EXPECT_EQ(Run({"--answer", "8009=yes", "--answer", "8009=yes", "list"}).status, 0);
}

// A new card file meets a leftover NAISS.001 (question 8009) and COMMUNES.001 (question 8008);
// the leftovers are replaced only when every question is answered yes, or nothing is written.
TEST_F(GlobalOptions, AnswerRepliesToOneMessageAndBeatsYesAndNo) {
  struct Case {
    std::vector<std::string> options;
    int status;
    bool birthsAnsweredYes;
  };
  const std::vector<Case> cases = {
      {{}, 1, false},
      {{"--yes"}, 0, true},
      {{"--answer", "8009=yes"}, 1, true},
      {{"--answer", "8009=yes", "--answer", "8008=yes"}, 0, true},
      {{"--yes", "--answer", "8008=no"}, 1, true},
      {{"--yes", "--answer", "8009=no"}, 1, false},
      {{"--no", "--answer", "8008=yes", "--answer", "8009=yes"}, 0, true},
      {{"--answer", "8107=yes"}, 1, false},
  };
  const std::vector<uint8_t> leftover = {'a', 'l', 't'};
  for (const Case& c : cases) {
    std::string label;
    for (const std::string& option : c.options) label += option + " ";
    SCOPED_TRACE(label);
    std::filesystem::remove_all(DataDir());
    std::filesystem::create_directories(DataDir());
    WriteData("NAISS.001", leftover);
    WriteData("COMMUNES.001", leftover);

    std::vector<std::string> args = c.options;
    for (const char* arg : {"--now", "06.12.2026 20:15", "new", "--title", "T", "--name", "N"}) args.push_back(arg);
    CliRun run = Run(args);
    const bool created = c.status == 0;
    EXPECT_EQ(run.status, c.status) << run.err;
    EXPECT_EQ(run.out, created ? "001\n" : "");
    EXPECT_EQ(ReadData("NAISS.001") != leftover, created);
    EXPECT_EQ(ReadData("COMMUNES.001") != leftover, created);
    EXPECT_EQ(std::filesystem::exists(DataDir() / "DOSSIER.001"), created);
    const std::string births = (DataDir() / "NAISS.001").string();
    EXPECT_TRUE(Contains(run.err, "Die Datei " + births + " gibt es bereits. Möchten Sie sie löschen?" +
                                      (c.birthsAnsweredYes ? " -> ja" : " -> nein")))
        << run.err;
  }
}

TEST_F(GlobalOptions, AnswerConfirmsDeletingAPerson) {
  ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Kartei"));
  ASSERT_NO_FATAL_FAILURE(WritePersons("001", FamilyFileBytes(), 3));

  CliRun otherQuestion = Run({"--answer", "8107=yes", "delete-person", "1", "9"});
  EXPECT_EQ(otherQuestion.status, 0) << otherQuestion.err;
  EXPECT_TRUE(Contains(otherQuestion.err, "Möchten Sie trotzdem löschen? -> nein")) << otherQuestion.err;
  EXPECT_EQ(Run({"persons", "1"}).out, kFamilyLines);

  CliRun confirmed = Run({"--answer", "8106=yes", "delete-person", "1", "9"});
  EXPECT_EQ(confirmed.status, 0) << confirmed.err;
  EXPECT_EQ(confirmed.err,
            "Maier Rosa\nAlle Urkunden, die mit dieser Personenkarteikarte verbunden sind, werden mitgelöscht! "
            "\nMöchten Sie trotzdem löschen? -> ja\n");
  EXPECT_EQ(Run({"persons", "1"}).out, "7\tWeber Johann\tH\t0\t0\n12\tWeber Anna Maria\t \t7\t0\n");
}

TEST_F(GlobalOptions, HomeThatCannotBeAHomeIsWrongUsage) {
  const auto file = Scratch() / "a-file";
  { std::ofstream(file) << "x"; }
  struct Case {
    std::string home;
    std::string message;
  };
  const std::vector<Case> cases = {
      {"", "Das Programmverzeichnis (--home) darf nicht leer sein."},
      {file.string(), "Das Programmverzeichnis (--home) " + file.string() + " ist eine Datei und kein Verzeichnis."},
  };
  for (const Case& c : cases) {
    for (const char* command : {"list", "weekday"}) {
      std::vector<std::string> args = {"--home", c.home, command};
      if (std::string(command) == "weekday") args.push_back("15.10.1582");
      CliRun run = RunRaw(args);
      EXPECT_EQ(run.status, 2) << c.home << ' ' << command;
      EXPECT_EQ(run.out, "");
      EXPECT_EQ(run.err, c.message + "\n");
    }
  }
  // No other home was used instead.
  EXPECT_TRUE(std::filesystem::is_empty(UserHome()));
  EXPECT_FALSE(std::filesystem::exists(file.parent_path() / "DATEIEN"));
}

TEST_F(GlobalOptions, HomeThatDoesNotExistYetIsCreated) {
  const auto fresh = Scratch() / "neu" / "Ahnen";
  CliRun run = RunRaw({"--home", fresh.string(), "list"});
  EXPECT_EQ(run.status, 0) << run.err;
  for (const char* dir : {"DATEIEN", "FOTOS", "OBJEKTE"})
    EXPECT_TRUE(std::filesystem::is_directory(fresh / dir)) << dir;
  EXPECT_TRUE(std::filesystem::is_empty(UserHome()));
}

// Every command that names a card file treats the number alike.
TEST_F(GlobalOptions, CardFileNumbersOutsideTheRangeOrWithoutFile) {
  ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Kartei"));
  const std::string missing = "Die Datei " + (DataDir() / "DOSSIER.005").string() + " kann nicht geöffnet werden!\n";
  struct Number {
    std::string text;
    int status;
    std::string err;
  };
  const std::vector<Number> numbers = {
      {"abc", 2, "Ungültige Kartei-Nummer: abc\n"},
      {"0", 2, "Ungültige Kartei-Nummer: 0\n"},
      {"-3", 2, "Ungültige Kartei-Nummer: -3\n"},
      {"1000", 1, "Die Nummer der Datei ist ungültig!\n"},
      {"5", 1, missing},
      {"005", 1, missing},
  };
  const std::vector<std::vector<std::string>> commands = {{"info"},
                                                          {"info", "--json"},
                                                          {"persons"},
                                                          {"persons", "--json"},
                                                          {"save"},
                                                          {"verify"},
                                                          {"certificates", "birth"},
                                                          {"delete-person", "1"},
                                                          {"delete-certificate", "birth", "0"}};
  for (const auto& command : commands) {
    for (const Number& number : numbers) {
      std::vector<std::string> args = {"--yes", command[0], number.text};
      args.insert(args.end(), command.begin() + 1, command.end());
      CliRun run = Run(args);
      EXPECT_EQ(run.status, number.status) << command[0] << ' ' << number.text;
      EXPECT_EQ(run.out, "") << command[0] << ' ' << number.text;
      EXPECT_EQ(run.err, number.err) << command[0] << ' ' << number.text;
    }
  }
  // The card file that exists was neither changed nor saved by any of these.
  EXPECT_FALSE(std::filesystem::exists(DataDir() / "FICHESS.001"));
}

}  // namespace
}  // namespace vl::test
