#include "records/person_links.hpp"

#include <array>
#include <string_view>

#include "records/certificate_layouts.hpp"
#include "storage/card_file_names.hpp"

namespace vl {
namespace {

constexpr PersonLinkField Link(const char* name, LinkRole role, U16Field link, NameFields names,
                               bool keyPerson = false) {
  return PersonLinkField{name, role, link, keyPerson, names};
}

constexpr PersonLinkField WitnessLink(const char* name, const WitnessEntryLayout& w) {
  return Link(name, LinkRole::Witness, w.link, w.Name());
}

template <typename ParentLayout>
constexpr std::array<PersonLinkField, 2> ParentLinks(const char* fatherName, const char* motherName,
                                                     LinkRole fatherRole, LinkRole motherRole,
                                                     const ParentLayout& father, const ParentLayout& mother) {
  return {Link(fatherName, fatherRole, father.link, father.Name()),
          Link(motherName, motherRole, mother.link, mother.Name())};
}

constexpr std::array<PersonLinkField, 4> WitnessLinks(const WitnessEntries& w) {
  return {WitnessLink("T1", w[0]), WitnessLink("T2", w[1]), WitnessLink("T3", w[2]), WitnessLink("T4", w[3])};
}

template <size_t... N>
constexpr auto Join(const std::array<PersonLinkField, N>&... parts) {
  std::array<PersonLinkField, (N + ...)> all{};
  size_t i = 0;
  ((
       [&] {
         for (const auto& link : parts) all[i++] = link;
       }()),
   ...);
  return all;
}

template <typename Record>
constexpr auto ChildOrDeceasedLinks(U16Field mainLink, NameFields mainNames, const Record& father,
                                    const Record& mother, const WitnessEntries& witnesses) {
  return Join(std::array{Link("E", LinkRole::MainPerson, mainLink, mainNames, true)},
              ParentLinks("P", "M", LinkRole::Father, LinkRole::Mother, father, mother), WitnessLinks(witnesses));
}

constexpr auto MarriageLinks(const SpouseEntryLayout& groom, const SpouseEntryLayout& bride,
                             const WitnessEntries& witnesses) {
  return Join(std::array{Link("EX", LinkRole::Groom, groom.link, groom.Name(), true),
                         Link("EE", LinkRole::Bride, bride.link, bride.Name())},
              ParentLinks("PX", "MX", LinkRole::GroomFather, LinkRole::GroomMother, groom.father, groom.mother),
              ParentLinks("PE", "ME", LinkRole::BrideFather, LinkRole::BrideMother, bride.father, bride.mother),
              WitnessLinks(witnesses));
}

constexpr auto kBirthLinks = ChildOrDeceasedLinks(birth_record::kChildLink, birth_record::kChild, birth_record::kFather,
                                                  birth_record::kMother, birth_record::kWitnesses);
constexpr auto kBaptismLinks =
    ChildOrDeceasedLinks(baptism_record::kChildLink, baptism_record::kChild, baptism_record::kFather,
                         baptism_record::kMother, baptism_record::kGodparents);
constexpr auto kDeathLinks =
    ChildOrDeceasedLinks(death_record::kDeceasedLink, death_record::kDeceased, death_record::kFather,
                         death_record::kMother, death_record::kWitnesses);
constexpr auto kBurialLinks = Join(
    std::array{Link("E", LinkRole::MainPerson, burial_record::kDeceasedLink, burial_record::kDeceased, true)},
    ParentLinks("P", "M", LinkRole::Father, LinkRole::Mother, burial_record::kFather, burial_record::kMother),
    std::array{Link("C1", LinkRole::Spouse, burial_record::kSpouseLink, burial_record::kSpouse)},
    WitnessLinks(burial_record::kWitnesses));
constexpr auto kCivilMarriageLinks = MarriageLinks(civil_marriage_record::kGroom, civil_marriage_record::kBride,
                                                   civil_marriage_record::kWitnesses);
constexpr auto kChurchWeddingLinks = MarriageLinks(church_wedding_record::kGroom, church_wedding_record::kBride,
                                                   church_wedding_record::kWitnesses);

}  // namespace

std::span<const PersonLinkField> PersonLinksOfKind(int kind) {
  switch (kind) {
    case kBirth:
      return kBirthLinks;
    case kCivilMarriage:
      return kCivilMarriageLinks;
    case kDeath:
      return kDeathLinks;
    case kBaptism:
      return kBaptismLinks;
    case kChurchWedding:
      return kChurchWeddingLinks;
    case kBurial:
      return kBurialLinks;
    default:
      return {};
  }
}

const PersonLinkField* FindPersonLink(int kind, std::string_view name) {
  for (const PersonLinkField& link : PersonLinksOfKind(kind)) {
    if (name == link.name) return &link;
  }
  return nullptr;
}

}  // namespace vl
