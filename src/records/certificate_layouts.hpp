#pragma once
// Byte layouts of the six certificate records. All offsets are from the start of the record;
// every record begins with the same 144-byte certificate header. Areas not named here are
// reserved and stay as they are (zero in a new record).
#include <array>

#include "records/person_blocks.hpp"
#include "records/record_field.hpp"

namespace vl {

constexpr int kCertificateHeaderSize = 144;
constexpr int kNotesSize = 800;
constexpr int kWitnessCount = 4;

using WitnessEntries = std::array<WitnessEntryLayout, kWitnessCount>;

constexpr WitnessEntries WitnessEntriesAt(int first) {
  return {WitnessEntryAt(first), WitnessEntryAt(first + kWitnessEntrySize), WitnessEntryAt(first + 2 * kWitnessEntrySize),
          WitnessEntryAt(first + 3 * kWitnessEntrySize)};
}

// Common to all kinds.
namespace certificate_header {
inline constexpr TextField kOfficial{0, 30};         // registrar (civil kinds) or officiating priest (church kinds)
inline constexpr TextField kOffice{30, 30};          // town hall (civil kinds) or parish (church kinds)
inline constexpr TextField kRegisterNumber{60, 30};
inline constexpr TextField kSource{90, 30};          // source of the transcript
inline constexpr U16Field kStored{120};              // 1 once written to its slot, 0 in a new record
inline constexpr U16Field kKeyPerson{122};           // child, deceased or groom; copied into the slot file's table B
inline constexpr TimeStampField kCreated{124};       // set by the slot file when a new slot is taken
inline constexpr TimeStampField kChanged{134};       // set by the slot file at every write
}  // namespace certificate_header

// Kind 0, 3593 bytes.
namespace birth_record {
constexpr int kSize = 3593;
inline constexpr U16Field kChildLink{144};
inline constexpr TextField kNumberText{146, 16};     // the user's own "Nr."
inline constexpr TextField kPhoto{162, 16};          // picture of the document
inline constexpr ByteField kSex{178};
inline constexpr TextField kSurname{179, 30};
inline constexpr GivenNamesField kGivenNames{209};
inline constexpr DateTimeField kBirth{309};
inline constexpr TextField kBirthPlace{321, 30};
inline constexpr TextField kAddress{351, 80};
inline constexpr ParentEntryLayout kFather = ParentEntryAt(431);
inline constexpr ParentEntryLayout kMother = ParentEntryAt(817);
inline constexpr WitnessEntries kWitnesses = WitnessEntriesAt(1203);
inline constexpr TextField kNotes{2747, kNotesSize};
// 3547..3592 reserved
inline constexpr NameFields kChild{kSurname, kGivenNames};
}  // namespace birth_record

// Kind 3, 3565 bytes.
namespace baptism_record {
constexpr int kSize = 3565;
inline constexpr U16Field kChildLink{144};
inline constexpr TextField kNumberText{146, 16};
inline constexpr TextField kPhoto{162, 16};
inline constexpr ByteField kSex{178};
inline constexpr TextField kSurname{179, 30};
inline constexpr GivenNamesField kGivenNames{209};
inline constexpr DateTimeField kBaptism{309};
inline constexpr TextField kBaptismPlace{321, 30};
inline constexpr TextField kAddress{351, 80};
inline constexpr U16Field kLegitimate{431};          // " ehelich"
inline constexpr U16Field kEmergencyBaptism{433};    // " Nottaufe"
inline constexpr ParentEntryLayout kFather = ParentEntryAt(435);
inline constexpr ParentEntryLayout kMother = ParentEntryAt(821);
inline constexpr WitnessEntries kGodparents = WitnessEntriesAt(1207);
inline constexpr U16Field kDied{2751};               // " Gestorben"
inline constexpr DateTimeField kDeathDate{2753};
inline constexpr TextField kNotes{2765, kNotesSize};
inline constexpr NameFields kChild{kSurname, kGivenNames};
}  // namespace baptism_record

// Kind 2, 3520 bytes.
namespace death_record {
constexpr int kSize = 3520;
inline constexpr TextField kNumberText{144, 16};
inline constexpr TextField kPhoto{160, 16};
inline constexpr DateTimeField kDeath{176};
inline constexpr TextField kDeathPlace{188, 30};
inline constexpr DateTimeField kBirth{218};
inline constexpr TextField kBirthPlace{230, 30};
inline constexpr TextField kCause{260, 30};
// 290..399 reserved
inline constexpr TextField kSurname{400, 30};
inline constexpr GivenNamesField kGivenNames{430};
inline constexpr U16Field kDeceasedLink{530};
// 532..547 reserved
inline constexpr TextField kProfession{548, 50};
inline constexpr TextField kProfessionPlace{598, 30};
inline constexpr TextField kResidence{628, 30};
inline constexpr TextField kAddress{658, 80};
inline constexpr LateParentEntryLayout kFather = LateParentEntryAt(738);
inline constexpr LateParentEntryLayout kMother = LateParentEntryAt(932);
inline constexpr U16Field kMaritalStatus{1126};
// 1128..1169 reserved
inline constexpr I16Field kAge{1170};
// 1172..1175 reserved
inline constexpr WitnessEntries kWitnesses = WitnessEntriesAt(1176);
inline constexpr TextField kNotes{2720, kNotesSize};
inline constexpr NameFields kDeceased{kSurname, kGivenNames};
}  // namespace death_record

// Kind 5, 3612 bytes.
namespace burial_record {
constexpr int kSize = 3612;
inline constexpr U16Field kSpouseLink{144};
inline constexpr TextField kNumberText{146, 16};
inline constexpr TextField kPhoto{162, 16};
inline constexpr DateTimeField kBurial{178};
inline constexpr TextField kBurialPlace{190, 30};
inline constexpr TextField kCause{220, 30};
// 250..359 reserved
inline constexpr TextField kSurname{360, 30};
inline constexpr GivenNamesField kGivenNames{390};
inline constexpr U16Field kDeceasedLink{490};
// 492..507 reserved
inline constexpr TextField kProfession{508, 50};
inline constexpr TextField kProfessionPlace{558, 30};
inline constexpr TextField kResidence{588, 30};
inline constexpr TextField kAddress{618, 80};
inline constexpr LateParentEntryLayout kFather = LateParentEntryAt(698);
inline constexpr LateParentEntryLayout kMother = LateParentEntryAt(892);
inline constexpr U16Field kMaritalStatus{1086};
// 1088..1129 reserved
inline constexpr I16Field kAge{1130};
// 1132..1135 reserved
inline constexpr TextField kSpouseSurname{1136, 30};
inline constexpr GivenNamesField kSpouseGivenNames{1166};
inline constexpr I16Field kSpouseAge{1266};
inline constexpr WitnessEntries kWitnesses = WitnessEntriesAt(1268);
inline constexpr TextField kNotes{2812, kNotesSize};
inline constexpr NameFields kDeceased{kSurname, kGivenNames};
inline constexpr NameFields kSpouse{kSpouseSurname, kSpouseGivenNames};
}  // namespace burial_record

// Kind 1, 4222 bytes. Witnesses 1 and 2 stand on the groom's side, 3 and 4 on the bride's.
namespace civil_marriage_record {
constexpr int kSize = 4222;
inline constexpr TextField kNumberText{144, 16};
inline constexpr DateTimeField kMarriage{160};       // date part only
inline constexpr TextField kMarriagePlace{172, 30};
inline constexpr SpouseEntryLayout kGroom = SpouseEntryAt(202);
inline constexpr SpouseEntryLayout kBride = SpouseEntryAt(978);
inline constexpr DateTimeField kContractDate{1754};  // marriage contract ("Ehevertrag")
inline constexpr TextField kNotary{1766, 30};
inline constexpr TextField kContractPlace{1796, 80};
inline constexpr WitnessEntries kWitnesses = WitnessEntriesAt(1876);
inline constexpr U16Field kLegitimation{3420};       // legitimation of children
inline constexpr TextField kNotes{3422, kNotesSize};
}  // namespace civil_marriage_record

// Kind 4, 4118 bytes. Witnesses as in the civil marriage.
namespace church_wedding_record {
constexpr int kSize = 4118;
inline constexpr TextField kNumberText{144, 16};
inline constexpr DateTimeField kWedding{160};        // date part only
inline constexpr TextField kWeddingPlace{172, 30};
inline constexpr SpouseEntryLayout kGroom = SpouseEntryAt(202);
inline constexpr SpouseEntryLayout kBride = SpouseEntryAt(978);
inline constexpr WitnessEntries kWitnesses = WitnessEntriesAt(1754);
inline constexpr U16Field kBanns{3298};              // kBannsPublished or kBannsDispensed
inline constexpr I16Field kObjection{3300};          // kObjectionSet or kFlagClearWord
inline constexpr DateTimeField kDispensationDate{3302};
inline constexpr I16Field kDispensation{3314};       // kDispensationSet or kFlagClearWord
inline constexpr I16Field kKinshipDegree{3316};      // of the dispensation
inline constexpr TextField kNotes{3318, kNotesSize};
}  // namespace church_wedding_record

}  // namespace vl
