#include "records/person_resolution.hpp"

#include "common/cp1252.hpp"
#include "common/messages.hpp"
#include "records/record_names.hpp"

namespace vl {
namespace {

Resolved Create(PersonIndex& persons, const std::string& fullName, uint16_t surnameLength) {
  Resolved result;
  result.person = persons.Create(fullName, surnameLength);
  result.created = result.person != nullptr;
  return result;
}

void Adopt(PersonIndex& persons, CertificateRecord& record, const BlockToResolve& block, PersonCard& person) {
  record.Set(block.link, person.number);
  persons.SetSex(person, block.sex);
}

uint16_t SurnameLength(const CertificateRecord& record, const BlockToResolve& block) {
  return static_cast<uint16_t>(record.Get(block.names.surname).size());
}

}  // namespace

std::string HomonymCountText(size_t count) {
  return FormatPrintf("Es gibt bereits %s Person(en), \ndie den gleichen Namen %s", std::to_string(count),
                      std::string(count == 1 ? " hat" : " haben"));
}

Resolved ResolveByName(PersonIndex& persons, Prompter& prompter, std::string_view role, const std::string& fullName) {
  const std::vector<PersonCard*> namesakes = persons.FindByName(fullName);
  if (namesakes.empty()) return {};
  std::vector<HomonymCandidate> candidates;
  candidates.reserve(namesakes.size());
  for (const PersonCard* card : namesakes) candidates.push_back({card->number, card->fullName});
  const HomonymAnswer answer = prompter.ChooseHomonym(role, fullName, candidates);
  switch (answer.kind) {
    case HomonymAnswer::Existing:
      for (PersonCard* card : namesakes) {
        if (card->number == answer.number) return {card, false, false};
      }
      return {nullptr, true, false};  // an answer outside the list is no answer
    case HomonymAnswer::New:
      return {};
    case HomonymAnswer::Refused:
      break;
  }
  return {nullptr, true, false};
}

Resolved ResolveMainPerson(PersonIndex& persons, Prompter& prompter, CertificateRecord& record,
                           const BlockToResolve& block, uint16_t changed) {
  const std::string fullName = FullName(record, block.names);
  const uint16_t link = record.Get(block.link);
  PersonCard* linked = link != 0 ? persons.Find(link) : nullptr;
  Resolved result;
  if (linked != nullptr) {
    if (!EqualsNoCase(linked->fullName, fullName)) persons.SetFullName(*linked, fullName, SurnameLength(record, block));
    result.person = linked;
  } else if (link != 0 || (changed & block.changedBit) != 0) {
    result = ResolveByName(persons, prompter, block.role, fullName);
    if (result.refused) return result;
  }
  if (result.person == nullptr) {
    result = Create(persons, fullName, SurnameLength(record, block));
    if (result.person == nullptr) return {nullptr, true, false};
  }
  Adopt(persons, record, block, *result.person);
  return result;
}

Resolved ResolveParent(PersonIndex& persons, Prompter& prompter, CertificateRecord& record,
                       const BlockToResolve& block, uint16_t changed, PersonCard* existing) {
  const std::string fullName = FullName(record, block.names);
  // An empty block names nobody: the parent already known stays, and so does the link.
  if (fullName.empty()) return {existing, false, false};
  const uint16_t link = record.Get(block.link);
  PersonCard* linked = link != 0 ? persons.Find(link) : nullptr;
  Resolved result;
  if (linked != nullptr && EqualsNoCase(linked->fullName, fullName)) {
    result.person = linked;
  } else if (link != 0 || (changed & block.changedBit) != 0) {
    result = ResolveByName(persons, prompter, block.role, fullName);
    if (result.refused) return result;
  }
  if (result.person == nullptr) {
    result = Create(persons, fullName, SurnameLength(record, block));
    if (result.person == nullptr) return {nullptr, true, false};
  }
  Adopt(persons, record, block, *result.person);
  return result;
}

}  // namespace vl
