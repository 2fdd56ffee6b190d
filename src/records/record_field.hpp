#pragma once
// Typed places inside a certificate record: an offset from the start of the record plus,
// for texts, the field size. CertificateRecord reads and writes values through them.
#include "dates/given_names.hpp"

namespace vl {

// NUL-terminated Windows-1252 text in a fixed field of `size` bytes.
struct TextField {
  int offset;
  int size;
};
struct U16Field {
  int offset;
};
struct I16Field {
  int offset;
};
struct ByteField {
  int offset;
};
// 12 bytes: calendar tag, day, month, year, hour, minute.
struct DateTimeField {
  int offset;
};
// 10 bytes: day, month, year since 1900, hour, minute.
struct TimeStampField {
  int offset;
};

// Five 20-byte text fields (kGivenNameCount, kGivenNameFieldSize), filled from the first.
constexpr int kGivenNamesSize = kGivenNameCount * kGivenNameFieldSize;
struct GivenNamesField {
  int offset;
  constexpr TextField Name(int index) const {
    return TextField{offset + index * kGivenNameFieldSize, kGivenNameFieldSize};
  }
};

// Surname and given names of one person in a record: what a full name is built from.
struct NameFields {
  TextField surname;
  GivenNamesField givenNames;
};

}  // namespace vl
