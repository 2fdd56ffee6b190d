#include "storage/slot_file.hpp"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <fstream>

#include "common/file_io.hpp"
#include "common/scripted_prompter.hpp"
#include "support/test_support.hpp"

namespace vl {
namespace {

constexpr int kHeader = 50268;
constexpr int kMapAt = 40268;
constexpr int kTableAAt = 268;
constexpr int kTableBAt = 20268;
constexpr int kBirthSize = 3593;
constexpr int kDeathSize = 3520;

uint16_t U16At(const std::vector<uint8_t>& bytes, size_t at) {
  return static_cast<uint16_t>(bytes.at(at) | (bytes.at(at + 1) << 8));
}

void PutLe16(std::vector<uint8_t>& bytes, size_t at, int value) {
  bytes.at(at) = static_cast<uint8_t>(value & 0xFF);
  bytes.at(at + 1) = static_cast<uint8_t>((value >> 8) & 0xFF);
}

void PutStamp(std::vector<uint8_t>& bytes, size_t at, const TimeStamp& s) {
  PutLe16(bytes, at, s.day);
  PutLe16(bytes, at + 2, s.month);
  PutLe16(bytes, at + 4, s.year);
  PutLe16(bytes, at + 6, s.hour);
  PutLe16(bytes, at + 8, s.minute);
}

// Overwrites bytes of a file in place, to prepare states that would take thousands of writes.
void Patch(const std::filesystem::path& path, size_t at, const std::vector<uint8_t>& bytes) {
  std::fstream f(path, std::ios::in | std::ios::out | std::ios::binary);
  f.seekp(static_cast<std::streamoff>(at));
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

class SlotFileTest : public ::testing::Test {
 protected:
  SlotFileTest() { std::filesystem::create_directories(DataDir()); }

  std::filesystem::path DataDir() const { return home_.Path() / "DATEIEN"; }

  SlotFile Open(int kind, int number = 1) {
    return SlotFile(SlotFileContext{DataDir(), number, kind, prompter_, clock_, &modified_});
  }

  std::vector<uint8_t> OwnerBlock() const {
    std::vector<uint8_t> owner(240);
    for (size_t i = 0; i < owner.size(); ++i) owner[i] = static_cast<uint8_t>('a' + i % 26);
    return owner;
  }

  // A record whose bytes tell which certificate it is; the key person at offset 122.
  std::vector<uint8_t> Record(int size, uint8_t fill, uint16_t keyPerson) {
    std::vector<uint8_t> record(static_cast<size_t>(size), fill);
    PutLe16(record, 122, keyPerson);
    return record;
  }

  std::vector<uint8_t> FileBytes(const std::string& name) const { return *ReadWholeFile(DataDir() / name); }

  SlotFile CreatedBirthFile() {
    SlotFile file = Open(0);
    EXPECT_EQ(file.Create(OwnerBlock().data()), 1);
    return file;
  }

  test::TempDir home_;
  ScriptedPrompter prompter_;
  FixedClock clock_{TimeStamp{3, 4, 103, 12, 30}};
  ModifiedFlag modified_;
};

TEST_F(SlotFileTest, CreateWritesTheEmptyHeaderByteForByte) {
  clock_.Set(TimeStamp{17, 11, 96, 9, 5});
  SlotFile file = Open(2, 42);
  auto owner = OwnerBlock();
  ASSERT_EQ(file.Create(owner.data()), 1);

  std::vector<uint8_t> expected(kHeader, 0);
  PutLe16(expected, 0, 150);
  std::copy(owner.begin(), owner.end(), expected.begin() + 2);
  PutStamp(expected, 242, TimeStamp{17, 11, 96, 9, 5});
  PutStamp(expected, 252, TimeStamp{17, 11, 96, 9, 5});
  PutLe16(expected, 262, 0);
  PutLe16(expected, 264, kDeathSize);
  PutLe16(expected, 266, 10000);
  std::fill(expected.begin() + kMapAt, expected.end(), ' ');

  EXPECT_EQ(FileBytes("DECES.042"), expected);
  EXPECT_TRUE(prompter_.Empty());
  EXPECT_FALSE(modified_.IsSet());
}

TEST_F(SlotFileTest, CreateOverAnExistingFileAsksAndStopsOnNo) {
  std::ofstream(DataDir() / "naiss.001") << "old";
  SlotFile file = Open(0);
  prompter_.QueueAnswer(false);
  EXPECT_EQ(file.Create(OwnerBlock().data()), -1);
  ASSERT_EQ(prompter_.shown.size(), 1u);
  EXPECT_EQ(prompter_.shown[0].kind, BoxKind::Question);
  EXPECT_EQ(prompter_.shown[0].id, 8009);
  std::string path = (DataDir() / "naiss.001").string();
  EXPECT_EQ(prompter_.shown[0].text, "Die Datei " + path + " gibt es bereits. Möchten Sie sie löschen?");
  EXPECT_EQ(FileBytes("naiss.001").size(), 3u);

  prompter_.QueueAnswer(true);
  EXPECT_EQ(file.Create(OwnerBlock().data()), 1);
  EXPECT_EQ(FileBytes("naiss.001").size(), static_cast<size_t>(kHeader));
  EXPECT_EQ(prompter_.Ids(), (std::vector<int>{8009, 8009}));
}

TEST_F(SlotFileTest, NewCertificatesTakeTheLowestFreeSlotsAndExtendTheFile) {
  SlotFile file = CreatedBirthFile();
  for (int i = 0; i < 6; ++i) {
    auto record = Record(kBirthSize, static_cast<uint8_t>(0x10 + i), static_cast<uint16_t>(100 + i));
    EXPECT_EQ(file.Write(record, -1), i);
  }
  auto bytes = FileBytes("NAISS.001");
  ASSERT_EQ(bytes.size(), static_cast<size_t>(kHeader + 6 * kBirthSize));
  EXPECT_EQ(U16At(bytes, 262), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(U16At(bytes, kTableAAt + 2 * i), i);
    EXPECT_EQ(U16At(bytes, kTableBAt + 2 * i), 100 + i);
    EXPECT_EQ(bytes[kMapAt + i], 'X');
    size_t at = kHeader + static_cast<size_t>(i) * kBirthSize;
    EXPECT_EQ(bytes[at], 0x10 + i);
    EXPECT_EQ(bytes[at + kBirthSize - 1], 0x10 + i);
    EXPECT_EQ(U16At(bytes, at + 122), 100 + i);
  }
  EXPECT_EQ(bytes[kMapAt + 6], ' ');
  EXPECT_TRUE(modified_.IsSet());
  EXPECT_TRUE(prompter_.Empty());
}

TEST_F(SlotFileTest, WriteSetsTheStampsOfRecordAndHeader) {
  SlotFile file = CreatedBirthFile();
  auto record = Record(kBirthSize, 0, 7);
  clock_.Set(TimeStamp{1, 2, 105, 3, 4});
  ASSERT_EQ(file.Write(record, -1), 0);
  EXPECT_EQ(ReadTimeStamp(&record[124]), (TimeStamp{1, 2, 105, 3, 4}));
  EXPECT_EQ(ReadTimeStamp(&record[134]), (TimeStamp{1, 2, 105, 3, 4}));

  clock_.Set(TimeStamp{9, 10, 106, 11, 12});
  ASSERT_EQ(file.Write(record, 0), 0);
  auto bytes = FileBytes("NAISS.001");
  EXPECT_EQ(ReadTimeStamp(&bytes[kHeader + 124]), (TimeStamp{1, 2, 105, 3, 4}));  // created stays
  EXPECT_EQ(ReadTimeStamp(&bytes[kHeader + 134]), (TimeStamp{9, 10, 106, 11, 12}));
  EXPECT_EQ(ReadTimeStamp(&bytes[242]), (TimeStamp{3, 4, 103, 12, 30}));
  EXPECT_EQ(ReadTimeStamp(&bytes[252]), (TimeStamp{9, 10, 106, 11, 12}));
}

TEST_F(SlotFileTest, RewriteKeepsTablesEvenWhenTheKeyPersonChanged) {
  SlotFile file = CreatedBirthFile();
  auto record = Record(kBirthSize, 1, 7);
  ASSERT_EQ(file.Write(record, -1), 0);
  PutLe16(record, 122, 99);
  record[500] = 0xAB;
  ASSERT_EQ(file.Write(record, 0), 0);
  auto bytes = FileBytes("NAISS.001");
  EXPECT_EQ(U16At(bytes, 262), 1);
  EXPECT_EQ(U16At(bytes, kTableBAt), 7);
  EXPECT_EQ(bytes[kHeader + 500], 0xAB);
  EXPECT_EQ(bytes.size(), static_cast<size_t>(kHeader + kBirthSize));
}

TEST_F(SlotFileTest, RewriteOfAFreeSlotWarnsAndWritesTheRecordAnyway) {
  SlotFile file = CreatedBirthFile();
  auto record = Record(kBirthSize, 0x33, 5);
  EXPECT_EQ(file.Write(record, 2), 2);
  EXPECT_EQ(prompter_.Ids(), std::vector<int>{8012});
  EXPECT_EQ(prompter_.shown[0].text, "Fehler in der Zuordnungstabelle!");
  auto bytes = FileBytes("NAISS.001");
  ASSERT_EQ(bytes.size(), static_cast<size_t>(kHeader + 3 * kBirthSize));
  EXPECT_EQ(bytes[kHeader + 2 * kBirthSize], 0x33);
  EXPECT_EQ(bytes[kMapAt + 2], ' ');
  EXPECT_EQ(U16At(bytes, 262), 0);
}

TEST_F(SlotFileTest, RewriteOfASlotOutsideTheMapIsRefused) {
  SlotFile file = CreatedBirthFile();
  auto record = Record(kBirthSize, 0x33, 5);
  EXPECT_EQ(file.Write(record, 10000), -1);
  EXPECT_EQ(prompter_.Ids(), std::vector<int>{8012});
  EXPECT_EQ(FileBytes("NAISS.001").size(), static_cast<size_t>(kHeader));
}

TEST_F(SlotFileTest, FreedSlotIsReusedAndAppendedToTheOrder) {
  SlotFile file = CreatedBirthFile();
  auto a = Record(kBirthSize, 0xA0, 1);
  auto b = Record(kBirthSize, 0xB0, 2);
  ASSERT_EQ(file.Write(a, -1), 0);
  ASSERT_EQ(file.Write(b, -1), 1);
  EXPECT_EQ(file.Delete(0), 0);
  auto c = Record(kBirthSize, 0xC0, 3);
  EXPECT_EQ(file.Write(c, -1), 0);

  auto header = file.ReadHeader();
  ASSERT_TRUE(header);
  EXPECT_EQ(header->Entries(), (std::vector<SlotEntry>{{1, 2}, {0, 3}}));
  std::vector<uint8_t> read;
  ASSERT_EQ(file.Read(0, read), 1);
  EXPECT_EQ(read[0], 0xC0);
}

TEST_F(SlotFileTest, DeletingShiftsLaterEntriesAndClearsTheLastOne) {
  SlotFile file = CreatedBirthFile();
  for (int i = 0; i < 4; ++i) {
    auto record = Record(kBirthSize, 0, static_cast<uint16_t>(10 + i));
    ASSERT_EQ(file.Write(record, -1), i);
  }
  modified_.Clear();
  clock_.Set(TimeStamp{5, 5, 110, 5, 5});
  EXPECT_EQ(file.Delete(1), 1);
  EXPECT_TRUE(modified_.IsSet());
  auto bytes = FileBytes("NAISS.001");
  EXPECT_EQ(U16At(bytes, 262), 3);
  EXPECT_EQ(U16At(bytes, kTableAAt), 0);
  EXPECT_EQ(U16At(bytes, kTableAAt + 2), 2);
  EXPECT_EQ(U16At(bytes, kTableAAt + 4), 3);
  EXPECT_EQ(U16At(bytes, kTableAAt + 6), 0);   // moved away and cleared
  EXPECT_EQ(U16At(bytes, kTableBAt + 2), 12);
  EXPECT_EQ(U16At(bytes, kTableBAt + 4), 13);
  EXPECT_EQ(U16At(bytes, kTableBAt + 6), 13);  // stale, beyond the count
  EXPECT_EQ(bytes[kMapAt + 1], ' ');
  EXPECT_EQ(ReadTimeStamp(&bytes[252]), (TimeStamp{5, 5, 110, 5, 5}));
  // The record stays until the slot is reused.
  EXPECT_EQ(bytes.size(), static_cast<size_t>(kHeader + 4 * kBirthSize));
  EXPECT_EQ(U16At(bytes, kHeader + kBirthSize + 122), 11);

  EXPECT_EQ(file.Delete(3), 3);
  bytes = FileBytes("NAISS.001");
  EXPECT_EQ(U16At(bytes, 262), 2);
  EXPECT_EQ(U16At(bytes, kTableAAt + 4), 0);
  EXPECT_EQ(U16At(bytes, kTableBAt + 4), 0);
  EXPECT_EQ(U16At(bytes, kTableAAt + 2), 2);
  EXPECT_TRUE(prompter_.Empty());
}

TEST_F(SlotFileTest, DeletingAFreeSlotOnlyRenewsTheStamp) {
  SlotFile file = CreatedBirthFile();
  auto record = Record(kBirthSize, 0, 1);
  ASSERT_EQ(file.Write(record, -1), 0);
  auto before = FileBytes("NAISS.001");
  modified_.Clear();
  clock_.Set(TimeStamp{6, 6, 111, 6, 6});
  EXPECT_EQ(file.Delete(4), -1);
  EXPECT_EQ(prompter_.Ids(), std::vector<int>{8012});
  EXPECT_FALSE(modified_.IsSet());
  auto after = FileBytes("NAISS.001");
  EXPECT_EQ(ReadTimeStamp(&after[252]), (TimeStamp{6, 6, 111, 6, 6}));
  std::copy(before.begin() + 252, before.begin() + 262, after.begin() + 252);
  EXPECT_EQ(after, before);
}

TEST_F(SlotFileTest, DeletingASlotThatTableADoesNotListKeepsItsMapByte) {
  SlotFile file = CreatedBirthFile();
  Patch(DataDir() / "NAISS.001", kMapAt + 3, {'X'});
  EXPECT_EQ(file.Delete(3), -1);
  EXPECT_EQ(prompter_.Ids(), std::vector<int>{8012});
  EXPECT_EQ(FileBytes("NAISS.001")[kMapAt + 3], 'X');
}

TEST_F(SlotFileTest, DeleteReportsAMissingFileUnlessSilent) {
  SlotFile file = Open(1);
  EXPECT_EQ(file.DeleteSilently(0), -1);
  EXPECT_TRUE(prompter_.Empty());
  EXPECT_EQ(file.Delete(0), -1);
  ASSERT_EQ(prompter_.Ids(), std::vector<int>{8004});
  EXPECT_EQ(prompter_.shown[0].text, "Fehler beim Öffnen der Datei " + (DataDir() / "MARIAGES.001").string());
  EXPECT_EQ(file.Delete(-1), -1);
  EXPECT_EQ(prompter_.shown.size(), 1u);
}

TEST_F(SlotFileTest, SilentDeleteStillReportsAFreeSlot) {
  SlotFile file = CreatedBirthFile();
  EXPECT_EQ(file.DeleteSilently(0), -1);
  EXPECT_EQ(prompter_.Ids(), std::vector<int>{8012});
}

TEST_F(SlotFileTest, ReadingNewFreeAndMissingSlots) {
  SlotFile file = CreatedBirthFile();
  auto record = Record(kBirthSize, 0x44, 1);
  ASSERT_EQ(file.Write(record, -1), 0);
  std::vector<uint8_t> read{1, 2, 3};

  EXPECT_EQ(file.Read(-1, read), -1);
  EXPECT_EQ(file.Read(0xFFFF, read), -1);
  EXPECT_TRUE(prompter_.Empty());

  EXPECT_EQ(file.Read(1, read), -1);
  ASSERT_EQ(prompter_.Ids(), std::vector<int>{8013});
  EXPECT_EQ(prompter_.shown[0].text, "Urkunde kann nicht geöffnet werden!");
  EXPECT_EQ(read, (std::vector<uint8_t>{1, 2, 3}));

  ASSERT_EQ(file.Delete(0), 0);
  EXPECT_EQ(file.Read(0, read), -1);
  EXPECT_EQ(prompter_.Ids(), (std::vector<int>{8013, 8013}));
}

TEST_F(SlotFileTest, AMarkedSlotBeyondTheEndOfTheFileIsNotRead) {
  SlotFile file = CreatedBirthFile();
  auto record = Record(kBirthSize, 0x44, 1);
  ASSERT_EQ(file.Write(record, -1), 0);
  Patch(DataDir() / "NAISS.001", kMapAt + 1, {'X'});
  std::vector<uint8_t> read;
  EXPECT_EQ(file.Read(1, read), -1);
  EXPECT_EQ(prompter_.Ids(), std::vector<int>{8013});
  EXPECT_TRUE(read.empty());

  // A record cut short counts as missing too.
  std::filesystem::resize_file(DataDir() / "NAISS.001", kHeader + kBirthSize - 1);
  EXPECT_EQ(file.Read(0, read), -1);
  EXPECT_EQ(prompter_.Ids(), (std::vector<int>{8013, 8013}));
}

TEST_F(SlotFileTest, AShortHeaderIsAnOpenFailure) {
  SlotFile file = CreatedBirthFile();
  std::filesystem::resize_file(DataDir() / "NAISS.001", kHeader - 1);
  std::vector<uint8_t> read;
  EXPECT_EQ(file.Read(0, read), -1);
  EXPECT_FALSE(file.ReadHeader());
  auto record = Record(kBirthSize, 0, 1);
  EXPECT_EQ(file.Write(record, -1), -1);
  EXPECT_EQ(file.Delete(0), -1);
  EXPECT_EQ(prompter_.Ids(), (std::vector<int>{8004, 8004, 8004, 8004}));
  EXPECT_EQ(FileBytes("NAISS.001").size(), static_cast<size_t>(kHeader - 1));
  EXPECT_FALSE(modified_.IsSet());
}

TEST_F(SlotFileTest, MapByteZeroCountsAsFree) {
  SlotFile file = CreatedBirthFile();
  Patch(DataDir() / "NAISS.001", kMapAt, {'X', 0, 'X'});
  std::vector<uint8_t> read;
  EXPECT_EQ(file.Read(1, read), -1);
  EXPECT_EQ(prompter_.Ids(), std::vector<int>{8013});
  auto record = Record(kBirthSize, 0, 1);
  EXPECT_EQ(file.Write(record, -1), 1);
  EXPECT_EQ(FileBytes("NAISS.001")[kMapAt + 1], 'X');
}

TEST_F(SlotFileTest, TheLastFreeSlotIsFoundAndAFullFileIsRefused) {
  SlotFile file = Open(2);
  ASSERT_EQ(file.Create(OwnerBlock().data()), 1);
  const auto path = DataDir() / "DECES.001";
  std::vector<uint8_t> map(10000, 'X');
  map[9999] = ' ';
  Patch(path, kMapAt, map);
  std::vector<uint8_t> count{0x0F, 0x27};  // 9999
  Patch(path, 262, count);

  auto record = Record(kDeathSize, 0x5A, 77);
  EXPECT_EQ(file.Write(record, -1), 9999);
  auto bytes = FileBytes("DECES.001");
  EXPECT_EQ(bytes.size(), static_cast<size_t>(kHeader) + 10000u * kDeathSize);
  EXPECT_EQ(U16At(bytes, kTableAAt + 2 * 9999), 9999);
  EXPECT_EQ(U16At(bytes, kTableBAt + 2 * 9999), 77);
  EXPECT_EQ(U16At(bytes, 262), 10000);

  modified_.Clear();
  EXPECT_EQ(file.Write(record, -1), -1);
  ASSERT_EQ(prompter_.Ids(), (std::vector<int>{8010, 8011}));
  EXPECT_EQ(prompter_.shown[0].text, "Die Urkundendatei von Sterbeurkunden ist voll! (Maximum: 10000)");
  EXPECT_EQ(prompter_.shown[1].text, "Karteikarte kann nicht gespeichert werden!");
  EXPECT_EQ(FileBytes("DECES.001"), bytes);
  EXPECT_FALSE(modified_.IsSet());
}

TEST_F(SlotFileTest, ACountThatLeavesNoTableEntryIsAFullFile) {
  SlotFile file = CreatedBirthFile();
  Patch(DataDir() / "NAISS.001", 262, {0x10, 0x27});  // 10000 with every slot free
  auto record = Record(kBirthSize, 0, 1);
  EXPECT_EQ(file.Write(record, -1), -1);
  EXPECT_EQ(prompter_.Ids(), (std::vector<int>{8010, 8011}));
  EXPECT_EQ(prompter_.shown[0].text, "Die Urkundendatei von Geburtsurkunden ist voll! (Maximum: 10000)");
}

TEST_F(SlotFileTest, ARecordThatCannotBeWrittenLeavesTheSlotFree) {
  SlotFile file = CreatedBirthFile();
  auto first = Record(kBirthSize, 1, 1);
  ASSERT_EQ(file.Write(first, -1), 0);
  auto before = FileBytes("NAISS.001");

  // The file may not grow: the second record cannot be stored, the header could.
  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  rlimit limited = old;
  limited.rlim_cur = static_cast<rlim_t>(before.size());
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
  modified_.Clear();
  auto second = Record(kBirthSize, 2, 2);
  int slot = file.Write(second, -1);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_EQ(slot, -1);
  EXPECT_EQ(prompter_.Ids(), std::vector<int>{8016});
  EXPECT_FALSE(modified_.IsSet());
  auto after = FileBytes("NAISS.001");
  ASSERT_GE(after.size(), static_cast<size_t>(kHeader));
  EXPECT_TRUE(std::equal(before.begin(), before.begin() + kHeader, after.begin()));
  EXPECT_EQ(after[kMapAt + 1], ' ');
}

TEST_F(SlotFileTest, FilesAreFoundInAnyCase) {
  SlotFile file = CreatedBirthFile();
  std::filesystem::rename(DataDir() / "NAISS.001", DataDir() / "Naiss.001");
  auto record = Record(kBirthSize, 9, 3);
  EXPECT_EQ(file.Write(record, -1), 0);
  std::vector<uint8_t> read;
  EXPECT_EQ(file.Read(0, read), 1);
  EXPECT_EQ(read, record);
  EXPECT_FALSE(std::filesystem::exists(DataDir() / "NAISS.001"));
  EXPECT_TRUE(prompter_.Empty());
}

TEST_F(SlotFileTest, ForEachCertificateWalksTableAOrder) {
  SlotFile file = CreatedBirthFile();
  for (int i = 0; i < 3; ++i) {
    auto record = Record(kBirthSize, static_cast<uint8_t>(i), static_cast<uint16_t>(i + 1));
    ASSERT_EQ(file.Write(record, -1), i);
  }
  ASSERT_EQ(file.Delete(0), 0);
  auto record = Record(kBirthSize, 0x70, 9);
  ASSERT_EQ(file.Write(record, -1), 0);
  // A listed slot whose record lies beyond the end of the file.
  Patch(DataDir() / "NAISS.001", kMapAt + 5, {'X'});
  Patch(DataDir() / "NAISS.001", 262, {4, 0});
  Patch(DataDir() / "NAISS.001", kTableAAt + 6, {5, 0});

  std::vector<std::pair<int, uint8_t>> seen;
  int visited = file.ForEachCertificate([&](const SlotEntry& entry, std::span<const uint8_t> bytes) {
    seen.emplace_back(entry.slot, bytes[0]);
  });
  EXPECT_EQ(visited, 3);
  EXPECT_EQ(seen, (std::vector<std::pair<int, uint8_t>>{{1, 1}, {2, 2}, {0, 0x70}}));
  EXPECT_EQ(prompter_.Ids(), std::vector<int>{8013});
}

TEST_F(SlotFileTest, ASlotThatTableANamesManyTimesIsVisitedOnceAfter8012) {
  SlotFile file = CreatedBirthFile();
  auto record = Record(kBirthSize, 0x42, 1);
  ASSERT_EQ(file.Write(record, -1), 0);
  // n = 10000, every entry of table A naming slot 0
  Patch(DataDir() / "NAISS.001", 262, {0x10, 0x27});
  Patch(DataDir() / "NAISS.001", kTableAAt, std::vector<uint8_t>(20000, 0));
  int visits = 0;
  EXPECT_EQ(file.ForEachCertificate([&](const SlotEntry& entry, std::span<const uint8_t>) {
    EXPECT_EQ(entry.slot, 0);
    ++visits;
  }), 1);
  EXPECT_EQ(visits, 1);
  EXPECT_EQ(prompter_.Ids(), std::vector<int>{8012});
}

TEST(SlotFileHeaderTest, DamagedCountsNeverReachBeyondTheTables) {
  SlotFileHeader header;
  header.SetCount(-3);
  EXPECT_TRUE(header.Entries().empty());
  header.SetCount(32000);
  header.SetOrderSlot(9999, 7);
  // 10000 entries are read, of which 9999 name slot 0
  EXPECT_EQ(header.Entries(), (std::vector<SlotEntry>{{0, 0}, {7, 0}}));
  EXPECT_TRUE(header.HasRepeatedEntries());
  header.SetMaxSlots(-1);
  EXPECT_FALSE(header.FirstFreeSlot());
  header.SetMaxSlots(32000);
  EXPECT_EQ(header.FirstFreeSlot(), 0);
  EXPECT_FALSE(header.InUse(-1));
  EXPECT_FALSE(header.InUse(10000));
  EXPECT_FALSE(SlotFileHeader::FromBytes(std::vector<uint8_t>(kHeader - 1)));
}

}  // namespace
}  // namespace vl
