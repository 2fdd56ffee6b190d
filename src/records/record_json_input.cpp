#include "records/record_json_input.hpp"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string_view>

#include "common/cp1252.hpp"
#include "dates/date_parse.hpp"
#include "records/person_links.hpp"
#include "records/plausibility_checks.hpp"
#include "records/record_field_table.hpp"

namespace vl {
namespace {

using Json = nlohmann::json;

// Given names hold 19 characters in the window; other texts the field size minus 2.
constexpr size_t kGivenNameLength = 19;

class RecordFiller {
 public:
  RecordFiller(CertificateRecord& record, Prompter& prompter, RecordInputResult& result)
      : record_(record), prompter_(prompter), result_(result) {}

  bool Object(const Json& input, std::span<const FieldEntry> fields, int base, bool topLevel) {
    if (!input.is_object()) return WrongUsage(path_.empty() ? "Erwartet wird ein JSON-Objekt" : "Kein Objekt: " + path_);
    for (const auto& [name, value] : input.items()) {
      const FieldEntry* field = Find(fields, name);
      if (field == nullptr || (topLevel && IsHeaderStamp(name))) return WrongUsage("Unbekanntes Feld: " + Path(name));
      const std::string outer = path_;
      path_ = Path(name);
      const bool ok = Field(value, *field, base + field->offset, topLevel);
      path_ = outer;
      if (!ok) return false;
    }
    return true;
  }

 private:
  static const FieldEntry* Find(std::span<const FieldEntry> fields, std::string_view name) {
    auto it = std::find_if(fields.begin(), fields.end(), [name](const FieldEntry& f) {
      return f.kind != FieldKind::Reserved && name == f.name;
    });
    return it == fields.end() ? nullptr : &*it;
  }
  static bool IsHeaderStamp(std::string_view name) {
    return name == "slot" || name == "stored" || name == "key_person" || name == "created" || name == "changed";
  }
  std::string Path(const std::string& name) const { return path_.empty() ? name : path_ + "." + name; }

  bool WrongUsage(std::string problem) {
    result_.status = RecordInputResult::WrongUsage;
    result_.problem = std::move(problem);
    return false;
  }
  bool Refuse() {
    result_.status = RecordInputResult::Refused;
    return false;
  }

  bool Field(const Json& value, const FieldEntry& field, int at, bool topLevel) {
    switch (field.kind) {
      case FieldKind::Text:
        return Text(value, TextField{at, field.size}, static_cast<size_t>(field.size - 2));
      case FieldKind::U16:
        return Integer(value, at, 0, std::numeric_limits<uint16_t>::max(), false);
      case FieldKind::I16:
        return Integer(value, at, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max(),
                       std::strcmp(field.name, "age") == 0 || std::strcmp(field.name, "spouse_age") == 0);
      case FieldKind::Byte:
        return Sex(value, at);
      case FieldKind::DateTime:
        return Date(value, DateTimeField{at}, topLevel);
      case FieldKind::GivenNames:
        return GivenNames(value, GivenNamesField{at});
      case FieldKind::ParentEntry:
      case FieldKind::WitnessEntry:
      case FieldKind::LateParentEntry:
      case FieldKind::SpouseEntry:
        return Object(value, FieldsOfBlock(field.kind), at, false);
      case FieldKind::TimeStamp:
      case FieldKind::Reserved:
        break;
    }
    return WrongUsage("Unbekanntes Feld: " + path_);
  }

  bool Text(const Json& value, TextField field, size_t length) {
    if (!value.is_string()) return WrongUsage("Text erwartet: " + path_);
    std::string text = Utf8ToCp1252(value.get<std::string>());
    if (text.size() > length) text.resize(length);
    record_.Set(field, text);
    return true;
  }

  // An age typed as text is checked as the window checks it; a number is stored as it is.
  bool Integer(const Json& value, int at, long long low, long long high, bool isAge) {
    if (isAge && value.is_string()) {
      const std::string text = value.get<std::string>();
      if (!CheckAgeField(text, prompter_)) return Refuse();
      record_.Set(I16Field{at}, static_cast<int16_t>(std::clamp<long long>(LeadingNumber(text), 0, high)));
      return true;
    }
    if (!value.is_number_integer()) return WrongUsage("Ganze Zahl erwartet: " + path_);
    const long long number = value.get<long long>();
    if (number < low || number > high) return WrongUsage("Zahl außerhalb des Bereichs: " + path_);
    if (low < 0) {
      record_.Set(I16Field{at}, static_cast<int16_t>(number));
    } else {
      record_.Set(U16Field{at}, static_cast<uint16_t>(number));
    }
    return true;
  }

  bool Sex(const Json& value, int at) {
    if (!value.is_string() || (value != "H" && value != "F")) return WrongUsage("\"H\" oder \"F\" erwartet: " + path_);
    record_.Set(ByteField{at}, static_cast<uint8_t>(value.get<std::string>()[0]));
    return true;
  }

  bool GivenNames(const Json& value, GivenNamesField field) {
    if (!value.is_array() || value.size() > static_cast<size_t>(kGivenNameCount)) {
      return WrongUsage("Höchstens fünf Vornamen als Liste erwartet: " + path_);
    }
    vl::GivenNames names;
    for (size_t i = 0; i < value.size(); ++i) {
      if (!value[i].is_string()) return WrongUsage("Text erwartet: " + path_);
      names[i] = Utf8ToCp1252(value[i].get<std::string>());
      if (names[i].size() > kGivenNameLength) names[i].resize(kGivenNameLength);
    }
    // The window fills the list from the first name on.
    std::stable_partition(names.begin(), names.end(), [](const std::string& name) { return !name.empty(); });
    record_.Set(field, names);
    return true;
  }

  bool Date(const Json& value, DateTimeField field, bool topLevel) {
    if (value.is_string()) return DateText(Utf8ToCp1252(value.get<std::string>()), field, topLevel);
    if (!value.is_object()) return WrongUsage("Datum als Text oder Objekt erwartet: " + path_);
    DateTimeValue date = record_.Get(field);
    int16_t* parts[] = {&date.calendar, &date.day, &date.month, &date.year, &date.hour, &date.minute};
    const char* names[] = {"calendar", "day", "month", "year", "hour", "minute"};
    for (const auto& [name, part] : value.items()) {
      auto it = std::find(std::begin(names), std::end(names), name);
      if (it == std::end(names)) return WrongUsage("Unbekanntes Feld: " + Path(name));
      if (!part.is_number_integer() || part.get<long long>() < std::numeric_limits<int16_t>::min() ||
          part.get<long long>() > std::numeric_limits<int16_t>::max()) {
        return WrongUsage("Ganze Zahl erwartet: " + Path(name));
      }
      *parts[it - std::begin(names)] = static_cast<int16_t>(part.get<long long>());
    }
    record_.Set(field, date);
    return true;
  }

  // "tt.mm.jjjj" or "tt.mm.jjjj hh:mm". The record's own dates are the save's to parse.
  bool DateText(const std::string& text, DateTimeField field, bool topLevel) {
    const size_t blank = text.find(' ');
    const std::string date = text.substr(0, blank);
    const std::string time = blank == std::string::npos ? std::string() : text.substr(blank + 1);
    if (topLevel) {
      result_.dates.push_back(TypedDate{field, date, time, true});
      return true;
    }
    DateTimeValue value = record_.Get(field);
    if (ParseDate(value, date, &prompter_) == kParseRejected) return Refuse();
    if (ParseTime(value, time, &prompter_) == kParseRejected) return Refuse();
    record_.Set(field, value);
    return true;
  }

  CertificateRecord& record_;
  Prompter& prompter_;
  RecordInputResult& result_;
  std::string path_;
};

uint16_t NameBitOfLink(std::string_view name) {
  if (name == "E") return kChangedMainName;
  if (name == "P") return kChangedFatherName;
  if (name == "M") return kChangedMotherName;
  if (name.size() == 2 && name[0] == 'T' && name[1] >= '1' && name[1] <= '4') {
    return static_cast<uint16_t>(kChangedWitness1Name << (name[1] - '1'));
  }
  return kChangedOther;
}

bool NamesOf(const CertificateRecord& record, const NameFields& names, std::string& text) {
  text = record.Get(names.surname);
  for (const std::string& given : record.Get(names.givenNames)) text += "\n" + given;
  return !record.Get(names.surname).empty() || !record.Get(names.givenNames.Name(0)).empty();
}

}  // namespace

RecordInputResult ApplyRecordJson(const nlohmann::json& input, CertificateRecord& record, Prompter& prompter) {
  RecordInputResult result;
  RecordFiller filler(record, prompter, result);
  filler.Object(input, FieldsOfKind(record.Kind()), 0, true);
  return result;
}

uint16_t ChangedBitsBetween(const CertificateRecord& before, const CertificateRecord& after, bool newRecord,
                            bool datesTyped) {
  uint16_t changed = (datesTyped || before.Bytes() != after.Bytes()) ? kChangedOther : 0;
  for (const PersonLinkField& link : PersonLinksOfKind(after.Kind())) {
    std::string was;
    std::string is;
    NamesOf(before, link.names, was);
    const bool named = NamesOf(after, link.names, is);
    if (newRecord ? named : was != is) changed |= NameBitOfLink(link.name);
  }
  return changed;
}

}  // namespace vl
