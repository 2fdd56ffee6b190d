#include "records/record_json.hpp"

#include <string>

#include "common/cp1252.hpp"
#include "records/record_field_table.hpp"

namespace vl {
namespace {

using Json = nlohmann::ordered_json;

Json DateTimeJson(const DateTimeValue& v) {
  return Json{{"calendar", v.calendar}, {"day", v.day},   {"month", v.month},
              {"year", v.year},         {"hour", v.hour}, {"minute", v.minute}};
}

Json TimeStampJson(const TimeStamp& s) {
  return Json{{"day", s.day}, {"month", s.month}, {"year", s.year}, {"hour", s.hour}, {"minute", s.minute}};
}

Json FieldsJson(const CertificateRecord& record, std::span<const FieldEntry> fields, int base);

Json FieldJson(const CertificateRecord& record, const FieldEntry& field, int base) {
  int at = base + field.offset;
  switch (field.kind) {
    case FieldKind::Text:
      return Cp1252ToUtf8(record.Get(TextField{at, field.size}));
    case FieldKind::U16:
      return record.Get(U16Field{at});
    case FieldKind::I16:
      return record.Get(I16Field{at});
    case FieldKind::Byte: {
      uint8_t byte = record.Get(ByteField{at});
      return byte == 0 ? std::string() : Cp1252ToUtf8(std::string(1, static_cast<char>(byte)));
    }
    case FieldKind::DateTime:
      return DateTimeJson(record.Get(DateTimeField{at}));
    case FieldKind::TimeStamp:
      return TimeStampJson(record.Get(TimeStampField{at}));
    case FieldKind::GivenNames: {
      Json names = Json::array();
      for (const std::string& name : record.Get(GivenNamesField{at})) names.push_back(Cp1252ToUtf8(name));
      return names;
    }
    case FieldKind::ParentEntry:
    case FieldKind::WitnessEntry:
    case FieldKind::LateParentEntry:
    case FieldKind::SpouseEntry:
      return FieldsJson(record, FieldsOfBlock(field.kind), at);
    case FieldKind::Reserved:
      break;
  }
  return nullptr;
}

Json FieldsJson(const CertificateRecord& record, std::span<const FieldEntry> fields, int base) {
  Json object = Json::object();
  for (const FieldEntry& field : fields) {
    if (field.kind == FieldKind::Reserved) continue;
    object[field.name] = FieldJson(record, field, base);
  }
  return object;
}

}  // namespace

nlohmann::ordered_json RecordToJson(const CertificateRecord& record) {
  return FieldsJson(record, FieldsOfKind(record.Kind()), 0);
}

}  // namespace vl
