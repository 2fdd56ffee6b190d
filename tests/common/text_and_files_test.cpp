#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <fstream>

#include "common/byte_io.hpp"
#include "common/clock.hpp"
#include "common/cp1252.hpp"
#include "common/file_io.hpp"
#include "common/file_names.hpp"
#include "common/ini_file.hpp"
#include "common/program_home.hpp"
#include "support/test_support.hpp"

namespace vl {
namespace {

void WriteText(const std::filesystem::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

TEST(Cp1252, ConvertsBothWaysAndReplacesWhatItCannotHold) {
  EXPECT_EQ(Cp1252ToUtf8("M\xFC" "ller \x80 \x9C \xDF"), "Müller € œ ß");  // also the high controls range
  const std::pair<const char*, const char*> rows[] = {
      {"Müller € œ ß", "M\xFC" "ller \x80 \x9C \xDF"},
      {"a\xE2\x82", "a?"},            // cut-off sequence
      {"\xD0\x96" "x", "?x"},          // Cyrillic Zhe
      {"\xF0\x9F\x98\x80", "?"},      // emoji
      {"\xFF", "?"},
  };
  for (const auto& [utf8, cp] : rows) EXPECT_EQ(Utf8ToCp1252(utf8), cp) << cp;
}

TEST(Cp1252, ComparesWithoutRegardToCaseIncludingAccentedLetters) {
  EXPECT_TRUE(EqualsNoCase("M\xFCller", "M\xDCLLER"));      // ü / Ü
  EXPECT_TRUE(EqualsNoCase("\xE9t\xE9", "\xC9T\xC9"));      // été / ÉTÉ
  EXPECT_TRUE(EqualsNoCase("\x9C", "\x8C"));                // œ / Œ
  EXPECT_FALSE(EqualsNoCase("\xDF", "SS"));                  // ß has no single upper letter here
  EXPECT_FALSE(EqualsNoCase("Weber", "Webern"));
  EXPECT_LT(CompareNoCase("abc", "ABD"), 0);
  EXPECT_GT(CompareNoCase("abcd", "ABC"), 0);
  EXPECT_NE(FoldCp1252(0xF7), FoldCp1252(0xD7));             // ÷ and × are not a case pair
}

TEST(ByteReader, ShortReadsFailWithoutGarbage) {
  std::vector<uint8_t> bytes = {0x34, 0x12, 0x03, 0x00, 'a', 'b'};
  ByteReader reader(bytes);
  EXPECT_EQ(reader.U16(), 0x1234);
  EXPECT_EQ(reader.LengthPrefixedText(), "");  // length 3 but only 2 bytes left
  EXPECT_TRUE(reader.Failed());
  EXPECT_EQ(reader.U16(), 0);
}

TEST(FixedText, IsCutToTheFieldAndTerminated) {
  uint8_t field[5];
  std::fill(std::begin(field), std::end(field), 0xEE);
  PutFixedText(field, sizeof field, "abcdefg");
  EXPECT_EQ(GetFixedText(field, sizeof field), "abcd");
  EXPECT_EQ(field[4], 0);
  uint8_t unterminated[3] = {'x', 'y', 'z'};
  EXPECT_EQ(GetFixedText(unterminated, 3), "xyz");
}

TEST(FileNames, AreFoundWhateverTheirCase) {
  test::TempDir dir;
  WriteText(dir.Path() / "dossier.002", "x");
  EXPECT_TRUE(FileExistsNoCase(dir.Path(), "DOSSIER.002"));
  EXPECT_EQ(PathForWriting(dir.Path(), "DOSSIER.002").filename(), "dossier.002");
  EXPECT_EQ(PathForWriting(dir.Path(), "FICHES.002").filename(), "FICHES.002");
  EXPECT_FALSE(FileExistsNoCase(dir.Path(), "DOSSIER.003"));
  EXPECT_EQ(FileNamesWithPrefixNoCase(dir.Path(), "DOSSIER.").size(), 1u);
}

TEST(IniFile, ReadsTheKeyOfItsSectionOnly) {
  test::TempDir dir;
  WriteText(dir.Path() / "ORMELIN.INI", "[Andere]\nEditeur=falsch\n\n[ormelin]\r\n editeur = /usr/bin/kate \r\n");
  EXPECT_EQ(ReadIniValue(dir.Path() / "ORMELIN.INI", "Ormelin", "Editeur"), "/usr/bin/kate");
  EXPECT_FALSE(ReadIniValue(dir.Path() / "ORMELIN.INI", "Ormelin", "Fehlt").has_value());
  EXPECT_FALSE(ReadIniValue(dir.Path() / "FEHLT.INI", "Ormelin", "Editeur").has_value());
}

TEST(ProgramHome, ResolvesInTheDocumentedOrderAndCreatesItsDirectories) {
  test::TempDir dir;
  HomeSources sources;
  sources.executableDir = dir.Path() / "bin";
  sources.userDataDir = dir.Path() / "user";
  std::filesystem::create_directories(sources.executableDir);
  EXPECT_EQ(ResolveHome(sources), sources.userDataDir);
  WriteText(sources.executableDir / "ORMELIN.INI", "[Ormelin]\nEditeur=ed\n");
  EXPECT_EQ(ResolveHome(sources), sources.executableDir);  // portable installation
  sources.environment = dir.Path() / "env";
  EXPECT_EQ(ResolveHome(sources), dir.Path() / "env");
  sources.option = dir.Path() / "opt";
  EXPECT_EQ(ResolveHome(sources), dir.Path() / "opt");

  ProgramHome home(dir.Path() / "opt");
  ASSERT_TRUE(home.EnsureDirectories());
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "opt" / "DATEIEN"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "opt" / "FOTOS"));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path() / "opt" / "OBJEKTE"));
  EXPECT_EQ(home.Editor(), "");  // none configured: the desktop's opener shows lists
  WriteText(dir.Path() / "opt" / "ormelin.ini", "[Ormelin]\nEditeur=/opt/ed\n");
  EXPECT_EQ(home.Editor(), "/opt/ed");
}

TEST(AtomicWrite, AFailedWriteLeavesTheOldContent) {
  test::TempDir dir;
  auto path = dir.Path() / "DATA";
  ASSERT_TRUE(WriteFileAtomically(path, {1, 2, 3}));
  FileFaults::FailOperation(2);  // the write of the new version
  EXPECT_FALSE(WriteFileAtomically(path, {9, 9}));
  FileFaults::Disarm();
  EXPECT_EQ(ReadWholeFile(path), (std::vector<uint8_t>{1, 2, 3}));
  size_t entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.Path())) ++entries;
  EXPECT_EQ(entries, 1u) << "the temporary file must be removed";
}

TEST(Cp1252, SortingPutsUmlautsWithTheirBaseLettersIgnoringCase) {
  std::vector<std::string> names = {"Zimmer", "\xC4hnlich", "adler", "Bauer", "\xF6tzi", "Otto", "Stra\xDF" "e",
                                    "Strasse", "strasse"};
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return CompareForSorting(a, b) < 0;
  });
  EXPECT_EQ(names, (std::vector<std::string>{"adler", "\xC4hnlich", "Bauer", "Otto", "\xF6tzi", "Strasse", "strasse",
                                             "Stra\xDF" "e", "Zimmer"}));
  EXPECT_EQ(CompareForSorting("abc", "abc"), 0);
  EXPECT_NE(CompareForSorting("ABC", "abc"), 0) << "a total order: equal only for equal texts";
}

// In UTC the local time is the system time, so the calendar of <chrono> can tell what to expect.
TEST(SystemClock, CountsMonthsFromOneAndYearsFrom1900) {
  const char* zone = std::getenv("TZ");
  const std::string previous = zone ? zone : "";
  setenv("TZ", "UTC", 1);
  tzset();
  auto utcNow = [] {
    using namespace std::chrono;
    const auto now = system_clock::now();
    const auto today = floor<days>(now);
    const year_month_day date{today};
    const hh_mm_ss time{floor<minutes>(now - today)};
    return TimeStamp{static_cast<int16_t>(static_cast<unsigned>(date.day())),
                     static_cast<int16_t>(static_cast<unsigned>(date.month())),
                     static_cast<int16_t>(static_cast<int>(date.year()) - 1900),
                     static_cast<int16_t>(time.hours().count()), static_cast<int16_t>(time.minutes().count())};
  };
  const TimeStamp before = utcNow();
  const TimeStamp now = SystemClock().Now();
  const TimeStamp after = utcNow();
  if (zone) {
    setenv("TZ", previous.c_str(), 1);
  } else {
    unsetenv("TZ");
  }
  tzset();
  EXPECT_TRUE(now == before || now == after)
      << now.day << "." << now.month << "." << now.year << " " << now.hour << ":" << now.minute;
}

}  // namespace
}  // namespace vl
