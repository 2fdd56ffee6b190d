#include "cli_context.hpp"

#include <charconv>
#include <iostream>

#include "common/cp1252.hpp"

namespace vl::cli {

bool Answers::For(const Message& message) const {
  auto given = byMessage.find(message.id);
  return given != byMessage.end() ? given->second : yes;
}

void TerminalPrompter::ShowError(const Message& message) { std::cerr << message.text << '\n'; }
void TerminalPrompter::ShowInformation(const Message& message) { std::cerr << message.text << '\n'; }

bool TerminalPrompter::AskYesNo(const Message& message) {
  const bool yes = answers_.For(message);
  std::cerr << message.text << (yes ? " -> ja" : " -> nein") << '\n';
  return yes;
}

bool TerminalPrompter::AskContinue(const Message& message) {
  const bool yes = answers_.For(message);
  std::cerr << ContinueBoxText(message) << (yes ? " -> OK" : " -> Abbrechen") << '\n';
  return yes;
}

HomonymAnswer TerminalPrompter::ChooseHomonym(std::string_view role, const std::string& fullName,
                                             const std::vector<HomonymCandidate>& candidates) {
  auto given = answers_.homonyms.find(std::string(role));
  if (given != answers_.homonyms.end()) {
    if (given->second == 0) return {HomonymAnswer::New, 0};
    for (const HomonymCandidate& candidate : candidates) {
      if (candidate.number == given->second) return {HomonymAnswer::Existing, given->second};
    }
    std::cerr << "Die Person " << given->second << " trägt nicht den Namen " << Cp1252ToUtf8(fullName) << ".\n";
  }
  std::cerr << "Es gibt bereits " << candidates.size() << " Person(en) mit dem Namen " << Cp1252ToUtf8(fullName)
            << " (" << role << "); wählen Sie mit --choose " << role << "=NUMMER oder " << role << "=new:\n";
  for (const HomonymCandidate& candidate : candidates) {
    std::cerr << candidate.number << '\t' << Cp1252ToUtf8(candidate.fullName) << '\n';
  }
  return {};
}

ProgramHome CliContext::Home() const {
  ProgramHome home(ResolveHome(HomeSourcesOfProcess(homeOption)));
  home.EnsureDirectories();
  return home;
}

std::optional<int> ParseCardFileNumber(const std::string& text) {
  int value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || text.empty()) return std::nullopt;
  return value;
}

}  // namespace vl::cli
