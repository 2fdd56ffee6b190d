#include "shell/hint_button.hpp"

#include "common/messages.hpp"
#include "shell/icons.hpp"

namespace vl {

HintButton::HintButton(int id, int hintId, const QString& iconName, QWidget* parent)
    : QToolButton(parent), id_(id), hintId_(hintId), iconName_(iconName) {
  setObjectName(iconName);
  setIcon(ProgramIcon(iconName));
  setFocusPolicy(Qt::NoFocus);
  const std::string_view hint = MessageText(hintId);
  // The hint also serves screen readers and the tooltip.
  setToolTip(QString::fromUtf8(hint.data(), static_cast<int>(hint.size())));
  setAccessibleName(toolTip());
}

void HintButton::enterEvent(QEnterEvent* event) {
  QToolButton::enterEvent(event);
  emit hintRequested(hintId_);
}

void HintButton::leaveEvent(QEvent* event) {
  QToolButton::leaveEvent(event);
  emit hintCleared();
}

}  // namespace vl
