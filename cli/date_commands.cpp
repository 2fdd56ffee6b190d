// Date commands: reading dates, the Republican calendar and weekdays.
#include <fmt/format.h>

#include <array>
#include <iostream>
#include <memory>
#include <string>

#include "cli_context.hpp"
#include "common/cp1252.hpp"
#include "dates/date_format.hpp"
#include "dates/date_parse.hpp"
#include "dates/date_text.hpp"
#include "dates/republican_calendar.hpp"
#include "dates/weekday.hpp"

namespace vl::cli {
namespace {

void ParseCommand(CliContext& ctx, const std::string& text) {
  DateValue date;
  if (ParseDate(date, Utf8ToCp1252(text), &ctx.prompter) == kParseRejected) {
    ctx.exitCode = 1;
    return;
  }
  std::cout << FormatDate(date) << '\n';
}

void RepublicanCommand(CliContext& ctx, const std::string& text) {
  DateValue date;
  if (ParseDate(date, Utf8ToCp1252(text), &ctx.prompter) == kParseRejected) {
    ctx.exitCode = 1;
    return;
  }
  DateValue converted = date;
  if (GregorianToRepublican(converted) != 1) {
    ctx.prompter.ShowError(DirectText(
        "Das Datum lässt sich nicht umrechnen: nur vollständige Daten vom 22.09.1792 bis zum 23.09.1807 "
        "haben einen republikanischen Tag."));
    ctx.exitCode = 1;
    return;
  }
  std::cout << Cp1252ToUtf8(TreeDateText(date, true, true)) << '\n';
}

void GregorianCommand(CliContext& ctx, int day, int month, int year) {
  if (!IsRepublicanDate(day, month, year)) {
    ctx.prompter.ShowError(DirectText(
        "Diesen republikanischen Tag gibt es nicht: Tag 1 bis 30 (im Monat 13 1 bis 5, in den Jahren III, VII, "
        "XI und XV 1 bis 6), Monat 1 bis 13, Jahr 1 bis 15."));
    ctx.exitCode = 1;
    return;
  }
  const DateValue date = RepublicanToGregorian(day, month, year);
  std::cout << fmt::format("{:02d}.{:02d}.{}", date.day, date.month, date.year) << '\n';
}

// The date fields' message for a refused text; the perpetual calendar's own 8266 for the 1582 gap.
int RefusalMessage(DateTextStatus status) {
  if (status == DateTextStatus::GregorianGap) return 8266;
  if (status == DateTextStatus::Empty) return 8261;
  return DateTextMessageId(status);
}

void WeekdayCommand(CliContext& ctx, const std::string& utf8) {
  const std::string text = Utf8ToCp1252(utf8);
  const DateTextReading reading = ReadDateText(text);
  if (reading.status != DateTextStatus::Accepted) {
    ctx.prompter.ShowError(Msg(RefusalMessage(reading.status)));
    ctx.exitCode = 1;
    return;
  }
  const std::string sentence = WeekdayText(text);
  if (sentence.empty()) {
    // Accepted, but no single day: a bare year, an unknown part, day 0, or beyond the tables.
    ctx.prompter.ShowError(reading.year >= 2900 ? DirectText("Einen Wochentag gibt es nur für Daten vor dem Jahr 2900.")
                                                : Msg(8261));
    ctx.exitCode = 1;
    return;
  }
  std::cout << Cp1252ToUtf8(sentence) << '\n';
}

}  // namespace

void AddDateCommands(CLI::App& app, CliContext& ctx) {
  auto* date = app.add_subcommand("date", "Daten lesen und zwischen den Kalendern umrechnen");
  date->require_subcommand(1);

  auto* parse = date->add_subcommand("parse", "Ein Datum tt.mm.jjjj lesen und wieder schreiben");
  auto parseText = std::make_shared<std::string>();
  parse->add_option("TEXT", *parseText, "Datum (tt.mm.jjjj, * für einen unbekannten Teil)")->required();
  parse->callback([&ctx, parseText] { ParseCommand(ctx, *parseText); });

  auto* republican = date->add_subcommand("republican", "Gregorianisches Datum im Republikanischen Kalender");
  auto republicanText = std::make_shared<std::string>();
  republican->add_option("DATE", *republicanText, "Datum tt.mm.jjjj")->required();
  republican->callback([&ctx, republicanText] { RepublicanCommand(ctx, *republicanText); });

  auto* gregorian = date->add_subcommand("gregorian", "Republikanisches Datum im Gregorianischen Kalender");
  auto parts = std::make_shared<std::array<int, 3>>();
  gregorian->add_option("DAY", (*parts)[0], "Tag 1..30")->required();
  gregorian->add_option("MONTH", (*parts)[1], "Monat 1..13 (13 = Ergänzungstage)")->required();
  gregorian->add_option("YEAR", (*parts)[2], "Jahr 1..15")->required();
  gregorian->callback([&ctx, parts] { GregorianCommand(ctx, (*parts)[0], (*parts)[1], (*parts)[2]); });

  auto* weekday = app.add_subcommand("weekday", "Wochentag eines Datums tt.mm.jjjj");
  auto weekdayText = std::make_shared<std::string>();
  weekday->add_option("DATE", *weekdayText, "Datum tt.mm.jjjj")->required();
  weekday->callback([&ctx, weekdayText] { WeekdayCommand(ctx, *weekdayText); });
}

}  // namespace vl::cli
