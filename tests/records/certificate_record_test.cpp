#include "records/certificate_record.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>

#include "common/file_io.hpp"
#include "common/scripted_prompter.hpp"
#include "records/certificate_layouts.hpp"
#include "records/record_json.hpp"
#include "records/record_names.hpp"
#include "storage/slot_file.hpp"
#include "support/test_support.hpp"

namespace vl {
namespace {

void PutLe16(std::vector<uint8_t>& bytes, size_t at, int value) {
  bytes.at(at) = static_cast<uint8_t>(value & 0xFF);
  bytes.at(at + 1) = static_cast<uint8_t>((value >> 8) & 0xFF);
}

TEST(NewRecordTest, PresetsOfEveryKind) {
  struct Preset {
    int kind, size;
    bool male;                               // sex 'H' at 178
    std::vector<std::pair<int, int>> words;  // offset, u16 value
  };
  const int spouseWords[] = {974, 1750, 540, 734, 1316, 1510};  // of age, the four parents alive
  const Preset presets[] = {
      {0, 3593, true, {{769, 3}, {1155, 3}}},
      {3, 3565, true, {{773, 3}, {1159, 3}, {431, 1}}},
      {2, 3520, false, {{738, 1}, {932, 1}, {1126, 3}}},
      {5, 3612, false, {{698, 1}, {892, 1}, {1086, 3}}},
      {1, 4222, false, {{3420, 1}}},
      {4, 4118, false, {{3298, 3}, {3300, 0xFFFF}, {3314, 0xFFFF}}},
  };
  for (const Preset& preset : presets) {
    std::vector<uint8_t> expected(static_cast<size_t>(preset.size), 0);
    if (preset.male) expected[178] = 'H';
    for (const auto& [offset, value] : preset.words) PutLe16(expected, static_cast<size_t>(offset), value);
    if (preset.kind == 1 || preset.kind == 4) {
      for (int offset : spouseWords) PutLe16(expected, static_cast<size_t>(offset), 1);
    }
    EXPECT_EQ(CertificateRecord::New(preset.kind).Bytes(), expected) << preset.kind;
  }
}

TEST(CertificateRecordTest, TypedFieldsLandAtTheirOffsets) {
  auto record = CertificateRecord::New(2);
  record.Set(death_record::kFather.deathDate, DateTimeValue{1, 2, 3, 1890, 4, 5});
  record.Set(death_record::kAge, int16_t{-2});
  record.Set(death_record::kWitnesses[2].kinshipDegree, int16_t{12});
  record.Set(death_record::kMother.surname, "M\xFCller");
  record.SetKeyPerson(0x1234);
  record.MarkStored();

  const auto& b = record.Bytes();
  const uint8_t date[12] = {1, 0, 2, 0, 3, 0, 0x62, 0x07, 4, 0, 5, 0};
  EXPECT_TRUE(std::equal(date, date + 12, b.begin() + 738 + 150));
  EXPECT_EQ(b[1170], 0xFE);
  EXPECT_EQ(b[1171], 0xFF);
  EXPECT_EQ(b[1948 + 382], 12);
  EXPECT_EQ(std::string(b.begin() + 932 + 4, b.begin() + 932 + 11), std::string("M\xFCller\0", 7));
  EXPECT_EQ(b[122], 0x34);
  EXPECT_EQ(b[123], 0x12);
  EXPECT_EQ(b[120], 1);
  EXPECT_TRUE(record.IsStored());
  EXPECT_EQ(record.Get(death_record::kFather.deathDate), (DateTimeValue{1, 2, 3, 1890, 4, 5}));
}

TEST(CertificateRecordTest, TextFieldsKeepAtMostSizeMinusOneBytes) {
  auto record = CertificateRecord::New(0);
  record.Set(birth_record::kSurname, std::string(40, 'a'));
  EXPECT_EQ(record.Get(birth_record::kSurname), std::string(29, 'a'));
  EXPECT_EQ(record.Bytes()[179 + 29], 0);
  EXPECT_EQ(record.Bytes()[179 + 30], 0);  // the given names behind stay untouched

  GivenNames names{"Hans", "", "Peter", "", std::string(25, 'x')};
  record.Set(birth_record::kGivenNames, names);
  EXPECT_EQ(record.Get(birth_record::kGivenNames), (GivenNames{"Hans", "", "Peter", "", std::string(19, 'x')}));
  EXPECT_EQ(record.Bytes()[209 + 40], 'P');
}

TEST(CertificateRecordTest, FieldsOutsideTheRecordAreRefused) {
  auto record = CertificateRecord::New(2);  // 3520 bytes
  EXPECT_THROW(record.Get(burial_record::kNotes), std::out_of_range);
  EXPECT_THROW(record.Set(U16Field{3519}, 1), std::out_of_range);
  EXPECT_FALSE(CertificateRecord::FromBytes(2, std::vector<uint8_t>(3519)));
  EXPECT_FALSE(CertificateRecord::FromBytes(6, std::vector<uint8_t>(3520)));
  EXPECT_TRUE(CertificateRecord::FromBytes(2, std::vector<uint8_t>(3520)));
}

TEST(RecordNamesTest, FullNamesAndChoiceTexts) {
  auto birth = CertificateRecord::New(0);
  birth.Set(birth_record::kSurname, "Meier");
  birth.Set(birth_record::kGivenNames, GivenNames{"", "Anna", "", "Maria", ""});
  EXPECT_EQ(ChoiceEntryText(birth), "Meier Anna Maria");
  birth.Set(birth_record::kFather.surname, "Meier");
  EXPECT_EQ(FullName(birth, birth_record::kFather.Name()), "Meier");

  auto wedding = CertificateRecord::New(4);
  wedding.Set(church_wedding_record::kGroom.surname, "Schulz");
  wedding.Set(church_wedding_record::kGroom.givenNames.Name(0), "Karl");
  wedding.Set(church_wedding_record::kBride.surname, "Wolf");
  wedding.Set(church_wedding_record::kBride.givenNames.Name(0), "Eva");
  wedding.Set(church_wedding_record::kBride.givenNames.Name(1), "Rosa");
  EXPECT_EQ(ChoiceEntryText(wedding), "Schulz Karl - Wolf Eva Rosa");

  auto burial = CertificateRecord::New(5);
  burial.Set(burial_record::kSurname, "Lang");
  burial.Set(burial_record::kSpouseSurname, "Kurz");
  EXPECT_EQ(ChoiceEntryText(burial), "Lang");
  EXPECT_EQ(FullName(burial, burial_record::kSpouse), "Kurz");

  auto death = CertificateRecord::New(2);
  death.Set(death_record::kGivenNames.Name(0), "Otto");
  EXPECT_EQ(ChoiceEntryText(death), " Otto");
}

class RecordStorageTest : public ::testing::Test {
 protected:
  RecordStorageTest() { std::filesystem::create_directories(home_.Path() / "DATEIEN"); }
  SlotFile Open(int kind) {
    return SlotFile(SlotFileContext{home_.Path() / "DATEIEN", 7, kind, prompter_, clock_, nullptr});
  }

  test::TempDir home_;
  ScriptedPrompter prompter_;
  FixedClock clock_{TimeStamp{1, 1, 103, 8, 0}};
};

TEST_F(RecordStorageTest, ReadModifyWriteChangesOnlyTheEditedBytes) {
  SlotFile file = Open(1);
  std::vector<uint8_t> owner(240, 'o');
  ASSERT_EQ(file.Create(owner.data()), 1);

  // A stored record with noise everywhere, also after text terminators and in reserved areas.
  std::vector<uint8_t> original(4222);
  std::mt19937 rng(42);
  for (auto& byte : original) byte = static_cast<uint8_t>(rng());
  ASSERT_EQ(file.Write(original, -1), 0);
  const auto stored = ReadWholeFile(home_.Path() / "DATEIEN" / "MARIAGES.007");
  ASSERT_TRUE(stored);

  auto record = CertificateRecord::Read(file, 0);
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Bytes(), original);
  std::string sameNotary = record->Get(civil_marriage_record::kNotary);
  record->Set(civil_marriage_record::kNotary, sameNotary);  // unchanged text: no byte moves
  record->Set(civil_marriage_record::kBride.ofAge, 0);
  clock_.Set(TimeStamp{2, 2, 104, 9, 9});
  ASSERT_EQ(record->Write(file, 0), 0);

  const auto written = ReadWholeFile(home_.Path() / "DATEIEN" / "MARIAGES.007");
  ASSERT_TRUE(written);
  const std::vector<uint8_t>& after = *written;
  ASSERT_EQ(after.size(), stored->size());
  const size_t base = 50268;
  for (size_t i = 0; i < 4222; ++i) {
    bool edited = (i >= 134 && i < 144) || i == 978 + 772 || i == 978 + 773;
    if (!edited) {
      EXPECT_EQ(after[base + i], (*stored)[base + i]) << "byte " << i;
    }
  }
  EXPECT_EQ(after[base + 978 + 772], 0);
  EXPECT_EQ(after[base + 978 + 773], 0);
  EXPECT_EQ(ReadTimeStamp(&after[base + 134]), (TimeStamp{2, 2, 104, 9, 9}));
  EXPECT_EQ(record->Changed(), (TimeStamp{2, 2, 104, 9, 9}));
  EXPECT_TRUE(prompter_.Empty());
}

TEST_F(RecordStorageTest, ANewRecordGetsItsSlotAndStamps) {
  SlotFile file = Open(0);
  std::vector<uint8_t> owner(240, 0);
  ASSERT_EQ(file.Create(owner.data()), 1);
  auto record = CertificateRecord::New(0);
  record.SetKeyPerson(17);
  EXPECT_EQ(record.Write(file, -1), 0);
  EXPECT_EQ(record.Created(), (TimeStamp{1, 1, 103, 8, 0}));
  auto header = file.ReadHeader();
  ASSERT_TRUE(header);
  EXPECT_EQ(header->Entries(), (std::vector<SlotEntry>{{0, 17}}));

  SlotFile other = Open(2);
  EXPECT_THROW(record.Write(other, -1), std::invalid_argument);
  EXPECT_FALSE(CertificateRecord::Read(file, -1));
  EXPECT_TRUE(prompter_.Empty());
}

TEST(RecordJsonTest, NamedFieldsNestedBlocksAndUtf8Texts) {
  auto record = CertificateRecord::New(0);
  record.Set(birth_record::kSurname, "M\xFCller");
  record.Set(birth_record::kGivenNames.Name(0), "J\xF6rg");
  record.Set(birth_record::kBirth, DateTimeValue{0, 24, 12, 1901, 23, 59});
  record.Set(birth_record::kFather.link, 12);
  record.Set(birth_record::kWitnesses[3].kinshipDegree, int16_t{-1});
  record.Set(certificate_header::kCreated, TimeStamp{5, 6, 103, 7, 8});

  auto json = RecordToJson(record);
  EXPECT_EQ(json["surname"], "Müller");
  EXPECT_EQ(json["given_names"], (nlohmann::ordered_json{"Jörg", "", "", "", ""}));
  EXPECT_EQ(json["sex"], "H");
  EXPECT_EQ(json["birth"], (nlohmann::ordered_json{{"calendar", 0}, {"day", 24},  {"month", 12},
                                                   {"year", 1901},  {"hour", 23}, {"minute", 59}}));
  EXPECT_EQ(json["created"],
            (nlohmann::ordered_json{{"day", 5}, {"month", 6}, {"year", 103}, {"hour", 7}, {"minute", 8}}));
  EXPECT_EQ(json["father"]["link"], 12);
  EXPECT_EQ(json["father"]["marital_status"], 3);
  EXPECT_EQ(json["witness_4"]["kinship_degree"], -1);
  EXPECT_FALSE(json.contains("reserved"));
  EXPECT_FALSE(json["father"].contains("reserved"));

  auto wedding = RecordToJson(CertificateRecord::New(4));
  EXPECT_EQ(wedding["groom"]["father"]["alive"], 1);
  EXPECT_EQ(wedding["objection"], -1);
  EXPECT_EQ(wedding["banns"], 3);
}

}  // namespace
}  // namespace vl
