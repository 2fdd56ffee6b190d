// Photos imported into FOTOS and documents attached into OBJEKTE: nothing is overwritten,
// nothing copied twice, and the list keeps the order the user sees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/file_io.hpp"
#include "common/scripted_prompter.hpp"
#include "pictures/attachments.hpp"
#include "support/bmp_files.hpp"
#include "pictures/photo_import.hpp"
#include "support/test_support.hpp"

namespace vl::test {
namespace {

class StoredFiles : public ::testing::Test {
 protected:
  StoredFiles() {
    std::filesystem::create_directories(Photos());
    std::filesystem::create_directories(Objects());
    std::filesystem::create_directories(Outside());
  }
  std::filesystem::path Photos() const { return home.Path() / "FOTOS"; }
  std::filesystem::path Objects() const { return home.Path() / "OBJEKTE"; }
  std::filesystem::path Outside() const { return home.Path() / "anderswo"; }

  TempDir home;
  ScriptedPrompter prompter;
};

TEST_F(StoredFiles, ImportedPhotosGetAFreeNameOfAtMost14Characters) {
  const std::vector<uint8_t> picture = BmpBytes({.bits = 8, .imageSize = 8, .coloursUsed = 256, .tableEntries = 256});
  const std::vector<uint8_t> other = BmpBytes({});
  struct Case {
    std::string name;
    std::vector<std::pair<std::string, std::vector<uint8_t>>> inPhotos;  // present before
    std::string source;
    std::string stored;
  };
  const std::vector<Case> cases = {
      {"free name", {}, "ahn.bmp", "ahn.bmp"},
      {"name taken by another picture", {{"ahn.bmp", other}}, "ahn.bmp", "ahn_2.bmp"},
      {"taken in another case", {{"AHN.BMP", other}}, "ahn.bmp", "ahn_2.bmp"},
      {"two taken", {{"ahn.bmp", other}, {"ahn_2.bmp", other}}, "ahn.bmp", "ahn_3.bmp"},
      {"same picture already there", {{"ahn.bmp", picture}}, "ahn.bmp", "ahn.bmp"},
      {"long name shortened", {}, "grossvater_johann.bmp", "grossvater.bmp"},
      {"long name shortened and taken", {{"grossvater.bmp", other}}, "grossvater_johann.bmp", "grossvat_2.bmp"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::filesystem::remove_all(Photos());
    std::filesystem::create_directories(Photos());
    for (const auto& [name, bytes] : c.inPhotos) WriteBytes(Photos() / name, bytes);
    WriteBytes(Outside() / c.source, picture);

    auto stored = ImportPhoto(Photos(), Outside() / c.source, prompter);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(*stored, c.stored);
    EXPECT_EQ(ReadBytes(Photos() / c.stored), picture);
    for (const auto& [name, bytes] : c.inPhotos) EXPECT_EQ(ReadBytes(Photos() / name), bytes) << name;
    EXPECT_TRUE(prompter.Empty());
  }
}

TEST_F(StoredFiles, APhotoInThePhotoDirectoryIsNotCopied) {
  WriteBytes(Photos() / "Oma.bmp", BmpBytes({.bits = 8, .tableEntries = 256}));  // colours-used 0: a copy would differ
  auto stored = ImportPhoto(Photos() / ".." / "FOTOS", Photos() / "Oma.bmp", prompter);
  ASSERT_TRUE(stored.has_value());
  EXPECT_EQ(*stored, "Oma.bmp");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Photos()), {}), 1);
  EXPECT_EQ(ReadBytes(Photos() / "Oma.bmp"), BmpBytes({.bits = 8, .tableEntries = 256}));
}

TEST_F(StoredFiles, ImportRefusesWithTheGermanMessages) {
  WriteBytes(Outside() / "kaputt.bmp", {'B', 'M', 1, 2, 3});
  WriteBytes(Outside() / "a.verylongextension", BmpBytes({}));
  WriteBytes(Outside() / "gut.bmp", BmpBytes({}));

  EXPECT_FALSE(ImportPhoto(Photos(), Outside() / "kaputt.bmp", prompter).has_value());
  EXPECT_FALSE(ImportPhoto(Photos(), Outside() / "fehlt.bmp", prompter).has_value());
  EXPECT_FALSE(ImportPhoto(Photos(), Outside() / "a.verylongextension", prompter).has_value());
  FileFaults::FailOperation(3);  // reading opens and closes; then creating the new file fails
  EXPECT_FALSE(ImportPhoto(Photos(), Outside() / "gut.bmp", prompter).has_value());
  FileFaults::Disarm();
  ASSERT_EQ(prompter.shown.size(), 4u);
  EXPECT_EQ(prompter.shown[0].text, "Fehler beim Öffnen der Datei " + (Outside() / "kaputt.bmp").string());
  EXPECT_EQ(prompter.shown[1].text, "Fehler beim Öffnen der Datei " + (Outside() / "fehlt.bmp").string());
  EXPECT_EQ(prompter.shown[2].id, 0);
  EXPECT_EQ(prompter.shown[2].text,
            "Für a.verylongextension gibt es im Fotoverzeichnis keinen freien Namen mit höchstens 14 Zeichen.");
  EXPECT_EQ(prompter.shown[3].text, "Die Datei " + (Photos() / "gut.bmp").string() + " kann nicht gespeichert werden!");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Photos()), {}), 0);
}

TEST_F(StoredFiles, AttachingCopiesOnceAndKeepsOtherFilesOfTheSameName) {
  WriteBytes(Outside() / "brief.txt", {'n', 'e', 'u'});
  WriteBytes(Objects() / "brief.txt", {'a', 'l', 't'});  // another person's letter
  std::vector<AttachedDocument> documents;

  auto plan = PlanAttachment(Objects(), documents, Outside() / "brief.txt", prompter);
  ASSERT_TRUE(plan.has_value());
  EXPECT_EQ(plan->file, "brief_2.txt");
  EXPECT_TRUE(plan->copy);
  ASSERT_TRUE(CopyAttachment(Objects(), *plan, prompter));
  AppendDocument(documents, plan->file);
  EXPECT_EQ(ReadBytes(Objects() / "brief.txt"), (std::vector<uint8_t>{'a', 'l', 't'}));
  EXPECT_EQ(ReadBytes(Objects() / "brief_2.txt"), (std::vector<uint8_t>{'n', 'e', 'u'}));

  // The same file again: refused with 8405, one entry remains.
  EXPECT_FALSE(PlanAttachment(Objects(), documents, Outside() / "brief.txt", prompter).has_value());
  EXPECT_EQ(documents.size(), 1u);
  ASSERT_EQ(prompter.Ids(), std::vector<int>{8405});
  EXPECT_EQ(prompter.shown[0].text, "Diesen Dateinamen gibt es bereits!");

  // A file that lies in the object directory is attached as it is.
  auto inPlace = PlanAttachment(Objects(), documents, Objects() / "brief.txt", prompter);
  ASSERT_TRUE(inPlace.has_value());
  EXPECT_EQ(inPlace->file, "brief.txt");
  EXPECT_FALSE(inPlace->copy);

  // A file that cannot be read: 8004 with its path.
  EXPECT_FALSE(PlanAttachment(Objects(), documents, Outside() / "fehlt.doc", prompter).has_value());
  EXPECT_EQ(prompter.shown.back().text, "Fehler beim Öffnen der Datei " + (Outside() / "fehlt.doc").string());
}

TEST_F(StoredFiles, TheListKeepsItsOrderAndIsWrittenBackOnlyWhenChanged) {
  std::vector<AttachedDocument> documents;
  for (const char* file : {"a.txt", "b.doc", "c.wri"}) AppendDocument(documents, file);
  ASSERT_EQ(documents.size(), 3u);
  EXPECT_EQ(documents[0].file, "a.txt");
  EXPECT_EQ(documents[2].file, "c.wri");
  EXPECT_EQ(documents[1].description, "...");

  EXPECT_TRUE(DescribeDocument(documents, 1, std::string(100, 'x')));
  EXPECT_EQ(documents[1].description, std::string(80, 'x'));
  EXPECT_FALSE(DescribeDocument(documents, 3, "zu weit"));
  EXPECT_TRUE(DetachDocument(documents, 0));
  EXPECT_FALSE(DetachDocument(documents, 2));
  ASSERT_EQ(documents.size(), 2u);
  EXPECT_EQ(documents[0].file, "b.doc");

  PersonCard person;
  ModifiedFlag modified;
  EXPECT_TRUE(WriteBackDocuments(person, documents, modified));
  EXPECT_TRUE(modified.IsSet());
  modified.Clear();
  EXPECT_FALSE(WriteBackDocuments(person, documents, modified));
  EXPECT_FALSE(modified.IsSet());
  ASSERT_EQ(person.documents.size(), 2u);
  EXPECT_EQ(person.documents[1].file, "c.wri");
}

TEST_F(StoredFiles, OpeningTakesTheExtensionAfterTheLastDot) {
  const std::vector<std::pair<std::string, std::optional<std::string>>> cases = {
      {"brief.txt", "txt"}, {"brief.v2.doc", "doc"}, {"a.b.c.wri", "wri"}, {"brief", std::nullopt},
      {"brief.", std::nullopt}};
  for (const auto& [file, extension] : cases) EXPECT_EQ(DocumentExtension(file), extension) << file;

  auto path = DocumentToOpen(Objects(), "brief.v2.doc", prompter);
  ASSERT_TRUE(path.has_value());
  EXPECT_EQ(*path, Objects() / "brief.v2.doc");
  EXPECT_FALSE(DocumentToOpen(Objects(), "brief", prompter).has_value());
  ASSERT_EQ(prompter.Ids(), std::vector<int>{8339});
  EXPECT_EQ(prompter.shown[0].text, "Falsche Objekt-Syntax!");
}

}  // namespace
}  // namespace vl::test
