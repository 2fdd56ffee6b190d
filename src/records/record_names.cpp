#include "records/record_names.hpp"

#include <stdexcept>

#include "common/cp1252.hpp"
#include "common/messages.hpp"
#include "dates/given_names.hpp"
#include "records/certificate_layouts.hpp"
#include "storage/card_file_names.hpp"

namespace vl {

std::string FullName(const CertificateRecord& record, const NameFields& names) {
  return JoinGivenNames(record.Get(names.surname), record.Get(names.givenNames));
}

NameFields MainPersonNames(int kind) {
  switch (kind) {
    case kBirth:
      return birth_record::kChild;
    case kCivilMarriage:
      return civil_marriage_record::kGroom.Name();
    case kDeath:
      return death_record::kDeceased;
    case kBaptism:
      return baptism_record::kChild;
    case kChurchWedding:
      return church_wedding_record::kGroom.Name();
    case kBurial:
      return burial_record::kDeceased;
    default:
      throw std::out_of_range("unknown certificate kind");
  }
}

std::string ChoiceEntryText(const CertificateRecord& record) {
  switch (record.Kind()) {
    case kCivilMarriage:
      return FullName(record, civil_marriage_record::kGroom.Name()) + " - " +
             FullName(record, civil_marriage_record::kBride.Name());
    case kChurchWedding:
      return FullName(record, church_wedding_record::kGroom.Name()) + " - " +
             FullName(record, church_wedding_record::kBride.Name());
    default:
      return FullName(record, MainPersonNames(record.Kind()));
  }
}

std::string EntryWindowTitle(const CertificateRecord& record) {
  return std::string(MessageText(TitleMessageOfKind(record.Kind()))) + Cp1252ToUtf8(ChoiceEntryText(record));
}

}  // namespace vl
