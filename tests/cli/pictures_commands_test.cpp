// photo-info, import-photo, attach, detach and documents against the README's description.
#include <gtest/gtest.h>

#include <fstream>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

#include "cli_fixture.hpp"
#include "person_records.hpp"
#include "support/bmp_files.hpp"

namespace vl::test {
namespace {

using nlohmann::json;

// A bitmap with a colour table of `colours` entries and pixel bytes of one shade.
std::vector<uint8_t> Bitmap(int width, int height, uint16_t bits, uint32_t colours, uint8_t shade = 0) {
  const size_t rowBytes = static_cast<size_t>((width * bits + 31) / 32 * 4);
  return BmpBytes({.width = width, .height = height, .bits = bits, .tableEntries = colours,
                   .pixels = std::vector<uint8_t>(rowBytes * static_cast<size_t>(height), shade)});
}

class PictureCommands : public CliTest {
 protected:
  std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) const {
    const std::filesystem::path path = Scratch() / name;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
    return path.string();
  }
  void CreateFamily() const {
    ASSERT_NO_FATAL_FAILURE(CreateCardFile("001", "Ahnen Müller"));
    ASSERT_NO_FATAL_FAILURE(WritePersons("001", FamilyFileBytes(), 3));
  }
  size_t FilesIn(const std::string& dir) const {
    return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(Home() / dir), {}));
  }
};

TEST_F(PictureCommands, PhotoInfoShowsSizeBitsAndColours) {
  struct Case {
    std::vector<uint8_t> file;
    std::string plain;
    json object;
  };
  const std::vector<Case> cases = {
      {Bitmap(3, 2, 24, 0), "3\t2\t24\t0\n", {{"width", 3}, {"height", 2}, {"bits", 24}, {"colours", 0}}},
      {Bitmap(5, 4, 8, 256), "5\t4\t8\t256\n", {{"width", 5}, {"height", 4}, {"bits", 8}, {"colours", 256}}},
      {Bitmap(9, 1, 1, 2), "9\t1\t1\t2\n", {{"width", 9}, {"height", 1}, {"bits", 1}, {"colours", 2}}},
  };
  for (const Case& c : cases) {
    const std::string file = Write("bild.bmp", c.file);
    CliRun plain = Run({"photo-info", file});
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(plain.out, c.plain);
    CliRun asJson = Run({"photo-info", file, "--json"});
    EXPECT_EQ(asJson.status, 0) << asJson.err;
    EXPECT_EQ(json::parse(asJson.out), c.object);
  }
  const std::string damaged = Write("kern.bmp", BmpBytes({.infoSize = 12, .width = 8, .height = 8}));
  for (const std::string& file : {damaged, (Scratch() / "fehlt.bmp").string()}) {
    CliRun refused = Run({"photo-info", file});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.out, "");
    EXPECT_EQ(refused.err, "Fehler beim Öffnen der Datei " + file + "\n");
  }
  EXPECT_EQ(Run({"photo-info"}).status, 2);
}

TEST_F(PictureCommands, ImportPhotoPrintsTheNameInThePhotoDirectory) {
  const std::string first = Write("Oma Käthe.bmp", Bitmap(2, 2, 24, 0, 0x11));
  CliRun imported = Run({"import-photo", first});
  EXPECT_EQ(imported.status, 0) << imported.err;
  EXPECT_EQ(imported.out, "Oma Käthe.bmp\n");
  EXPECT_TRUE(std::filesystem::exists(Home() / "FOTOS" / "Oma Käthe.bmp"));

  // Another picture of the same name keeps the first one and gets a free name.
  const std::string second = Write("Oma Käthe.bmp", Bitmap(2, 2, 24, 0, 0x22));
  CliRun other = Run({"import-photo", second});
  EXPECT_EQ(other.out, "Oma Käth_2.bmp\n");  // the stem gives way so that 14 characters hold it
  // A picture in the photo directory is taken as it is.
  CliRun inPlace = Run({"import-photo", (Home() / "FOTOS" / "Oma Käthe.bmp").string()});
  EXPECT_EQ(inPlace.status, 0) << inPlace.err;
  EXPECT_EQ(inPlace.out, "Oma Käthe.bmp\n");
  EXPECT_EQ(FilesIn("FOTOS"), 2u);

  const std::string text = Write("notiz.bmp", {'B', 'M', 'k', 'e', 'i', 'n'});
  CliRun refused = Run({"import-photo", text});
  EXPECT_EQ(refused.status, 1);
  EXPECT_EQ(refused.err, "Fehler beim Öffnen der Datei " + text + "\n");
  EXPECT_EQ(FilesIn("FOTOS"), 2u);
}

TEST_F(PictureCommands, AttachDetachAndDocumentsKeepTheListInOrder) {
  ASSERT_NO_FATAL_FAILURE(CreateFamily());
  const std::string letter = Write("Brief Müller.txt", {'L'});
  const std::string deed = Write("urkunde.pdf", {'P'});

  CliRun attached = Run({"attach", "001", "7", letter, "--description", "Brief an Jürgen"});
  EXPECT_EQ(attached.status, 0) << attached.err;
  EXPECT_EQ(attached.out, "Brief Müller.txt\n");
  CliRun second = Run({"attach", "001", "7", deed});
  EXPECT_EQ(second.out, "urkunde.pdf\n");
  EXPECT_EQ(Run({"documents", "001", "7"}).out,
            "1\tBRIEF.TXT\tBrief\n2\tBrief Müller.txt\tBrief an Jürgen\n3\turkunde.pdf\t...\n");

  // The same file once more: refused, the list unchanged.
  CliRun again = Run({"attach", "001", "7", deed});
  EXPECT_EQ(again.status, 1);
  EXPECT_EQ(again.err, "Diesen Dateinamen gibt es bereits!\n");
  EXPECT_EQ(FilesIn("OBJEKTE"), 2u);

  CliRun detached = Run({"detach", "001", "7", "1"});
  EXPECT_EQ(detached.status, 0) << detached.err;
  EXPECT_EQ(detached.out, "");
  CliRun listed = Run({"documents", "001", "7", "--json"});
  EXPECT_EQ(listed.status, 0);
  EXPECT_EQ(json::parse(listed.out), json::parse(R"([{"description": "Brief an Jürgen", "file": "Brief Müller.txt"},
                                                       {"description": "...", "file": "urkunde.pdf"}])"));
  EXPECT_TRUE(std::filesystem::exists(Home() / "OBJEKTE" / "urkunde.pdf"));
  EXPECT_EQ(Run({"documents", "001", "9"}).out, "");

  struct Refusal {
    std::vector<std::string> args;
    int status;
    std::string err;
  };
  const std::vector<Refusal> refusals = {
      {{"detach", "001", "7", "3"}, 1, "Kein Dokument mit der Nummer 3\n"},
      {{"detach", "001", "7", "0"}, 2, "Ungültige Dokumentnummer: 0\n"},
      {{"attach", "001", "8", letter}, 1, "Keine Karteikarte mit der Nummer 8\n"},
      {{"documents", "001", "x"}, 2, "Ungültige Personennummer: x\n"},
      {{"attach", "001", "9", (Scratch() / "fehlt.txt").string()}, 1,
       "Fehler beim Öffnen der Datei " + (Scratch() / "fehlt.txt").string() + "\n"},
      {{"documents", "002", "7"}, 1,
       "Die Datei " + (DataDir() / "DOSSIER.002").string() + " kann nicht geöffnet werden!\n"},
  };
  for (const Refusal& r : refusals) {
    CliRun run = Run(r.args);
    EXPECT_EQ(run.status, r.status) << r.args[0];
    EXPECT_EQ(run.err, r.err) << r.args[0];
  }
  EXPECT_EQ(Run({"documents", "001", "7"}).out, "1\tBrief Müller.txt\tBrief an Jürgen\n2\turkunde.pdf\t...\n");
}

}  // namespace
}  // namespace vl::test
