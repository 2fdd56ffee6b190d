#pragma once
// Every field of every certificate kind and person block by name, in record order, with the
// reserved areas between them: for generic readers such as the JSON output. Built from the
// layouts in certificate_layouts.hpp, so both always agree.
#include <span>

namespace vl {

enum class FieldKind {
  Text,
  U16,
  I16,
  Byte,
  DateTime,
  TimeStamp,
  GivenNames,
  ParentEntry,
  WitnessEntry,
  LateParentEntry,
  SpouseEntry,
  Reserved,
};

struct FieldEntry {
  const char* name;  // snake_case; "reserved" for reserved areas
  FieldKind kind;
  int offset;        // from the start of the record, or of the block for block fields
  int size;
};

// The fields of a certificate kind; together they cover the whole record without overlap.
std::span<const FieldEntry> FieldsOfKind(int kind);
// The fields of a person block kind (ParentEntry ...), offsets relative to the block; empty
// for other field kinds.
std::span<const FieldEntry> FieldsOfBlock(FieldKind block);

}  // namespace vl
