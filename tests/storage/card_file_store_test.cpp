#include <gtest/gtest.h>

#include <functional>

#include "common/file_io.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_names.hpp"
#include "storage/family_link_repair.hpp"
#include "storage_test_support.hpp"

namespace vl {
namespace {

using test::Bytes;

class CardFileStoreTest : public ::testing::Test, public test::StorageFixture {
 protected:
  std::unique_ptr<CardFile> CreateNamed(int number, const std::string& title = "Familie M\xFCller") {
    auto card = NewCardFile();
    card->number = number;
    card->header.SetTitle(title);
    card->header.SetOwnerName("M\xFCller");
    card->header.SetOwnerFirstName("Hans");
    card->header.SetTown("Trier");
    card->header.SetAddress("Hauptstr. 1");
    EXPECT_EQ(CreateCardFile(Context(), *card), 1);
    return card;
  }
};

TEST_F(CardFileStoreTest, NumbersAreThreeDigitExtensions) {
  EXPECT_EQ(HeaderFileName(7), "DOSSIER.007");
  EXPECT_EQ(PersonFileName(42), "FICHES.042");
  EXPECT_EQ(SlotFileName(kBurial, 999), "SEPULTUR.999");
  EXPECT_EQ(PersonBackupFileName(3), "FICHESS.003");
  EXPECT_EQ(NumberOfHeaderFileName("dossier.012"), 12);
  EXPECT_FALSE(NumberOfHeaderFileName("DOSSIER.12").has_value());
  EXPECT_FALSE(NumberOfHeaderFileName("DOSSIER.01a").has_value());
}

TEST_F(CardFileStoreTest, NewNumberIsTheLowestFreeOneWhateverTheCase) {
  WriteBytes("DOSSIER.001", {});
  WriteBytes("DOSSIER.003", {});
  EXPECT_EQ(ChooseNewCardFileNumber(Context()), 2);
  WriteBytes("dossier.002", {});
  EXPECT_EQ(ChooseNewCardFileNumber(Context()), 4);
  EXPECT_TRUE(prompter.Empty());
}

TEST_F(CardFileStoreTest, AllNumbersTakenShows8005) {
  for (int n = 1; n <= 999; ++n) WriteBytes(HeaderFileName(n), {});
  EXPECT_EQ(ChooseNewCardFileNumber(Context()), -1);
  EXPECT_EQ(prompter.Ids(), std::vector<int>{8005});
  EXPECT_EQ(prompter.shown[0].text, "Neue Datei kann nicht geöffnet werden!");
}

TEST_F(CardFileStoreTest, NumberOf1000IsRefused) {
  auto card = NewCardFile();
  card->number = 1000;
  EXPECT_EQ(SaveHeaderAndPersons(Context(), *card), -1);
  EXPECT_EQ(LoadHeaderAndPersons(Context(), *card, 1000), -1);
  EXPECT_EQ(prompter.Ids(), (std::vector<int>{8017, 8017}));
  EXPECT_EQ(prompter.shown[0].text, "Die Nummer der Datei ist ungültig!");
}

TEST_F(CardFileStoreTest, CreationWritesTheWholeEmptyFileSetWithProgress) {
  auto card = NewCardFile();
  card->number = 5;
  card->header.SetTitle("T");
  card->header.SetOwnerName("N");
  ASSERT_EQ(CreateCardFile(Context(true), *card), 1);
  EXPECT_TRUE(prompter.Empty());
  for (const char* name : {"DOSSIER.005", "NAISS.005", "MARIAGES.005", "DECES.005", "BAPTEMES.005", "BENEDICT.005",
                           "SEPULTUR.005", "FICHES.005", "COMMUNES.005", "PROFESSI.005"}) {
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / name)) << name;
  }
  EXPECT_EQ(FileBytes("DOSSIER.005").size(), 456u);
  EXPECT_EQ(FileBytes("FICHES.005"), (std::vector<uint8_t>{0, 0, 0, 0}));
  EXPECT_EQ(FileBytes("NAISS.005").size(), 50268u);
  EXPECT_EQ(FileBytes("COMMUNES.005").size(), 266u);
  EXPECT_EQ(progress.percents, (std::vector<int>{101, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
  EXPECT_EQ(progress.lines[0], "Einen Moment bitte...");
  EXPECT_EQ(progress.lines[1], "Liste erstellen für:");
  EXPECT_EQ(progress.lines[2], "Berufe.");
  std::vector<std::string> expectedKindLines = {"Geburtsurkunden", "Heiratsurkunden", "Sterbeurkunden",
                                                "Taufurkunden",    "Trauurkunden",    "Begräbnisurkunden"};
  for (const auto& line : expectedKindLines) {
    EXPECT_NE(std::find(progress.lineHistory.begin(), progress.lineHistory.end(), line), progress.lineHistory.end())
        << line;
  }
}

TEST_F(CardFileStoreTest, HeaderBytesLieAtTheirOffsets) {
  auto card = CreateNamed(1);
  card->notes = "Notiz";
  card->header.SetCertificateCount(kDeath, 3);
  card->header.SetAxis(1700, 1900);
  clock.Set(TimeStamp{7, 12, 126, 9, 30});
  ASSERT_EQ(SaveHeaderAndPersons(Context(), *card), 1);

  Bytes expected;
  expected.u16(150);
  auto field = [&expected](const std::string& text, size_t size) {
    expected.raw(text).fill(size - text.size(), 0);
  };
  field("Familie M\xFCller", 80);
  field("M\xFCller", 30);
  field("Hans", 20);
  field("Trier", 30);
  field("Hauptstr. 1", 80);
  expected.u16(6).u16(12).u16(126).u16(20).u16(15);  // created
  expected.u16(7).u16(12).u16(126).u16(9).u16(30);   // saved
  field("", 16);
  // default box styles: unknown sex and men alike, women rounded in red on light yellow
  for (int style = 0; style < 3; ++style) {
    uint32_t text = style == 2 ? 0x0000FF : 0xFF0000;
    uint32_t fill = style == 2 ? 0x0080FFFF : 0xC0C0C0;
    for (int half = 0; half < 2; ++half) {
      for (uint32_t colour : {text, 0x000000u, fill, 0x808080u, 0x000000u}) {
        expected.u16(colour & 0xFFFF).u16(colour >> 16);
      }
    }
    expected.u8(style == 2 ? 1 : 0).fill(5, 0);
  }
  for (uint32_t colour : {0x800000u, 0x0000FFu, 0x008000u, 0x00FFFFu}) expected.u16(colour & 0xFFFF).u16(colour >> 16);
  expected.u16(0);                                        // persons
  expected.u16(0).u16(0).u16(3).u16(0).u16(0).u16(0);     // counters
  expected.u16(0).u16(1700).u16(1900).u16(1).u16(5);      // reserved, axis, zoom, notes length
  expected.raw("Notiz");
  ASSERT_EQ(expected.data.size(), 456u + 5u);
  EXPECT_EQ(FileBytes("DOSSIER.001"), expected.data);
}

TEST_F(CardFileStoreTest, PersonRecordBytesLieInTheirOrder) {
  auto card = CreateNamed(1);
  PersonIndex& index = card->persons;
  PersonCard* placeholder = index.Create("Platzhalter", 11);
  PersonCard* father = index.Create("Meier Johann", 5);
  PersonCard* child = index.Create("Meier Anna Maria", 5);
  index.Delete(placeholder);  // father: number 2, rank 1; child: number 3, rank 2
  index.SetSex(*father, 'H');
  child->father = father;
  father->children.push_back({child, 0});
  father->unions.push_back({nullptr, DateTimeValue{0, 3, 4, 1850, 10, 0}, "Trier", 7, 1});
  index.SetNotes(*father, std::string(900, 'n'));
  father->titles = TitleGroups({"Dr.", std::string(100, 't'), "", "", ""});
  index.SetDate(*father, DateTimeValue{0, 1, 2, 1820, -1, -1}, "Bonn", kBirth);
  index.SetCertificateSlot(*father, 4, kBirth);
  index.AddDocument(*father, "Brief", "BRIEF.TXT");
  ASSERT_EQ(SaveHeaderAndPersons(Context(), *card), 1);

  auto box = InitialBoxStyle(kStyleMale);
  Bytes expected;
  expected.fill(4, 0x01).text("Meier Johann").u16(5).u16(2).u16(1);
  expected.text("").text("").text("").text("");
  expected.text(std::string(800, 'n'));
  expected.u16(5 + 3 + 80).u8(3).raw("Dr.").u8(80).raw(std::string(80, 't')).u8(0).u8(0).u8(0);
  expected.u16(0).u16(1).u16(2).u16(1820).u16(0).u16(0).text("Bonn");  // birth; unknown time not taken
  expected.fill(12, 0).text("");                                                 // baptism
  expected.fill(12, 0).text("");                                                 // death
  expected.raw("H");
  expected.u16(4).u16(0xFFFF).u16(0xFFFF).u16(0xFFFF).u16(0xFFFF).u16(0xFFFF);
  expected.data.insert(expected.data.end(), box.begin(), box.end());
  expected.u16(0).u16(0);                 // father, mother
  expected.u16(1).u16(3).u16(0);          // one child: person 3, union index 0
  expected.u16(1).u16(0).u16(0).u16(3).u16(4).u16(1850).u16(10).u16(0).text("Trier").u16(7).u16(1);
  expected.u16(1).text("Brief").text("BRIEF.TXT");
  size_t firstRecordSize = expected.data.size();
  auto fiches = FileBytes("FICHES.001");
  ASSERT_GT(fiches.size(), firstRecordSize);
  std::vector<uint8_t> first(fiches.begin(), fiches.begin() + static_cast<long>(firstRecordSize));
  for (size_t i = 0; i < firstRecordSize; ++i) ASSERT_EQ(first[i], expected.data[i]) << "offset " << i;
  // the child's record names its father by number
  std::vector<uint8_t> tail(fiches.end() - 10, fiches.end());
  EXPECT_EQ(tail, (std::vector<uint8_t>{2, 0, 0, 0, 0, 0, 0, 0, 0, 0}));  // father 2, mother 0, no links
}

TEST_F(CardFileStoreTest, CardFileRoundTripsThroughSaveAndOpen) {
  auto card = CreateNamed(1);
  PersonIndex& index = card->persons;
  PersonCard* a = index.Create("A Anton", 1);
  PersonCard* b = index.Create("B Berta", 1);
  PersonCard* c = index.Create("A Carl", 1);
  index.SetSex(*a, 'H');
  index.SetSex(*b, 'F');
  c->father = a;
  c->mother = b;
  a->children.push_back({c, 1});
  b->children.push_back({c, 1});
  a->unions.push_back({b, DateTimeValue{0, 5, 6, 1870, 9, 30}, "Trier", 2, 1});
  b->unions.push_back({a, DateTimeValue{0, 5, 6, 1870, 9, 30}, "Trier", 2, 1});
  index.SetDate(*c, DateTimeValue{0, -1, 3, 1871, 14, 5}, "Bonn", kBirth);
  index.SetProfession(*a, "Weber");
  index.AddDocument(*a, "Erster", "A.TXT");
  index.AddDocument(*a, "Zweiter", "B.TXT");
  card->places.Add("Trier");
  card->professions.Add("Weber");
  card->notes = "Arbeit";
  ASSERT_TRUE(SaveCardFile(Context(), *card));
  EXPECT_FALSE(card->modified.IsSet());

  auto loaded = NewCardFile();
  ASSERT_TRUE(OpenCardFile(Context(), *loaded, 1));
  EXPECT_TRUE(prompter.Empty());
  EXPECT_FALSE(loaded->modified.IsSet());
  EXPECT_EQ(loaded->notes, "Arbeit");
  ASSERT_EQ(loaded->persons.Count(), 3u);
  PersonCard* la = loaded->persons.Find(1);
  PersonCard* lb = loaded->persons.Find(2);
  PersonCard* lc = loaded->persons.Find(3);
  EXPECT_EQ(lc->father, la);
  EXPECT_EQ(lc->mother, lb);
  ASSERT_EQ(la->unions.size(), 1u);
  EXPECT_EQ(la->unions[0].spouse, lb);
  // only the day, month and year of a union come back
  EXPECT_EQ(la->unions[0].date, (DateTimeValue{0, 5, 6, 1870, 0, 0}));
  EXPECT_EQ(la->children[0].child, lc);
  EXPECT_EQ(la->children[0].unionIndex, 1);
  EXPECT_EQ(lc->birth, (DateTimeValue{0, -1, 3, 1871, 14, 5}));
  EXPECT_EQ(lc->birthPlace, "Bonn");
  EXPECT_EQ(la->profession, "Weber");
  EXPECT_EQ(la->boxStyle, InitialBoxStyle(kStyleMale));
  EXPECT_EQ(lb->boxStyle, InitialBoxStyle(kStyleFemale));
  ASSERT_EQ(la->documents.size(), 2u);
  EXPECT_EQ(la->documents[0].file, "B.TXT");  // order kept across save and load
  EXPECT_EQ(loaded->places.Entries(), std::vector<std::string>{"Trier"});
  EXPECT_EQ(loaded->professions.Entries(), std::vector<std::string>{"Weber"});
}

TEST_F(CardFileStoreTest, PersonsWithoutNameAreNotWrittenNorCounted) {
  auto card = CreateNamed(1);
  card->persons.Create("Ohne", 4);
  PersonCard* empty = card->persons.Create("X", 1);
  empty->fullName.clear();
  ASSERT_EQ(SaveHeaderAndPersons(Context(), *card), 1);
  EXPECT_EQ(card->header.PersonCount(), 1);
  auto loaded = NewCardFile();
  ASSERT_EQ(LoadHeaderAndPersons(Context(), *loaded, 1), 1);
  EXPECT_EQ(loaded->persons.Count(), 1u);
}

TEST_F(CardFileStoreTest, EverySaveKeepsThePreviousPersonFileAsBackup) {
  auto card = CreateNamed(1);
  card->persons.Create("Erste", 5);
  ASSERT_EQ(SaveHeaderAndPersons(Context(), *card), 1);
  auto first = FileBytes("FICHES.001");
  card->persons.Create("Zweite", 6);
  ASSERT_EQ(SaveHeaderAndPersons(Context(), *card), 1);
  EXPECT_EQ(FileBytes("FICHESS.001"), first);
  EXPECT_NE(FileBytes("FICHES.001"), first);
}

// Offset of the n-th (1-based) four-byte record marker in a person-card file.
size_t MarkerOffset(const std::vector<uint8_t>& bytes, int n) {
  int markers = 0;
  for (size_t i = 0; i + 3 < bytes.size(); ++i) {
    if (bytes[i] == 1 && bytes[i + 1] == 1 && bytes[i + 2] == 1 && bytes[i + 3] == 1) {
      if (++markers == n) return i;
      i += 3;
    }
  }
  return 0;
}

// Damaged person-card files load as far as they can be read, with 8407 per damaged record and
// 8406 where the file ends too early.
TEST_F(CardFileStoreTest, DamagedPersonFilesKeepWhatCanBeRead) {
  struct Case {
    const char* what;
    std::vector<std::string> names;
    std::function<void(std::vector<uint8_t>& header, std::vector<uint8_t>& persons)> damage;
    std::vector<uint16_t> numbersLoaded;
    std::vector<std::string> messages;
  };
  const std::vector<Case> cases = {
      {"two garbage bytes before the third record",
       {"Eins", "Zwei", "Drei", "Vier"},
       [](auto&, auto& persons) {
         size_t third = MarkerOffset(persons, 3);
         ASSERT_GT(third, 0u);
         persons.insert(persons.begin() + static_cast<long>(third), {0x7F, 0x33});
       },
       {1, 2, 3, 4},
       {"Die Karteikarte Nr. 3 ist beschädigt!"}},
      {"a count larger than the file", {"Eins", "Zwei"}, [](auto& header, auto&) { header[432] = 5; }, {1, 2},
       {"Die Datei ist beschädigt!"}},
      {"a record cut off by the end of the file",
       {"Eins", "Zwei mit langem Namen"},
       [](auto&, auto& persons) { persons.resize(persons.size() - 20); },
       {1},
       {"Die Datei ist beschädigt!"}},
      {"person number 0 in the second record",
       {"Eins", "Zwei", "Drei"},
       [](auto&, auto& persons) {
         // marker, text "Zwei" (2 + 4), surname length (2), then the number
         size_t number = MarkerOffset(persons, 2) + 4 + 2 + 4 + 2;
         ASSERT_EQ(persons.at(number), 2);
         persons[number] = 0;
       },
       {1, 3},
       {"Die Karteikarte Nr. 2 ist beschädigt!"}},
      {"stray bytes running into the end",
       {"Eins"},
       [](auto& header, auto& persons) {
         header[432] = 2;
         persons.insert(persons.end(), {0x01, 0x01, 0x55});
       },
       {1},
       {"Die Karteikarte Nr. 2 ist beschädigt!", "Die Datei ist beschädigt!"}},
  };
  int number = 20;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto card = CreateNamed(++number);
    for (const std::string& name : c.names) card->persons.Create(name, 4);
    ASSERT_EQ(SaveHeaderAndPersons(Context(), *card), 1);
    const std::string ext = NumberExtension(number);
    auto header = FileBytes("DOSSIER." + ext);
    auto persons = FileBytes("FICHES." + ext);
    c.damage(header, persons);
    WriteBytes("DOSSIER." + ext, header);
    WriteBytes("FICHES." + ext, persons);

    prompter.shown.clear();
    auto loaded = NewCardFile();
    ASSERT_EQ(LoadHeaderAndPersons(Context(), *loaded, number), 1);
    std::vector<uint16_t> numbers;
    for (const PersonCard& person : loaded->persons) numbers.push_back(person.number);
    EXPECT_EQ(numbers, c.numbersLoaded);
    std::vector<std::string> messages;
    for (const ShownMessage& shown : prompter.shown) messages.push_back(shown.text);
    EXPECT_EQ(messages, c.messages);
  }
}

TEST_F(CardFileStoreTest, DamagedTextLengthsAreCutToTheirLimits) {
  auto card = CreateNamed(1);
  card->persons.Create("Eins", 4);
  ASSERT_EQ(SaveHeaderAndPersons(Context(), *card), 1);
  // hand-written record with 1000 bytes of notes and a 120-byte title
  Bytes record;
  record.fill(4, 1).text("Lang").u16(4).u16(1).u16(1).text("").text("").text("").text("");
  record.text(std::string(1000, 'x'));
  record.u16(5 + 120).u8(120).raw(std::string(120, 'T')).u8(0).u8(0).u8(0).u8(0);
  record.fill(12, 0).text("").fill(12, 0).text("").fill(12, 0).text("").raw(" ").fill(12, 0xFF).fill(46, 0);
  record.u16(0).u16(0).u16(0).u16(0).u16(0);
  WriteBytes("FICHES.001", record.data);
  auto loaded = NewCardFile();
  ASSERT_EQ(LoadHeaderAndPersons(Context(), *loaded, 1), 1);
  PersonCard* p = loaded->persons.Find(1);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(p->notes.size(), 800u);
  EXPECT_EQ(TitlesOf(*p)[0], std::string(80, 'T'));
}

TEST_F(CardFileStoreTest, UnknownParentNumbersLoadAsNoParent) {
  auto card = CreateNamed(1);
  PersonCard* child = card->persons.Create("Kind", 4);
  PersonCard* ghost = card->persons.Create("Geist", 5);
  child->father = ghost;
  ASSERT_EQ(SaveHeaderAndPersons(Context(), *card), 1);
  // drop the father's record by lowering the count: only the child is read
  auto header = FileBytes("DOSSIER.001");
  header[432] = 1;
  WriteBytes("DOSSIER.001", header);
  auto loaded = NewCardFile();
  ASSERT_EQ(LoadHeaderAndPersons(Context(), *loaded, 1), 1);
  EXPECT_EQ(loaded->persons.Find(1)->father, nullptr);
}

TEST_F(CardFileStoreTest, MissingFilesAreReportedWithTheirPaths) {
  auto card = NewCardFile();
  EXPECT_EQ(LoadHeaderAndPersons(Context(), *card, 9), -1);
  ASSERT_EQ(prompter.Ids(), std::vector<int>{8015});
  EXPECT_NE(prompter.shown[0].text.find("DOSSIER.009"), std::string::npos);

  auto created = CreateNamed(2);
  created->persons.Create("Eins", 4);
  ASSERT_EQ(SaveHeaderAndPersons(Context(), *created), 1);
  std::filesystem::remove(dir.Path() / "FICHES.002");
  prompter.shown.clear();
  auto opened = NewCardFile();
  EXPECT_FALSE(OpenCardFile(Context(), *opened, 2));
  EXPECT_EQ(prompter.Ids(), std::vector<int>{8004});
  EXPECT_EQ(prompter.shown[0].text, "Fehler beim Öffnen der Datei " + (dir.Path() / "FICHES.002").string());
  EXPECT_EQ(opened->persons.Count(), 0u);
}

TEST_F(CardFileStoreTest, CreationAsksBeforeReplacingEachExistingFile) {
  CreateNamed(1);
  struct Case {
    std::string file;
    int question;
  };
  // answering no at a file stops right there; files before it are written again
  for (const Case& c : {Case{"DOSSIER.001", 8014}, Case{"NAISS.001", 8009}, Case{"FICHES.001", 8009},
                        Case{"COMMUNES.001", 8008}}) {
    prompter.shown.clear();
    auto card = NewCardFile();
    card->number = 1;
    card->header.SetTitle("Neu");
    card->header.SetOwnerName("N");
    // yes to everything before the file under test, then no
    int before = 0;
    for (const char* f : {"DOSSIER.001", "NAISS.001", "MARIAGES.001", "DECES.001", "BAPTEMES.001", "BENEDICT.001",
                          "SEPULTUR.001", "FICHES.001", "COMMUNES.001"}) {
      if (c.file == f) break;
      ++before;
    }
    for (int i = 0; i < before; ++i) prompter.QueueAnswer(true);
    prompter.QueueAnswer(false);
    EXPECT_EQ(CreateCardFile(Context(), *card), -1) << c.file;
    ASSERT_EQ(prompter.shown.size(), static_cast<size_t>(before + 1)) << c.file;
    EXPECT_EQ(prompter.shown.back().id, c.question) << c.file;
  }
  EXPECT_EQ(prompter.shown.back().text, "Die Liste der Orte (" + (dir.Path() / "COMMUNES.001").string() +
                                            ") gibt es bereits! Möchten Sie sie löschen?");
  // yes to all replaces the whole set
  prompter.shown.clear();
  auto card = NewCardFile();
  card->number = 1;
  card->header.SetTitle("Ersetzt");
  for (int i = 0; i < 10; ++i) prompter.QueueAnswer(true);
  EXPECT_EQ(CreateCardFile(Context(), *card), 1);
  EXPECT_EQ(prompter.shown.size(), 10u);
  CardFileHeader header;
  ASSERT_EQ(ReadHeaderOnly(dir.Path() / "DOSSIER.001", header, prompter), 1);
  EXPECT_EQ(header.Title(), "Ersetzt");
}

TEST_F(CardFileStoreTest, ReadHeaderOnlyRefusesAShortFile) {
  WriteBytes("DOSSIER.004", std::vector<uint8_t>(100, 0));
  CardFileHeader header;
  EXPECT_EQ(ReadHeaderOnly(dir.Path() / "DOSSIER.004", header, prompter), -1);
  EXPECT_EQ(prompter.Ids(), std::vector<int>{8015});
}

TEST_F(CardFileStoreTest, AFailedSaveLeavesTheOldFilesLoadable) {
  auto card = CreateNamed(1);
  card->persons.Create("Alt", 3);
  ASSERT_TRUE(SaveCardFile(Context(), *card));
  auto oldHeader = FileBytes("DOSSIER.001");
  auto oldPersons = FileBytes("FICHES.001");

  card->persons.Create("Neu", 3);
  card->places.Add("Ort");
  const auto before = test::Snapshot(dir.Path());
  FileFaults::Disarm();
  ASSERT_TRUE(SaveCardFile(Context(), *card));
  const long operations = FileFaults::Counted();
  ASSERT_GT(operations, 10);
  auto newHeader = FileBytes("DOSSIER.001");
  test::Restore(dir.Path(), before);

  for (long failing = 1; failing <= operations; ++failing) {
    card->modified.Set();
    prompter.shown.clear();
    FileFaults::FailOperation(failing);
    bool saved = SaveCardFile(Context(), *card);
    FileFaults::Disarm();
    auto reloaded = NewCardFile();
    ASSERT_TRUE(OpenCardFile(Context(), *reloaded, 1)) << failing;
    EXPECT_EQ(reloaded->persons.Count(), saved ? 2u : 1u) << failing;
    EXPECT_EQ(FileBytes("DOSSIER.001"), saved ? newHeader : oldHeader) << failing;
    EXPECT_EQ(card->modified.IsSet(), !saved) << "a failed save must not look saved";
    EXPECT_TRUE(test::TemporaryFiles(test::Snapshot(dir.Path())).empty()) << failing;
    if (!saved) {
      ASSERT_FALSE(prompter.shown.empty()) << failing;
      EXPECT_TRUE(prompter.Ids().front() == 8016 || prompter.Ids().front() == 8004) << failing;
    }
    test::Restore(dir.Path(), before);
  }
}

TEST_F(CardFileStoreTest, ListingLeavesOutOlderFormatsUnlessAsked) {
  CreateNamed(1, "Neu");
  auto old = CreateNamed(2, "Alt");
  auto bytes = FileBytes("DOSSIER.002");
  bytes[0] = 100;
  WriteBytes("DOSSIER.002", bytes);
  WriteBytes("DOSSIER.003", {1, 2, 3});
  auto listing = ListCardFiles(Context());
  ASSERT_EQ(listing.size(), 1u);
  EXPECT_EQ(listing[0].header.Title(), "Neu");
  EXPECT_EQ(ListCardFiles(Context(), true).size(), 2u);
}

}  // namespace
}  // namespace vl

namespace vl {
namespace {

// Links that only one of their two cards records, as damaged and imported files hold them:
// loading completes or drops them, so deleting any card leaves no reference to it behind.
TEST_F(CardFileStoreTest, OneSidedLinksAreMadeWholeWhenLoading) {
  struct Case {
    const char* what;
    std::function<void(PersonCard& a, PersonCard& b)> damage;
    std::vector<uint16_t> childrenOfA;  // person numbers after loading
    uint16_t fatherOfB;
    size_t unionsOfA, unionsOfB;
  };
  const std::vector<Case> cases = {
      {"father named by the child only", [](PersonCard& a, PersonCard& b) { b.father = &a; }, {2}, 1, 0, 0},
      {"child listed by the parent only", [](PersonCard& a, PersonCard& b) { a.children = {{&b, 0}}; }, {}, 0, 0, 0},
      {"child listed twice",
       [](PersonCard& a, PersonCard& b) {
         b.father = &a;
         a.children = {{&b, 0}, {&b, 0}};
       },
       {2}, 1, 0, 0},
      {"union recorded by one spouse", [](PersonCard& a, PersonCard& b) { a.unions = {{&b, {}, "Ulm", 4, 1}}; },
       {}, 0, 1, 1},
      {"own father and own spouse",
       [](PersonCard& a, PersonCard&) {
         a.father = &a;
         a.children = {{&a, 0}};
         a.unions = {{&a, {}, "", kNoSlot, 1}};
       },
       {}, 0, 0, 0},
  };
  int number = 10;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto card = CreateNamed(++number);
    PersonCard* a = card->persons.Create("Vater", 5);
    PersonCard* b = card->persons.Create("Kind", 4);
    c.damage(*a, *b);
    ASSERT_EQ(SaveHeaderAndPersons(Context(), *card), 1);

    prompter.shown.clear();
    auto loaded = NewCardFile();
    ASSERT_EQ(LoadHeaderAndPersons(Context(), *loaded, number), 1);
    EXPECT_EQ(prompter.Ids(), std::vector<int>{8406});
    EXPECT_EQ(FindFamilyLinkDamage(loaded->persons), std::nullopt);
    PersonCard* la = loaded->persons.Find(1);
    PersonCard* lb = loaded->persons.Find(2);
    ASSERT_TRUE(la && lb);
    std::vector<uint16_t> children;
    for (const ChildLink& link : la->children) children.push_back(link.child->number);
    EXPECT_EQ(children, c.childrenOfA);
    EXPECT_EQ(lb->father ? lb->father->number : 0, c.fatherOfB);
    EXPECT_EQ(la->father, nullptr);
    EXPECT_EQ(la->unions.size(), c.unionsOfA);
    ASSERT_EQ(lb->unions.size(), c.unionsOfB);
    if (c.unionsOfB > 0) {
      EXPECT_EQ(lb->unions[0].spouse, la);
      EXPECT_EQ(lb->unions[0].place, "Ulm");
      EXPECT_EQ(lb->unions[0].slot, 4);
    }

    // Deleting either card leaves nothing pointing at it (the sanitizer build sees any access).
    loaded->persons.Delete(la);
    loaded->persons.NormaliseFamilyLinks();
    EXPECT_EQ(FindFamilyLinkDamage(loaded->persons), std::nullopt);
    EXPECT_EQ(lb->father, nullptr);
    EXPECT_TRUE(lb->unions.empty());
    EXPECT_EQ(SaveHeaderAndPersons(Context(), *loaded), 1);
  }
}

}  // namespace
}  // namespace vl
