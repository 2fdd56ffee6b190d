#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "common/cp1252.hpp"
#include "common/messages.hpp"
#include "resources/message_table.hpp"

namespace vl {
namespace {

bool InAllowedRange(int id) {
  return (id >= 8000 && id <= 8449) || (id >= 1 && id <= 34) || (id >= 1400 && id <= 1462);
}

TEST(MessageTable, EntriesAscendingUniqueAndInRange) {
  const auto entries = MessageEntries();
  ASSERT_FALSE(entries.empty());
  for (std::size_t i = 0; i < entries.size(); ++i) {
    SCOPED_TRACE(entries[i].id);
    EXPECT_TRUE(InAllowedRange(entries[i].id));
    EXPECT_FALSE(entries[i].text.empty());
    if (i > 0) {
      EXPECT_LT(entries[i - 1].id, entries[i].id);
    }
  }
}

TEST(MessageTable, EveryEntryIsFoundByItsId) {
  for (const auto& entry : MessageEntries()) {
    EXPECT_EQ(MessageText(entry.id), entry.text) << entry.id;
  }
}

// The texts end up in Windows-1252 files and dialogs, so they must survive the round trip.
TEST(MessageTable, TextsAreValidUtf8InWindows1252) {
  for (const auto& entry : MessageEntries()) {
    EXPECT_EQ(Cp1252ToUtf8(Utf8ToCp1252(entry.text)), entry.text) << entry.id;
  }
}

TEST(MessageTable, PlaceholdersAreWellFormed) {
  const std::regex placeholder("%(0?[0-9])?(s|d|i|ld)");
  for (const auto& entry : MessageEntries()) {
    const std::string text(entry.text);
    const std::string rest = std::regex_replace(text, placeholder, "");
    EXPECT_EQ(rest.find('%'), std::string::npos) << entry.id << ": " << text;
  }
}

TEST(MessageTable, KnownTexts) {
  const std::pair<int, const char*> rows[] = {
      {8000, "Vorlinde"},
      {8001, "Bitte bestätigen!"},
      {8002, "Fehler"},
      {8003, "Information"},
      {8030, "Sein/Ihr Vater "},
      {8037, " , aber vor "},
      {8106, "Alle Urkunden, die mit dieser Personenkarteikarte verbunden sind, werden mitgelöscht! \n"
             "Möchten Sie trotzdem löschen?"},
      {8276, "März"},
      {8289, "Nivôse"},
      {8407, "Die Karteikarte Nr. %d ist beschädigt!"},
      {8432, "  (Notizen & Objekte)"},
      {8448, "Konvertierung der"},
  };
  for (const auto& [id, text] : rows) EXPECT_EQ(MessageText(id), text) << id;
}

TEST(MessageTable, UnknownIdsGiveEmptyText) {
  for (int id : {0, -1, 35, 1399, 1463, 7999, 8018, 8378, 8449, 8450, 99999}) {
    EXPECT_TRUE(MessageText(id).empty()) << id;
  }
}

TEST(MessageTable, MsgFormatsPlaceholders) {
  EXPECT_EQ(Msg(8010, "NAISS.001", 10000),
            (Message{8010, "Die Urkundendatei von NAISS.001 ist voll! (Maximum: 10000)"}));
  EXPECT_EQ(Msg(8407, 3).text, "Die Karteikarte Nr. 3 ist beschädigt!");
  EXPECT_EQ(Msg(8445, 5, 3, 96, 9, 7).text, "05.03.96 um 09:07");
  EXPECT_EQ(Msg(8002).text, "Fehler");
  EXPECT_EQ(Msg(8018).text, "");
}

TEST(MessageTable, MsgWithWrongArgumentsKeepsTheUnformattedText) {
  EXPECT_EQ(Msg(8407, "drei").text, "Die Karteikarte Nr. %d ist beschädigt!");
  EXPECT_EQ(Msg(8010, "NAISS.001").text, "Die Urkundendatei von %s ist voll! (Maximum: %i)");
}

}  // namespace
}  // namespace vl
