#pragma once
// The help window: German help pages compiled into the program.
#include <QWidget>

class QTextBrowser;
class QPushButton;

namespace vl {

// Topic names are the page names in :/help without ".html".
inline constexpr const char* kHelpContentsTopic = "inhalt";

// The topic of a window: its "helpTopic" property, or the topic known for its object name,
// searched from the widget outwards; empty when none is known.
QString HelpTopicFor(const QWidget* widget);
// True when the topic has a page.
bool HelpTopicExists(const QString& topic);

class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the topic's page, or the contents when there is no such page.
  void ShowTopic(const QString& topic);
  QString currentTopic() const;
  QTextBrowser* browser() const { return browser_; }

 private:
  QTextBrowser* browser_;
  QPushButton* back_;
  QPushButton* forward_;
};

}  // namespace vl
