// Writes the seed corpus of every fuzz target into the directory given (fuzz/corpus): sound
// files made by the storage code itself, a few damaged variants, and texts.
#include <cstdio>
#include <fstream>
#include <string>

#include "common/byte_io.hpp"
#include "common/file_io.hpp"
#include "common/scripted_prompter.hpp"
#include "fuzz_support.hpp"
#include "pictures/dib.hpp"
#include "pictures/dib_writer.hpp"
#include "storage/card_file.hpp"
#include "storage/card_file_names.hpp"
#include "storage/card_file_store.hpp"
#include "storage/list_file.hpp"
#include "storage/slot_file.hpp"

namespace vl::fuzz {
namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<uint8_t>;

class SeedWriter {
 public:
  explicit SeedWriter(fs::path root) : root_(std::move(root)) {}

  void Write(const std::string& target, const std::string& name, const Bytes& bytes) const {
    fs::create_directories(root_ / target);
    std::ofstream out(root_ / target / name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    Require(out.good(), "a seed file can be written");
  }
  void Write(const std::string& target, const std::string& name, const std::string& text) const {
    Write(target, name, Bytes(text.begin(), text.end()));
  }

 private:
  fs::path root_;
};

Bytes Prefixed(Bytes prefix, const Bytes& rest) {
  prefix.insert(prefix.end(), rest.begin(), rest.end());
  return prefix;
}

Bytes Cut(Bytes bytes, size_t removed) {
  bytes.resize(bytes.size() > removed ? bytes.size() - removed : 0);
  return bytes;
}

Bytes CountThen(uint16_t count, const Bytes& file) {
  Bytes prefix(2);
  PutU16(prefix.data(), count);
  return Prefixed(prefix, file);
}

Bytes FileOf(const fs::path& dir, const std::string& name) { return ReadWholeFile(dir / name).value_or(Bytes{}); }

PersonCard& AddPerson(CardFile& card, const char* name, uint16_t surnameLength, char sex, int16_t birthYear) {
  PersonCard& person = *card.persons.Create(name, surnameLength);
  card.persons.SetSex(person, sex);
  person.birth = DateTimeValue{kGregorian, 12, 3, birthYear, 0, 0};
  person.birthPlace = "K\xF6ln";
  return person;
}

void Marry(PersonCard& husband, PersonCard& wife) {
  husband.unions.push_back(UnionEntry{&wife, DateTimeValue{kGregorian, 5, 6, 1848, 0, 0}, "Bonn", kNoSlot, 1});
  wife.unions.push_back(UnionEntry{&husband, DateTimeValue{kGregorian, 5, 6, 1848, 0, 0}, "Bonn", kNoSlot, 1});
}

void AddChild(PersonCard& father, PersonCard& mother, PersonCard& child) {
  child.father = &father;
  child.mother = &mother;
  father.children.push_back({&child, 1});
  mother.children.push_back({&child, 1});
}

void WriteCardFileSeeds(const SeedWriter& seeds, const StoreContext& ctx) {
  CardFile card(ctx.prompter);
  card.number = 1;
  card.header.SetTitle("Familie Albrecht");
  card.header.SetOwnerName("Albrecht");
  Require(CreateFileSet(ctx, card) == 1, "the seed card file is created");
  const Bytes empty = FileOf(ctx.dataDir, HeaderFileName(1));
  seeds.Write("card_file_header", "new_card_file", empty);
  seeds.Write("card_file_header", "too_short", Cut(empty, 100));

  PersonCard& father = AddPerson(card, "Albrecht Johann", 8, 'H', 1820);
  PersonCard& son = AddPerson(card, "Albrecht Karl", 8, 'H', 1850);
  father.profession = "Schmied";
  son.father = &father;
  father.children.push_back({&son, 0});
  card.notes = "Kirchenbuch Bonn noch durchsehen.";
  Require(SaveHeaderAndPersons(ctx, card) == 1, "the seed card file is saved");
  const Bytes header = FileOf(ctx.dataDir, HeaderFileName(1));
  seeds.Write("card_file_header", "with_notes", header);
  seeds.Write("card_file_header", "notes_cut_short", Cut(header, 10));
  seeds.Write("person_file", "two_linked_persons", CountThen(2, FileOf(ctx.dataDir, PersonFileName(1))));

  PersonCard& mother = AddPerson(card, "Becker Anna", 6, 'F', 1825);
  PersonCard& daughter = AddPerson(card, "Albrecht Maria", 8, 'F', 1852);
  father.children.clear();
  Marry(father, mother);
  AddChild(father, mother, son);
  AddChild(father, mother, daughter);
  son.documents.push_back({"Taufschein", "TAUFE.PDF"});
  Require(SaveHeaderAndPersons(ctx, card) == 1, "the seed family is saved");
  const Bytes family = FileOf(ctx.dataDir, PersonFileName(1));
  seeds.Write("person_file", "family", CountThen(4, family));
  seeds.Write("person_file", "stray_bytes_and_cut_off", CountThen(4, Prefixed({'x', 0x01, 'y'}, Cut(family, 20))));
  seeds.Write("person_file", "count_zero", CountThen(0, family));
}

void WriteSlotFileSeeds(const SeedWriter& seeds, const StoreContext& ctx) {
  const FixedClock clock(kFuzzNow);
  SlotFile births(SlotFileContext{ctx.dataDir, 1, kBirth, ctx.prompter, clock});
  for (uint16_t person : {2, 4}) {
    Bytes record(static_cast<size_t>(births.RecordSize()), 0);
    PutU16(&record[kRecordKeyPersonOffset], person);
    Require(births.Write(record, -1) >= 0, "a seed certificate is written");
  }
  seeds.Write("slot_file", "two_births_slot_1", Prefixed({kBirth, 1, 0}, FileOf(ctx.dataDir, SlotFileName(kBirth, 1))));
  seeds.Write("slot_file", "empty_marriages",
              Prefixed({kCivilMarriage, 0xFF, 0xFF}, FileOf(ctx.dataDir, SlotFileName(kCivilMarriage, 1))));
}

void WriteListFileSeeds(const SeedWriter& seeds, const StoreContext& ctx) {
  const ListFileContext lists{ctx.dataDir, 1, ctx.prompter, ctx.clock};
  seeds.Write("list_file", "empty", FileOf(ctx.dataDir, PlaceListFileName(1)));
  ModifiedFlag modified;
  NameList places(modified);
  for (const char* place : {"Bonn", "K\xF6ln", "Hamburg", "Sankt Augustin"}) places.Add(place);
  Require(SaveList(lists, kPlaceListPrefix, places) == 1, "the seed place list is saved");
  const Bytes placeFile = FileOf(ctx.dataDir, PlaceListFileName(1));
  seeds.Write("list_file", "places", placeFile);
  seeds.Write("list_file", "places_cut_short", Cut(placeFile, 3));
  NameList professions(modified);
  for (const char* profession : {"Schmied", "B\xE4""cker", "Lehrer"}) professions.Add(profession);
  Require(SaveList(lists, kProfessionListPrefix, professions) == 1, "the seed profession list is saved");
  seeds.Write("list_file", "professions", FileOf(ctx.dataDir, ProfessionListFileName(1)));
}

void WriteTextSeeds(const SeedWriter& seeds) {
  seeds.Write("ini_file", "editor", "[Ormelin]\r\nEditeur=kate\r\n");
  seeds.Write("ini_file", "other_sections",
              "; Einstellungen\n[Fenster]\nEditeur=falsch\n[ ormelin ]\n  editeur =  /usr/bin/gedit  \n");
  seeds.Write("ini_file", "key_without_value", "[Ormelin]\nEditeur\nAutoSave=10\n[Ormelin\nEditeur=x\n");
  seeds.Write("dates", "full_date_and_time", "12.03.1850\n14:05");
  seeds.Write("dates", "unknown_parts", "*.*.1850\n*:30");
  seeds.Write("dates", "day_not_in_month", "31.04.1850\n24:00");
  seeds.Write("dates", "gregorian_gap", "5.10.1582\n15.10.1582");
  seeds.Write("dates", "bare_year_and_republican", "1850\n22.09.1792");
  seeds.Write("dates", "leap_days", "29.02.1900\n29.02.1600");
  seeds.Write("dates", "day_zero_and_last_day", "0.*.1850\n31.12.9999");
  // record_json: the kind's number as the first byte, then the JSON of add-certificate.
  seeds.Write("record_json", "birth_with_parents",
              std::string("\x00") + R"({"surname":"Weber","given_names":["Karl"],"birth":"03.04.1850 10:30",)"
                                    R"("father":{"surname":"Weber","given_names":["Johann"],"age":"30"},)"
                                    R"("mother":{"surname":"Maier","given_names":["Anna"],"birth":{"year":1825}}})");
  seeds.Write("record_json", "baptism_outside_union",
              std::string("\x03") + R"({"surname":"Weber","given_names":["Paul"],"legitimate":0,"died":1,)"
                                    R"("death_date":"*.*.1851","godparent_1":{"surname":"Kurz","given_names":["Eva"]}})");
  seeds.Write("record_json", "wedding_fields",
              std::string("\x04") + R"({"groom":{"surname":"Weber","father":{"alive":0}},"objection":-1})");
}

// An 8-bit bitmap with a table of `colours` grey entries, given pixel bytes and compression.
Bytes EightBitBitmap(int32_t width, int32_t height, uint32_t colours, uint32_t compression, const Bytes& pixels) {
  Bytes block(DibLayout::kHeaderSize + 4 * colours);
  PutU32(block.data() + DibLayout::kSizeOffset, DibLayout::kHeaderSize);
  PutU32(block.data() + DibLayout::kWidthOffset, static_cast<uint32_t>(width));
  PutU32(block.data() + DibLayout::kHeightOffset, static_cast<uint32_t>(height));
  PutU16(block.data() + DibLayout::kPlanesOffset, 1);
  PutU16(block.data() + DibLayout::kBitsOffset, 8);
  PutU32(block.data() + DibLayout::kCompressionOffset, compression);
  PutU32(block.data() + DibLayout::kImageSizeOffset, static_cast<uint32_t>(pixels.size()));
  PutU32(block.data() + DibLayout::kColoursUsedOffset, colours);
  for (uint32_t i = 0; i < colours; ++i) {
    for (int c = 0; c < 3; ++c) block[DibLayout::kHeaderSize + 4 * i + static_cast<uint32_t>(c)] = static_cast<uint8_t>(i * 255 / colours);
  }
  block.insert(block.end(), pixels.begin(), pixels.end());
  return BmpFileBytes(Dib(std::move(block)));
}

void WriteBitmapSeeds(const SeedWriter& seeds) {
  std::vector<uint32_t> rgb;
  for (uint32_t i = 0; i < 5 * 3; ++i) rgb.push_back(i * 0x102030);
  const Bytes colour = BmpFileBytes(Dib24FromRgbRows(5, 3, rgb));
  seeds.Write("bitmap", "rgb_5x3", colour);
  seeds.Write("bitmap", "rgb_cut_short", Cut(colour, 7));
  Bytes topDown = colour;
  PutU32(topDown.data() + 22, static_cast<uint32_t>(-3));
  seeds.Write("bitmap", "rgb_top_down", topDown);
  Bytes core = colour;
  PutU32(core.data() + 14, 12);
  seeds.Write("bitmap", "core_header", core);
  seeds.Write("bitmap", "grey_4x2", EightBitBitmap(4, 2, 4, 0, {0, 1, 2, 3, 3, 2, 1, 0}));
  Bytes allColours = EightBitBitmap(4, 1, 16, 0, {5, 6, 7, 8});
  PutU32(allColours.data() + 46, 0);  // colours used 0: all 256, the table runs past the end
  seeds.Write("bitmap", "table_claimed_past_end", allColours);
  // RLE8: a run of 3 pixels of colour 1, one of colour 2, end of line, end of bitmap.
  seeds.Write("bitmap", "rle8_4x2", EightBitBitmap(4, 2, 4, 1, {3, 1, 1, 2, 0, 0, 4, 3, 0, 1}));
}

void WriteAllSeeds(const fs::path& root) {
  const SeedWriter seeds{root};
  ScriptedPrompter prompter;
  const FixedClock clock(kFuzzNow);
  const StoreContext ctx{FreshDataDir(), prompter, clock};
  WriteCardFileSeeds(seeds, ctx);
  WriteSlotFileSeeds(seeds, ctx);
  WriteListFileSeeds(seeds, ctx);
  WriteTextSeeds(seeds);
  WriteBitmapSeeds(seeds);
}

}  // namespace
}  // namespace vl::fuzz

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
    return 2;
  }
  vl::fuzz::WriteAllSeeds(argv[1]);
  return 0;
}
