#include <gtest/gtest.h>

#include "common/byte_io.hpp"
#include "storage/card_file_header.hpp"
#include "storage/list_file.hpp"
#include "storage_test_support.hpp"

namespace vl {
namespace {

using test::Bytes;

class NameListTest : public ::testing::Test, public test::StorageFixture {
 protected:
  ListFileContext Lists(bool withProgress = false) {
    return ListFileContext{dir.Path(), 1, prompter, clock, withProgress ? &progress : nullptr};
  }
  std::vector<uint8_t> ListFile(int count, const std::vector<std::string>& entries, size_t extra = 0) {
    Bytes b;
    b.u16(150).fill(240, 'o').u16(1).u16(2).u16(90).u16(3).u16(4).fill(10, 0).u16(count).u16(10000);
    for (const auto& e : entries) b.text(e);
    b.fill(extra, 0xAB);
    return b.data;
  }
  ModifiedFlag modified;
  NameList list{modified};
};

TEST_F(NameListTest, AddingKeepsTextsUniqueWithoutCaseAndPutsNewOnesInFront) {
  list.Add("PARIS");
  list.Add("Paris");
  list.Add("");
  list.Add("Trier");
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Trier", "PARIS"}));
  EXPECT_EQ(list.Count(), 2);
  ASSERT_NE(list.Find("pARIS"), nullptr);
  EXPECT_EQ(*list.Find("pARIS"), "PARIS");
  EXPECT_TRUE(modified.IsSet());
}

TEST_F(NameListTest, RemovingAsksWithTheGivenText) {
  list.Add("PARIS");
  EXPECT_FALSE(list.Remove("Paris", prompter));  // default answer no
  EXPECT_EQ(list.Count(), 1);
  prompter.QueueAnswer(true);
  EXPECT_TRUE(list.Remove("Paris", prompter));
  EXPECT_EQ(list.Count(), 0);
  ASSERT_EQ(prompter.shown.size(), 2u);
  EXPECT_EQ(prompter.shown[1].id, 8077);
  EXPECT_EQ(prompter.shown[1].text, "Möchten Sie Paris wirklich löschen?");
  EXPECT_FALSE(list.Remove("Rom", prompter));
  EXPECT_EQ(prompter.shown.size(), 2u) << "nothing to ask for a missing text";
}

TEST_F(NameListTest, CreatedListFileHasItsHeaderBytes) {
  CardFileHeader header;
  header.SetTitle("Titel");
  list.Add("alt");
  ASSERT_EQ(CreateListFile(Lists(), "COMMUNES.", header.OwnerBlock(), "Orte", list), 1);
  EXPECT_EQ(list.Count(), 0);
  Bytes expected;
  expected.u16(150).raw("Titel").fill(235, 0);
  expected.u16(6).u16(12).u16(126).u16(20).u16(15).u16(6).u16(12).u16(126).u16(20).u16(15);
  expected.u16(0).u16(10000);
  EXPECT_EQ(FileBytes("COMMUNES.001"), expected.data);
}

TEST_F(NameListTest, LoadingReversesTheFileOrderAndSavingWritesListOrder) {
  WriteBytes("COMMUNES.001", ListFile(3, {"A", "B", "C"}));
  ASSERT_EQ(LoadList(Lists(true), "COMMUNES.", list), 1);
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"C", "B", "A"}));
  EXPECT_EQ(progress.lines[1], "Laden der Liste");
  EXPECT_EQ(progress.percents, (std::vector<int>{101, 0, 33, 66}));
  ASSERT_EQ(SaveList(Lists(), "COMMUNES.", list), 1);
  auto bytes = FileBytes("COMMUNES.001");
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + 266, bytes.end()),
            (std::vector<uint8_t>{1, 0, 'C', 1, 0, 'B', 1, 0, 'A'}));
  // the last-access stamp is renewed, the created stamp and owner block stay
  EXPECT_EQ(ReadTimeStamp(bytes.data() + 252), clock.Now());
  EXPECT_EQ(ReadTimeStamp(bytes.data() + 242), (TimeStamp{1, 2, 90, 3, 4}));
  EXPECT_EQ(bytes[2], 'o');
}

TEST_F(NameListTest, ACountOfZeroLoadsEmptyEvenWithEntriesBehind) {
  WriteBytes("PROFESSI.001", ListFile(0, {"Weber"}));
  ASSERT_EQ(LoadList(Lists(), "PROFESSI.", list), 1);
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(NameListTest, SavingFewerEntriesLeavesStaleBytesBehind) {
  WriteBytes("PROFESSI.001", ListFile(2, {"Weber", "Schmied"}, 3));
  ASSERT_EQ(LoadList(Lists(), "PROFESSI.", list), 1);
  auto before = FileBytes("PROFESSI.001");
  prompter.QueueAnswer(true);
  ASSERT_TRUE(list.Remove("Weber", prompter));
  ASSERT_EQ(SaveList(Lists(), "PROFESSI.", list), 1);
  auto after = FileBytes("PROFESSI.001");
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(GetI16(after.data() + 262), 1);
  EXPECT_EQ(std::vector<uint8_t>(after.begin() + 266, after.begin() + 275),
            (std::vector<uint8_t>{7, 0, 'S', 'c', 'h', 'm', 'i', 'e', 'd'}));
  EXPECT_EQ(std::vector<uint8_t>(after.begin() + 275, after.end()),
            std::vector<uint8_t>(before.begin() + 275, before.end()));
}

TEST_F(NameListTest, MissingShortOrCutOffFilesAreReported) {
  EXPECT_EQ(LoadList(Lists(), "COMMUNES.", list), -1);
  EXPECT_EQ(prompter.Ids(), std::vector<int>{8004});
  EXPECT_EQ(prompter.shown[0].text, "Fehler beim Öffnen der Datei " + (dir.Path() / "COMMUNES.001").string());
  WriteBytes("COMMUNES.001", std::vector<uint8_t>(100, 0));
  EXPECT_EQ(LoadList(Lists(), "COMMUNES.", list), -1);
  auto cut = ListFile(3, {"Eins", "Zwei"});
  WriteBytes("COMMUNES.001", cut);
  prompter.shown.clear();
  EXPECT_EQ(LoadList(Lists(), "COMMUNES.", list), 1);
  EXPECT_EQ(list.Entries(), (std::vector<std::string>{"Zwei", "Eins"}));
  EXPECT_EQ(prompter.Ids(), std::vector<int>{8406});
}

TEST_F(NameListTest, CreatingOverAnExistingListAsks8008) {
  CardFileHeader header;
  WriteBytes("PROFESSI.001", ListFile(1, {"Weber"}));
  EXPECT_EQ(CreateListFile(Lists(), "PROFESSI.", header.OwnerBlock(), "Berufe", list), -1);
  ASSERT_EQ(prompter.Ids(), std::vector<int>{8008});
  EXPECT_EQ(prompter.shown[0].text, "Die Liste der Berufe (" + (dir.Path() / "PROFESSI.001").string() +
                                        ") gibt es bereits! Möchten Sie sie löschen?");
  EXPECT_EQ(FileBytes("PROFESSI.001").size(), 266u + 7u);
}

}  // namespace
}  // namespace vl
