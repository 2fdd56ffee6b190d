#include "records/plausibility_checks.hpp"

#include <cctype>
#include <limits>

#include "common/cp1252.hpp"
#include "records/life_bounds.hpp"
#include "records/person_relations.hpp"

namespace vl {
namespace {

// A refusal when `event` lies before `bound`.
bool Before(const DateTimeValue& event, const DateTimeValue& bound) {
  return CompareDates(event.Date(), bound.Date()) == kBLater;
}

}  // namespace

// Leading blanks, an optional sign and the digits that follow, as atoi reads them; a value too
// large for an int sticks at its border instead of being undefined.
long long LeadingNumber(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long long value = 0;
  constexpr long long kLimit = std::numeric_limits<int>::max();
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (value <= kLimit) value = value * 10 + (text[i] - '0');
  }
  return negative ? -value : value;
}

bool CheckAgeField(std::string_view text, Prompter& prompter) {
  if (text.empty()) return true;
  long long age = LeadingNumber(text);
  if (age <= 0) {
    prompter.ShowInformation(Msg(8118));
    return false;
  }
  if (age > 150) return prompter.AskYesNo(Msg(8119));
  return true;
}

bool CheckLifeOrder(const PersonIndex& index, uint16_t person, Prompter& prompter) {
  const PersonCard* card = person == 0 ? nullptr : index.Find(person);
  return card != nullptr && CheckLifeOrder(*card, prompter);
}

bool CheckLifeOrder(const PersonCard& person, Prompter& prompter) {
  auto refuse = [&](int id) {
    prompter.ShowInformation(Msg(id, NameOf(person)));
    return false;
  };
  if (Before(person.baptism, person.birth)) return refuse(8123);
  if (Before(person.death, person.birth)) return refuse(8124);
  for (const UnionEntry& entry : person.unions) {
    if (Before(entry.date, person.birth)) return refuse(8125);
  }
  if (Before(person.death, person.baptism)) return refuse(8126);
  for (const UnionEntry& entry : person.unions) {
    if (Before(person.death, entry.date)) return refuse(8130);
  }
  return true;
}

bool CheckParents(const PersonIndex& index, uint16_t father, uint16_t mother, Prompter& prompter) {
  const PersonCard* f = father == 0 ? nullptr : index.Find(father);
  const PersonCard* m = mother == 0 ? nullptr : index.Find(mother);
  if (f == nullptr || m == nullptr) return true;
  return CheckParents(*f, *m, prompter);
}

bool CheckParents(const PersonCard& father, const PersonCard& mother, Prompter& prompter) {
  if (&father == &mother) {
    prompter.ShowError(Msg(8136));
    return false;
  }
  if (IsChildOf(father, mother) && !prompter.AskContinue(Msg(8143, NameOf(father), NameOf(mother)))) return false;
  if (IsChildOf(mother, father) && !prompter.AskContinue(Msg(8144, NameOf(mother), NameOf(father)))) return false;

  // One of them must have been born before the other's life ended.
  auto metBefore = [](const PersonCard& first, const PersonCard& second) {
    auto earliest = EarliestBound(first);
    auto latest = LatestBound(second);
    if (!earliest || !latest) return true;
    int16_t order = CompareDates(earliest->date, latest->date);
    return order != kSameDate && order != kBEarlier;
  };
  if (!metBefore(father, mother) || !metBefore(mother, father)) {
    prompter.ShowInformation(Msg(8347, NameOf(father), NameOf(mother)));
    return false;
  }
  return true;
}

bool CheckUnionRelation(const PersonCard& groom, const PersonCard& bride, Prompter& prompter) {
  const PersonCard* pairs[][2] = {{&bride, &groom}, {&groom, &groom}, {&bride, &bride}, {&groom, &bride}};
  for (const auto& [child, parent] : pairs) {
    if (IsChildOf(*child, *parent)) {
      prompter.ShowInformation(Msg(8236, NameOf(*child), NameOf(*parent)));
      return false;
    }
  }
  return true;
}

}  // namespace vl
