#include "shell/help_window.hpp"

#include <QFile>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "shell/icons.hpp"

namespace vl {
namespace {

QString PageUrl(const QString& topic) { return QString("qrc:/help/%1.html").arg(topic); }

// Windows whose pages are named after their object names.
struct TopicOfWindow {
  const char* objectName;
  const char* topic;
};
constexpr TopicOfWindow kTopics[] = {
    {"Dossier_nouveau", "kartei_anlegen"},
    {"Dossier_ouvrir", "kartei_oeffnen"},
    {"Sauvegarde", "speichern"},
    {"Note", "arbeitsnotizen"},
    {"Liste_choix", "ortslisten"},
    {"CALENDRIER", "republikanischer_kalender"},
    {"MORET", "immerwaehrender_kalender"},
    {"APropos", "inhalt"},
};

}  // namespace

QString HelpTopicFor(const QWidget* widget) {
  for (const QWidget* w = widget; w; w = w->parentWidget()) {
    const QVariant topic = w->property("helpTopic");
    if (topic.isValid() && !topic.toString().isEmpty()) return topic.toString();
    for (const TopicOfWindow& known : kTopics) {
      if (w->objectName().compare(QLatin1String(known.objectName), Qt::CaseInsensitive) == 0) return known.topic;
    }
  }
  return {};
}

bool HelpTopicExists(const QString& topic) {
  InitShellResources();
  return !topic.isEmpty() && QFile::exists(QString(":/help/%1.html").arg(topic));
}

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
  InitShellResources();
  setObjectName("Hilfe");
  setWindowTitle("Vorlinde - Hilfe");
  setWindowIcon(ProgramIcon("TB_Aide"));
  browser_ = new QTextBrowser(this);
  browser_->setOpenExternalLinks(true);
  browser_->setSearchPaths({":/help"});

  auto* contents = new QPushButton("&Inhalt", this);
  back_ = new QPushButton("&Zurück", this);
  forward_ = new QPushButton("&Vorwärts", this);
  auto* close = new QPushButton("&Schließen", this);
  back_->setEnabled(false);
  forward_->setEnabled(false);
  connect(contents, &QPushButton::clicked, this, [this] { ShowTopic(kHelpContentsTopic); });
  connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
  connect(close, &QPushButton::clicked, this, &QWidget::close);
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(contents);
  buttons->addWidget(back_);
  buttons->addWidget(forward_);
  buttons->addStretch(1);
  buttons->addWidget(close);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(browser_);
  setMinimumSize(420, 360);
  resize(640, 560);
}

void HelpWindow::ShowTopic(const QString& topic) {
  browser_->setSource(QUrl(PageUrl(HelpTopicExists(topic) ? topic : QString(kHelpContentsTopic))));
}

QString HelpWindow::currentTopic() const {
  const QString path = browser_->source().path();
  const int slash = path.lastIndexOf('/');
  QString name = path.mid(slash + 1);
  if (name.endsWith(".html")) name.chop(5);
  return name;
}

}  // namespace vl
