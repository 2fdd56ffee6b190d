#pragma once
// How the small coded values of certificate records and person cards are stored.
#include <cstdint>

namespace vl {

// Sex: one byte.
constexpr uint8_t kSexMale = 'H';
constexpr uint8_t kSexFemale = 'F';
constexpr uint8_t kSexUnknown = ' ';  // only person cards created without a known sex

// Marital status (u16). Any other value selects no choice.
enum MaritalStatus : uint16_t {
  kMaritalWidowed = 0,     // "verwitwet"
  kMaritalDivorced = 1,    // "geschieden"
  kMaritalMarried = 2,     // "verheiratet"
  kMaritalSingle = 3,      // "ledig"
  kMaritalCohabiting = 4,  // "eheähnl. Gem."
};

// Check boxes stored as u16; only kChecked shows as checked.
constexpr uint16_t kChecked = 1;
constexpr uint16_t kUnchecked = 0;

// Late-parent alive flag: kChecked while "Gestorben" is clear.
constexpr uint16_t kParentAlive = 1;
constexpr uint16_t kParentDeceased = 0;

// Church wedding words.
constexpr uint16_t kBannsPublished = 3;  // "Aufgebot veröffentlicht"
constexpr uint16_t kBannsDispensed = 1;  // "Aufgebot erlassen"
constexpr int16_t kObjectionSet = 4;     // "Einspruch"
constexpr int16_t kDispensationSet = 2;  // "Dispens"
constexpr int16_t kFlagClearWord = -1;   // 0xFFFF: objection or dispensation not set

}  // namespace vl
