#include "person_records.hpp"

namespace vl::test {
namespace {

class Bytes {
 public:
  void U8(uint8_t value) { bytes_.push_back(value); }
  void U16(uint16_t value) {
    U8(static_cast<uint8_t>(value & 0xFF));
    U8(static_cast<uint8_t>(value >> 8));
  }
  void Raw(const std::string& text) { bytes_.insert(bytes_.end(), text.begin(), text.end()); }
  // u16 length, then the bytes without terminator.
  void Text(const std::string& text) {
    U16(static_cast<uint16_t>(text.size()));
    Raw(text);
  }
  void DateTime(const DateTimeWords& words) {
    for (int16_t word : words) U16(static_cast<uint16_t>(word));
  }
  std::vector<uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<uint8_t> bytes_;
};

}  // namespace

std::vector<uint8_t> PersonRecordBytes(const PersonRecord& r) {
  Bytes b;
  for (int i = 0; i < 4; ++i) b.U8(0x01);
  b.Text(r.fullName);
  b.U16(r.surnameLength);
  b.U16(r.number);
  b.U16(r.rank);
  b.Text(r.numberText);
  b.Text(r.photo);
  b.Text(r.profession);
  b.Text(r.professionPlace);
  b.Text(r.notes);
  size_t titleBytes = 5;
  for (const std::string& title : r.titles) titleBytes += title.size();
  b.U16(static_cast<uint16_t>(titleBytes));
  for (const std::string& title : r.titles) {
    b.U8(static_cast<uint8_t>(title.size()));
    b.Raw(title);
  }
  b.DateTime(r.birth);
  b.Text(r.birthPlace);
  b.DateTime(r.baptism);
  b.Text(r.baptismPlace);
  b.DateTime(r.death);
  b.Text(r.deathPlace);
  b.U8(static_cast<uint8_t>(r.sex));
  for (uint16_t slot : r.slots) b.U16(slot);
  for (int i = 0; i < 46; ++i) b.U8(static_cast<uint8_t>(i));  // box style, opaque
  b.U16(r.father);
  b.U16(r.mother);
  b.U16(static_cast<uint16_t>(r.children.size()));
  for (const RecordChild& child : r.children) {
    b.U16(child.person);
    b.U16(child.unionIndex);
  }
  b.U16(static_cast<uint16_t>(r.unions.size()));
  for (const RecordUnion& u : r.unions) {
    b.U16(u.spouse);
    b.DateTime(u.date);
    b.Text(u.place);
    b.U16(u.slot);
    b.U16(u.kind);
  }
  b.U16(static_cast<uint16_t>(r.documents.size()));
  for (const RecordDocument& d : r.documents) {
    b.Text(d.description);
    b.Text(d.file);
  }
  return b.Take();
}

std::vector<PersonRecord> FamilyRecords() {
  PersonRecord father;
  father.fullName = "Weber Johann";
  father.surnameLength = 5;
  father.number = 7;
  father.rank = 2;
  father.numberText = "A-1";
  father.photo = "JOHANN.BMP";
  father.profession = "M\xFCller";
  father.professionPlace = "Ulm";
  father.notes = "Erste Zeile";
  father.titles = {"Dr.", "", "", "", "Graf"};
  father.birth = {1, 2, 3, 1850, 6, 30};  // the calendar tag of a person date is not kept
  father.birthPlace = "Ulm";
  father.baptism = {0, 4, 3, 1850, -1, -1};  // unknown time: stays 0
  father.baptismPlace =
      "S\xF6"
      "flingen";
  father.sex = 'H';
  father.slots = {5, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF, 0xFFFF};
  father.children = {{12, 1}};
  father.unions = {{9, {1, 1, 5, 1875, 10, 15}, "Ulm", 3, 1}};  // only day, month and year are kept
  father.documents = {{"Brief", "BRIEF.TXT"}, {"Leer", ""}};    // no file name: not restored

  PersonRecord mother;
  mother.fullName = "Maier Rosa";
  mother.surnameLength = 5;
  mother.number = 9;
  mother.rank = 1;
  mother.sex = 'F';
  mother.children = {{12, 1}};
  mother.unions = {{7, {0, 1, 5, 1875, 0, 0}, "Ulm", 0xFFFF, 1}};  // no certificate on her side

  PersonRecord daughter;
  daughter.fullName = "Weber Anna Maria";
  daughter.surnameLength = 5;
  daughter.number = 12;
  daughter.rank = 3;
  daughter.birth = {0, 1, 1, 1849, 0, 0};  // before her father: a finding for verify
  daughter.father = 7;
  daughter.mother = 9;
  return {father, mother, daughter};
}

std::vector<uint8_t> FamilyFileBytes() {
  std::vector<uint8_t> bytes;
  for (const PersonRecord& record : FamilyRecords()) {
    std::vector<uint8_t> one = PersonRecordBytes(record);
    bytes.insert(bytes.end(), one.begin(), one.end());
  }
  return bytes;
}

}  // namespace vl::test
