#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "records/certificate_layouts.hpp"
#include "records/certificate_record.hpp"
#include "records/person_links.hpp"
#include "records/record_field_table.hpp"

namespace vl {
namespace {

const int kSizes[6] = {3593, 4222, 3520, 3565, 4118, 3612};

int OffsetOf(int kind, const std::string& name) {
  for (const FieldEntry& field : FieldsOfKind(kind)) {
    if (name == field.name) return field.offset;
  }
  return -1;
}

int BlockOffsetOf(FieldKind block, const std::string& name) {
  for (const FieldEntry& field : FieldsOfBlock(block)) {
    if (name == field.name) return field.offset;
  }
  return -1;
}

// Each table must cover [0, size) in order, without gaps or overlaps.
void ExpectTiles(std::span<const FieldEntry> fields, int size) {
  int next = 0;
  for (const FieldEntry& field : fields) {
    EXPECT_EQ(field.offset, next) << "field " << field.name;
    EXPECT_GT(field.size, 0) << "field " << field.name;
    next = field.offset + field.size;
  }
  EXPECT_EQ(next, size);
}

TEST(RecordLayoutTest, FieldsCoverEveryRecordAndBlockExactly) {
  for (int kind = 0; kind < 6; ++kind) {
    SCOPED_TRACE(kind);
    EXPECT_EQ(RecordSizeOfKind(kind), kSizes[kind]);
    ExpectTiles(FieldsOfKind(kind), kSizes[kind]);
  }
  ExpectTiles(FieldsOfBlock(FieldKind::ParentEntry), 386);
  ExpectTiles(FieldsOfBlock(FieldKind::WitnessEntry), 386);
  ExpectTiles(FieldsOfBlock(FieldKind::LateParentEntry), 194);
  ExpectTiles(FieldsOfBlock(FieldKind::SpouseEntry), 776);
}

TEST(RecordLayoutTest, BlockAndMainFieldOffsetsPerKind) {
  const std::map<std::string, int> header = {{"official", 0},  {"office", 30},      {"register_number", 60},
                                             {"source", 90},   {"stored", 120},     {"key_person", 122},
                                             {"created", 124}, {"changed", 134}};
  const std::map<std::string, int> birth = {{"child_link", 144}, {"number_text", 146}, {"photo", 162},  {"sex", 178},
                                            {"surname", 179},    {"given_names", 209}, {"birth", 309},  {"birth_place", 321},
                                            {"address", 351},    {"father", 431},      {"mother", 817}, {"witness_1", 1203},
                                            {"witness_2", 1589}, {"witness_3", 1975},  {"witness_4", 2361}, {"notes", 2747}};
  const std::map<std::string, int> baptism = {
      {"child_link", 144}, {"sex", 178},           {"baptism", 309},      {"baptism_place", 321},
      {"legitimate", 431}, {"emergency_baptism", 433}, {"father", 435},   {"mother", 821},
      {"godparent_1", 1207}, {"godparent_2", 1593}, {"godparent_3", 1979}, {"godparent_4", 2365},
      {"died", 2751},      {"death_date", 2753},   {"notes", 2765}};
  const std::map<std::string, int> death = {
      {"number_text", 144}, {"photo", 160},          {"death", 176},         {"death_place", 188},
      {"birth", 218},       {"birth_place", 230},    {"cause", 260},         {"surname", 400},
      {"given_names", 430}, {"deceased_link", 530},  {"profession", 548},    {"profession_place", 598},
      {"residence", 628},   {"address", 658},        {"father", 738},        {"mother", 932},
      {"marital_status", 1126}, {"age", 1170},       {"witness_1", 1176},    {"witness_2", 1562},
      {"witness_3", 1948},  {"witness_4", 2334},     {"notes", 2720}};
  const std::map<std::string, int> burial = {
      {"spouse_link", 144}, {"number_text", 146},     {"photo", 162},        {"burial", 178},
      {"burial_place", 190}, {"cause", 220},          {"surname", 360},      {"given_names", 390},
      {"deceased_link", 490}, {"profession", 508},    {"residence", 588},    {"address", 618},
      {"father", 698},      {"mother", 892},          {"marital_status", 1086}, {"age", 1130},
      {"spouse_surname", 1136}, {"spouse_given_names", 1166}, {"spouse_age", 1266}, {"witness_1", 1268},
      {"witness_2", 1654},  {"witness_3", 2040},      {"witness_4", 2426},   {"notes", 2812}};
  const std::map<std::string, int> civil = {
      {"number_text", 144}, {"marriage", 160},     {"marriage_place", 172}, {"groom", 202},
      {"bride", 978},       {"contract_date", 1754}, {"notary", 1766},      {"contract_place", 1796},
      {"witness_1", 1876},  {"witness_2", 2262},   {"witness_3", 2648},     {"witness_4", 3034},
      {"legitimation", 3420}, {"notes", 3422}};
  const std::map<std::string, int> church = {
      {"number_text", 144}, {"wedding", 160},    {"wedding_place", 172}, {"groom", 202},
      {"bride", 978},       {"witness_1", 1754}, {"witness_2", 2140},    {"witness_3", 2526},
      {"witness_4", 2912},  {"banns", 3298},     {"objection", 3300},    {"dispensation_date", 3302},
      {"dispensation", 3314}, {"kinship_degree", 3316}, {"notes", 3318}};
  const std::pair<int, const std::map<std::string, int>*> all[] = {{0, &birth}, {3, &baptism}, {2, &death},
                                                                   {5, &burial}, {1, &civil},  {4, &church}};
  for (const auto& [kind, fields] : all) {
    for (const auto& [name, offset] : *fields) EXPECT_EQ(OffsetOf(kind, name), offset) << kind << " " << name;
    for (const auto& [name, offset] : header) EXPECT_EQ(OffsetOf(kind, name), offset) << kind << " " << name;
  }
}

TEST(RecordLayoutTest, BlockFieldOffsets) {
  const std::map<std::string, int> parent = {{"link", 130},   {"profession", 132}, {"profession_place", 182},
                                             {"photo", 212},  {"residence", 228},  {"address", 258},
                                             {"marital_status", 338}, {"birth", 340}, {"birth_place", 352},
                                             {"age", 382},    {"given_names", 30}};
  const std::map<std::string, int> witness = {{"link", 130},  {"photo", 132},     {"profession", 148},
                                              {"profession_place", 198}, {"residence", 228}, {"address", 258},
                                              {"birth", 338}, {"birth_place", 350}, {"age", 380},
                                              {"kinship_degree", 382}};
  const std::map<std::string, int> late = {{"alive", 0},   {"link", 2},   {"surname", 4},       {"given_names", 34},
                                           {"photo", 134}, {"death", 150}, {"death_place", 162}};
  const std::map<std::string, int> spouse = {{"link", 130},    {"photo", 132},  {"profession", 148},
                                             {"residence", 228}, {"address", 258}, {"father", 338},
                                             {"mother", 532},  {"marital_status", 726}, {"birth", 728},
                                             {"birth_place", 740}, {"of_age", 772}};
  for (const auto& [name, offset] : parent) EXPECT_EQ(BlockOffsetOf(FieldKind::ParentEntry, name), offset) << name;
  for (const auto& [name, offset] : witness) EXPECT_EQ(BlockOffsetOf(FieldKind::WitnessEntry, name), offset) << name;
  for (const auto& [name, offset] : late) EXPECT_EQ(BlockOffsetOf(FieldKind::LateParentEntry, name), offset) << name;
  for (const auto& [name, offset] : spouse) EXPECT_EQ(BlockOffsetOf(FieldKind::SpouseEntry, name), offset) << name;

  // The groom's and bride's photos lie where the printed forms look for them.
  EXPECT_EQ(civil_marriage_record::kGroom.photo.offset, 334);
  EXPECT_EQ(church_wedding_record::kBride.photo.offset, 1110);
}

TEST(RecordLayoutTest, PersonLinkFieldsByKind) {
  using Links = std::map<std::string, int>;
  const std::pair<int, Links> expected[] = {
      {0, {{"E", 144}, {"P", 561}, {"M", 947}, {"T1", 1333}, {"T2", 1719}, {"T3", 2105}, {"T4", 2491}}},
      {3, {{"E", 144}, {"P", 565}, {"M", 951}, {"T1", 1337}, {"T2", 1723}, {"T3", 2109}, {"T4", 2495}}},
      {2, {{"E", 530}, {"P", 740}, {"M", 934}, {"T1", 1306}, {"T2", 1692}, {"T3", 2078}, {"T4", 2464}}},
      {5, {{"E", 490}, {"P", 700}, {"M", 894}, {"C1", 144}, {"T1", 1398}, {"T2", 1784}, {"T3", 2170}, {"T4", 2556}}},
      {1, {{"EX", 332}, {"EE", 1108}, {"PX", 542}, {"MX", 736}, {"PE", 1318}, {"ME", 1512},
           {"T1", 2006}, {"T2", 2392}, {"T3", 2778}, {"T4", 3164}}},
      {4, {{"EX", 332}, {"EE", 1108}, {"PX", 542}, {"MX", 736}, {"PE", 1318}, {"ME", 1512},
           {"T1", 1884}, {"T2", 2270}, {"T3", 2656}, {"T4", 3042}}},
  };
  for (const auto& [kind, links] : expected) {
    SCOPED_TRACE(kind);
    Links actual;
    for (const PersonLinkField& link : PersonLinksOfKind(kind)) {
      actual[link.name] = link.link.offset;
      EXPECT_EQ(link.keyPerson, std::string(link.name) == "E" || std::string(link.name) == "EX") << link.name;
    }
    EXPECT_EQ(actual, links);
  }
  const PersonLinkField* spouse = FindPersonLink(5, "C1");
  ASSERT_NE(spouse, nullptr);
  EXPECT_EQ(spouse->role, LinkRole::Spouse);
  EXPECT_EQ(spouse->names.surname.offset, 1136);
  EXPECT_EQ(spouse->names.givenNames.offset, 1166);
  const PersonLinkField* brideFather = FindPersonLink(1, "PE");
  ASSERT_NE(brideFather, nullptr);
  EXPECT_EQ(brideFather->names.surname.offset, 978 + 338 + 4);
  const PersonLinkField* witness = FindPersonLink(0, "T3");
  ASSERT_NE(witness, nullptr);
  EXPECT_EQ(witness->names.givenNames.offset, 1975 + 30);
  EXPECT_EQ(FindPersonLink(0, "EX"), nullptr);
}

TEST(RecordLayoutTest, TitleMessages) {
  const int titles[6] = {8250, 8254, 8252, 8251, 8255, 8253};
  for (int kind = 0; kind < 6; ++kind) EXPECT_EQ(TitleMessageOfKind(kind), titles[kind]) << kind;
}

}  // namespace
}  // namespace vl
