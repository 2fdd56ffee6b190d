#pragma once
// A certificate record held as its raw bytes, read and written through typed fields
// (certificate_layouts.hpp). Bytes that no setter touches stay exactly as they were read, so
// reading a record and writing it back changes only what the program edited.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/clock.hpp"
#include "dates/date_value.hpp"
#include "records/record_field.hpp"

namespace vl {

class SlotFile;

class CertificateRecord {
 public:
  // A new record of the kind: all zero, then the presets of the kind.
  static CertificateRecord New(int kind);
  // Wraps stored bytes; nullopt when their number is not the record size of the kind.
  static std::optional<CertificateRecord> FromBytes(int kind, std::vector<uint8_t> bytes);
  // Reads the record of slot from the slot file (whose kind is the record's kind); nullopt
  // after the file's message, or without one for a new slot.
  static std::optional<CertificateRecord> Read(SlotFile& file, int slot);

  // Stores the record through the slot file (a new slot for -1); the stamps the file sets
  // land in this record. Returns the slot used, or -1.
  int Write(SlotFile& file, int slot);

  int Kind() const { return kind_; }
  int Size() const { return static_cast<int>(bytes_.size()); }
  const std::vector<uint8_t>& Bytes() const { return bytes_; }

  // Text fields: at most size - 1 bytes are kept; setting the text a field already holds
  // leaves its bytes untouched.
  std::string Get(TextField field) const;
  void Set(TextField field, std::string_view text);
  uint16_t Get(U16Field field) const;
  void Set(U16Field field, uint16_t value);
  int16_t Get(I16Field field) const;
  void Set(I16Field field, int16_t value);
  uint8_t Get(ByteField field) const;
  void Set(ByteField field, uint8_t value);
  DateTimeValue Get(DateTimeField field) const;
  void Set(DateTimeField field, const DateTimeValue& value);
  TimeStamp Get(TimeStampField field) const;
  void Set(TimeStampField field, const TimeStamp& value);
  GivenNames Get(GivenNamesField field) const;
  void Set(GivenNamesField field, const GivenNames& names);

  // The common header.
  bool IsStored() const;
  void MarkStored();
  uint16_t KeyPerson() const;
  void SetKeyPerson(uint16_t person);
  TimeStamp Created() const;
  TimeStamp Changed() const;

 private:
  CertificateRecord(int kind, std::vector<uint8_t> bytes) : kind_(kind), bytes_(std::move(bytes)) {}
  // Throws std::out_of_range for a field that does not fit this record.
  uint8_t* At(int offset, int size);
  const uint8_t* At(int offset, int size) const;

  int kind_;
  std::vector<uint8_t> bytes_;
};

// The record size of a kind (3593, 4222, 3520, 3565, 4118, 3612).
int RecordSizeOfKind(int kind);
// Message number of the printed title of a kind: 8250 birth, 8254 civil marriage, 8252 death,
// 8251 baptism, 8255 church wedding, 8253 burial.
int TitleMessageOfKind(int kind);

}  // namespace vl
