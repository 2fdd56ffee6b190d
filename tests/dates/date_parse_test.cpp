// Reading typed dates and times; which days of the calendar exist is tested with the weekdays.
#include <gtest/gtest.h>

#include <map>

#include "common/scripted_prompter.hpp"
#include "dates/date_parse.hpp"

namespace vl {
namespace {

const std::map<int, std::string> kMessages = {
    {8261, "Falsches Datumsformat! Geben Sie das Datum folgendermaßen ein: tt.mm.jjjj !"},
    {8262, "Ein Teil des Datums wurde falsch eingegeben!"},
    {8263, "Im angegebenen Monat gibt es diesen Tag nicht!"},
    {8264, "Die Uhrzeit wurde falsch eingegeben. Verwenden Sie folgende Form der Eingabe: hh:mm"},
    {8265, "Ein Teil der Uhrzeit wurde falsch eingegeben!"},
};

// One information box with the message's number and text.
void ExpectShown(const ScriptedPrompter& prompter, int id, const char* input) {
  ASSERT_EQ(prompter.shown.size(), 1u) << input;
  EXPECT_EQ(prompter.shown[0].kind, BoxKind::Information) << input;
  EXPECT_EQ(prompter.shown[0].id, id) << input;
  EXPECT_EQ(prompter.shown[0].text, kMessages.at(id)) << input;
}

struct DateCase {
  const char* text;
  int16_t result;  // 1 accepted, -1 rejected, -2 empty
  int16_t day, month, year;
  int id;  // message of a rejection
};

DateCase Accepted(const char* text, int16_t day, int16_t month, int16_t year) { return {text, 1, day, month, year, 0}; }
DateCase Rejected(const char* text, int id) { return {text, -1, 7, 7, 7, id}; }

class ParseDateCases : public testing::TestWithParam<DateCase> {};

TEST_P(ParseDateCases, StoresThePartsOrKeepsTheValue) {
  const DateCase& c = GetParam();
  ScriptedPrompter prompter;
  DateValue date{1, 7, 7, 7};
  EXPECT_EQ(ParseDate(date, c.text, &prompter), c.result) << c.text;
  EXPECT_EQ(date, (DateValue{1, c.day, c.month, c.year})) << c.text;  // the calendar tag is never written
  if (c.id == 0) {
    EXPECT_TRUE(prompter.Empty()) << c.text;
    return;
  }
  ExpectShown(prompter, c.id, c.text);
  DateValue silent{1, 7, 7, 7};
  EXPECT_EQ(ParseDate(silent, c.text, nullptr), -1) << c.text;
  EXPECT_EQ(silent, (DateValue{1, 7, 7, 7})) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDateCases,
    testing::Values(
        DateCase{"", -2, -1, -1, -1, 0}, Accepted("05.03.1850", 5, 3, 1850), Accepted("5.3.1850", 5, 3, 1850),
        Accepted("*.*.*", -1, -1, -1), Accepted("*.03.1850", -1, 3, 1850), Accepted("12.05.*", 12, 5, -1),
        Accepted("1850", -1, -1, 1850), Accepted("1850.", -1, -1, 1850), Accepted("1850..", -1, -1, 1850),
        Accepted("12000", -1, -1, 12000), Accepted("32767", -1, -1, 32767), Accepted("1.2.1850.7", 1, 2, 1850),
        Accepted("..1...2..1850", 1, 2, 1850), Accepted("00.05.1850", 0, 5, 1850), Accepted("x.05.1850", 0, 5, 1850),
        Accepted("-3.05.1850", 0, 5, 1850), Accepted("+3.05.1850", 3, 5, 1850), Accepted("3a.5b.1850c", 3, 5, 1850),
        Accepted("31.12.9999", 31, 12, 9999), Accepted("01.01.1", 1, 1, 1),
        Rejected("0", 8261), Rejected("*", 8261), Rejected(".", 8261), Rejected("...", 8261), Rejected("-5", 8261),
        Rejected("12.1850", 8261), Rejected("abc", 8261), Rejected(".1850", 8261),
        // A bare year must not wrap round to a plausible year.
        Rejected("32768", 8261), Rejected("67386", 8261), Rejected("99999999999999999999", 8261),
        Rejected("05.00.1850", 8262), Rejected("05.05.0", 8262), Rejected("32.01.1850", 8262),
        Rejected("05.13.1850", 8262), Rejected("05.05.10000", 8262), Rejected("05.-1.1850", 8262),
        // Numbers beyond 16 bits are out of range, never their 16-bit remainder.
        Rejected("65537.05.1850", 8262), Rejected("65536.05.1850", 8262), Rejected("32768.05.1850", 8262),
        Rejected("05.65537.1850", 8262), Rejected("05.05.67386", 8262), Rejected("05.05.99999999999999999999", 8262)));

TEST(ParseDate, DateTimeValueKeepsItsTime) {
  DateTimeValue value{0, 1, 1, 1900, 14, 30};
  EXPECT_EQ(ParseDate(value, "05.03.1850", nullptr), 1);
  EXPECT_EQ(value, (DateTimeValue{0, 5, 3, 1850, 14, 30}));
  EXPECT_EQ(ParseDate(value, "31.02.1850", nullptr), -1);
  EXPECT_EQ(value, (DateTimeValue{0, 5, 3, 1850, 14, 30}));
  EXPECT_EQ(ParseDate(value, "", nullptr), -2);
  EXPECT_EQ(value, (DateTimeValue{0, -1, -1, -1, 14, 30}));
}

struct TimeCase {
  const char* text;
  int16_t result, hour, minute, id;
};

class ParseTimeCases : public testing::TestWithParam<TimeCase> {};

TEST_P(ParseTimeCases, StoresThePartsOrKeepsTheValue) {
  const TimeCase& c = GetParam();
  ScriptedPrompter prompter;
  DateTimeValue time{1, 2, 3, 1850, 7, 7};
  EXPECT_EQ(ParseTime(time, c.text, &prompter), c.result) << c.text;
  EXPECT_EQ(time, (DateTimeValue{1, 2, 3, 1850, c.hour, c.minute})) << c.text;
  if (c.id == 0) {
    EXPECT_TRUE(prompter.Empty()) << c.text;
    return;
  }
  ExpectShown(prompter, c.id, c.text);
  DateTimeValue silent{0, 0, 0, 0, 3, 4};
  EXPECT_EQ(ParseTime(silent, c.text, nullptr), -1) << c.text;
  EXPECT_EQ(silent, (DateTimeValue{0, 0, 0, 0, 3, 4})) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseTimeCases,
    testing::Values(TimeCase{"", -2, -1, -1, 0}, TimeCase{"14:05", 1, 14, 5, 0}, TimeCase{"*:30", 1, -1, 30, 0},
                    TimeCase{"12:*", 1, 12, -1, 0}, TimeCase{"00:00", 1, 0, 0, 0}, TimeCase{"23:59", 1, 23, 59, 0},
                    TimeCase{"-4:10", 1, 0, 10, 0}, TimeCase{"::8::9::", 1, 8, 9, 0}, TimeCase{"8:9:10", 1, 8, 9, 0},
                    TimeCase{"24:00", -1, 7, 7, 8265}, TimeCase{"12:60", -1, 7, 7, 8265},
                    TimeCase{"99:99", -1, 7, 7, 8265}, TimeCase{"65536:00", -1, 7, 7, 8265},
                    TimeCase{"12:65590", -1, 7, 7, 8265}, TimeCase{"12", -1, 7, 7, 8264}, TimeCase{":", -1, 7, 7, 8264},
                    TimeCase{"12:", -1, 7, 7, 8264}));

}  // namespace
}  // namespace vl
