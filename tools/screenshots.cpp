// Writes pictures of the desktop program for a look at its layout:
//   QT_QPA_PLATFORM=offscreen vorlinde-screenshots [OUTPUT_DIR]
// The frame is shown at 1280x800 and 1920x1080 with the start screen and with a card file open;
// the dialogs are drawn alone and centred over the frame.
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>

#include "common/cp1252.hpp"
#include "common/file_io.hpp"
#include "common/program_home.hpp"
#include "common/scripted_prompter.hpp"
#include "dates/ui/calendar_dialog.hpp"
#include "dates/ui/moret_dialog.hpp"
#include "shell/about_dialog.hpp"
#include "shell/application_setup.hpp"
#include "storage/card_file.hpp"
#include "storage/card_file_header.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_store.hpp"
#include "shell/child_window_wiring.hpp"
#include "shell/choice_dialog.hpp"
#include "shell/choice_identity_window.hpp"
#include "shell/child_window_table.hpp"
#include "shell/command_ids.hpp"
#include "shell/homonym_dialog.hpp"
#include "shell/frame_window.hpp"
#include "shell/help_window.hpp"
#include "shell/icons.hpp"
#include "shell/progress_panel.hpp"
#include "common/ui/dib_image.hpp"
#include "common/ui/photo_frame.hpp"
#include "common/ui/shared_look.hpp"
#include "pictures/dib_writer.hpp"
#include "pictures/ui/capture_dialog.hpp"
#include "pictures/ui/objects_dialog.hpp"
#include "pictures/ui/photo_dialog.hpp"
#include "shell/status_line.hpp"
#include "storage/ui/auto_save_dialog.hpp"
#include "storage/ui/list_choice_dialog.hpp"
#include "storage/ui/new_card_file_dialog.hpp"
#include "storage/ui/notes_dialog.hpp"
#include "storage/ui/open_card_file_dialog.hpp"
#include "records/certificate_layouts.hpp"
#include "records/ui/certificate_window.hpp"
#include "records/ui/given_names_box.hpp"
#include "records/ui/parent_entry_dialog.hpp"
#include "records/ui/witness_entry_dialog.hpp"

namespace {

QDir outDir;

void Save(const QPixmap& pixmap, const QString& name) {
  const QString path = outDir.filePath(name + ".png");
  if (!pixmap.save(path)) std::fprintf(stderr, "Kann %s nicht schreiben\n", qPrintable(path));
  std::printf("%s\n", qPrintable(path));
}

QPixmap Grab(QWidget& widget) {
  widget.show();
  QApplication::processEvents();
  return widget.grab();
}

// The frame's picture with a dialog drawn where it would appear.
QPixmap OverFrame(const QPixmap& frame, QWidget& dialog, bool natural = true) {
  if (natural) dialog.adjustSize();
  QPixmap dialogPicture = Grab(dialog);
  QPixmap result = frame;
  QPainter painter(&result);
  const QPoint at((frame.width() - dialogPicture.width()) / 2, (frame.height() - dialogPicture.height()) / 3);
  painter.fillRect(QRect(at + QPoint(4, 4), dialogPicture.size()), QColor(0, 0, 0, 60));
  painter.drawPixmap(at, dialogPicture);
  painter.setPen(QColor(80, 80, 80));
  painter.drawRect(QRect(at, dialogPicture.size()).adjusted(0, 0, -1, -1));
  return result;
}

vl::PersonCard* SamplePerson(vl::CardFile& card, const char* surname, const char* given, char sex,
                             vl::DateTimeValue birth, const char* place) {
  std::string name = vl::Utf8ToCp1252(std::string(surname) + " " + given);
  vl::PersonCard* p = card.persons.Create(name, static_cast<uint16_t>(vl::Utf8ToCp1252(surname).size()));
  card.persons.SetSex(*p, sex);
  card.persons.SetDate(*p, birth, vl::Utf8ToCp1252(place), 0);
  return p;
}

// A couple with three children, so the choice dialog has something to show.
void AddSampleFamily(vl::CardFile& card) {
  auto date = [](int d, int m, int y) {
    return vl::DateTimeValue{0, static_cast<int16_t>(d), static_cast<int16_t>(m), static_cast<int16_t>(y), 0, 0};
  };
  vl::PersonCard* father = SamplePerson(card, "Brückner", "Gottlieb Ernst", 'H', date(3, 4, 1781), "Zittau");
  vl::PersonCard* mother = SamplePerson(card, "Förster", "Anna Rosina", 'F', date(12, 9, 1785), "Herrnhut");
  father->unions.push_back({mother, date(14, 5, 1806), vl::Utf8ToCp1252("Görlitz"), vl::kNoSlot, 1});
  mother->unions.push_back({father, date(14, 5, 1806), vl::Utf8ToCp1252("Görlitz"), vl::kNoSlot, 1});
  const struct {
    const char* given;
    char sex;
    int year;
  } children[] = {{"Johann Gottlieb", 'H', 1807}, {"Christiane", 'F', 1809}, {"Carl August", 'H', 1812}};
  for (const auto& c : children) {
    vl::PersonCard* child = SamplePerson(card, "Brückner", c.given, c.sex, date(1, 2, c.year), "Görlitz");
    child->father = father;
    child->mother = mother;
    father->children.push_back({child, 0});
    mother->children.push_back({child, 0});
  }
  SamplePerson(card, "Ähnlich", "Maria", 'F', date(-1, -1, 1790), "Bautzen");
  // The grandfather of the same name, for the homonym window.
  SamplePerson(card, "Brückner", "Johann Gottlieb", 'H', date(17, 6, 1752), "Zittau");
  // Long names and places as the choice dialog has to show them whole.
  SamplePerson(card, "Hohenstein-Lichtenau", "Maria Katharina Elisabeth", 'F', date(28, 11, 1788),
               "Rothenburg ob der Tauber");
  card.persons.NormaliseFamilyLinks();
}

// The choice dialog at its place near the top left with its preview beside it.
QPixmap BesideEachOther(const QPixmap& frame, QWidget& dialog, QWidget& beside) {
  dialog.adjustSize();
  beside.adjustSize();
  const QPixmap first = Grab(dialog);
  const QPixmap second = Grab(beside);
  QPixmap result = frame;
  QPainter painter(&result);
  const QPoint at(10, 100);
  const QPoint next(at.x() + first.width() + 8, at.y());
  painter.setPen(QColor(80, 80, 80));
  for (const auto& [picture, where] : {std::pair{first, at}, std::pair{second, next}}) {
    painter.fillRect(QRect(where + QPoint(4, 4), picture.size()), QColor(0, 0, 0, 60));
    painter.drawPixmap(where, picture);
    painter.drawRect(QRect(where, picture.size()).adjusted(0, 0, -1, -1));
  }
  return result;
}

// The frame's picture with one of its menus dropped down below the menu bar.
QPixmap WithMenu(const QPixmap& frame, QMenu& menu, int menuBarHeight) {
  menu.adjustSize();
  const QPixmap picture = Grab(menu);
  menu.hide();
  QPixmap result = frame;
  QPainter painter(&result);
  painter.drawPixmap(QPoint(0, menuBarHeight), picture);
  return result;
}

int CreateSampleCardFile(const vl::StoreContext& ctx, vl::Prompter& prompter) {
  vl::CardFile card(prompter);
  card.number = vl::ChooseNewCardFileNumber(ctx);
  card.header.SetTitle(vl::Utf8ToCp1252("Familie Brückner aus Görlitz"));
  card.header.SetOwnerName(vl::Utf8ToCp1252("Brückner"));
  card.header.SetOwnerFirstName("Johanna");
  card.header.SetAddress(vl::Utf8ToCp1252("Lindenstraße 12"));
  card.header.SetTown(vl::Utf8ToCp1252("02826 Görlitz"));
  vl::CreateCardFile(ctx, card);
  for (const char* place : {"Görlitz", "Bautzen", "Zittau", "Löbau", "Kamenz", "Herrnhut"}) {
    card.places.Add(vl::Utf8ToCp1252(place));
  }
  AddSampleFamily(card);
  card.notes = vl::Utf8ToCp1252("Kirchenbuch Zittau 1780-1800 noch durchsehen.\r\nTaufpaten der Kinder prüfen.");
  vl::SaveCardFile(ctx, card);
  return card.number;
}

// Every drawing of the program at button size and enlarged, with its name.
// The frame with a certificate entry window of the kind, filled like a real register extract.
QPixmap CertificateWindowPicture(vl::FrameWindow& frame, int kind) {
  auto* table = frame.findChild<vl::ChildWindowTable*>("childWindowTable");
  frame.RunCommand(vl::cmd::kNewCertificateFirst + kind);
  const int place = table->ActivePlace();
  if (place < 0) return Grab(frame);
  QWidget* window = table->place(place).window->widget();
  auto type = [window](const char* name, const char* text) {
    if (auto* edit = window->findChild<QLineEdit*>(name)) edit->setText(QString::fromUtf8(text));
  };
  type("official", kind == 0 ? "Friedrich Wilhelm Hoffmann" : "Pfarrer Johann Seidel");
  type("office", kind == 0 ? "Görlitz" : "St. Peter und Paul");
  type("registerNumber", "Nr. 117/1807");
  type("source", "Stadtarchiv Görlitz");
  type("numberText", "G-0042");
  type("surname", "Brückner");
  if (auto* names = window->findChild<vl::GivenNamesBox*>("givenNames")) {
    names->SetNames({"Johann", "Gottlieb", "", "", ""});
  }
  type(kind == 0 ? "birthDate" : "baptismDate", "01.02.1807");
  type(kind == 0 ? "birthTime" : "baptismTime", "14:30");
  type(kind == 0 ? "birthPlace" : "baptismPlace", "Görlitz");
  type("address", "Neißstraße 29");
  if (auto* certificate = dynamic_cast<vl::CertificateWindow*>(window)) certificate->UpdateTitle();
  QApplication::processEvents();
  return Grab(frame);
}

QPixmap IconSheet() {
  QDirIterator icons(":/icons", {"*.svg"});
  QStringList names;
  while (icons.hasNext()) names << QFileInfo(icons.next()).completeBaseName();
  names.sort();
  names.removeAll("BMP_Cover");
  const int columns = 6;
  const QSize cell(200, 110);
  QPixmap sheet(cell.width() * columns, cell.height() * ((names.size() + columns - 1) / columns));
  sheet.fill(QColor(192, 192, 192));
  QPainter painter(&sheet);
  for (int i = 0; i < names.size(); ++i) {
    const QPoint at((i % columns) * cell.width(), (i / columns) * cell.height());
    painter.drawPixmap(at + QPoint(10, 10), vl::ProgramPixmap(names[i], QSize(32, 32)));
    painter.drawPixmap(at + QPoint(60, 10), vl::ProgramPixmap(names[i], QSize(72, 72)));
    painter.drawText(QRect(at + QPoint(0, 86), QSize(cell.width(), 20)), Qt::AlignCenter, names[i]);
  }
  return sheet;
}

}  // namespace

// A drawn portrait as a bitmap in the photo directory, for the photo frame and the chooser.
void WriteSamplePhoto(const vl::ProgramHome& home, const std::string& name, QColor coat, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(QColor(236, 228, 208));
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(coat);
  painter.drawEllipse(QRect(size.width() / 8, size.height() * 11 / 20, size.width() * 3 / 4, size.height() * 3 / 4));
  painter.setBrush(QColor(222, 184, 150));
  painter.drawEllipse(QRect(size.width() * 3 / 10, size.height() / 6, size.width() * 2 / 5, size.height() * 2 / 5));
  painter.end();
  const vl::Dib dib = vl::DibFromImage(image);
  vl::SaveBitmapFile(&dib, home.PhotoDir() / name);
}

void WriteSampleDocument(const vl::ProgramHome& home, const std::string& name) {
  vl::WriteFileAtomically(home.ObjectDir() / name, {'T', 'e', 'x', 't'});
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  vl::SetUpApplication(app);
  outDir = QDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
  outDir.mkpath(".");

  QTemporaryDir temp;
  vl::ProgramHome home(temp.path().toStdString());
  home.EnsureDirectories();
  vl::ScriptedPrompter prompter(true);
  vl::FixedClock clock(vl::TimeStamp{6, 12, 124, 14, 30});
  vl::SharedLook look;
  const vl::StoreContext ctx{home.DataDir(), prompter, clock, nullptr};
  CreateSampleCardFile(ctx, prompter);
  {
    vl::CardFile second(prompter);
    second.number = vl::ChooseNewCardFileNumber(ctx);
    second.header.SetTitle(vl::Utf8ToCp1252("Ahnen der Familie Schönfeld"));
    second.header.SetOwnerName(vl::Utf8ToCp1252("Schönfeld"));
    second.header.SetOwnerFirstName("Paul");
    vl::CreateCardFile(ctx, second);
  }

  WriteSamplePhoto(home, "gottlieb.bmp", QColor(60, 70, 110), QSize(100, 130));
  WriteSamplePhoto(home, "rosina.bmp", QColor(120, 40, 60), QSize(180, 160));
  std::filesystem::create_directories(home.PhotoDir() / "Kirchenbuch");
  WriteSampleDocument(home, "taufschein.txt");
  WriteSampleDocument(home, "brief_1806.doc");
  Save(IconSheet(), "icons");

  for (const QSize size : {QSize(1280, 800), QSize(1920, 1080)}) {
    const QString suffix = QString("_%1x%2").arg(size.width()).arg(size.height());
    vl::FrameWindow frame(home, prompter, clock, look, vl::FrameOptions{false});
    vl::AttachChildWindowTable(frame, prompter, clock);
    frame.resize(size);
    frame.statusLine()->OnClockTick();
    frame.statusLine()->ShowMessage(27);
    const QPixmap start = Grab(frame);
    Save(start, "start" + suffix);

    vl::NewCardFileDialog created(prompter, home.PhotoDir(), &frame);
    created.titleField()->setText("Familie Brückner aus Görlitz");
    created.nameField()->setText("Brückner");
    created.firstNameField()->setText("Johanna");
    created.addressField()->setText("Lindenstraße 12");
    created.townField()->setText("02826 Görlitz");
    created.photoFrame()->SetPhoto("gottlieb.bmp");
    Save(OverFrame(start, created), "new_card_file" + suffix);
    created.hide();

    vl::OpenCardFileDialog opened(ctx, home.PhotoDir(), &frame);
    Save(OverFrame(start, opened), "open_card_file" + suffix);
    opened.hide();

    frame.OpenCardFileNumber(1);
    frame.statusLine()->ShowMessage(3);
    const QPixmap work = Grab(frame);
    Save(work, "card_file" + suffix);
    Save(WithMenu(work, *frame.cardFileMenus().front(), frame.menuBar()->height()), "file_menu" + suffix);

    vl::ProgressPanel* progress = frame.progressPanel();
    progress->Open();
    progress->SetLine(0, "Speichern der Kartei");
    progress->SetLine(1, "Speichern der Karteikarten");
    progress->SetLine(2, "Orte.");
    progress->SetPercent(42);
    Save(Grab(frame), "progress" + suffix);
    progress->Close();

    for (int kind : {0, 3}) {
      Save(CertificateWindowPicture(frame, kind), QString(kind == 0 ? "birth_window" : "baptism_window") + suffix);
      auto* table = frame.findChild<vl::ChildWindowTable*>("childWindowTable");
      table->CloseAllWithoutAsking();
      QApplication::processEvents();
    }
    {
      vl::CertificateServices services{frame.cardFile(), home.DataDir(), home.PhotoDir(), prompter, clock, {}, {}, {}, {}};
      vl::CertificateRecord record = vl::CertificateRecord::New(0);
      const vl::ParentEntryLayout father = vl::birth_record::kFather;
      record.Set(father.surname, vl::Utf8ToCp1252("Brückner"));
      record.Set(father.givenNames, vl::GivenNames{"Gottlieb", "Ernst", "", "", ""});
      record.Set(father.profession, vl::Utf8ToCp1252("Tuchmachermeister"));
      record.Set(father.residence, vl::Utf8ToCp1252("Görlitz"));
      record.Set(father.address, vl::Utf8ToCp1252("Neißstraße 29"));
      record.Set(father.maritalStatus, uint16_t{2});
      record.Set(father.birthDate, vl::DateTimeValue{0, 3, 4, 1781, 0, 0});
      record.Set(father.birthPlace, "Zittau");
      record.Set(father.age, int16_t{25});
      vl::ParentEntryDialog parent("Vater", record, father, 2, services, &frame);
      Save(OverFrame(work, parent), "father_window" + suffix);
      parent.hide();
      vl::WitnessEntryDialog witness(record, vl::birth_record::kWitnesses[0], 512, services, &frame);
      Save(OverFrame(work, witness), "witness_window" + suffix);
      witness.hide();
      std::vector<vl::HomonymCandidate> candidates;
      for (const vl::PersonCard& person : frame.cardFile().persons) {
        if (person.fullName == vl::Utf8ToCp1252("Brückner Johann Gottlieb")) {
          candidates.push_back({person.number, person.fullName});
        }
      }
      vl::HomonymDialog homonym(vl::Utf8ToCp1252("Brückner Johann Gottlieb"), candidates,
                                &frame.cardFile().persons, prompter, &frame);
      homonym.list()->setCurrentRow(1);
      Save(BesideEachOther(work, homonym, *homonym.identityWindow()), "homonym" + suffix);
      homonym.identityWindow()->hide();
      homonym.hide();
    }

    vl::ChoiceDialog choice(vl::ChoiceSources{frame.cardFile(), home.DataDir(), prompter, clock},
                            vl::kChoiceOpenMode | 9, &frame);
    choice.list()->setCurrentItem(choice.list()->findItems("Hohenstein", Qt::MatchStartsWith).value(0));
    Save(BesideEachOther(work, choice, *choice.identityWindow()), "choice" + suffix);
    choice.identityWindow()->hide();
    choice.hide();

    vl::AutoSaveDialog autoSave(true, 10, &frame);
    Save(OverFrame(work, autoSave), "auto_save" + suffix);
    autoSave.hide();
    vl::NotesDialog notes(frame.cardFile().notes, &frame);
    Save(OverFrame(work, notes), "notes" + suffix);
    notes.hide();
    vl::ListChoiceDialog places(frame.cardFile().places, vl::NameListKind::Places, prompter, &frame);
    places.list()->setCurrentRow(1);
    Save(OverFrame(work, places), "list_choice" + suffix);
    places.hide();
    vl::AboutDialog about(look, &frame);
    Save(OverFrame(work, about), "about" + suffix);
    about.hide();
    vl::CalendarDialog calendar(&frame, "15.11.1799");
    Save(OverFrame(work, calendar), "calendar" + suffix);
    calendar.hide();
    vl::MoretDialog moret(&frame);
    Save(OverFrame(work, moret), "moret" + suffix);
    moret.hide();
    vl::PhotoDialog photo(home, prompter, &frame);
    photo.entryList()->setCurrentItem(photo.entryList()->findItems("rosina.bmp", Qt::MatchExactly).value(0));
    Save(OverFrame(work, photo), "photo" + suffix);
    photo.hide();
    vl::PersonCard person;
    person.fullName = vl::Utf8ToCp1252("Brückner Gottlieb Ernst");
    person.documents = {{vl::Utf8ToCp1252("Taufschein aus Zittau, Abschrift von 1781"), "taufschein.txt"},
                        {vl::Utf8ToCp1252("Brief an die Verlobte, Görlitz 1806"), "brief_1806.doc"}};
    vl::ModifiedFlag unchanged;
    vl::ObjectsDialog objects(person, unchanged, home.ObjectDir(), prompter, &frame);
    Save(OverFrame(work, objects), "objects" + suffix);
    objects.hide();
    vl::CaptureDialog capture(work.copy(QRect(0, 0, 360, 240)).toImage(), home.Root(), prompter, &frame);
    Save(OverFrame(work, capture), "capture" + suffix);
    capture.hide();
    vl::HelpWindow help;
    help.ShowTopic("gregorianischer_kalender");
    Save(OverFrame(work, help, false), "help" + suffix);
    help.hide();
    frame.cardFile().modified.Clear();
  }
  return 0;
}
