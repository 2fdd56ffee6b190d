#include "records/certificate_record.hpp"

#include <array>
#include <stdexcept>

#include "common/byte_io.hpp"
#include "records/certificate_layouts.hpp"
#include "records/value_encodings.hpp"
#include "storage/card_file_names.hpp"
#include "storage/slot_file.hpp"

namespace vl {
namespace {

void SetBothParentsLate(CertificateRecord& record, const LateParentEntryLayout& father,
                        const LateParentEntryLayout& mother) {
  record.Set(father.alive, kParentAlive);
  record.Set(mother.alive, kParentAlive);
}

void PresetSpouse(CertificateRecord& record, const SpouseEntryLayout& spouse) {
  record.Set(spouse.ofAge, kChecked);
  SetBothParentsLate(record, spouse.father, spouse.mother);
}

void ApplyPresets(CertificateRecord& record) {
  switch (record.Kind()) {
    case kBirth:
      record.Set(birth_record::kSex, kSexMale);
      record.Set(birth_record::kFather.maritalStatus, kMaritalSingle);
      record.Set(birth_record::kMother.maritalStatus, kMaritalSingle);
      break;
    case kBaptism:
      record.Set(baptism_record::kSex, kSexMale);
      record.Set(baptism_record::kFather.maritalStatus, kMaritalSingle);
      record.Set(baptism_record::kMother.maritalStatus, kMaritalSingle);
      record.Set(baptism_record::kLegitimate, kChecked);
      record.Set(baptism_record::kEmergencyBaptism, kUnchecked);
      record.Set(baptism_record::kDied, kUnchecked);
      break;
    case kDeath:
      SetBothParentsLate(record, death_record::kFather, death_record::kMother);
      record.Set(death_record::kMaritalStatus, kMaritalSingle);
      break;
    case kBurial:
      SetBothParentsLate(record, burial_record::kFather, burial_record::kMother);
      record.Set(burial_record::kMaritalStatus, kMaritalSingle);
      break;
    case kCivilMarriage:
      PresetSpouse(record, civil_marriage_record::kGroom);
      PresetSpouse(record, civil_marriage_record::kBride);
      record.Set(civil_marriage_record::kLegitimation, kChecked);
      break;
    case kChurchWedding:
      PresetSpouse(record, church_wedding_record::kGroom);
      PresetSpouse(record, church_wedding_record::kBride);
      record.Set(church_wedding_record::kBanns, kBannsPublished);
      record.Set(church_wedding_record::kObjection, kFlagClearWord);
      record.Set(church_wedding_record::kDispensation, kFlagClearWord);
      break;
    default:
      break;
  }
}

}  // namespace

int RecordSizeOfKind(int kind) { return InfoOfKind(kind).recordSize; }

int TitleMessageOfKind(int kind) {
  static constexpr std::array<int, kKindCount> kTitles = {8250, 8254, 8252, 8251, 8255, 8253};
  return kTitles.at(static_cast<size_t>(kind));
}

CertificateRecord CertificateRecord::New(int kind) {
  CertificateRecord record(kind, std::vector<uint8_t>(static_cast<size_t>(RecordSizeOfKind(kind)), 0));
  ApplyPresets(record);
  return record;
}

std::optional<CertificateRecord> CertificateRecord::FromBytes(int kind, std::vector<uint8_t> bytes) {
  if (kind < 0 || kind >= kKindCount || bytes.size() != static_cast<size_t>(RecordSizeOfKind(kind))) {
    return std::nullopt;
  }
  return CertificateRecord(kind, std::move(bytes));
}

std::optional<CertificateRecord> CertificateRecord::Read(SlotFile& file, int slot) {
  std::vector<uint8_t> bytes;
  if (file.Read(slot, bytes) != 1) return std::nullopt;
  return FromBytes(file.Kind(), std::move(bytes));
}

int CertificateRecord::Write(SlotFile& file, int slot) {
  if (file.Kind() != kind_) throw std::invalid_argument("certificate written to the slot file of another kind");
  return file.Write(bytes_, slot);
}

uint8_t* CertificateRecord::At(int offset, int size) {
  if (offset < 0 || size < 0 || static_cast<size_t>(offset) + static_cast<size_t>(size) > bytes_.size()) {
    throw std::out_of_range("field outside the certificate record");
  }
  return bytes_.data() + offset;
}

const uint8_t* CertificateRecord::At(int offset, int size) const {
  return const_cast<CertificateRecord*>(this)->At(offset, size);
}

std::string CertificateRecord::Get(TextField field) const {
  return GetFixedText(At(field.offset, field.size), static_cast<size_t>(field.size));
}

void CertificateRecord::Set(TextField field, std::string_view text) {
  if (Get(field) == text) return;
  PutFixedText(At(field.offset, field.size), static_cast<size_t>(field.size), text);
}

uint16_t CertificateRecord::Get(U16Field field) const { return GetU16(At(field.offset, 2)); }
void CertificateRecord::Set(U16Field field, uint16_t value) { PutU16(At(field.offset, 2), value); }
int16_t CertificateRecord::Get(I16Field field) const { return GetI16(At(field.offset, 2)); }
void CertificateRecord::Set(I16Field field, int16_t value) { PutI16(At(field.offset, 2), value); }
uint8_t CertificateRecord::Get(ByteField field) const { return *At(field.offset, 1); }
void CertificateRecord::Set(ByteField field, uint8_t value) { *At(field.offset, 1) = value; }

DateTimeValue CertificateRecord::Get(DateTimeField field) const {
  return ReadDateTimeValue(At(field.offset, kDateTimeValueSize));
}
void CertificateRecord::Set(DateTimeField field, const DateTimeValue& value) {
  WriteDateTimeValue(At(field.offset, kDateTimeValueSize), value);
}

TimeStamp CertificateRecord::Get(TimeStampField field) const { return ReadTimeStamp(At(field.offset, kTimeStampSize)); }
void CertificateRecord::Set(TimeStampField field, const TimeStamp& value) {
  WriteTimeStamp(At(field.offset, kTimeStampSize), value);
}

GivenNames CertificateRecord::Get(GivenNamesField field) const {
  GivenNames names;
  for (int i = 0; i < kGivenNameCount; ++i) names[static_cast<size_t>(i)] = Get(field.Name(i));
  return names;
}

void CertificateRecord::Set(GivenNamesField field, const GivenNames& names) {
  for (int i = 0; i < kGivenNameCount; ++i) Set(field.Name(i), names[static_cast<size_t>(i)]);
}

bool CertificateRecord::IsStored() const { return Get(certificate_header::kStored) == 1; }
void CertificateRecord::MarkStored() { Set(certificate_header::kStored, 1); }
uint16_t CertificateRecord::KeyPerson() const { return Get(certificate_header::kKeyPerson); }
void CertificateRecord::SetKeyPerson(uint16_t person) { Set(certificate_header::kKeyPerson, person); }
TimeStamp CertificateRecord::Created() const { return Get(certificate_header::kCreated); }
TimeStamp CertificateRecord::Changed() const { return Get(certificate_header::kChanged); }

}  // namespace vl
