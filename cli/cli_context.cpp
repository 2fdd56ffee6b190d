#include "cli_context.hpp"

#include <charconv>
#include <iostream>

namespace vl::cli {

void TerminalPrompter::ShowError(const Message& message) { std::cerr << message.text << '\n'; }
void TerminalPrompter::ShowInformation(const Message& message) { std::cerr << message.text << '\n'; }

bool TerminalPrompter::AskYesNo(const Message& message) {
  std::cerr << message.text << (yes_ ? " -> ja" : " -> nein") << '\n';
  return yes_;
}

bool TerminalPrompter::AskContinue(const Message& message) {
  std::cerr << ContinueBoxText(message) << (yes_ ? " -> OK" : " -> Abbrechen") << '\n';
  return yes_;
}

ProgramHome CliContext::Home() const {
  std::optional<std::filesystem::path> option;
  if (!homeOption.empty()) option = homeOption;
  ProgramHome home(ResolveHome(HomeSourcesOfProcess(option)));
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
