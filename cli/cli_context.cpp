#include "cli_context.hpp"

#include <charconv>
#include <iostream>

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
