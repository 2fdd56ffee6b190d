#include "common/scripted_prompter.hpp"

namespace vl {

std::vector<int> ScriptedPrompter::Ids() const {
  std::vector<int> ids;
  ids.reserve(shown.size());
  for (const auto& m : shown) ids.push_back(m.id);
  return ids;
}

bool ScriptedPrompter::Answer(BoxKind kind, const Message& message) {
  Record(kind, message);
  if (answers_.empty()) return defaultAnswer_;
  bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

HomonymAnswer ScriptedPrompter::ChooseHomonym(std::string_view role, const std::string& fullName,
                                             const std::vector<HomonymCandidate>& candidates) {
  homonymQuestions.push_back({std::string(role), fullName, candidates});
  if (homonymAnswers_.empty()) return {};
  HomonymAnswer answer = homonymAnswers_.front();
  homonymAnswers_.pop_front();
  return answer;
}

}  // namespace vl
