#pragma once
// The four message boxes as Qt message boxes, and the status line.
#include <functional>

#include "common/prompter.hpp"

class QMessageBox;
class QWidget;

namespace vl {

class PersonIndex;

class QtPrompter : public Prompter {
 public:
  // The boxes belong to the active modal dialog, else to the active window, else to fallbackParent.
  explicit QtPrompter(QWidget* fallbackParent = nullptr) : fallbackParent_(fallbackParent) {}

  void SetFallbackParent(QWidget* parent) { fallbackParent_ = parent; }
  void SetStatusSink(std::function<void(const std::string&)> sink) { statusSink_ = std::move(sink); }
  // The open card file's person cards, which the homonym window identifies.
  void SetPersonIndex(const PersonIndex* persons) { persons_ = persons; }

  void ShowError(const Message& message) override;
  void ShowInformation(const Message& message) override;
  bool AskYesNo(const Message& message) override;
  bool AskContinue(const Message& message) override;
  bool AskYesNoDefaultNo(const Message& message) override;
  void SetStatusText(const std::string& text) override;
  HomonymAnswer ChooseHomonym(std::string_view role, const std::string& fullName,
                              const std::vector<HomonymCandidate>& candidates) override;

 private:
  QWidget* Owner() const;

  QWidget* fallbackParent_;
  const PersonIndex* persons_ = nullptr;
  std::function<void(const std::string&)> statusSink_;
};

}  // namespace vl
