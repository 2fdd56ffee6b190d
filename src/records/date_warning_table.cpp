#include "records/date_warning_table.hpp"

namespace vl {
namespace {

using enum ChildEvent;
using enum ParentRole;
using enum BoundKind;
using enum EventVsBound;
using enum YearTest;

constexpr WarningCell K(int16_t id) { return {id, WarningArgs::Child}; }
constexpr WarningCell KP(int16_t id) { return {id, WarningArgs::ChildParent}; }
constexpr WarningCell KnP(int16_t id, int16_t years) { return {id, WarningArgs::ChildYearsParent, years}; }
constexpr WarningCell PKa(int16_t id) { return {id, WarningArgs::ParentChildAge}; }
constexpr WarningCell KPWithin(int16_t id, int16_t years, int16_t beyond) {
  return {id, WarningArgs::ChildParent, 0, years, beyond};
}
constexpr WarningCell NoWarning{};

constexpr DateWarningRow kRows[] = {
    // Birth of the child
    {Birth, Father, Earliest, Same, None, {KP(8147), KP(8148), KnP(8149, 100), KnP(8150, 150)}},
    {Birth, Father, Earliest, After, WithinFifteen, {PKa(8151), PKa(8151), NoWarning, NoWarning}},
    {Birth, Father, Earliest, Before, None, {KP(8152), KP(8153), KnP(8149, 100), KnP(8150, 150)}},
    {Birth, Father, Latest, Same, None, {KP(8154), KnP(8155, 100), KnP(8156, 150), KnP(8157, 150)}},
    {Birth, Father, Latest, After, None, {KPWithin(8158, 1, 8159), KnP(8155, 100), KnP(8156, 150), KnP(8157, 150)}},
    {Birth, Mother, Earliest, Same, None, {KP(8160), KP(8161), KnP(8162, 100), KnP(8163, 150)}},
    {Birth, Mother, Earliest, After, WithinFifteen, {PKa(8164), PKa(8164), NoWarning, NoWarning}},
    {Birth, Mother, Earliest, Before, None, {KP(8165), KP(8166), KnP(8162, 100), KnP(8163, 150)}},
    {Birth, Mother, Latest, Same, None, {KP(8167), KnP(8168, 100), KnP(8169, 150), KnP(8170, 150)}},
    {Birth, Mother, Latest, After, None, {KP(8171), KnP(8168, 100), KnP(8169, 150), KnP(8170, 150)}},

    // Baptism of the child
    {Baptism, Father, Earliest, Same, None, {K(8190), K(8191), KnP(8194, 100), KnP(8195, 150)}},
    {Baptism, Father, Earliest, After, WithinFifteen, {PKa(8196), PKa(8196), NoWarning, NoWarning}},
    {Baptism, Father, Earliest, Before, None, {KP(8192), KP(8193), KnP(8194, 100), KnP(8195, 150)}},
    {Baptism, Father, Latest, Same, None, {KP(8197), KnP(8198, 100), KnP(8199, 150), KnP(8200, 150)}},
    {Baptism, Mother, Earliest, Same, None, {KP(8201), KP(8202), KnP(8205, 100), KnP(8206, 150)}},
    {Baptism, Mother, Earliest, After, WithinFifteen, {PKa(8207), PKa(8207), NoWarning, NoWarning}},
    {Baptism, Mother, Earliest, Before, None, {KP(8203), KP(8204), KnP(8205, 100), KnP(8206, 150)}},
    {Baptism, Mother, Latest, Same, None, {KP(8208), KnP(8209, 100), KnP(8210, 150), KnP(8211, 150)}},

    // Death of the child
    {Death, Father, Earliest, Same, None, {KP(8172), KP(8173), KnP(8174, 100), KnP(8175, 150)}},
    {Death, Father, Earliest, After, WithinFifteen, {PKa(8176), PKa(8176), NoWarning, NoWarning}},
    {Death, Father, Earliest, Before, None, {KP(8177), KP(8178), KnP(8174, 100), KnP(8175, 150)}},
    {Death, Father, Latest, After, BeyondHundredFifty, {KnP(8348, 150), KnP(8349, 250), KnP(8350, 300), KnP(8351, 300)}},
    {Death, Mother, Earliest, Same, None, {KP(8181), KP(8182), KnP(8183, 100), KnP(8184, 150)}},
    {Death, Mother, Earliest, After, WithinFifteen, {PKa(8185), PKa(8185), NoWarning, NoWarning}},
    {Death, Mother, Earliest, Before, None, {KP(8186), KP(8187), KnP(8183, 100), KnP(8184, 150)}},
    {Death, Mother, Latest, After, BeyondHundredFifty, {KnP(8348, 150), KnP(8349, 250), KnP(8350, 300), KnP(8351, 300)}},
};

}  // namespace

std::span<const DateWarningRow> DateWarningRows() { return kRows; }

}  // namespace vl
