#pragma once
// The date warnings of a child against its parents' life spans, as data: one row compares one
// event of the child with one bound of one parent and names the warning for each source of
// that bound.
#include <array>
#include <cstdint>
#include <span>

namespace vl {

enum class ChildEvent : uint8_t { Birth, Baptism, Death };
enum class ParentRole : uint8_t { Father, Mother };
enum class BoundKind : uint8_t { Earliest, Latest };  // EarliestBirthEstimate, LatestLifeEstimate

// CompareDates(event, bound): same 0, event after the bound 1, event before the bound 2.
enum class EventVsBound : int16_t { Same = 0, After = 1, Before = 2 };

// A further condition on the years, besides the comparison.
enum class YearTest : uint8_t {
  None,
  WithinFifteen,   // the bound's year + 15 >= the event's year
  BeyondHundredFifty,  // the bound's year + 150 < the event's year
};

// What the message's placeholders receive.
enum class WarningArgs : uint8_t {
  Child,             // (child)
  ChildParent,       // (child, parent)
  ChildYearsParent,  // (child, years, parent)
  ParentChildAge,    // (parent, child, event year - bound year)
};

struct WarningCell {
  int16_t message = 0;  // 0: no warning for this source
  WarningArgs args = WarningArgs::ChildParent;
  int16_t years = 0;  // the number shown by ChildYearsParent
  // When above 0: the warning holds only while the bound's year + withinYears >= the event's
  // year; beyond that, `beyondMessage` is shown instead.
  int16_t withinYears = 0;
  int16_t beyondMessage = 0;
};

struct DateWarningRow {
  ChildEvent event;
  ParentRole parent;
  BoundKind bound;
  EventVsBound comparison;
  YearTest yearTest;
  std::array<WarningCell, 4> bySource;  // source codes 1 to 4
};

// In the order the checks run: birth, baptism, death; within each the father before the mother.
std::span<const DateWarningRow> DateWarningRows();

}  // namespace vl
