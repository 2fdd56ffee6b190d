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

}  // namespace vl
