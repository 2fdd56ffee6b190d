#include "global_options.hpp"

#include <charconv>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "common/messages.hpp"
#include "dates/date_parse.hpp"

namespace vl::cli {
namespace {

struct GlobalOptionTexts {
  std::string home;
  std::string now;
  std::vector<std::string> answers;
};

// Exactly `digits` decimal digits starting at `at`; nullopt otherwise.
std::optional<int> FixedDigits(std::string_view text, size_t at, size_t digits) {
  if (at + digits > text.size()) return std::nullopt;
  int value = 0;
  const char* first = text.data() + at;
  auto [end, ec] = std::from_chars(first, first + digits, value);
  if (ec != std::errc() || end != first + digits || *first == '-' || *first == '+') return std::nullopt;
  return value;
}

void CheckHome(const CLI::Option& option, const std::string& text, CliContext& ctx) {
  if (option.count() == 0) return;
  if (text.empty()) throw UsageError("Das Programmverzeichnis (--home) darf nicht leer sein.");
  std::error_code ec;
  if (std::filesystem::exists(text, ec) && !std::filesystem::is_directory(text, ec)) {
    throw UsageError("Das Programmverzeichnis (--home) " + text + " ist eine Datei und kein Verzeichnis.");
  }
  ctx.homeOption = text;
}

void ApplyNow(const CLI::Option& option, const std::string& text, CliContext& ctx) {
  if (option.count() == 0) return;
  auto now = ParseNow(text);
  if (!now) {
    throw UsageError("Ungültige Zeitangabe für --now: \"" + text + "\" (erwartet: \"TT.MM.JJJJ HH:MM\").");
  }
  ctx.clock.Fix(*now);
}

void ApplyAnswers(const std::vector<std::string>& texts, CliContext& ctx) {
  for (const std::string& text : texts) {
    auto answer = ParseAnswer(text);
    if (!answer) {
      throw UsageError("Ungültige Antwort für --answer: \"" + text +
                       "\" (erwartet: N=yes oder N=no mit der Nummer einer Meldung).");
    }
    auto [entry, added] = ctx.answers.byMessage.emplace(answer->first, answer->second);
    if (!added && entry->second != answer->second) {
      throw UsageError("Widersprüchliche Antworten für die Meldung " + std::to_string(answer->first) + ".");
    }
  }
}

}  // namespace

std::optional<TimeStamp> ParseNow(std::string_view text) {
  if (text.size() != 16 || text[2] != '.' || text[5] != '.' || text[10] != ' ' || text[13] != ':') {
    return std::nullopt;
  }
  auto day = FixedDigits(text, 0, 2);
  auto month = FixedDigits(text, 3, 2);
  auto year = FixedDigits(text, 6, 4);
  auto hour = FixedDigits(text, 11, 2);
  auto minute = FixedDigits(text, 14, 2);
  if (!day || !month || !year || !hour || !minute) return std::nullopt;
  // The date fields' own reading decides which days exist.
  const DateTextReading reading = ReadDateText(text.substr(0, 10));
  if (reading.status != DateTextStatus::Accepted || *day < 1) return std::nullopt;
  if (*hour > 23 || *minute > 59) return std::nullopt;
  return TimeStamp{static_cast<int16_t>(*day), static_cast<int16_t>(*month), static_cast<int16_t>(*year - 1900),
                   static_cast<int16_t>(*hour), static_cast<int16_t>(*minute)};
}

std::optional<std::pair<int, bool>> ParseAnswer(std::string_view text) {
  const size_t equals = text.find('=');
  if (equals == std::string_view::npos || equals == 0) return std::nullopt;
  int number = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + equals, number);
  if (ec != std::errc() || end != text.data() + equals || number < 1 || MessageText(number).empty()) {
    return std::nullopt;
  }
  const std::string_view value = text.substr(equals + 1);
  if (value == "yes") return std::pair{number, true};
  if (value == "no") return std::pair{number, false};
  return std::nullopt;
}

void AddGlobalOptions(CLI::App& app, CliContext& ctx) {
  auto texts = std::make_shared<GlobalOptionTexts>();
  auto* home =
      app.add_option("--home", texts->home, "Programmverzeichnis (sonst VORLINDE_HOME oder das Benutzerverzeichnis)");
  auto* yes = app.add_flag("--yes", ctx.answers.yes, "Fragen mit Ja beantworten");
  app.add_flag("--no")->description("Fragen mit Nein beantworten (Vorgabe)")->excludes(yes);
  app.add_option("--answer", texts->answers, "Die Meldung Nummer N allein beantworten: N=yes oder N=no")
      ->type_name("N=yes|no");
  auto* now = app.add_option("--now", texts->now, "Feste Uhrzeit für alle Zeitstempel: \"TT.MM.JJJJ HH:MM\"");
  app.parse_complete_callback([&ctx, texts, home, now] {
    CheckHome(*home, texts->home, ctx);
    ApplyNow(*now, texts->now, ctx);
    ApplyAnswers(texts->answers, ctx);
  });
}

}  // namespace vl::cli
