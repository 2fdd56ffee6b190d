// Program entry of the desktop program.
#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>

#include "common/messages.hpp"
#include "common/program_home.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Vorlinde");

  QCommandLineParser parser;
  QCommandLineOption homeOption("home", "Programmverzeichnis", "DIR");
  parser.addOption(homeOption);
  parser.addHelpOption();
  parser.process(app);

  std::optional<std::filesystem::path> home;
  if (parser.isSet(homeOption)) home = parser.value(homeOption).toStdString();
  vl::ProgramHome programHome(vl::ResolveHome(vl::HomeSourcesOfProcess(home)));
  programHome.EnsureDirectories();
  std::string editor = programHome.Editor();
  (void)editor;  // used by the list commands once the frame exists

  QMainWindow frame;
  frame.setWindowTitle(QString::fromUtf8(std::string(vl::MessageText(8000)).c_str()));
  frame.resize(1024, 700);
  frame.show();
  return QApplication::exec();
}
