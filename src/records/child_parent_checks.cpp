// A child against its father and mother: who is whose child or spouse, and the child's dates
// against the parents' estimated life spans, by the rows of the date warning table.
#include <optional>

#include "common/cp1252.hpp"
#include "records/date_warning_table.hpp"
#include "records/life_bounds.hpp"
#include "records/person_relations.hpp"
#include "records/plausibility_checks.hpp"

namespace vl {
namespace {

bool IsSpouseOf(const PersonCard& candidate, const PersonCard& person) {
  for (const UnionEntry& entry : person.unions) {
    if (entry.spouse == &candidate) return true;
  }
  return false;
}

DateValue EventOf(const PersonCard& child, ChildEvent event) {
  switch (event) {
    case ChildEvent::Birth: return child.birth.Date();
    case ChildEvent::Baptism: return child.baptism.Date();
    case ChildEvent::Death: return child.death.Date();
  }
  return {};
}

// Year sums are taken in int: with 16-bit arithmetic a bound near 32767 plus 15 or 150 would
// wrap to a negative year and turn the test around.
bool YearTestHolds(YearTest test, int boundYear, int eventYear) {
  switch (test) {
    case YearTest::None: return true;
    case YearTest::WithinFifteen: return boundYear + 15 >= eventYear;
    case YearTest::BeyondHundredFifty: return boundYear + 150 < eventYear;
  }
  return false;
}

Message WarningMessage(const WarningCell& cell, const PersonCard& child, const PersonCard& parent,
                       int eventYear, int boundYear) {
  int id = cell.message;
  if (cell.withinYears > 0 && boundYear + cell.withinYears < eventYear) id = cell.beyondMessage;
  switch (cell.args) {
    case WarningArgs::Child: return Msg(id, NameOf(child));
    case WarningArgs::ChildParent: return Msg(id, NameOf(child), NameOf(parent));
    case WarningArgs::ChildYearsParent: return Msg(id, NameOf(child), static_cast<int>(cell.years), NameOf(parent));
    case WarningArgs::ParentChildAge: return Msg(id, NameOf(parent), NameOf(child), eventYear - boundYear);
  }
  return Msg(id);
}

// Shows the warning of a row whose comparison holds; false when the user cancels.
bool RunRow(const DateWarningRow& row, const PersonCard& child, const PersonCard& parent, Prompter& prompter) {
  DateValue event = EventOf(child, row.event);
  std::optional<LifeBound> bound = row.bound == BoundKind::Earliest ? EarliestBound(parent) : LatestBound(parent);
  if (!bound) return true;
  if (CompareDates(event, bound->date) != static_cast<int16_t>(row.comparison)) return true;
  if (!YearTestHolds(row.yearTest, bound->date.year, event.year)) return true;
  const WarningCell& cell = row.bySource[static_cast<size_t>(bound->source - 1)];
  if (cell.message == 0) return true;
  return prompter.AskContinue(WarningMessage(cell, child, parent, event.year, bound->date.year));
}

bool RelationsHold(const PersonCard& child, const PersonCard* father, const PersonCard* mother, Prompter& prompter) {
  if (father == &child) {
    prompter.ShowError(Msg(8132));
    return false;
  }
  if (mother == &child) {
    prompter.ShowError(Msg(8133));
    return false;
  }
  auto warn = [&](bool finding, const Message& message) { return !finding || prompter.AskContinue(message); };
  if (father && !warn(IsChildOf(*father, child), Msg(8143, NameOf(*father), NameOf(child)))) return false;
  if (mother && !warn(IsChildOf(*mother, child), Msg(8144, NameOf(*mother), NameOf(child)))) return false;
  if (father && !warn(IsSpouseOf(child, *father), Msg(8145, NameOf(child), NameOf(*father)))) return false;
  if (mother && !warn(IsSpouseOf(child, *mother), Msg(8146, NameOf(child), NameOf(*mother)))) return false;
  return true;
}

}  // namespace

bool CheckChildAgainstParents(const PersonIndex& index, uint16_t child, uint16_t father, uint16_t mother,
                              Prompter& prompter) {
  const PersonCard* k = child == 0 ? nullptr : index.Find(child);
  if (k == nullptr) return false;
  const PersonCard* f = father == 0 ? nullptr : index.Find(father);
  const PersonCard* m = mother == 0 ? nullptr : index.Find(mother);
  return CheckChildAgainstParents(*k, f, m, prompter);
}

bool CheckChildAgainstParents(const PersonCard& child, const PersonCard* father, const PersonCard* mother,
                              Prompter& prompter) {
  if (!RelationsHold(child, father, mother, prompter)) return false;
  for (const DateWarningRow& row : DateWarningRows()) {
    const PersonCard* parent = row.parent == ParentRole::Father ? father : mother;
    if (parent != nullptr && !RunRow(row, child, *parent, prompter)) return false;
  }
  return true;
}

}  // namespace vl
