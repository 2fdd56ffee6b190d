// The person-card file FICHES.nnn: one record per person card, each behind a four-byte marker.
#include <algorithm>

#include "common/byte_io.hpp"
#include "storage/card_file_store.hpp"

namespace vl {
namespace {

constexpr uint8_t kSyncByte = 0x01;

void WriteDateTime(ByteWriter& w, const DateTimeValue& v) {
  uint8_t bytes[kDateTimeValueSize];
  WriteDateTimeValue(bytes, v);
  w.Bytes(bytes, sizeof bytes);
}

void WritePerson(ByteWriter& w, const PersonCard& card) {
  for (int i = 0; i < 4; ++i) w.U8(kSyncByte);
  w.Text(card.fullName);
  w.U16(card.surnameLength);
  w.U16(card.number);
  w.U16(card.rank);
  w.Text(card.numberText);
  w.Text(card.photo);
  w.Text(card.profession);
  w.Text(card.professionPlace);
  w.Text(std::string_view(card.notes).substr(0, kMaxNotesLength));
  std::vector<uint8_t> titles = TitleGroups(TitlesOf(card));
  w.U16(static_cast<uint16_t>(titles.size()));
  w.Bytes(titles.data(), titles.size());
  WriteDateTime(w, card.birth);
  w.Text(card.birthPlace);
  WriteDateTime(w, card.baptism);
  w.Text(card.baptismPlace);
  WriteDateTime(w, card.death);
  w.Text(card.deathPlace);
  w.U8(static_cast<uint8_t>(card.sex));
  for (uint16_t slot : card.certificateSlots) w.U16(slot);
  w.Bytes(card.boxStyle.data(), card.boxStyle.size());
  w.U16(card.father ? card.father->number : 0);
  w.U16(card.mother ? card.mother->number : 0);
  w.U16(static_cast<uint16_t>(card.children.size()));
  for (const ChildLink& link : card.children) {
    w.U16(link.child ? link.child->number : 0);
    w.U16(link.unionIndex);
  }
  w.U16(static_cast<uint16_t>(card.unions.size()));
  for (const UnionEntry& entry : card.unions) {
    w.U16(entry.spouse ? entry.spouse->number : 0);
    WriteDateTime(w, entry.date);
    w.Text(entry.place);
    w.U16(entry.slot);
    w.U16(entry.kind);
  }
  w.U16(static_cast<uint16_t>(card.documents.size()));
  for (const AttachedDocument& doc : card.documents) {
    w.Text(doc.description);
    w.Text(doc.file);
  }
}

}  // namespace

std::vector<uint8_t> SerialisePersons(const PersonIndex& persons, ProgressWindow* progress) {
  size_t count = 0;
  for (const PersonCard& card : persons) count += card.fullName.empty() ? 0 : 1;
  std::vector<uint8_t> bytes;
  bytes.reserve(count * 160);
  ByteWriter writer(bytes);
  size_t written = 0;
  int shown = -1;
  for (const PersonCard& card : persons) {
    if (card.fullName.empty()) continue;
    WritePerson(writer, card);
    ++written;
    int percent = static_cast<int>(written * 100 / count);
    if (progress && percent != shown) progress->SetPercent(shown = percent);
  }
  return bytes;
}

}  // namespace vl
