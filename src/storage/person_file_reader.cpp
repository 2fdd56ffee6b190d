// Reading FICHES.nnn back, tolerant of damage: stray bytes, cut-off records, number 0.
#include <algorithm>

#include "common/byte_io.hpp"
#include "common/cp1252.hpp"
#include "storage/person_file_reader.hpp"

namespace vl {
namespace {

constexpr uint8_t kSyncByte = 0x01;

DateTimeValue ReadDateTime(ByteReader& r) {
  uint8_t bytes[kDateTimeValueSize] = {};
  r.Bytes(bytes, sizeof bytes);
  return ReadDateTimeValue(bytes);
}

// Day, month and year only when one of them is set, hour and minute likewise; no calendar tag.
DateTimeValue LoadedEventDate(const DateTimeValue& stored) {
  DateTimeValue value;
  if (stored.day >= 1 || stored.month >= 1 || stored.year >= 1) {
    value.day = stored.day;
    value.month = stored.month;
    value.year = stored.year;
  }
  if (stored.hour >= 1 || stored.minute >= 1) {
    value.hour = stored.hour;
    value.minute = stored.minute;
  }
  return value;
}

std::vector<uint8_t> ReadTitles(ByteReader& r) {
  std::string block = r.Text(r.U16());
  std::array<std::string, kTitleCount> titles;
  ByteReader groups(reinterpret_cast<const uint8_t*>(block.data()), block.size());
  for (auto& title : titles) {
    size_t length = groups.U8();
    title = groups.Text(std::min(length, groups.Remaining()));
  }
  return TitleGroups(titles);  // cuts any title longer than 80 bytes
}

}  // namespace

PersonRecordReader::Sync PersonRecordReader::Synchronise() {
  int run = 0;
  Sync sync;
  while (!reader_.AtEnd()) {
    if (reader_.U8() == kSyncByte) {
      if (++run == 4) {
        sync.found = true;
        return sync;
      }
    } else {
      run = 0;
      sync.strayBytes = true;
    }
  }
  return sync;
}

std::optional<StoredPerson> PersonRecordReader::ReadRecord() {
  StoredPerson p;
  ByteReader& r = reader_;
  p.card.fullName = r.LengthPrefixedText();
  p.card.surnameLength = r.U16();
  p.card.number = r.U16();
  p.card.rank = r.U16();
  p.card.numberText = r.LengthPrefixedText();
  p.card.photo = r.LengthPrefixedText();
  p.card.profession = r.LengthPrefixedText();
  p.card.professionPlace = r.LengthPrefixedText();
  p.card.notes = r.LengthPrefixedText();
  if (p.card.notes.size() > kMaxNotesLength) p.card.notes.resize(kMaxNotesLength);
  p.card.titles = ReadTitles(r);
  p.card.birth = LoadedEventDate(ReadDateTime(r));
  p.card.birthPlace = r.LengthPrefixedText();
  p.card.baptism = LoadedEventDate(ReadDateTime(r));
  p.card.baptismPlace = r.LengthPrefixedText();
  p.card.death = LoadedEventDate(ReadDateTime(r));
  p.card.deathPlace = r.LengthPrefixedText();
  p.card.sex = static_cast<char>(r.U8());
  for (uint16_t& slot : p.card.certificateSlots) slot = r.U16();
  r.Bytes(p.card.boxStyle.data(), p.card.boxStyle.size());
  p.father = r.U16();
  p.mother = r.U16();
  uint16_t childCount = r.U16();
  for (uint16_t i = 0; i < childCount && !r.Failed(); ++i) {
    uint16_t child = r.U16();
    uint16_t unionIndex = r.U16();
    p.children.push_back({child, unionIndex});
  }
  uint16_t unionCount = r.U16();
  for (uint16_t i = 0; i < unionCount && !r.Failed(); ++i) {
    StoredUnion u;
    u.spouse = r.U16();
    DateTimeValue date = ReadDateTime(r);
    u.entry.date.day = date.day;
    u.entry.date.month = date.month;
    u.entry.date.year = date.year;
    u.entry.place = r.LengthPrefixedText();
    u.entry.slot = r.U16();
    u.entry.kind = r.U16();
    p.unions.push_back(std::move(u));
  }
  uint16_t documentCount = r.U16();
  for (uint16_t i = 0; i < documentCount && !r.Failed(); ++i) {
    AttachedDocument doc;
    doc.description = r.LengthPrefixedText();
    doc.file = r.LengthPrefixedText();
    if (!doc.file.empty()) p.card.documents.push_back(std::move(doc));
  }
  if (r.Failed()) return std::nullopt;
  return p;
}

}  // namespace vl
