#pragma once
// FICHES.nnn bytes built by hand from the documented record layout, so that reading them
// tests the loader and not a writer that shares its mistakes.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vl::test {

// Six signed 16-bit words: calendar, day, month, year, hour, minute.
using DateTimeWords = std::array<int16_t, 6>;

struct RecordChild {
  uint16_t person;
  uint16_t unionIndex;
};

struct RecordUnion {
  uint16_t spouse;
  DateTimeWords date;
  std::string place;
  uint16_t slot;
  uint16_t kind;
};

struct RecordDocument {
  std::string description;
  std::string file;
};

// Texts are Windows-1252 bytes.
struct PersonRecord {
  std::string fullName;
  uint16_t surnameLength = 0;
  uint16_t number = 0;
  uint16_t rank = 0;
  std::string numberText, photo, profession, professionPlace, notes;
  std::array<std::string, 5> titles;
  DateTimeWords birth{}, baptism{}, death{};
  std::string birthPlace, baptismPlace, deathPlace;
  char sex = ' ';
  std::array<uint16_t, 6> slots{0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
  uint16_t father = 0;
  uint16_t mother = 0;
  std::vector<RecordChild> children;
  std::vector<RecordUnion> unions;
  std::vector<RecordDocument> documents;
};

// The sync marker (four bytes 0x01) and the record's fields in file order.
std::vector<uint8_t> PersonRecordBytes(const PersonRecord& record);

// Three cards in ascending number, with creation ranks that differ from the numbers:
// 7 "Weber Johann" (rank 2, every field filled), 9 "Maier Rosa" (rank 1, his wife),
// 12 "Weber Anna Maria" (rank 3, their daughter, sex unknown, born a year before her father).
std::vector<PersonRecord> FamilyRecords();
// Their records one after the other, as FICHES.nnn holds them.
std::vector<uint8_t> FamilyFileBytes();
// What `persons` prints for them: number, name, sex, father, mother.
inline const std::string kFamilyLines =
    "7\tWeber Johann\tH\t0\t0\n9\tMaier Rosa\tF\t0\t0\n12\tWeber Anna Maria\t \t7\t9\n";

}  // namespace vl::test
