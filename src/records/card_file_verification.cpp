#include "records/card_file_verification.hpp"

#include <functional>
#include <set>
#include <utility>

#include "records/plausibility_checks.hpp"

namespace vl {
namespace {

// Records every message under the card being checked and answers every question with yes.
class FindingCollector : public Prompter {
 public:
  void ShowError(const Message& message) override { Add(BoxKind::Error, message); }
  void ShowInformation(const Message& message) override { Add(BoxKind::Information, message); }
  bool AskYesNo(const Message& message) override {
    Add(BoxKind::Question, message);
    return true;
  }
  bool AskContinue(const Message& message) override {
    Add(BoxKind::Continue, message);
    return true;
  }

  uint16_t person = 0;
  std::vector<Finding> findings;

 private:
  void Add(BoxKind kind, const Message& message) { findings.push_back({person, kind, message.id, message.text}); }
};

}  // namespace

std::vector<Finding> VerifyCardFile(const PersonIndex& index) {
  FindingCollector collector;
  std::set<std::pair<const PersonCard*, const PersonCard*>> couples;
  for (const PersonCard& card : index) {
    collector.person = card.number;
    CheckLifeOrder(card, collector);
    if (card.father != nullptr && card.mother != nullptr) CheckParents(*card.father, *card.mother, collector);
    if (card.father != nullptr || card.mother != nullptr) {
      CheckChildAgainstParents(card, card.father, card.mother, collector);
    }
    for (const UnionEntry& entry : card.unions) {
      if (entry.spouse == nullptr) continue;
      const PersonCard* self = &card;
      const PersonCard* spouse = entry.spouse;
      std::pair couple = std::less<>{}(self, spouse) ? std::pair(self, spouse) : std::pair(spouse, self);
      if (!couples.insert(couple).second) continue;
      CheckUnionRelation(card, *entry.spouse, collector);
    }
  }
  return std::move(collector.findings);
}

}  // namespace vl
