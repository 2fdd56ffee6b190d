#include "records/record_field_table.hpp"

#include <initializer_list>
#include <vector>

#include "common/clock.hpp"
#include "dates/date_value.hpp"
#include "records/certificate_layouts.hpp"
#include "storage/card_file_names.hpp"

namespace vl {
namespace {

FieldEntry Named(const char* name, TextField f) { return {name, FieldKind::Text, f.offset, f.size}; }
FieldEntry Named(const char* name, U16Field f) { return {name, FieldKind::U16, f.offset, 2}; }
FieldEntry Named(const char* name, I16Field f) { return {name, FieldKind::I16, f.offset, 2}; }
FieldEntry Named(const char* name, ByteField f) { return {name, FieldKind::Byte, f.offset, 1}; }
FieldEntry Named(const char* name, DateTimeField f) { return {name, FieldKind::DateTime, f.offset, kDateTimeValueSize}; }
FieldEntry Named(const char* name, TimeStampField f) { return {name, FieldKind::TimeStamp, f.offset, kTimeStampSize}; }
FieldEntry Named(const char* name, GivenNamesField f) {
  return {name, FieldKind::GivenNames, f.offset, kGivenNamesSize};
}
FieldEntry Named(const char* name, const ParentEntryLayout& b) {
  return {name, FieldKind::ParentEntry, b.offset, kParentEntrySize};
}
FieldEntry Named(const char* name, const WitnessEntryLayout& b) {
  return {name, FieldKind::WitnessEntry, b.offset, kWitnessEntrySize};
}
FieldEntry Named(const char* name, const LateParentEntryLayout& b) {
  return {name, FieldKind::LateParentEntry, b.offset, kLateParentEntrySize};
}
FieldEntry Named(const char* name, const SpouseEntryLayout& b) {
  return {name, FieldKind::SpouseEntry, b.offset, kSpouseEntrySize};
}
FieldEntry Reserved(int offset, int size) { return {"reserved", FieldKind::Reserved, offset, size}; }

std::vector<FieldEntry> WithHeader(std::initializer_list<FieldEntry> body) {
  namespace h = certificate_header;
  std::vector<FieldEntry> fields = {Named("official", h::kOfficial),   Named("office", h::kOffice),
                                  Named("register_number", h::kRegisterNumber), Named("source", h::kSource),
                                  Named("stored", h::kStored),       Named("key_person", h::kKeyPerson),
                                  Named("created", h::kCreated),     Named("changed", h::kChanged)};
  fields.insert(fields.end(), body);
  return fields;
}

std::vector<FieldEntry> BirthFields() {
  namespace r = birth_record;
  return WithHeader({Named("child_link", r::kChildLink), Named("number_text", r::kNumberText), Named("photo", r::kPhoto),
                     Named("sex", r::kSex), Named("surname", r::kSurname), Named("given_names", r::kGivenNames),
                     Named("birth", r::kBirth), Named("birth_place", r::kBirthPlace), Named("address", r::kAddress),
                     Named("father", r::kFather), Named("mother", r::kMother), Named("witness_1", r::kWitnesses[0]),
                     Named("witness_2", r::kWitnesses[1]), Named("witness_3", r::kWitnesses[2]),
                     Named("witness_4", r::kWitnesses[3]), Named("notes", r::kNotes),
                     Reserved(3547, r::kSize - 3547)});
}

std::vector<FieldEntry> BaptismFields() {
  namespace r = baptism_record;
  return WithHeader({Named("child_link", r::kChildLink), Named("number_text", r::kNumberText), Named("photo", r::kPhoto),
                     Named("sex", r::kSex), Named("surname", r::kSurname), Named("given_names", r::kGivenNames),
                     Named("baptism", r::kBaptism), Named("baptism_place", r::kBaptismPlace),
                     Named("address", r::kAddress), Named("legitimate", r::kLegitimate),
                     Named("emergency_baptism", r::kEmergencyBaptism), Named("father", r::kFather),
                     Named("mother", r::kMother), Named("godparent_1", r::kGodparents[0]),
                     Named("godparent_2", r::kGodparents[1]), Named("godparent_3", r::kGodparents[2]),
                     Named("godparent_4", r::kGodparents[3]), Named("died", r::kDied),
                     Named("death_date", r::kDeathDate), Named("notes", r::kNotes)});
}

std::vector<FieldEntry> DeathFields() {
  namespace r = death_record;
  return WithHeader({Named("number_text", r::kNumberText), Named("photo", r::kPhoto), Named("death", r::kDeath),
                     Named("death_place", r::kDeathPlace), Named("birth", r::kBirth), Named("birth_place", r::kBirthPlace),
                     Named("cause", r::kCause), Reserved(290, 110), Named("surname", r::kSurname),
                     Named("given_names", r::kGivenNames), Named("deceased_link", r::kDeceasedLink), Reserved(532, 16),
                     Named("profession", r::kProfession), Named("profession_place", r::kProfessionPlace),
                     Named("residence", r::kResidence), Named("address", r::kAddress), Named("father", r::kFather),
                     Named("mother", r::kMother), Named("marital_status", r::kMaritalStatus), Reserved(1128, 42),
                     Named("age", r::kAge), Reserved(1172, 4), Named("witness_1", r::kWitnesses[0]),
                     Named("witness_2", r::kWitnesses[1]), Named("witness_3", r::kWitnesses[2]),
                     Named("witness_4", r::kWitnesses[3]), Named("notes", r::kNotes)});
}

std::vector<FieldEntry> BurialFields() {
  namespace r = burial_record;
  return WithHeader({Named("spouse_link", r::kSpouseLink), Named("number_text", r::kNumberText), Named("photo", r::kPhoto),
                     Named("burial", r::kBurial), Named("burial_place", r::kBurialPlace), Named("cause", r::kCause),
                     Reserved(250, 110), Named("surname", r::kSurname), Named("given_names", r::kGivenNames),
                     Named("deceased_link", r::kDeceasedLink), Reserved(492, 16), Named("profession", r::kProfession),
                     Named("profession_place", r::kProfessionPlace), Named("residence", r::kResidence),
                     Named("address", r::kAddress), Named("father", r::kFather), Named("mother", r::kMother),
                     Named("marital_status", r::kMaritalStatus), Reserved(1088, 42), Named("age", r::kAge),
                     Reserved(1132, 4), Named("spouse_surname", r::kSpouseSurname),
                     Named("spouse_given_names", r::kSpouseGivenNames), Named("spouse_age", r::kSpouseAge),
                     Named("witness_1", r::kWitnesses[0]), Named("witness_2", r::kWitnesses[1]),
                     Named("witness_3", r::kWitnesses[2]), Named("witness_4", r::kWitnesses[3]),
                     Named("notes", r::kNotes)});
}

std::vector<FieldEntry> CivilMarriageFields() {
  namespace r = civil_marriage_record;
  return WithHeader({Named("number_text", r::kNumberText), Named("marriage", r::kMarriage),
                     Named("marriage_place", r::kMarriagePlace), Named("groom", r::kGroom), Named("bride", r::kBride),
                     Named("contract_date", r::kContractDate), Named("notary", r::kNotary),
                     Named("contract_place", r::kContractPlace), Named("witness_1", r::kWitnesses[0]),
                     Named("witness_2", r::kWitnesses[1]), Named("witness_3", r::kWitnesses[2]),
                     Named("witness_4", r::kWitnesses[3]), Named("legitimation", r::kLegitimation),
                     Named("notes", r::kNotes)});
}

std::vector<FieldEntry> ChurchWeddingFields() {
  namespace r = church_wedding_record;
  return WithHeader({Named("number_text", r::kNumberText), Named("wedding", r::kWedding),
                     Named("wedding_place", r::kWeddingPlace), Named("groom", r::kGroom), Named("bride", r::kBride),
                     Named("witness_1", r::kWitnesses[0]), Named("witness_2", r::kWitnesses[1]),
                     Named("witness_3", r::kWitnesses[2]), Named("witness_4", r::kWitnesses[3]),
                     Named("banns", r::kBanns), Named("objection", r::kObjection),
                     Named("dispensation_date", r::kDispensationDate), Named("dispensation", r::kDispensation),
                     Named("kinship_degree", r::kKinshipDegree), Named("notes", r::kNotes)});
}

std::vector<FieldEntry> ParentFields() {
  constexpr ParentEntryLayout b = ParentEntryAt(0);
  return {Named("surname", b.surname),   Named("given_names", b.givenNames), Named("link", b.link),
          Named("profession", b.profession), Named("profession_place", b.professionPlace), Named("photo", b.photo),
          Named("residence", b.residence), Named("address", b.address),  Named("marital_status", b.maritalStatus),
          Named("birth", b.birthDate),   Named("birth_place", b.birthPlace), Named("age", b.age),
          Reserved(384, 2)};
}

std::vector<FieldEntry> WitnessFields() {
  constexpr WitnessEntryLayout b = WitnessEntryAt(0);
  return {Named("surname", b.surname),     Named("given_names", b.givenNames), Named("link", b.link),
          Named("photo", b.photo),         Named("profession", b.profession), Named("profession_place", b.professionPlace),
          Named("residence", b.residence), Named("address", b.address),       Named("birth", b.birthDate),
          Named("birth_place", b.birthPlace), Named("age", b.age),            Named("kinship_degree", b.kinshipDegree),
          Reserved(384, 2)};
}

std::vector<FieldEntry> LateParentFields() {
  constexpr LateParentEntryLayout b = LateParentEntryAt(0);
  return {Named("alive", b.alive), Named("link", b.link),        Named("surname", b.surname),
          Named("given_names", b.givenNames), Named("photo", b.photo), Named("death", b.deathDate),
          Named("death_place", b.deathPlace), Reserved(192, 2)};
}

std::vector<FieldEntry> SpouseFields() {
  constexpr SpouseEntryLayout b = SpouseEntryAt(0);
  return {Named("surname", b.surname),     Named("given_names", b.givenNames), Named("link", b.link),
          Named("photo", b.photo),         Named("profession", b.profession), Named("profession_place", b.professionPlace),
          Named("residence", b.residence), Named("address", b.address),       Named("father", b.father),
          Named("mother", b.mother),       Named("marital_status", b.maritalStatus), Named("birth", b.birthDate),
          Named("birth_place", b.birthPlace), Reserved(770, 2),              Named("of_age", b.ofAge),
          Reserved(774, 2)};
}

}  // namespace

std::span<const FieldEntry> FieldsOfKind(int kind) {
  static const std::vector<FieldEntry> kTables[kKindCount] = {BirthFields(),   CivilMarriageFields(), DeathFields(),
                                                             BaptismFields(), ChurchWeddingFields(), BurialFields()};
  if (kind < 0 || kind >= kKindCount) return {};
  return kTables[kind];
}

std::span<const FieldEntry> FieldsOfBlock(FieldKind block) {
  static const std::vector<FieldEntry> kParent = ParentFields();
  static const std::vector<FieldEntry> kWitness = WitnessFields();
  static const std::vector<FieldEntry> kLateParent = LateParentFields();
  static const std::vector<FieldEntry> kSpouse = SpouseFields();
  switch (block) {
    case FieldKind::ParentEntry:
      return kParent;
    case FieldKind::WitnessEntry:
      return kWitness;
    case FieldKind::LateParentEntry:
      return kLateParent;
    case FieldKind::SpouseEntry:
      return kSpouse;
    default:
      return {};
  }
}

}  // namespace vl
