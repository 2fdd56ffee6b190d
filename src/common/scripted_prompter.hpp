#pragma once
// A prompter that records every message and plays back prepared answers; for tests and scripts.
#include <deque>
#include <string>
#include <vector>

#include "common/prompter.hpp"

namespace vl {

enum class BoxKind { Error, Information, Question, QuestionDefaultNo, Continue };

struct ShownMessage {
  BoxKind kind;
  int id;
  std::string text;
};

class ScriptedPrompter : public Prompter {
 public:
  // Answer given when no prepared answer is left.
  explicit ScriptedPrompter(bool defaultAnswer = false) : defaultAnswer_(defaultAnswer) {}

  void QueueAnswer(bool answer) { answers_.push_back(answer); }
  void QueueAnswers(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }

  void ShowError(const Message& message) override { Record(BoxKind::Error, message); }
  void ShowInformation(const Message& message) override { Record(BoxKind::Information, message); }
  bool AskYesNo(const Message& message) override { return Answer(BoxKind::Question, message); }
  bool AskYesNoDefaultNo(const Message& message) override { return Answer(BoxKind::QuestionDefaultNo, message); }
  bool AskContinue(const Message& message) override { return Answer(BoxKind::Continue, message); }
  void SetStatusText(const std::string& text) override { statusTexts.push_back(text); }
  // Homonym questions take the queued answers in order; without one the save is refused.
  void QueueHomonymAnswer(HomonymAnswer answer) { homonymAnswers_.push_back(answer); }
  HomonymAnswer ChooseHomonym(std::string_view role, const std::string& fullName,
                              const std::vector<HomonymCandidate>& candidates) override;

  std::vector<int> Ids() const;
  bool Empty() const { return shown.empty(); }
  size_t PendingAnswers() const { return answers_.size(); }

  std::vector<ShownMessage> shown;
  std::vector<std::string> statusTexts;
  struct HomonymQuestion {
    std::string role;
    std::string fullName;
    std::vector<HomonymCandidate> candidates;
  };
  std::vector<HomonymQuestion> homonymQuestions;

 private:
  void Record(BoxKind kind, const Message& message) { shown.push_back({kind, message.id, message.text}); }
  bool Answer(BoxKind kind, const Message& message);

  std::deque<bool> answers_;
  std::deque<HomonymAnswer> homonymAnswers_;
  bool defaultAnswer_;
};

// A progress window that records its lines and bar values.
class RecordingProgress : public ProgressWindow {
 public:
  void SetLine(int line, const std::string& text) override {
    if (line >= 0 && line < 3) lines[line] = text;
    lineHistory.push_back(text);
  }
  void SetPercent(int percent) override { percents.push_back(percent); }

  std::string lines[3];
  std::vector<std::string> lineHistory;
  std::vector<int> percents;
};

}  // namespace vl
