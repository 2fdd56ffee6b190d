// list, new, info, persons and save of vorlinde-cli against the README's description.
#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <vector>

#include "cli_fixture.hpp"
#include "person_records.hpp"

namespace vl::test {
namespace {

using nlohmann::json;

std::set<std::string> KeysOf(const json& object) {
  std::set<std::string> keys;
  for (const auto& [key, value] : object.items()) keys.insert(key);
  return keys;
}

const std::set<std::string> kPersonKeys = {
    "number",           "rank",     "name",   "surname_length", "sex",     "number_text", "photo", "profession",
    "profession_place", "notes",    "titles", "birth",          "baptism", "death",       "slots", "father",
    "mother",           "children", "unions", "documents"};
const std::set<std::string> kEventKeys = {"calendar", "day", "month", "year", "hour", "minute", "place"};
const std::set<std::string> kChildKeys = {"person", "union"};
const std::set<std::string> kUnionKeys = {"spouse", "calendar", "day",   "month", "year",
                                          "hour",   "minute",   "place", "slot",  "kind"};
const std::set<std::string> kDocumentKeys = {"description", "file"};

class StorageCommands : public CliTest {
 protected:
  void CreateFamily() const {
    ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Ahnen Müller"));
    ASSERT_NO_FATAL_FAILURE(WritePersons("001", FamilyFileBytes(), 3));
  }
};

TEST_F(StorageCommands, ListShowsNumberVersionAndTitleOfEveryCardFile) {
  CliRun empty = Run({"list"});
  EXPECT_EQ(empty.status, 0);
  EXPECT_EQ(empty.out, "");

  ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Ahnen Müller"));
  ASSERT_NO_FATAL_FAILURE(CreateCardFile("002", "Zweite Kartei"));
  // An older format is listed too, with its own version.
  ASSERT_NO_FATAL_FAILURE(PutU16In("DOSSIER.002", 0, 140));

  CliRun listed = Run({"list"});
  EXPECT_EQ(listed.status, 0) << listed.err;
  EXPECT_EQ(listed.out, "001\t150\tAhnen Müller\n002\t140\tZweite Kartei\n");
}

TEST_F(StorageCommands, NewCreatesTheWholeFileSetUnderTheLowestFreeNumber) {
  ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Erste"));
  for (const char* stem : {"DOSSIER", "FICHES", "NAISS", "MARIAGES", "DECES", "BAPTEMES", "BENEDICT", "SEPULTUR",
                           "COMMUNES", "PROFESSI"}) {
    EXPECT_TRUE(std::filesystem::exists(DataDir() / (std::string(stem) + ".001"))) << stem;
  }
  EXPECT_FALSE(std::filesystem::exists(DataDir() / "FICHESS.001"));
  EXPECT_EQ(ReadData("DOSSIER.001").size(), 456u);
  EXPECT_EQ(ReadData("FICHES.001"), (std::vector<uint8_t>{0, 0, 0, 0}));

  // With 001 and 003 taken, 002 is the next one.
  std::filesystem::copy_file(DataDir() / "DOSSIER.001", DataDir() / "DOSSIER.003");
  ASSERT_NO_FATAL_FAILURE(CreateCardFile("002", "Zweite"));
}

TEST_F(StorageCommands, NewRefusesMissingTitleOrName) {
  struct Case {
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  const std::vector<Case> cases = {
      {{"new", "--title", "", "--name", "Weber"}, 1, "Geben Sie bitte den Titel dieser Kartei ein!\n"},
      {{"new", "--title", "T", "--name", ""}, 1, "Geben Sie bitte Ihren Namen ein!\n"},
      {{"new", "--title", "T"}, 2, ""},
      {{"new", "--name", "Weber"}, 2, ""},
  };
  for (const Case& c : cases) {
    CliRun run = Run(c.args);
    EXPECT_EQ(run.status, c.status) << c.args.size() << ": " << run.err;
    EXPECT_EQ(run.out, "");
    if (!c.err.empty()) {
      EXPECT_EQ(run.err, c.err);
    }
  }
  EXPECT_FALSE(std::filesystem::exists(DataDir() / "DOSSIER.001"));
}

TEST_F(StorageCommands, InfoShowsTheHeaderWithTheStampsOfTheFixedClock) {
  ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Ahnen Müller", "06.12.2026 20:15"));
  CliRun saved = Run({"--now", "31.01.1999 07:05", "save", "1"});
  ASSERT_EQ(saved.status, 0) << saved.err;

  CliRun info = Run({"info", "001", "--json"});
  ASSERT_EQ(info.status, 0) << info.err;
  const json expected = json::parse(R"({
    "version": 150, "title": "Ahnen Müller", "name": "Weber", "first_name": "", "town": "", "address": "",
    "created": {"day": 6, "month": 12, "year": 126, "hour": 20, "minute": 15},
    "saved": {"day": 31, "month": 1, "year": 99, "hour": 7, "minute": 5},
    "photo": "", "person_count": 0, "certificate_counts": [0, 0, 0, 0, 0, 0],
    "axis_first": 0, "axis_last": 0, "zoom": 1, "notes": ""})");
  EXPECT_EQ(json::parse(info.out), expected) << info.out;

  CliRun plain = Run({"info", "1"});
  EXPECT_EQ(plain.status, 0);
  EXPECT_NE(plain.out.find("Titel:\tAhnen Müller\n"), std::string::npos) << plain.out;
  EXPECT_NE(plain.out.find("Personen:\t0\n"), std::string::npos) << plain.out;
}

TEST_F(StorageCommands, InfoJsonCountsPersonsAndCertificatesAndShowsNotes) {
  ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Kartei"));
  // The header's own fields, written at their documented offsets.
  ASSERT_NO_FATAL_FAILURE(PutU16In("DOSSIER.001", 432, 3));
  for (size_t kind = 0; kind < 6; ++kind) {
    ASSERT_NO_FATAL_FAILURE(PutU16In("DOSSIER.001", 434 + 2 * kind, static_cast<uint16_t>(10 + kind)));
  }
  ASSERT_NO_FATAL_FAILURE(PutU16In("DOSSIER.001", 448, 1790));
  ASSERT_NO_FATAL_FAILURE(PutU16In("DOSSIER.001", 450, 1890));
  ASSERT_NO_FATAL_FAILURE(PutU16In("DOSSIER.001", 452, 7));
  ASSERT_NO_FATAL_FAILURE(PutU16In("DOSSIER.001", 454, 5));
  std::vector<uint8_t> header = ReadData("DOSSIER.001");
  for (char c : std::string("Notiz")) header.push_back(static_cast<uint8_t>(c));
  WriteData("DOSSIER.001", header);

  CliRun info = Run({"info", "1", "--json"});
  ASSERT_EQ(info.status, 0) << info.err;
  const json got = json::parse(info.out);
  EXPECT_EQ(got.at("person_count"), 3);
  EXPECT_EQ(got.at("certificate_counts"), json::parse("[10, 11, 12, 13, 14, 15]"));
  EXPECT_EQ(got.at("axis_first"), 1790);
  EXPECT_EQ(got.at("axis_last"), 1890);
  EXPECT_EQ(got.at("zoom"), 7);
  EXPECT_EQ(got.at("notes"), "Notiz");
}

TEST_F(StorageCommands, PersonsPrintsEveryCardInIndexOrder) {
  ASSERT_NO_FATAL_FAILURE(CreateFamily());
  CliRun plain = Run({"persons", "1"});
  ASSERT_EQ(plain.status, 0) << plain.err;
  EXPECT_EQ(plain.err, "");
  EXPECT_EQ(plain.out, kFamilyLines);
}

TEST_F(StorageCommands, PersonsJsonHasExactlyTheDocumentedFields) {
  ASSERT_NO_FATAL_FAILURE(CreateFamily());
  CliRun run = Run({"persons", "001", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json all = json::parse(run.out);
  ASSERT_TRUE(all.is_array());
  ASSERT_EQ(all.size(), 3u);

  for (const json& person : all) {
    EXPECT_EQ(KeysOf(person), kPersonKeys) << person.dump();
    for (const char* event : {"birth", "baptism", "death"}) EXPECT_EQ(KeysOf(person.at(event)), kEventKeys) << event;
    EXPECT_EQ(person.at("titles").size(), 5u);
    EXPECT_EQ(person.at("slots").size(), 6u);
    for (const json& child : person.at("children")) EXPECT_EQ(KeysOf(child), kChildKeys);
    for (const json& u : person.at("unions")) EXPECT_EQ(KeysOf(u), kUnionKeys);
    for (const json& document : person.at("documents")) EXPECT_EQ(KeysOf(document), kDocumentKeys);
  }

  const json father = json::parse(R"({
    "number": 7, "rank": 2, "name": "Weber Johann", "surname_length": 5, "sex": "H",
    "number_text": "A-1", "photo": "JOHANN.BMP", "profession": "Müller", "profession_place": "Ulm",
    "notes": "Erste Zeile", "titles": ["Dr.", "", "", "", "Graf"],
    "birth": {"calendar": 0, "day": 2, "month": 3, "year": 1850, "hour": 6, "minute": 30, "place": "Ulm"},
    "baptism": {"calendar": 0, "day": 4, "month": 3, "year": 1850, "hour": 0, "minute": 0, "place": "Söflingen"},
    "death": {"calendar": 0, "day": 0, "month": 0, "year": 0, "hour": 0, "minute": 0, "place": ""},
    "slots": [5, 65535, 65535, 65535, 65535, 65535],
    "father": 0, "mother": 0,
    "children": [{"person": 12, "union": 1}],
    "unions": [{"spouse": 9, "calendar": 0, "day": 1, "month": 5, "year": 1875, "hour": 0, "minute": 0,
                "place": "Ulm", "slot": 3, "kind": 1}],
    "documents": [{"description": "Brief", "file": "BRIEF.TXT"}]})");
  EXPECT_EQ(all[0], father) << all[0].dump(2);

  EXPECT_EQ(all[1].at("number"), 9);
  EXPECT_EQ(all[1].at("rank"), 1);
  EXPECT_EQ(all[1].at("sex"), "F");
  EXPECT_EQ(all[1].at("unions").at(0).at("spouse"), 7);
  EXPECT_EQ(all[2].at("number"), 12);
  EXPECT_EQ(all[2].at("rank"), 3);
  EXPECT_EQ(all[2].at("sex"), " ");
  EXPECT_EQ(all[2].at("father"), 7);
  EXPECT_EQ(all[2].at("mother"), 9);
  EXPECT_EQ(all[2].at("children"), json::array());
}

TEST_F(StorageCommands, SaveRewritesThePersonCardsAndKeepsThePreviousOnesAsBackup) {
  ASSERT_NO_FATAL_FAILURE(CreateFamily());
  const std::vector<uint8_t> handmade = ReadData("FICHES.001");
  const std::string before = Run({"persons", "1", "--json"}).out;

  CliRun first = Run({"--now", "07.12.2026 08:05", "save", "001"});
  ASSERT_EQ(first.status, 0) << first.err;
  EXPECT_EQ(first.out, "");
  EXPECT_EQ(ReadData("FICHESS.001"), handmade);
  // Last saved (offset 252): day, month, year since 1900, hour, minute.
  EXPECT_EQ(U16In("DOSSIER.001", 252), 7);
  EXPECT_EQ(U16In("DOSSIER.001", 254), 12);
  EXPECT_EQ(U16In("DOSSIER.001", 256), 126);
  EXPECT_EQ(U16In("DOSSIER.001", 258), 8);
  EXPECT_EQ(U16In("DOSSIER.001", 260), 5);
  // Created (offset 242) stays.
  EXPECT_EQ(U16In("DOSSIER.001", 242), 6);
  EXPECT_EQ(U16In("DOSSIER.001", 248), 20);
  EXPECT_EQ(U16In("DOSSIER.001", 432), 3);
  EXPECT_EQ(Run({"persons", "1", "--json"}).out, before);

  const std::vector<uint8_t> firstSave = ReadData("FICHES.001");
  ASSERT_EQ(Run({"save", "1"}).status, 0);
  EXPECT_EQ(ReadData("FICHESS.001"), firstSave);
  for (const char* stem : {"DOSSIER", "FICHES", "FICHESS", "NAISS", "MARIAGES", "DECES", "BAPTEMES", "BENEDICT",
                           "SEPULTUR", "COMMUNES", "PROFESSI"}) {
    EXPECT_TRUE(std::filesystem::exists(DataDir() / (std::string(stem) + ".001"))) << stem;
  }
}

TEST_F(StorageCommands, VerifyPrintsEveryFindingAsLineOrJson) {
  ASSERT_NO_FATAL_FAILURE(CreateFamily());
  CliRun plain = Run({"verify", "1"});
  EXPECT_EQ(plain.status, 0) << plain.err;
  EXPECT_NE(plain.out.find("12\t8152\tWeber Anna Maria kann nicht vor seinem/ihrem Vater Weber Johann geboren sein!\n"),
            std::string::npos)
      << plain.out;

  CliRun run = Run({"verify", "1", "--json"});
  ASSERT_EQ(run.status, 0) << run.err;
  const json findings = json::parse(run.out);
  ASSERT_TRUE(findings.is_array());
  ASSERT_FALSE(findings.empty());
  bool found = false;
  for (const json& finding : findings) {
    EXPECT_EQ(KeysOf(finding), (std::set<std::string>{"person", "message", "text"}));
    found = found || (finding.at("person") == 12 && finding.at("message") == 8152);
  }
  EXPECT_TRUE(found) << run.out;
}

// Damage while loading: the cards that could be read stay loaded, the command does its work,
// the messages are on standard error and the status is 0.
TEST_F(StorageCommands, DamagedPersonFileLoadsPartlyAndTheCommandsSucceed) {
  const std::vector<PersonRecord> family = FamilyRecords();
  std::vector<uint8_t> stray = PersonRecordBytes(family[0]);
  stray.push_back(0x55);  // two stray bytes before the second record's marker
  stray.push_back(0x66);
  for (size_t i = 1; i < family.size(); ++i) {
    auto record = PersonRecordBytes(family[i]);
    stray.insert(stray.end(), record.begin(), record.end());
  }
  struct Damage {
    const char* what;
    std::vector<uint8_t> bytes;
    uint16_t count;
    std::string message;
  };
  const std::vector<Damage> damages = {
      {"stray bytes", stray, 3, "Die Karteikarte Nr. 2 ist beschädigt!\n"},
      {"count too high", FamilyFileBytes(), 4, "Die Datei ist beschädigt!\n"},
  };
  for (const Damage& damage : damages) {
    SCOPED_TRACE(damage.what);
    std::filesystem::remove_all(DataDir());
    ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Kartei"));
    ASSERT_NO_FATAL_FAILURE(WritePersons("001", damage.bytes, damage.count));

    CliRun persons = Run({"persons", "1"});
    EXPECT_EQ(persons.status, 0);
    EXPECT_EQ(persons.err, damage.message);
    EXPECT_EQ(persons.out, kFamilyLines);

    CliRun verify = Run({"verify", "1"});
    EXPECT_EQ(verify.status, 0);
    EXPECT_EQ(verify.err, damage.message);

    CliRun save = Run({"save", "1"});
    EXPECT_EQ(save.status, 0);
    EXPECT_EQ(save.err, damage.message);
    // The saved card file is sound again and keeps the cards.
    CliRun reloaded = Run({"persons", "1"});
    EXPECT_EQ(reloaded.status, 0);
    EXPECT_EQ(reloaded.err, "");
    EXPECT_EQ(reloaded.out, kFamilyLines);
    EXPECT_EQ(U16In("DOSSIER.001", 432), 3);
  }
}

TEST_F(StorageCommands, HeaderTooShortToLoadFails) {
  ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Kartei"));
  WriteData("DOSSIER.001", std::vector<uint8_t>(100, 0));
  for (const char* command : {"persons", "verify", "save"}) {
    CliRun run = Run({command, "1"});
    EXPECT_EQ(run.status, 1) << command;
    EXPECT_EQ(run.out, "") << command;
    EXPECT_NE(run.err.find("Die Datei ist beschädigt!"), std::string::npos) << command << run.err;
  }
}

}  // namespace
}  // namespace vl::test
