#include <gtest/gtest.h>

#include "common/scripted_prompter.hpp"
#include "dates/date_parse.hpp"

namespace vl {
namespace {

const char* const kFormatText = "Falsches Datumsformat! Geben Sie das Datum folgendermaßen ein: tt.mm.jjjj !";
const char* const kPartText = "Ein Teil des Datums wurde falsch eingegeben!";
const char* const kDayText = "Im angegebenen Monat gibt es diesen Tag nicht!";
const char* const kGapText =
    "Den Zeitraum vom 5. bis zum 14. Oktober 1582 gibt es nicht! In der Online-Hilfe finden Sie unter dem Thema "
    "'Gregorianischer Kalender' hierzu weitere Informationen!";

const DateValue kUntouched{kRepublican, 7, 7, 7};

struct Accepted {
  const char* text;
  int16_t day, month, year;
};

class ParseDateAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(ParseDateAccepts, StoresTheParts) {
  const Accepted& c = GetParam();
  ScriptedPrompter prompter;
  DateValue date = kUntouched;
  EXPECT_EQ(ParseDate(date, c.text, &prompter), kParseAccepted) << c.text;
  EXPECT_EQ(date, (DateValue{kRepublican, c.day, c.month, c.year})) << c.text;  // calendar tag untouched
  EXPECT_TRUE(prompter.Empty());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDateAccepts,
    testing::Values(Accepted{"05.03.1850", 5, 3, 1850}, Accepted{"5.3.1850", 5, 3, 1850},
                    Accepted{"*.*.*", -1, -1, -1}, Accepted{"*.03.1850", -1, 3, 1850}, Accepted{"12.05.*", 12, 5, -1},
                    Accepted{"1850", -1, -1, 1850}, Accepted{"1850.", -1, -1, 1850}, Accepted{"1850..", -1, -1, 1850},
                    Accepted{"12000", -1, -1, 12000}, Accepted{"32767", -1, -1, 32767},
                    Accepted{"1.2.1850.7", 1, 2, 1850}, Accepted{"..1...2..1850", 1, 2, 1850},
                    Accepted{"00.05.1850", 0, 5, 1850}, Accepted{"x.05.1850", 0, 5, 1850},
                    Accepted{"-3.05.1850", 0, 5, 1850}, Accepted{"+3.05.1850", 3, 5, 1850},
                    Accepted{"3a.5b.1850c", 3, 5, 1850}, Accepted{"31.12.9999", 31, 12, 9999},
                    Accepted{"29.02.1500", 29, 2, 1500}, Accepted{"29.02.1600", 29, 2, 1600},
                    Accepted{"29.02.1996", 29, 2, 1996}, Accepted{"28.02.*", 28, 2, -1}, Accepted{"*.02.1700", -1, 2, 1700},
                    Accepted{"04.10.1582", 4, 10, 1582}, Accepted{"15.10.1582", 15, 10, 1582},
                    Accepted{"*.10.1582", -1, 10, 1582}, Accepted{"00.10.1582", 0, 10, 1582},
                    Accepted{"05.10.1583", 5, 10, 1583}, Accepted{"31.01.1", 31, 1, 1}));

struct Refused {
  const char* text;
  int id;
};

class ParseDateRefuses : public testing::TestWithParam<Refused> {};

TEST_P(ParseDateRefuses, KeepsTheValueAndShowsTheMessage) {
  const Refused& c = GetParam();
  ScriptedPrompter prompter;
  DateValue date = kUntouched;
  EXPECT_EQ(ParseDate(date, c.text, &prompter), kParseRejected) << c.text;
  EXPECT_EQ(date, kUntouched) << c.text;
  ASSERT_EQ(prompter.shown.size(), 1u) << c.text;
  EXPECT_EQ(prompter.shown[0].kind, BoxKind::Information);
  EXPECT_EQ(prompter.shown[0].id, c.id) << c.text;

  DateValue silent = kUntouched;
  EXPECT_EQ(ParseDate(silent, c.text, nullptr), kParseRejected) << c.text;
  EXPECT_EQ(silent, kUntouched);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseDateRefuses,
    testing::Values(Refused{"0", 8261}, Refused{"*", 8261}, Refused{".", 8261}, Refused{"...", 8261},
                    Refused{"-5", 8261}, Refused{"12.1850", 8261}, Refused{"abc", 8261}, Refused{".1850", 8261},
                    // A bare year must not wrap round to a plausible year.
                    Refused{"32768", 8261}, Refused{"67386", 8261}, Refused{"99999999999999999999", 8261},
                    Refused{"05.00.1850", 8262}, Refused{"05.05.0", 8262}, Refused{"32.01.1850", 8262},
                    Refused{"05.13.1850", 8262}, Refused{"05.05.10000", 8262}, Refused{"05.-1.1850", 8262},
                    // Numbers beyond 16 bits are out of range, never their 16-bit remainder.
                    Refused{"65537.05.1850", 8262}, Refused{"65536.05.1850", 8262}, Refused{"32768.05.1850", 8262},
                    Refused{"05.65537.1850", 8262}, Refused{"05.05.67386", 8262},
                    Refused{"05.05.99999999999999999999", 8262}, Refused{"29.02.1700", 8263},
                    Refused{"29.02.*", 8263}, Refused{"29.02.1900", 8263}, Refused{"29.02.1851", 8263},
                    Refused{"31.04.1900", 8263}, Refused{"31.06.*", 8263}, Refused{"31.09.1850", 8263},
                    Refused{"31.11.1850", 8263}, Refused{"05.10.1582", 8357}, Refused{"14.10.1582", 8357},
                    Refused{"10.10.1582", 8357}));

TEST(ParseDate, MessageTexts) {
  ScriptedPrompter prompter;
  DateValue date;
  ParseDate(date, "12.1850", &prompter);
  ParseDate(date, "05.00.1850", &prompter);
  ParseDate(date, "31.04.1900", &prompter);
  ParseDate(date, "05.10.1582", &prompter);
  ASSERT_EQ(prompter.shown.size(), 4u);
  EXPECT_EQ(prompter.shown[0].text, kFormatText);
  EXPECT_EQ(prompter.shown[1].text, kPartText);
  EXPECT_EQ(prompter.shown[2].text, kDayText);
  EXPECT_EQ(prompter.shown[3].text, kGapText);
}

TEST(ParseDate, EmptyTextGivesTheEmptyDate) {
  ScriptedPrompter prompter;
  DateValue date{kRepublican, 5, 3, 1850};
  EXPECT_EQ(ParseDate(date, "", &prompter), kParseEmpty);
  EXPECT_EQ(date, (DateValue{kRepublican, -1, -1, -1}));
  EXPECT_TRUE(prompter.Empty());
}

TEST(ParseDate, DateTimeValueKeepsItsTime) {
  DateTimeValue value{0, 1, 1, 1900, 14, 30};
  EXPECT_EQ(ParseDate(value, "05.03.1850", nullptr), kParseAccepted);
  EXPECT_EQ(value, (DateTimeValue{0, 5, 3, 1850, 14, 30}));
  EXPECT_EQ(ParseDate(value, "31.02.1850", nullptr), kParseRejected);
  EXPECT_EQ(value, (DateTimeValue{0, 5, 3, 1850, 14, 30}));
  EXPECT_EQ(ParseDate(value, "", nullptr), kParseEmpty);
  EXPECT_EQ(value, (DateTimeValue{0, -1, -1, -1, 14, 30}));
}

TEST(ReadDateText, TellsWhyATextIsRefused) {
  EXPECT_EQ(ReadDateText("07.10.1582").status, DateTextStatus::GregorianGap);
  EXPECT_EQ(ReadDateText("").status, DateTextStatus::Empty);
  EXPECT_EQ(DateTextMessageId(DateTextStatus::Accepted), 0);
  EXPECT_EQ(DateTextMessageId(DateTextStatus::GregorianGap), 8357);
}

struct TimeCase {
  const char* text;
  int16_t result, hour, minute, id;
};

class ParseTimeCases : public testing::TestWithParam<TimeCase> {};

TEST_P(ParseTimeCases, Result) {
  const TimeCase& c = GetParam();
  ScriptedPrompter prompter;
  DateTimeValue time{1, 2, 3, 1850, 7, 7};
  EXPECT_EQ(ParseTime(time, c.text, &prompter), c.result) << c.text;
  EXPECT_EQ(time, (DateTimeValue{1, 2, 3, 1850, c.hour, c.minute})) << c.text;
  if (c.id == 0) {
    EXPECT_TRUE(prompter.Empty()) << c.text;
  } else {
    ASSERT_EQ(prompter.shown.size(), 1u) << c.text;
    EXPECT_EQ(prompter.shown[0].kind, BoxKind::Information);
    EXPECT_EQ(prompter.shown[0].id, c.id) << c.text;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseTimeCases,
    testing::Values(TimeCase{"", kParseEmpty, -1, -1, 0}, TimeCase{"14:05", kParseAccepted, 14, 5, 0},
                    TimeCase{"*:30", kParseAccepted, -1, 30, 0}, TimeCase{"12:*", kParseAccepted, 12, -1, 0},
                    TimeCase{"00:00", kParseAccepted, 0, 0, 0}, TimeCase{"23:59", kParseAccepted, 23, 59, 0},
                    TimeCase{"-4:10", kParseAccepted, 0, 10, 0}, TimeCase{"::8::9::", kParseAccepted, 8, 9, 0},
                    TimeCase{"8:9:10", kParseAccepted, 8, 9, 0}, TimeCase{"24:00", kParseRejected, 7, 7, 8265},
                    TimeCase{"12:60", kParseRejected, 7, 7, 8265}, TimeCase{"65536:00", kParseRejected, 7, 7, 8265},
                    TimeCase{"12:65590", kParseRejected, 7, 7, 8265}, TimeCase{"12", kParseRejected, 7, 7, 8264},
                    TimeCase{":", kParseRejected, 7, 7, 8264}, TimeCase{"12:", kParseRejected, 7, 7, 8264}));

TEST(ParseTime, MessageTextsAndSilentRefusal) {
  ScriptedPrompter prompter;
  DateTimeValue time;
  ParseTime(time, "12", &prompter);
  ParseTime(time, "24:00", &prompter);
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[0].text, "Die Uhrzeit wurde falsch eingegeben. Verwenden Sie folgende Form der Eingabe: hh:mm");
  EXPECT_EQ(prompter.shown[1].text, "Ein Teil der Uhrzeit wurde falsch eingegeben!");
  DateTimeValue silent{0, 0, 0, 0, 3, 4};
  EXPECT_EQ(ParseTime(silent, "99:99", nullptr), kParseRejected);
  EXPECT_EQ(silent.hour, 3);
  EXPECT_EQ(silent.minute, 4);
}

}  // namespace
}  // namespace vl
