#include "cli_card_file.hpp"

#include <array>
#include <iostream>

#include "common/cp1252.hpp"
#include "common/file_names.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_names.hpp"
#include "storage/card_file_store.hpp"

namespace vl::cli {

std::optional<int> ExistingCardFile(CliContext& ctx, const std::string& text, const ProgramHome& home) {
  auto number = ParseCardFileNumber(text);
  if (!number || *number < 1) {
    std::cerr << "Ungültige Kartei-Nummer: " << text << '\n';
    ctx.exitCode = 2;
    return std::nullopt;
  }
  if (*number > kMaxCardFileNumber) {
    ctx.prompter.ShowError(Msg(8017));
    ctx.exitCode = 1;
    return std::nullopt;
  }
  if (!FileExistsNoCase(home.DataDir(), HeaderFileName(*number))) {
    ctx.prompter.ShowError(Msg(8015, (home.DataDir() / HeaderFileName(*number)).string()));
    ctx.exitCode = 1;
    return std::nullopt;
  }
  if (RefuseOlderFormat(StoreContext{home.DataDir(), ctx.prompter, ctx.clock}, *number)) {
    ctx.exitCode = 1;
    return std::nullopt;
  }
  return number;
}

std::unique_ptr<CardFile> OpenForCli(CliContext& ctx, const std::string& text, const ProgramHome& home,
                                     const Clock& clock) {
  auto number = ExistingCardFile(ctx, text, home);
  if (!number) return nullptr;
  auto card = std::make_unique<CardFile>(ctx.prompter);
  StoreContext store{home.DataDir(), ctx.prompter, clock};
  if (!OpenCardFile(store, *card, *number)) {
    ctx.exitCode = 1;
    return nullptr;
  }
  return card;
}

std::optional<int> ParseCertificateKind(const std::string& text) {
  static constexpr std::array<const char*, kKindCount> kNames = {"birth",   "marriage", "death",
                                                                 "baptism", "wedding",  "burial"};
  if (text.size() == 1 && text[0] >= '0' && text[0] <= '5') return text[0] - '0';
  for (int kind = 0; kind < kKindCount; ++kind) {
    if (EqualsNoCase(text, kNames[static_cast<size_t>(kind)])) return kind;
  }
  return std::nullopt;
}

}  // namespace vl::cli
