// date parse|republican|gregorian and weekday: output, German messages and exit status.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli_fixture.hpp"

namespace vl::test {
namespace {

struct DateCase {
  std::vector<std::string> args;
  int status;
  std::string out;
  std::string err;  // exact standard error; not checked for wrong usage, whose wording is the parser's
};

const std::string kNoSuchDay = "Im angegebenen Monat gibt es diesen Tag nicht!\n";
const std::string kDateDoesNotExist = "Dieses Datum gibt es nicht!\n";
const std::string kGapWhileParsing =
    "Den Zeitraum vom 5. bis zum 14. Oktober 1582 gibt es nicht! In der Online-Hilfe finden Sie unter dem Thema "
    "'Gregorianischer Kalender' hierzu weitere Informationen!\n";
const std::string kBadFormat = "Falsches Datumsformat! Geben Sie das Datum folgendermaßen ein: tt.mm.jjjj !\n";
const std::string kBadPart = "Ein Teil des Datums wurde falsch eingegeben!\n";

const std::vector<DateCase> kCases = {
    // weekday: Julian up to 4 October 1582, Gregorian from 15 October 1582
    {{"weekday", "15.10.1582"}, 0, "Freitag, 15. Oktober 1582\n", ""},
    {{"weekday", "04.10.1582"}, 0, "Donnerstag, 4. Oktober 1582\n", ""},
    {{"weekday", "01.01.1600"}, 0, "Samstag, 1. Januar 1600\n", ""},
    {{"weekday", "29.02.1500"}, 0, "Samstag, 29. Februar 1500\n", ""},
    {{"weekday", "06.12.2026"}, 0, "Sonntag, 6. Dezember 2026\n", ""},
    {{"weekday", "31.04.1850"}, 1, "", kNoSuchDay},
    {{"weekday", "31.06.1850"}, 1, "", kNoSuchDay},
    {{"weekday", "31.09.1850"}, 1, "", kNoSuchDay},
    {{"weekday", "31.11.1850"}, 1, "", kNoSuchDay},
    {{"weekday", "29.02.1900"}, 1, "", kNoSuchDay},
    {{"weekday", "05.10.1582"}, 1, "", kDateDoesNotExist},
    {{"weekday", "10.10.1582"}, 1, "", kDateDoesNotExist},
    {{"weekday", "14.10.1582"}, 1, "", kDateDoesNotExist},
    {{"weekday", "32.01.1850"}, 1, "", kBadPart},
    {{"weekday", "1850"}, 1, "", kBadFormat},
    {{"weekday", "*.05.1850"}, 1, "", kBadFormat},
    {{"weekday"}, 2, "", ""},
    // date parse
    {{"date", "parse", "05.11.1793"}, 0, "05.11.1793\n", ""},
    {{"date", "parse", "*.11.1793"}, 0, "*.11.1793\n", ""},
    {{"date", "parse", "31.04.1850"}, 1, "", kNoSuchDay},
    {{"date", "parse", "10.10.1582"}, 1, "", kGapWhileParsing},
    {{"date", "parse", "32.01.1850"}, 1, "", kBadPart},
    {{"date", "parse", "1.2"}, 1, "", kBadFormat},
    {{"date", "parse"}, 2, "", ""},
    // date republican: 22.09.1792 to 23.09.1807
    {{"date", "republican", "04.11.1793"}, 0, "14. Brumaire Jahr II\n", ""},
    {{"date", "republican", "22.09.1792"}, 0, "01. Vendémiaire Jahr I\n", ""},
    {{"date", "republican", "23.09.1807"}, 0, "06. zusätzl. Tag Jahr XV\n", ""},
    {{"date", "republican", "21.09.1792"},
     1,
     "",
     "Das Datum lässt sich nicht umrechnen: nur vollständige Daten vom 22.09.1792 bis zum 23.09.1807 "
     "haben einen republikanischen Tag.\n"},
    {{"date", "republican", "31.04.1795"}, 1, "", kNoSuchDay},
    {{"date", "republican", "10.10.1582"}, 1, "", kGapWhileParsing},
    {{"date", "republican"}, 2, "", ""},
    // date gregorian: day, month 1..13, year 1..15
    {{"date", "gregorian", "1", "1", "1"}, 0, "22.09.1792\n", ""},
    {{"date", "gregorian", "6", "13", "3"}, 0, "22.09.1795\n", ""},
    {{"date", "gregorian", "6", "13", "15"}, 0, "23.09.1807\n", ""},
    {{"date", "gregorian", "10", "6", "4"}, 0, "29.02.1796\n", ""},
    {{"date", "gregorian", "6", "13", "2"},
     1,
     "",
     "Diesen republikanischen Tag gibt es nicht: Tag 1 bis 30 (im Monat 13 1 bis 5, in den Jahren III, VII, XI und "
     "XV 1 bis 6), Monat 1 bis 13, Jahr 1 bis 15.\n"},
    {{"date", "gregorian", "1", "14", "1"}, 1, "", ""},
    {{"date", "gregorian", "1", "1", "16"}, 1, "", ""},
    {{"date", "gregorian", "x", "1", "1"}, 2, "", ""},
    {{"date", "gregorian", "1", "1"}, 2, "", ""},
    {{"date"}, 2, "", ""},
};

using DateCommands = CliTest;

TEST_F(DateCommands, PrintResultsOrTheGermanMessageWithTheirStatus) {
  for (const DateCase& c : kCases) {
    std::string label;
    for (const std::string& arg : c.args) label += arg + " ";
    CliRun run = Run(c.args);
    EXPECT_EQ(run.status, c.status) << label << run.err;
    EXPECT_EQ(run.out, c.out) << label;
    if (c.status == 0) {
      EXPECT_EQ(run.err, "") << label;
    } else {
      EXPECT_NE(run.err, "") << label;  // a refusal or wrong usage always says why
      if (!c.err.empty()) {
        EXPECT_EQ(run.err, c.err) << label;
      }
    }
  }
}

}  // namespace
}  // namespace vl::test
