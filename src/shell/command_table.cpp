#include "shell/command_table.hpp"

#include <algorithm>
#include <array>

#include "shell/command_ids.hpp"

namespace vl {
namespace {

using enum CommandOwner;

// The commands carried by the child window table (opening certificates and person cards, the
// choice dialog, deletions, browsing and the keys forwarded to the active child) are the ones
// marked ChildWindows; they stay disabled until a ChildWindowHost is attached to the frame.
constexpr std::array kCommands = std::to_array<CommandInfo>({
    {cmd::kChildCommand120, nullptr, "F9", 0, ChildWindows},
    {cmd::kChildCommand121, nullptr, "F10", 0, ChildWindows},
    {cmd::kChildCommand145, nullptr, "F11", 0, ChildWindows},
    {cmd::kChildCommand146, nullptr, "F12", 0, ChildWindows},
    {1400, "&Neu...", "F2", 1400, Frame},
    {1401, "Ö&ffnen...", "F3", 1401, Frame},
    {1402, "&Speichern", nullptr, 1402, Frame},
    {1403, "S&chließen", nullptr, 1403, Frame},
    {1404, "Drucker &einrichten...", nullptr, 1404, Frame},
    {1405, "&Drucken...", nullptr, 1405, Later},
    {1406, "&Beenden", nullptr, 1406, Frame},
    {1407, "&Geburt...", nullptr, 1407, ChildWindows},
    {1408, "&Standesamtliche Heirat...", nullptr, 1408, ChildWindows},
    {1409, "&Tod...", nullptr, 1409, ChildWindows},
    {1410, "T&aufe...", nullptr, 1410, ChildWindows},
    {1411, "&Kirchliche Trauung...", nullptr, 1411, ChildWindows},
    {1412, "B&egräbnis...", nullptr, 1412, ChildWindows},
    {1413, "&Geburt...", nullptr, 1413, ChildWindows},
    {1414, "&Standesamtliche Heirat...", nullptr, 1414, ChildWindows},
    {1415, "&Tod...", nullptr, 1415, ChildWindows},
    {1416, "T&aufe...", nullptr, 1416, ChildWindows},
    {1417, "&Kirchliche Trauung...", nullptr, 1417, ChildWindows},
    {1418, "B&egräbnis...", nullptr, 1418, ChildWindows},
    {1419, "&Geburt...", nullptr, 1419, ChildWindows},
    {1420, "&Standesamtliche Heirat...", nullptr, 1420, ChildWindows},
    {1421, "&Tod...", nullptr, 1421, ChildWindows},
    {1422, "T&aufe...", nullptr, 1422, ChildWindows},
    {1423, "&Kirchliche Trauung...", nullptr, 1423, ChildWindows},
    {1424, "B&egräbnis...", nullptr, 1424, ChildWindows},
    {1425, "Nachfahren-Lis&te...", nullptr, 1425, Later},
    {1426, "&Nachfahren-Stammtafel...", nullptr, 1426, Later},
    {1427, "&Anzahl der Generationen...", nullptr, 1427, Later},
    {1428, "Nachfahren-Kreis&diagramm...", nullptr, 1428, Later},
    {1430, "&Vorfahren-Stammtafel...", nullptr, 1430, Later},
    {1431, "Vorfahren-&Kreisdiagramm...", nullptr, 1431, Later},
    {1432, "Kombinierte &Stammtafel...", nullptr, 1432, Later},
    {1433, "&Personendaten...", nullptr, 1433, Later},
    {1434, "&Karteidaten...", nullptr, 1434, Later},
    {1435, "&Hilfe zum aktiven Fenster", "F1", 1435, Frame},
    {1436, "&Inhalt", nullptr, 1436, Frame},
    {1437, "Inf&o über...", nullptr, 1437, Frame},
    {1438, "&Nebeneinander", nullptr, 1438, Frame},
    {1439, "Ü&berlappend", nullptr, 1439, Frame},
    {1440, "&Symbole anordnen", nullptr, 1440, Frame},
    {1441, "&Alle schließen", nullptr, 1441, Frame},
    {1443, "&Personen...", nullptr, 1443, Later},
    {1444, "Mögliche &Eltern...", nullptr, 1444, Later},
    {1445, "&Lebende Personen...", nullptr, 1445, Later},
    {1446, "&Neu...", nullptr, 1446, ChildWindows},
    {1447, "Ö&ffnen...", nullptr, 1447, ChildWindows},
    {1448, "&Löschen...", nullptr, 1448, ChildWindows},
    {1449, "&Stammdatenkarte...", nullptr, 1449, ChildWindows},
    {1450, "&Republikanischer Kalender...", nullptr, 1450, Frame},
    {1451, "&Immerwährender Kalender (nach Moret)...", nullptr, 1451, Frame},
    {1452, "Kartei &exportieren...", "F5", 1452, Later},
    {1453, "Kartei &importieren...", "F6", 1453, Later},
    {1454, "GEDCOM-&Datei importieren...", "F7", 1454, Later},
    {1455, "&Kartei in GEDCOM-Format exportieren...", "F8", 1455, Later},
    {1456, "Person in allen Karteien &suchen...", "F4", 1456, Later},
    {1457, "&Automatisches Speichern...", nullptr, 1457, Frame},
    {1458, "Vorfahren-&Liste...", nullptr, 1458, Later},
    {1459, "&Kartei umbenennen...", nullptr, 1459, Later},
    {1460, "Kartei &löschen...", nullptr, 1460, Later},
    {1461, "Karteien &zusammenführen...", nullptr, 1461, Later},
    {1462, "Kartei älterer &Versionen importieren...", nullptr, 1462, Later},
    {cmd::kToolbarNotes, "Arbeits&notizen...", nullptr, 12, Frame},
    {cmd::kToolNext, nullptr, nullptr, 19, ChildWindows},
    {cmd::kToolPastLast, nullptr, nullptr, 20, ChildWindows},
    {cmd::kToolPrevious, nullptr, nullptr, 21, ChildWindows},
    {cmd::kToolFirst, nullptr, nullptr, 22, ChildWindows},
    {cmd::kToolChooseByName, nullptr, nullptr, 23, ChildWindows},
    {cmd::kChildButtonFirst, nullptr, nullptr, 0, ChildWindows},
    {cmd::kChildButtonFirst + 1, nullptr, nullptr, 0, ChildWindows},
    {cmd::kChildButtonFirst + 2, nullptr, nullptr, 0, ChildWindows},
    {cmd::kChildButtonFirst + 3, nullptr, nullptr, 0, ChildWindows},
});

constexpr bool IsAscending() {
  for (size_t i = 1; i < kCommands.size(); ++i) {
    if (kCommands[i - 1].id >= kCommands[i].id) return false;
  }
  return true;
}
static_assert(IsAscending(), "command ids must be ascending for the lookup");

}  // namespace

std::span<const CommandInfo> Commands() { return kCommands; }

const CommandInfo* FindCommand(int id) {
  auto it = std::lower_bound(kCommands.begin(), kCommands.end(), id,
                             [](const CommandInfo& c, int wanted) { return c.id < wanted; });
  return it != kCommands.end() && it->id == id ? &*it : nullptr;
}

bool NeedsStartScreen(int id) {
  return id == cmd::kNewCardFile || id == cmd::kOpenCardFile || (id >= cmd::kExportCardFile && id <= cmd::kSearchAllCardFiles) ||
         (id >= cmd::kRenameCardFile && id <= cmd::kImportOlderVersion);
}

bool NeedsOpenCardFile(int id) {
  switch (id) {
    case cmd::kPrinterSetup:
    case cmd::kExit:
    case cmd::kContextHelp:
    case cmd::kHelpContents:
    case cmd::kAbout:
    case cmd::kRepublicanCalendar:
    case cmd::kPerpetualCalendar:
      return false;
    default:
      return FindCommand(id) != nullptr && !NeedsStartScreen(id);
  }
}

}  // namespace vl
