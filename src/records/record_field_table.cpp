#include "records/record_field_table.hpp"

#include <initializer_list>
#include <vector>

#include "common/clock.hpp"
#include "dates/date_value.hpp"
#include "records/certificate_layouts.hpp"
#include "storage/card_file_names.hpp"

namespace vl {
namespace {

FieldSpec Spec(const char* name, TextField f) { return {name, FieldKind::Text, f.offset, f.size}; }
FieldSpec Spec(const char* name, U16Field f) { return {name, FieldKind::U16, f.offset, 2}; }
FieldSpec Spec(const char* name, I16Field f) { return {name, FieldKind::I16, f.offset, 2}; }
FieldSpec Spec(const char* name, ByteField f) { return {name, FieldKind::Byte, f.offset, 1}; }
FieldSpec Spec(const char* name, DateTimeField f) { return {name, FieldKind::DateTime, f.offset, kDateTimeValueSize}; }
FieldSpec Spec(const char* name, TimeStampField f) { return {name, FieldKind::TimeStamp, f.offset, kTimeStampSize}; }
FieldSpec Spec(const char* name, GivenNamesField f) {
  return {name, FieldKind::GivenNames, f.offset, kGivenNamesSize};
}
FieldSpec Spec(const char* name, const ParentEntryLayout& b) {
  return {name, FieldKind::ParentEntry, b.offset, kParentEntrySize};
}
FieldSpec Spec(const char* name, const WitnessEntryLayout& b) {
  return {name, FieldKind::WitnessEntry, b.offset, kWitnessEntrySize};
}
FieldSpec Spec(const char* name, const LateParentEntryLayout& b) {
  return {name, FieldKind::LateParentEntry, b.offset, kLateParentEntrySize};
}
FieldSpec Spec(const char* name, const SpouseEntryLayout& b) {
  return {name, FieldKind::SpouseEntry, b.offset, kSpouseEntrySize};
}
FieldSpec Reserved(int offset, int size) { return {"reserved", FieldKind::Reserved, offset, size}; }

std::vector<FieldSpec> WithHeader(std::initializer_list<FieldSpec> body) {
  namespace h = certificate_header;
  std::vector<FieldSpec> specs = {Spec("official", h::kOfficial),   Spec("office", h::kOffice),
                                  Spec("register_number", h::kRegisterNumber), Spec("source", h::kSource),
                                  Spec("stored", h::kStored),       Spec("key_person", h::kKeyPerson),
                                  Spec("created", h::kCreated),     Spec("changed", h::kChanged)};
  specs.insert(specs.end(), body);
  return specs;
}

std::vector<FieldSpec> BirthSpecs() {
  namespace r = birth_record;
  return WithHeader({Spec("child_link", r::kChildLink), Spec("number_text", r::kNumberText), Spec("photo", r::kPhoto),
                     Spec("sex", r::kSex), Spec("surname", r::kSurname), Spec("given_names", r::kGivenNames),
                     Spec("birth", r::kBirth), Spec("birth_place", r::kBirthPlace), Spec("address", r::kAddress),
                     Spec("father", r::kFather), Spec("mother", r::kMother), Spec("witness_1", r::kWitnesses[0]),
                     Spec("witness_2", r::kWitnesses[1]), Spec("witness_3", r::kWitnesses[2]),
                     Spec("witness_4", r::kWitnesses[3]), Spec("notes", r::kNotes),
                     Reserved(3547, r::kSize - 3547)});
}

std::vector<FieldSpec> BaptismSpecs() {
  namespace r = baptism_record;
  return WithHeader({Spec("child_link", r::kChildLink), Spec("number_text", r::kNumberText), Spec("photo", r::kPhoto),
                     Spec("sex", r::kSex), Spec("surname", r::kSurname), Spec("given_names", r::kGivenNames),
                     Spec("baptism", r::kBaptism), Spec("baptism_place", r::kBaptismPlace),
                     Spec("address", r::kAddress), Spec("legitimate", r::kLegitimate),
                     Spec("emergency_baptism", r::kEmergencyBaptism), Spec("father", r::kFather),
                     Spec("mother", r::kMother), Spec("godparent_1", r::kGodparents[0]),
                     Spec("godparent_2", r::kGodparents[1]), Spec("godparent_3", r::kGodparents[2]),
                     Spec("godparent_4", r::kGodparents[3]), Spec("died", r::kDied),
                     Spec("death_date", r::kDeathDate), Spec("notes", r::kNotes)});
}

std::vector<FieldSpec> DeathSpecs() {
  namespace r = death_record;
  return WithHeader({Spec("number_text", r::kNumberText), Spec("photo", r::kPhoto), Spec("death", r::kDeath),
                     Spec("death_place", r::kDeathPlace), Spec("birth", r::kBirth), Spec("birth_place", r::kBirthPlace),
                     Spec("cause", r::kCause), Reserved(290, 110), Spec("surname", r::kSurname),
                     Spec("given_names", r::kGivenNames), Spec("deceased_link", r::kDeceasedLink), Reserved(532, 16),
                     Spec("profession", r::kProfession), Spec("profession_place", r::kProfessionPlace),
                     Spec("residence", r::kResidence), Spec("address", r::kAddress), Spec("father", r::kFather),
                     Spec("mother", r::kMother), Spec("marital_status", r::kMaritalStatus), Reserved(1128, 42),
                     Spec("age", r::kAge), Reserved(1172, 4), Spec("witness_1", r::kWitnesses[0]),
                     Spec("witness_2", r::kWitnesses[1]), Spec("witness_3", r::kWitnesses[2]),
                     Spec("witness_4", r::kWitnesses[3]), Spec("notes", r::kNotes)});
}

std::vector<FieldSpec> BurialSpecs() {
  namespace r = burial_record;
  return WithHeader({Spec("spouse_link", r::kSpouseLink), Spec("number_text", r::kNumberText), Spec("photo", r::kPhoto),
                     Spec("burial", r::kBurial), Spec("burial_place", r::kBurialPlace), Spec("cause", r::kCause),
                     Reserved(250, 110), Spec("surname", r::kSurname), Spec("given_names", r::kGivenNames),
                     Spec("deceased_link", r::kDeceasedLink), Reserved(492, 16), Spec("profession", r::kProfession),
                     Spec("profession_place", r::kProfessionPlace), Spec("residence", r::kResidence),
                     Spec("address", r::kAddress), Spec("father", r::kFather), Spec("mother", r::kMother),
                     Spec("marital_status", r::kMaritalStatus), Reserved(1088, 42), Spec("age", r::kAge),
                     Reserved(1132, 4), Spec("spouse_surname", r::kSpouseSurname),
                     Spec("spouse_given_names", r::kSpouseGivenNames), Spec("spouse_age", r::kSpouseAge),
                     Spec("witness_1", r::kWitnesses[0]), Spec("witness_2", r::kWitnesses[1]),
                     Spec("witness_3", r::kWitnesses[2]), Spec("witness_4", r::kWitnesses[3]),
                     Spec("notes", r::kNotes)});
}

std::vector<FieldSpec> CivilMarriageSpecs() {
  namespace r = civil_marriage_record;
  return WithHeader({Spec("number_text", r::kNumberText), Spec("marriage", r::kMarriage),
                     Spec("marriage_place", r::kMarriagePlace), Spec("groom", r::kGroom), Spec("bride", r::kBride),
                     Spec("contract_date", r::kContractDate), Spec("notary", r::kNotary),
                     Spec("contract_place", r::kContractPlace), Spec("witness_1", r::kWitnesses[0]),
                     Spec("witness_2", r::kWitnesses[1]), Spec("witness_3", r::kWitnesses[2]),
                     Spec("witness_4", r::kWitnesses[3]), Spec("legitimation", r::kLegitimation),
                     Spec("notes", r::kNotes)});
}

std::vector<FieldSpec> ChurchWeddingSpecs() {
  namespace r = church_wedding_record;
  return WithHeader({Spec("number_text", r::kNumberText), Spec("wedding", r::kWedding),
                     Spec("wedding_place", r::kWeddingPlace), Spec("groom", r::kGroom), Spec("bride", r::kBride),
                     Spec("witness_1", r::kWitnesses[0]), Spec("witness_2", r::kWitnesses[1]),
                     Spec("witness_3", r::kWitnesses[2]), Spec("witness_4", r::kWitnesses[3]),
                     Spec("banns", r::kBanns), Spec("objection", r::kObjection),
                     Spec("dispensation_date", r::kDispensationDate), Spec("dispensation", r::kDispensation),
                     Spec("kinship_degree", r::kKinshipDegree), Spec("notes", r::kNotes)});
}

std::vector<FieldSpec> ParentSpecs() {
  constexpr ParentEntryLayout b = ParentEntryAt(0);
  return {Spec("surname", b.surname),   Spec("given_names", b.givenNames), Spec("link", b.link),
          Spec("profession", b.profession), Spec("profession_place", b.professionPlace), Spec("photo", b.photo),
          Spec("residence", b.residence), Spec("address", b.address),  Spec("marital_status", b.maritalStatus),
          Spec("birth", b.birthDate),   Spec("birth_place", b.birthPlace), Spec("age", b.age),
          Reserved(384, 2)};
}

std::vector<FieldSpec> WitnessSpecs() {
  constexpr WitnessEntryLayout b = WitnessEntryAt(0);
  return {Spec("surname", b.surname),     Spec("given_names", b.givenNames), Spec("link", b.link),
          Spec("photo", b.photo),         Spec("profession", b.profession), Spec("profession_place", b.professionPlace),
          Spec("residence", b.residence), Spec("address", b.address),       Spec("birth", b.birthDate),
          Spec("birth_place", b.birthPlace), Spec("age", b.age),            Spec("kinship_degree", b.kinshipDegree),
          Reserved(384, 2)};
}

std::vector<FieldSpec> LateParentSpecs() {
  constexpr LateParentEntryLayout b = LateParentEntryAt(0);
  return {Spec("alive", b.alive), Spec("link", b.link),        Spec("surname", b.surname),
          Spec("given_names", b.givenNames), Spec("photo", b.photo), Spec("death", b.deathDate),
          Spec("death_place", b.deathPlace), Reserved(192, 2)};
}

std::vector<FieldSpec> SpouseSpecs() {
  constexpr SpouseEntryLayout b = SpouseEntryAt(0);
  return {Spec("surname", b.surname),     Spec("given_names", b.givenNames), Spec("link", b.link),
          Spec("photo", b.photo),         Spec("profession", b.profession), Spec("profession_place", b.professionPlace),
          Spec("residence", b.residence), Spec("address", b.address),       Spec("father", b.father),
          Spec("mother", b.mother),       Spec("marital_status", b.maritalStatus), Spec("birth", b.birthDate),
          Spec("birth_place", b.birthPlace), Reserved(770, 2),              Spec("of_age", b.ofAge),
          Reserved(774, 2)};
}

}  // namespace

std::span<const FieldSpec> FieldSpecsOfKind(int kind) {
  static const std::vector<FieldSpec> kTables[kKindCount] = {BirthSpecs(),   CivilMarriageSpecs(), DeathSpecs(),
                                                             BaptismSpecs(), ChurchWeddingSpecs(), BurialSpecs()};
  if (kind < 0 || kind >= kKindCount) return {};
  return kTables[kind];
}

std::span<const FieldSpec> FieldSpecsOfBlock(FieldKind block) {
  static const std::vector<FieldSpec> kParent = ParentSpecs();
  static const std::vector<FieldSpec> kWitness = WitnessSpecs();
  static const std::vector<FieldSpec> kLateParent = LateParentSpecs();
  static const std::vector<FieldSpec> kSpouse = SpouseSpecs();
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
