// Program entry of the desktop program: home, settings, shared look, frame, message loop.
#include <QApplication>
#include <QCommandLineParser>

#include "common/clock.hpp"
#include "common/program_home.hpp"
#include "shell/application_setup.hpp"
#include "shell/capture_mode.hpp"
#include "shell/child_window_wiring.hpp"
#include "shell/frame_window.hpp"
#include "pictures/ui/photo_dialog.hpp"
#include "shell/qt_prompter.hpp"
#include "common/ui/qt_text.hpp"
#include "common/ui/shared_look.hpp"
#include "shell/status_line.hpp"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vl::SetUpApplication(app);

  QCommandLineParser parser;
  parser.setApplicationDescription("Vorlinde - Ahnenforschung mit Karteien");
  QCommandLineOption homeOption("home", "Programmverzeichnis mit ORMELIN.INI, DATEIEN, FOTOS und OBJEKTE", "DIR");
  parser.addOption(homeOption);
  parser.addHelpOption();
  parser.process(app);

  std::optional<std::filesystem::path> home;
  if (parser.isSet(homeOption)) home = parser.value(homeOption).toStdString();
  vl::ProgramHome programHome(vl::ResolveHome(vl::HomeSourcesOfProcess(home)));

  vl::QtPrompter prompter;
  if (!programHome.EnsureDirectories()) {
    prompter.ShowError(vl::DirectText("Das Programmverzeichnis " + programHome.Root().string() +
                                      " und seine Unterverzeichnisse DATEIEN, FOTOS und OBJEKTE "
                                      "können nicht angelegt werden."));
    return 1;
  }

  vl::SharedLook look;
  vl::SystemClock clock;
  vl::FrameWindow frame(programHome, prompter, clock, look);
  vl::AttachChildWindowTable(frame, prompter, clock);
  frame.SetPhotoChooser([&](QWidget* owner) { return vl::ChoosePhoto(owner, programHome, prompter); });
  vl::CaptureMode capture(frame, programHome.PhotoDir(), prompter);
  frame.SetMouseModeClient(&capture);
  prompter.SetFallbackParent(&frame);
  prompter.SetPersonIndex(&frame.cardFile().persons);
  prompter.SetStatusSink([&frame](const std::string& text) { frame.statusLine()->ShowText(QString::fromStdString(text)); });
  frame.showMaximized();
  return QApplication::exec();
}
