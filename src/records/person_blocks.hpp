#pragma once
// The four person blocks that recur inside certificate records. Each XxxEntryAt(offset) gives
// the block's fields with absolute offsets for a block that starts at `offset` in the record.
//
//   ParentEntry     (386 bytes)  father and mother in birth and baptism certificates
//   WitnessEntry    (386 bytes)  witnesses, godparents, wedding witnesses
//   LateParentEntry (194 bytes)  parents of the deceased and of each spouse
//   SpouseEntry     (776 bytes)  groom and bride, each with a late-parent entry per parent
#include "records/record_field.hpp"

namespace vl {

constexpr int kParentEntrySize = 386;
constexpr int kWitnessEntrySize = 386;
constexpr int kLateParentEntrySize = 194;
constexpr int kSpouseEntrySize = 776;

struct ParentEntryLayout {
  int offset;
  TextField surname;             // +0, 30
  GivenNamesField givenNames;    // +30, 100
  U16Field link;                 // +130 person number, 0 = none
  TextField profession;          // +132, 50
  TextField professionPlace;     // +182, 30
  TextField photo;               // +212, 16
  TextField residence;           // +228, 30 place of residence
  TextField address;             // +258, 80
  U16Field maritalStatus;        // +338
  DateTimeField birthDate;       // +340
  TextField birthPlace;          // +352, 30
  I16Field age;                  // +382, 0 or less = not given
  // +384, 2 reserved
  constexpr NameFields Name() const { return {surname, givenNames}; }
};

constexpr ParentEntryLayout ParentEntryAt(int o) {
  return {o,           {o, 30},      {o + 30},     {o + 130},     {o + 132, 50}, {o + 182, 30}, {o + 212, 16},
          {o + 228, 30}, {o + 258, 80}, {o + 338}, {o + 340}, {o + 352, 30}, {o + 382}};
}

struct WitnessEntryLayout {
  int offset;
  TextField surname;             // +0, 30
  GivenNamesField givenNames;    // +30, 100
  U16Field link;                 // +130
  TextField photo;               // +132, 16
  TextField profession;          // +148, 50
  TextField professionPlace;     // +198, 30
  TextField residence;           // +228, 30
  TextField address;             // +258, 80
  DateTimeField birthDate;       // +338
  TextField birthPlace;          // +350, 30
  I16Field age;                  // +380, 0 or less = not given
  I16Field kinshipDegree;        // +382, 0 or less = not given
  // +384, 2 reserved
  constexpr NameFields Name() const { return {surname, givenNames}; }
};

constexpr WitnessEntryLayout WitnessEntryAt(int o) {
  return {o,           {o, 30},      {o + 30},     {o + 130},     {o + 132, 16}, {o + 148, 50}, {o + 198, 30},
          {o + 228, 30}, {o + 258, 80}, {o + 338}, {o + 350, 30}, {o + 380}, {o + 382}};
}

struct LateParentEntryLayout {
  int offset;
  U16Field alive;                // +0: 1 = "Gestorben" clear, 0 = deceased
  U16Field link;                 // +2
  TextField surname;             // +4, 30
  GivenNamesField givenNames;    // +34, 100
  TextField photo;               // +134, 16
  DateTimeField deathDate;       // +150, meaningful only when alive is 0
  TextField deathPlace;          // +162, 30
  // +192, 2 reserved
  constexpr NameFields Name() const { return {surname, givenNames}; }
};

constexpr LateParentEntryLayout LateParentEntryAt(int o) {
  return {o, {o}, {o + 2}, {o + 4, 30}, {o + 34}, {o + 134, 16}, {o + 150}, {o + 162, 30}};
}

struct SpouseEntryLayout {
  int offset;
  TextField surname;             // +0, 30
  GivenNamesField givenNames;    // +30, 100
  U16Field link;                 // +130
  TextField photo;               // +132, 16
  TextField profession;          // +148, 50
  TextField professionPlace;     // +198, 30
  TextField residence;           // +228, 30
  TextField address;             // +258, 80
  LateParentEntryLayout father;  // +338, 194
  LateParentEntryLayout mother;  // +532, 194
  U16Field maritalStatus;        // +726, before the marriage
  DateTimeField birthDate;       // +728
  TextField birthPlace;          // +740, 30
  // +770, 2 reserved
  U16Field ofAge;                // +772 "mündig"
  // +774, 2 reserved
  constexpr NameFields Name() const { return {surname, givenNames}; }
};

constexpr SpouseEntryLayout SpouseEntryAt(int o) {
  return {o,
          {o, 30},
          {o + 30},
          {o + 130},
          {o + 132, 16},
          {o + 148, 50},
          {o + 198, 30},
          {o + 228, 30},
          {o + 258, 80},
          LateParentEntryAt(o + 338),
          LateParentEntryAt(o + 532),
          {o + 726},
          {o + 728},
          {o + 740, 30},
          {o + 772}};
}

}  // namespace vl
