// The child window table, the choice dialog with its short identification, deleting and
// browsing; window kinds are stood in for by a small test window.
// The core headers come before Qt's, whose "slots" keyword would rewrite PersonCard::slots.
#include <functional>
#include <memory>

#include "common/clock.hpp"
#include "common/cp1252.hpp"
#include "common/scripted_prompter.hpp"
#include "records/certificate_record.hpp"
#include "records/family_links.hpp"
#include "records/person_blocks.hpp"
#include "records/record_names.hpp"
#include "shell/child_window_table.hpp"
#include "shell/child_window_wiring.hpp"
#include "shell/choice_dialog.hpp"
#include "shell/choice_identity_window.hpp"
#include "shell/command_ids.hpp"
#include "shell/frame_window.hpp"
#include "common/ui/shared_look.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/card_file_names.hpp"
#include "storage/slot_file.hpp"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

// The test's own slots are declared with Q_SLOTS.
#undef slots

using namespace vl;

namespace {

// Stands in for the certificate and person-card windows of later work.
class TestChild : public QWidget, public ChildContent {
 public:
  TestChild(ChildWindowTable& table, int place) : table_(table), place_(place) {
    setWindowTitle(QString("Fenster %1").arg(place));
  }
  QWidget* Widget() override { return this; }
  bool SaveRecord() override {
    ++saves;
    return saveResult;
  }
  void ShowPlaceData() override { ++shows; }
  void RunChildCommand(int id) override { commands.push_back(id); }
  const ChildPlace& Place() const { return table_.place(place_); }

  int saves = 0;
  int shows = 0;
  bool saveResult = true;
  std::vector<int> commands;

 private:
  ChildWindowTable& table_;
  int place_;
};

TestChild* ChildOf(QMdiSubWindow* window) {
  return window ? dynamic_cast<TestChild*>(window->widget()) : nullptr;
}

QStringList Items(const QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

void Select(QListWidget* list, const QString& text) {
  const auto found = list->findItems(text, Qt::MatchExactly);
  QVERIFY2(found.size() == 1, qPrintable(text));
  list->setCurrentItem(found[0]);
}

DateTimeValue At(int day, int month, int year) {
  return DateTimeValue{0, static_cast<int16_t>(day), static_cast<int16_t>(month), static_cast<int16_t>(year), 0, 0};
}

}  // namespace

class TestChildWindows : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<ScriptedPrompter> prompter_;
  FixedClock clock_{TimeStamp{6, 12, 126, 20, 15}};
  std::unique_ptr<CardFile> card_;
  std::unique_ptr<QMdiArea> area_;
  std::unique_ptr<ChildWindowTable> table_;

  std::filesystem::path DataDir() const { return std::filesystem::path(dir_->path().toStdString()) / "DATEIEN"; }
  ChoiceSources Sources() { return ChoiceSources{*card_, DataDir(), *prompter_, clock_}; }
  SlotFile File(int kind) {
    return SlotFile(SlotFileContext{DataDir(), card_->number, kind, *prompter_, clock_, &card_->modified});
  }

  PersonCard& Person(const std::string& fullName, char sex) {
    PersonCard* person = card_->persons.Create(fullName, static_cast<uint16_t>(fullName.find(' ')));
    card_->persons.SetSex(*person, sex);
    return *person;
  }

  // A stored certificate of the person as the certificate saves leave it.
  int StoreOwn(int kind, PersonCard& person, const std::string& surname, const std::string& given) {
    CertificateRecord record = CertificateRecord::New(kind);
    record.SetKeyPerson(person.number);
    const NameFields names = MainPersonNames(kind);
    record.Set(names.surname, surname);
    record.Set(names.givenNames.Name(0), given);
    record.MarkStored();
    SlotFile file = File(kind);
    const int slot = record.Write(file, -1);
    card_->persons.SetCertificateSlot(person, static_cast<uint16_t>(slot), kind);
    card_->header.SetCertificateCount(kind, static_cast<uint16_t>(card_->header.CertificateCount(kind) + 1));
    return slot;
  }

  int StoreMarriage(int kind, PersonCard& groom, PersonCard& bride) {
    CertificateRecord record = CertificateRecord::New(kind);
    record.SetKeyPerson(groom.number);
    const SpouseEntryLayout groomEntry = SpouseEntryAt(202);
    const SpouseEntryLayout brideEntry = SpouseEntryAt(978);
    record.Set(groomEntry.surname, groom.fullName.substr(0, groom.surnameLength));
    record.Set(groomEntry.givenNames.Name(0), groom.fullName.substr(groom.surnameLength + 1));
    record.Set(brideEntry.surname, bride.fullName.substr(0, bride.surnameLength));
    record.Set(brideEntry.givenNames.Name(0), bride.fullName.substr(bride.surnameLength + 1));
    record.MarkStored();
    SlotFile file = File(kind);
    const int slot = record.Write(file, -1);
    UnionEntry forGroom{&bride, At(5, 5, 1870), "Ulm", static_cast<uint16_t>(slot), static_cast<uint16_t>(kind)};
    UnionEntry forBride{&groom, At(5, 5, 1870), "Ulm", static_cast<uint16_t>(slot), static_cast<uint16_t>(kind)};
    AddUnion(groom, kind == kChurchWedding, forGroom, forBride, card_->modified, *prompter_);
    card_->persons.SetCertificateSlot(groom, static_cast<uint16_t>(slot), kind);
    card_->persons.SetCertificateSlot(bride, static_cast<uint16_t>(slot), kind);
    card_->header.SetCertificateCount(kind, static_cast<uint16_t>(card_->header.CertificateCount(kind) + 1));
    return slot;
  }

  void RegisterTestKind(int kind) {
    table_->Register(kind, [](ChildWindowTable& table, int place) -> ChildContent* {
      return new TestChild(table, place);
    });
  }

  // Runs the modal choice dialog that the command opens: choose, then OK.
  void ChooseInNextDialog(const QString& text, QString* title = nullptr) {
    QTimer::singleShot(0, this, [text, title] {
      auto* dialog = qobject_cast<ChoiceDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog != nullptr);
      if (title) *title = dialog->windowTitle();
      Select(dialog->list(), text);
      dialog->accept();
    });
  }

 private Q_SLOTS:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    std::filesystem::create_directories(DataDir());
    prompter_ = std::make_unique<ScriptedPrompter>();
    card_ = std::make_unique<CardFile>(*prompter_);
    card_->number = 1;
    card_->header.SetTitle("Probe");
    card_->header.SetOwnerName("Weber");
    QCOMPARE(CreateCardFile(StoreContext{DataDir(), *prompter_, clock_}, *card_), 1);
    area_ = std::make_unique<QMdiArea>();
    area_->resize(800, 600);
    area_->show();
    table_ = std::make_unique<ChildWindowTable>(*area_, *card_, DataDir(), *prompter_, clock_);
  }

  void cleanup() {
    table_->CloseAllWithoutAsking();
    QApplication::processEvents();
    table_.reset();
    area_.reset();
    card_.reset();
    prompter_.reset();
    dir_.reset();
  }

  void commandsOfUnbuiltKindsStayUnavailable() {
    int notified = 0;
    table_->SetAvailabilityChanged([&notified] { ++notified; });
    QVERIFY(!table_->HandlesCommand(cmd::kNewCertificateFirst));
    QVERIFY(!table_->HandlesCommand(cmd::kOpenCertificateFirst + 5));
    QVERIFY(!table_->HandlesCommand(cmd::kNewPersonCard));
    QVERIFY(!table_->HandlesCommand(cmd::kOpenPersonCard));
    QVERIFY(!table_->HandlesCommand(cmd::kPersonOverview));
    QVERIFY(!table_->HandlesCommand(cmd::kToolNext));
    QVERIFY(!table_->HandlesCommand(cmd::kChildCommand120));
    QVERIFY(!table_->HandlesCommand(cmd::kDescendantChart));
    for (int id = cmd::kDeleteCertificateFirst; id < cmd::kDeleteCertificateFirst + 6; ++id) {
      QVERIFY(table_->HandlesCommand(id));
    }
    QVERIFY(table_->HandlesCommand(cmd::kDeletePerson));
    QVERIFY(table_->Open(-1, 0) == nullptr);
    QCOMPARE(table_->OpenCount(), 0);

    RegisterTestKind(kBirth);
    QCOMPARE(notified, 1);
    QVERIFY(table_->HandlesCommand(cmd::kNewCertificateFirst));
    QVERIFY(table_->HandlesCommand(cmd::kOpenCertificateFirst));
    QVERIFY(!table_->HandlesCommand(cmd::kNewCertificateFirst + 1));
    QVERIFY(table_->HandlesCommand(cmd::kToolNext));
    QVERIFY(table_->HandlesCommand(cmd::kToolChooseByName));
    QVERIFY(table_->HandlesCommand(cmd::kChildCommand146));
    QVERIFY(!table_->HandlesCommand(cmd::kNewPersonCard));

    table_->RunCommand(cmd::kNewCertificateFirst);
    QCOMPARE(table_->OpenCount(), 1);
    QCOMPARE(table_->place(0).kind, 0);
    QCOMPARE(table_->place(0).current, -1);
    QVERIFY(table_->place(0).record.has_value());
    QCOMPARE(table_->place(0).record->Get(ByteField{178}), uint8_t('H'));  // a new record's presets
  }

  void eleventhWindowIsRefusedAndAFreedPlaceIsReused() {
    RegisterTestKind(kBirth);
    std::vector<QMdiSubWindow*> windows;
    for (int i = 0; i < 10; ++i) {
      windows.push_back(table_->Open(-1, kBirth));
      QVERIFY(windows.back() != nullptr);
      QCOMPARE(table_->PlaceOf(windows.back()), i);
    }
    QVERIFY(prompter_->Empty());
    QVERIFY(table_->Open(-1, kBirth) == nullptr);
    QCOMPARE(prompter_->Ids(), std::vector<int>{8021});
    QCOMPARE(prompter_->shown[0].kind, BoxKind::Information);
    QCOMPARE(QString::fromStdString(prompter_->shown[0].text), QString("Zuviele Karteikarten sind geöffnet!"));
    QCOMPARE(table_->OpenCount(), 10);

    QVERIFY(table_->CloseChild(3, kCloseWithoutQuestion));
    QCOMPARE(table_->OpenCount(), 9);
    QVERIFY(!table_->place(3).taken);
    QCOMPARE(table_->place(3).current, -1);
    QCOMPARE(table_->place(3).kind, 0);
    QVERIFY(!table_->place(3).record.has_value());

    QMdiSubWindow* again = table_->Open(-1, kBirth);
    QVERIFY(again != nullptr);
    QCOMPARE(table_->PlaceOf(again), 3);
    QCOMPARE(table_->PlaceOf(again->widget()), 3);
    QCOMPARE(prompter_->Ids().size(), size_t{1});

    // A window that is not in the table.
    QWidget stranger;
    QCOMPARE(table_->FindPlace(&stranger), -1);
    QCOMPARE(prompter_->Ids().back(), 8007);
  }

  void closingAsksOnlyWithUnsavedEditsAndWithoutTheMarker() {
    RegisterTestKind(kBirth);
    QMdiSubWindow* window = table_->Open(-1, kBirth);
    const int place = table_->PlaceOf(window);
    ChildOf(window)->setWindowTitle("Geburtsurkunde von Weber Anna");
    table_->place(place).modified = 0x8000;  // a sub-dialog's mark counts as an edit

    prompter_->QueueAnswer(false);
    QVERIFY(!table_->CloseChild(place, 0));
    QCOMPARE(prompter_->Ids(), std::vector<int>{8249});
    QCOMPARE(prompter_->shown[0].kind, BoxKind::Question);
    QCOMPARE(QString::fromStdString(prompter_->shown[0].text),
             QString("Geburtsurkunde von Weber Anna wirklich schließen?"));
    QVERIFY(table_->place(place).taken);

    prompter_->QueueAnswer(true);
    QVERIFY(table_->CloseChild(place, 0));
    QVERIFY(!table_->place(place).taken);
    QCOMPARE(prompter_->Ids().size(), size_t{2});

    // With the marker nothing is asked.
    QMdiSubWindow* second = table_->Open(-1, kBirth);
    table_->place(table_->PlaceOf(second)).modified = 1;
    QVERIFY(table_->CloseChild(table_->PlaceOf(second), kCloseWithoutQuestion));
    QCOMPARE(prompter_->Ids().size(), size_t{2});

    // Without edits nothing is asked either.
    QMdiSubWindow* clean = table_->Open(-1, kBirth);
    QVERIFY(table_->CloseChild(table_->PlaceOf(clean), 0));
    QCOMPARE(prompter_->Ids().size(), size_t{2});

    // "Alle schließen" sends the close command without marker to every child.
    QMdiSubWindow* a = table_->Open(-1, kBirth);
    table_->Open(-1, kBirth);
    table_->place(table_->PlaceOf(a)).modified = 1;
    prompter_->QueueAnswer(false);
    area_->closeAllSubWindows();
    QCOMPARE(table_->OpenCount(), 1);
    QCOMPARE(table_->PlaceOf(a), 0);
    QCOMPARE(prompter_->Ids().back(), 8249);

    // Closing the card file: everything closes without a question.
    const size_t asked = prompter_->Ids().size();
    table_->CloseAllWithoutAsking();
    QCOMPARE(table_->OpenCount(), 0);
    QCOMPARE(prompter_->Ids().size(), asked);
  }

  void personCardsCreatedByTheWindowGoWithIt() {
    RegisterTestKind(kPersonCardWindow);
    PersonCard& chosen = Person("Weber Anna", 'F');
    const size_t before = card_->persons.Count();

    QMdiSubWindow* fresh = table_->Open(-1, kPersonCardWindow);
    QVERIFY(fresh != nullptr);
    const ChildPlace& place = table_->place(table_->PlaceOf(fresh));
    QVERIFY(place.person != nullptr);
    QCOMPARE(place.person->fullName, std::string());
    QCOMPARE(place.current, -1);
    QCOMPARE(card_->persons.Count(), before + 1);
    QVERIFY(table_->CloseChild(table_->PlaceOf(fresh), kCloseWithoutQuestion));
    QCOMPARE(card_->persons.Count(), before);

    QMdiSubWindow* shown = table_->Open(kCardFromIndex, kPersonCardWindow, &chosen);
    QCOMPARE(table_->place(table_->PlaceOf(shown)).current, kCardFromIndex);
    QCOMPARE(table_->place(table_->PlaceOf(shown)).person, &chosen);
    QVERIFY(table_->CloseChild(table_->PlaceOf(shown), kCloseWithoutQuestion));
    QCOMPARE(card_->persons.Count(), before);
    QVERIFY(card_->persons.Find(chosen.number) == &chosen);

    // Deleting a card that a window created and has not stored: the window takes it along.
    QMdiSubWindow* named = table_->Open(-1, kPersonCardWindow);
    card_->persons.SetFullName(*table_->place(table_->PlaceOf(named)).person, "Neu Karl", 3);
    ChooseInNextDialog("Neu Karl");
    prompter_->QueueAnswer(true);
    table_->RunCommand(cmd::kDeletePerson);
    QCOMPARE(table_->OpenCount(), 0);
    QCOMPARE(card_->persons.Count(), before);
  }

  void browsingCertificatesFollowsTheStorageOrder() {
    RegisterTestKind(kBirth);
    PersonCard& anna = Person("Weber Anna", 'F');
    PersonCard& max = Person("Zeller Max", 'H');
    PersonCard& hans = Person("Albrecht Hans", 'H');
    const int s0 = StoreOwn(kBirth, anna, "Weber", "Anna");
    const int s1 = StoreOwn(kBirth, max, "Zeller", "Max");
    const int s2 = StoreOwn(kBirth, hans, "Albrecht", "Hans");
    QCOMPARE(s0, 0);
    // Slot 0 freed and taken again: the storage order is now 1, 2, 0.
    QCOMPARE(File(kBirth).Delete(s0), s0);
    QCOMPARE(StoreOwn(kBirth, anna, "Weber", "Anna"), s0);

    QMdiSubWindow* window = table_->Open(s0, kBirth, &anna);
    QVERIFY(window != nullptr);
    TestChild* child = ChildOf(window);
    const ChildPlace& place = child->Place();
    QCOMPARE(place.record->KeyPerson(), anna.number);

    // Next from the last stored certificate: a new, empty one, after the window saved.
    table_->RunCommand(cmd::kToolNext);
    QCOMPARE(place.current, -1);
    QVERIFY(!place.record->IsStored());
    QCOMPARE(child->saves, 1);
    QCOMPARE(child->shows, 1);

    table_->RunCommand(cmd::kToolPrevious);
    QCOMPARE(place.current, s0);
    QCOMPARE(place.person, &anna);
    table_->RunCommand(cmd::kToolPrevious);
    QCOMPARE(place.current, s2);
    QCOMPARE(place.person, &hans);
    table_->RunCommand(cmd::kToolPrevious);
    QCOMPARE(place.current, s1);
    QCOMPARE(child->saves, 4);

    // Previous from the first does nothing, not even a save.
    table_->place(table_->PlaceOf(window)).modified = 1;
    table_->RunCommand(cmd::kToolPrevious);
    QCOMPARE(place.current, s1);
    QCOMPARE(child->saves, 4);
    QCOMPARE(child->shows, 4);
    QCOMPARE(place.modified, 1);

    table_->RunCommand(cmd::kToolNext);
    QCOMPARE(place.current, s2);
    QCOMPARE(place.modified, 0);
    table_->RunCommand(cmd::kToolFirst);
    QCOMPARE(place.current, s1);
    table_->RunCommand(cmd::kToolPastLast);
    QCOMPARE(place.current, -1);

    // A refused save keeps the record.
    table_->RunCommand(cmd::kToolFirst);
    child->saveResult = false;
    table_->RunCommand(cmd::kToolNext);
    QCOMPARE(place.current, s1);
    child->saveResult = true;

    // A slot the order table does not list stops browsing.
    table_->place(table_->PlaceOf(window)).current = 77;
    const int saves = child->saves;
    table_->RunCommand(cmd::kToolFirst);
    QCOMPARE(place.current, 77);
    QCOMPARE(child->saves, saves);
    QVERIFY(prompter_->Empty());
  }

  void browsingWithoutStoredCertificatesDoesNothing() {
    RegisterTestKind(kDeath);
    QMdiSubWindow* window = table_->Open(-1, kDeath);
    table_->RunCommand(cmd::kToolPastLast);
    table_->RunCommand(cmd::kToolFirst);
    QCOMPARE(ChildOf(window)->saves, 0);
    QCOMPARE(ChildOf(window)->shows, 0);
  }

  void browsingPersonCardsByCreationRank() {
    RegisterTestKind(kPersonCardWindow);
    PersonCard& first = Person("Weber Anna", 'F');
    Person("", ' ');  // a nameless card is skipped
    PersonCard& third = Person("Albrecht Hans", 'H');
    QMdiSubWindow* window = table_->Open(kCardFromIndex, kPersonCardWindow, &first);
    const ChildPlace& place = ChildOf(window)->Place();

    table_->Browse(kBrowseNext);
    QCOMPARE(place.person, &third);
    table_->Browse(kBrowseNext);  // the last one
    QCOMPARE(place.person, &third);
    QCOMPARE(ChildOf(window)->saves, 1);

    table_->Browse(kBrowsePastLast);
    QCOMPARE(place.current, -1);
    QVERIFY(place.person != nullptr);
    QCOMPARE(place.person->fullName, std::string());
    QCOMPARE(card_->persons.Count(), size_t{4});

    // Past the last only from a card of the index; moving on drops the window's own card.
    table_->Browse(kBrowsePastLast);
    QCOMPARE(card_->persons.Count(), size_t{4});
    table_->Browse(kBrowsePrevious);
    QCOMPARE(place.person, &third);
    QCOMPARE(place.current, kCardFromIndex);
    QCOMPARE(card_->persons.Count(), size_t{3});
    table_->Browse(kBrowseFirst);
    QCOMPARE(place.person, &first);
    table_->Browse(kBrowsePrevious);
    QCOMPARE(place.person, &first);
  }

  void forwardsChildCommandsToTheActiveWindow() {
    RegisterTestKind(kBirth);
    QMdiSubWindow* a = table_->Open(-1, kBirth);
    QMdiSubWindow* b = table_->Open(-1, kBirth);
    area_->setActiveSubWindow(a);
    table_->RunCommand(cmd::kChildCommand120);
    table_->RunCommand(cmd::kChildButtonFirst + 3);
    QCOMPARE(ChildOf(a)->commands, (std::vector<int>{120, 146}));
    area_->setActiveSubWindow(b);
    table_->RunCommand(cmd::kChildButtonFirst + 1);
    table_->RunCommand(cmd::kChildCommand145);
    QCOMPARE(ChildOf(b)->commands, (std::vector<int>{121, 145}));
  }

  void choiceDialogListsCertificatesSorted() {
    PersonCard& anna = Person("Weber Anna", 'F');
    PersonCard& max = Person("Zeller Max", 'H');
    PersonCard& hans = Person("albrecht Hans", 'H');
    StoreOwn(kBirth, max, "Zeller", "Max");
    const int annaSlot = StoreOwn(kBirth, anna, "Weber", "Anna");
    StoreOwn(kBirth, hans, "albrecht", "Hans");

    ChoiceDialog dialog(Sources(), kChoiceOpenMode + kBirth);
    QCOMPARE(dialog.objectName(), QString("Choix"));
    QCOMPARE(dialog.windowTitle(), QString("Geburtsurkunde öffnen"));
    QCOMPARE(Items(dialog.list()), QStringList({"albrecht Hans", "Weber Anna", "Zeller Max"}));
    QCOMPARE(dialog.countText(), QString("3"));
    QCOMPARE(dialog.okButton()->text(), QString("&OK"));
    QCOMPARE(dialog.cancelButton()->text(), QString("&Abbrechen"));

    dialog.show();
    QCOMPARE(dialog.pos(), QPoint(10, 100));
    QVERIFY(dialog.identityWindow()->isVisible());
    QCOMPARE(dialog.identityWindow()->windowTitle(), QString("Kurzidentifikation"));
    QCOMPARE(dialog.identityWindow()->nameField()->text(), QString());

    Select(dialog.list(), "Weber Anna");
    QCOMPARE(dialog.currentSlot(), annaSlot);
    QCOMPARE(dialog.currentPerson(), &anna);
    QCOMPARE(dialog.identityWindow()->nameField()->text(), QString("Weber Anna"));
    dialog.accept();
    QCOMPARE(dialog.result().value, annaSlot);
    QCOMPARE(dialog.result().person, &anna);
    QVERIFY(!dialog.identityWindow()->isVisible());
    QVERIFY(prompter_->Empty());

    ChoiceDialog nothing(Sources(), kChoiceOpenMode + kBirth);
    nothing.accept();
    QCOMPARE(nothing.result().value, -1);
    ChoiceDialog cancelled(Sources(), kChoiceOpenMode + kBirth);
    Select(cancelled.list(), "Zeller Max");
    cancelled.reject();
    QCOMPARE(cancelled.result().value, -1);
    QCOMPARE(cancelled.result().person, nullptr);
  }

  // Long names of couples and long places are shown whole; only the chosen entry stands out, in
  // white on blue, whether the dialog is the active window or not.
  void choiceDialogShowsLongEntriesAndItsChoice() {
    const char* grooms[] = {"SCHWARZENBERGER Johann Friedrich", "MÜLLER-LÜDENSCHEIDT Karl Wilhelm",
                            "OBERHAUSER Franz Xaver", "WEIßENBORN Georg Heinrich"};
    const char* brides[] = {"HOHENSTEIN Anna Maria", "LEYENDECKER Maria Theresia", "KIRCHHOFER Barbara Josefa",
                            "ZIMMERMANN Elisabeth Charlotte", "FÜRSTENBERG Luise Henriette"};
    for (int i = 0; i < 20; ++i) {  // twenty different couples
      PersonCard& groom = Person(Utf8ToCp1252(grooms[i % 4]), 'H');
      StoreMarriage(kCivilMarriage, groom, Person(Utf8ToCp1252(brides[i % 5]), 'F'));
    }
    PersonCard* first = card_->persons.Find(1);
    first->birth = At(12, 3, 1854);
    first->birthPlace = Utf8ToCp1252("Rothenburg ob der Tauber");

    ChoiceDialog dialog(Sources(), kChoiceOpenMode + kCivilMarriage);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QListWidget* list = dialog.list();
    QCOMPARE(list->count(), 20);
    QVERIFY(list->verticalScrollBar()->isVisible());
    for (int i = 0; i < list->count(); ++i) {
      const QString text = list->item(i)->text();
      QVERIFY2(list->fontMetrics().horizontalAdvance(text) + 8 <= list->viewport()->width(), qPrintable(text));
    }
    Select(list, "SCHWARZENBERGER Johann Friedrich - HOHENSTEIN Anna Maria");
    for (const QLabel* field : {dialog.identityWindow()->nameField(), dialog.identityWindow()->birthField()}) {
      QVERIFY(!field->text().isEmpty());
      QVERIFY2(field->fontMetrics().horizontalAdvance(field->text()) <= field->contentsRect().width(),
               qPrintable(field->text()));
    }

    const int chosen = list->currentRow();
    const QImage shown = list->viewport()->grab().toImage();
    auto background = [&](int row) {
      const QRect rect = list->visualItemRect(list->item(row));
      return shown.pixelColor(rect.right() - 8, rect.center().y());
    };
    const QColor highlight = background(chosen);  // the style may lighten it a little
    QVERIFY2(highlight.blue() == 255 && highlight.red() < 48 && highlight.green() < 48, qPrintable(highlight.name()));
    QCOMPARE(background(chosen - 1), QColor(Qt::white));
    QCOMPARE(background(chosen + 1), QColor(Qt::white));
    const QPalette colours = list->palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
      QCOMPARE(colours.color(group, QPalette::Base), QColor(Qt::white));
      QCOMPARE(colours.color(group, QPalette::Text), QColor(Qt::black));
      QCOMPARE(colours.color(group, QPalette::Highlight), QColor(0, 0, 255));
      QCOMPARE(colours.color(group, QPalette::HighlightedText), QColor(Qt::white));
    }
  }

  void choiceDialogTitlesAndLabels() {
    const std::vector<std::pair<int, QString>> titles = {
        {kChoiceOpenMode + 0, "Geburtsurkunde öffnen"},
        {0, "Geburtsurkunde löschen"},
        {kChoiceOpenMode + 1, "Standesamtliche Heiratsurkunde öffnen"},
        {1, "Standesamtliche Heiratsurkunde löschen"},
        {kChoiceOpenMode + 2, "Sterbeurkunde öffnen"},
        {2, "Sterbeurkunde löschen"},
        {kChoiceOpenMode + 3, "Taufurkunde öffnen"},
        {3, "Taufurkunde löschen"},
        {kChoiceOpenMode + 4, "Kirchliche Trauurkunde öffnen"},
        {4, "Kirchliche Trauurkunde löschen"},
        {kChoiceOpenMode + 5, "Begräbnisurkunde öffnen"},
        {5, "Begräbnisurkunde löschen"},
        {kChoiceOpenMode + 6, "Personenkarteikarte wählen"},
        {kChoiceOpenMode + 8, "Proband wählen"},
        {kChoiceOpenMode + 9, "Personenkarteikarte wählen"},
        {9, "Personenkarteikarte wählen"},
        {kChoiceOpenMode + 11, "Personenkarteikarte wählen"},
    };
    for (const auto& [parameter, title] : titles) {
      ChoiceDialog dialog(Sources(), parameter);
      QCOMPARE(dialog.windowTitle(), title);
    }
    ChoiceDialog persons(Sources(), kChoiceOpenMode + 9);
    QCOMPARE(persons.listLabel()->text(), QString("Vorhandene Personen"));
    QCOMPARE(persons.countLabel()->text(), QString("Karteikarte(n)"));
    QCOMPARE(persons.countText(), QString("0"));
  }

  void choiceDialogListsPersonsAndPreviewsThem() {
    PersonCard& anna = Person("Weber Anna", 'F');
    PersonCard& father = Person("Weber Johann", 'H');
    PersonCard& mother = Person("maier Rosa", 'F');
    PersonCard& karl = Person("Huber Karl", 'H');
    PersonCard& otto = Person("Stein Otto", 'H');
    PersonCard& max = Person("Zeller Max", 'H');
    Person("", ' ');
    anna.birth = At(1, 2, 1850);
    anna.birthPlace = "Ulm";
    anna.death = DateTimeValue{0, -1, -1, 1920, 0, 0};
    anna.deathPlace = "Lyon";
    LinkChildToParents(anna, &father, &mother, ChildLinkMode::Normal, card_->modified);
    StoreMarriage(kCivilMarriage, karl, anna);
    StoreMarriage(kChurchWedding, otto, anna);
    StoreMarriage(kCivilMarriage, max, anna);

    ChoiceDialog dialog(Sources(), kChoiceOpenMode + 9);
    QCOMPARE(Items(dialog.list()),
             QStringList({"Huber Karl", "maier Rosa", "Stein Otto", "Weber Anna", "Weber Johann", "Zeller Max"}));
    QCOMPARE(dialog.countText(), QString("6"));
    Select(dialog.list(), "Weber Anna");
    const ChoiceIdentityWindow* identity = dialog.identityWindow();
    QCOMPARE(identity->nameField()->text(), QString("Weber Anna"));
    QCOMPARE(identity->birthField()->text(), QString("* 01.02.1850 (Ulm)"));
    QCOMPARE(identity->baptismField()->text(), QString());
    QCOMPARE(identity->deathField()->text(), QString("† 1920 (Lyon)"));
    QCOMPARE(identity->fatherField()->text(), QString("Weber Johann"));
    QCOMPARE(identity->motherField()->text(), QString("maier Rosa"));
    QCOMPARE(identity->spouse1Field()->text(), QString("Huber Karl"));
    QCOMPARE(identity->spouse2Field()->text(), QString("Zeller Max"));  // church weddings are passed over

    Select(dialog.list(), "Weber Johann");
    QCOMPARE(identity->fatherField()->text(), QString());
    QCOMPARE(identity->spouse1Field()->text(), QString());
    dialog.list()->clearSelection();
    QCOMPARE(identity->nameField()->text(), QString());
    QCOMPARE(identity->birthField()->text(), QString());
    dialog.accept();
    QCOMPARE(dialog.result().value, -1);

    ChoiceDialog chosen(Sources(), kChoiceOpenMode + 6);
    Select(chosen.list(), "Stein Otto");
    chosen.accept();
    QCOMPARE(chosen.result().value, 1);
    QCOMPARE(chosen.result().person, &otto);

    // Possible parents: a parent missing and some year known.
    father.birth = At(0, 0, 1820);
    max.death = At(0, 0, 1900);
    ChoiceDialog parents(Sources(), kChoiceOpenMode + 11);
    QCOMPARE(Items(parents.list()), QStringList({"Weber Johann", "Zeller Max"}));
    anna.mother = nullptr;  // a missing mother is enough
    anna.father = &father;
    ChoiceDialog stillParents(Sources(), kChoiceOpenMode + 11);
    QVERIFY(Items(stillParents.list()).contains("Weber Anna"));

    // Marriage certificates read "groom - bride".
    ChoiceDialog marriages(Sources(), kChoiceOpenMode + kCivilMarriage);
    QCOMPARE(Items(marriages.list()), QStringList({"Huber Karl - Weber Anna", "Zeller Max - Weber Anna"}));
    Select(marriages.list(), "Zeller Max - Weber Anna");
    QCOMPARE(marriages.identityWindow()->nameField()->text(), QString("Zeller Max"));
  }

  void choiceDialogAsksBeforeDeleting() {
    PersonCard& groom = Person("Weber Johann", 'H');
    PersonCard& bride = Person("Maier Rosa", 'F');
    const int slot = StoreMarriage(kChurchWedding, groom, bride);

    ChoiceDialog declined(Sources(), kChurchWedding);
    QCOMPARE(declined.windowTitle(), QString("Kirchliche Trauurkunde löschen"));
    Select(declined.list(), "Weber Johann - Maier Rosa");
    prompter_->QueueAnswer(false);
    declined.accept();
    QCOMPARE(declined.result().value, -1);
    QCOMPARE(prompter_->Ids(), std::vector<int>{8107});
    QCOMPARE(QString::fromStdString(prompter_->shown[0].text), QString("Möchten Sie wirklich löschen?"));

    ChoiceDialog confirmed(Sources(), kChurchWedding);
    Select(confirmed.list(), "Weber Johann - Maier Rosa");
    prompter_->QueueAnswer(true);
    confirmed.accept();
    QCOMPARE(confirmed.result().value, slot);
    QCOMPARE(confirmed.result().persons.secondPerson, &groom);
    QCOMPARE(confirmed.result().persons.keyPerson, &bride);

    // Nothing chosen: no question at all.
    ChoiceDialog empty(Sources(), 9);
    empty.accept();
    QCOMPARE(empty.result().value, -1);
    QCOMPARE(prompter_->Ids().size(), size_t{2});

    ChoiceDialog person(Sources(), 9);
    Select(person.list(), "Maier Rosa");
    prompter_->QueueAnswer(false);
    person.accept();
    QCOMPARE(person.result().value, -1);
    QCOMPARE(prompter_->Ids().back(), 8106);
    QCOMPARE(QString::fromStdString(prompter_->shown.back().text),
             QString("Alle Urkunden, die mit dieser Personenkarteikarte verbunden sind, werden mitgelöscht! \n"
                     "Möchten Sie trotzdem löschen?"));
  }

  void deletingACertificateThroughTheCommand() {
    RegisterTestKind(kBurial);
    PersonCard& deceased = Person("Weber Johann", 'H');
    deceased.death = At(3, 4, 1890);
    deceased.deathPlace = "Lyon";
    const int slot = StoreOwn(kBurial, deceased, "Weber", "Johann");
    QMdiSubWindow* showing = table_->Open(slot, kBurial, &deceased);
    QVERIFY(showing != nullptr);
    card_->modified.Clear();

    QString title;
    ChooseInNextDialog("Weber Johann", &title);
    prompter_->QueueAnswer(true);
    table_->RunCommand(cmd::kDeleteCertificateFirst + kBurial);
    QCOMPARE(title, QString("Begräbnisurkunde löschen"));
    QCOMPARE(prompter_->Ids(), std::vector<int>{8107});
    QCOMPARE(deceased.certificateSlots[kBurial], kNoSlot);
    QCOMPARE(deceased.death.year, 0);
    QCOMPARE(deceased.deathPlace, std::string());
    QCOMPARE(card_->header.CertificateCount(kBurial), 0);
    QCOMPARE(File(kBurial).ReadHeader()->Count(), 0);
    QVERIFY(card_->modified.IsSet());
    QCOMPARE(table_->OpenCount(), 0);  // the window showing it closed without asking
  }

  void deletingAPersonThroughTheCommand() {
    RegisterTestKind(kPersonCardWindow);
    PersonCard& groom = Person("Weber Johann", 'H');
    PersonCard& bride = Person("Maier Rosa", 'F');
    PersonCard& other = Person("Zeller Max", 'H');
    StoreOwn(kBirth, groom, "Weber", "Johann");
    StoreOwn(kBirth, other, "Zeller", "Max");
    StoreOwn(kDeath, groom, "Weber", "Johann");
    StoreMarriage(kCivilMarriage, groom, bride);
    const uint16_t number = groom.number;
    table_->Open(kCardFromIndex, kPersonCardWindow, &groom);
    table_->Open(kCardFromIndex, kPersonCardWindow, &other);

    ChooseInNextDialog("Weber Johann");
    prompter_->QueueAnswer(true);
    table_->RunCommand(cmd::kDeletePerson);

    QCOMPARE(prompter_->Ids(), std::vector<int>{8106});
    QVERIFY(card_->persons.Find(number) == nullptr);
    QCOMPARE(card_->persons.Count(), size_t{2});
    QCOMPARE(card_->header.PersonCount(), 2);
    QCOMPARE(card_->header.CertificateCount(kBirth), 1);
    QCOMPARE(card_->header.CertificateCount(kDeath), 0);
    QCOMPARE(card_->header.CertificateCount(kCivilMarriage), 0);
    QCOMPARE(File(kBirth).ReadHeader()->Count(), 1);
    QCOMPARE(File(kDeath).ReadHeader()->Count(), 0);
    QCOMPARE(File(kCivilMarriage).ReadHeader()->Count(), 0);
    QVERIFY(bride.unions.empty());
    QCOMPARE(bride.certificateSlots[kCivilMarriage], kNoSlot);
    // The window of the deleted person closed; the other one stays.
    QCOMPARE(table_->OpenCount(), 1);
    QCOMPARE(table_->place(1).person, &other);

    // Answering no deletes nothing.
    ChooseInNextDialog("Zeller Max");
    prompter_->QueueAnswer(false);
    table_->RunCommand(cmd::kDeletePerson);
    QCOMPARE(card_->persons.Count(), size_t{2});
  }

  void choosingByNameReplacesTheShownRecord() {
    RegisterTestKind(kDeath);
    PersonCard& a = Person("Weber Johann", 'H');
    PersonCard& b = Person("Zeller Max", 'H');
    StoreOwn(kDeath, a, "Weber", "Johann");
    const int second = StoreOwn(kDeath, b, "Zeller", "Max");
    QMdiSubWindow* window = table_->Open(-1, kDeath);
    QString title;
    ChooseInNextDialog("Zeller Max", &title);
    table_->RunCommand(cmd::kToolChooseByName);
    QCOMPARE(title, QString("Sterbeurkunde öffnen"));
    QCOMPARE(ChildOf(window)->saves, 1);
    QCOMPARE(ChildOf(window)->Place().current, second);
    QCOMPARE(ChildOf(window)->Place().person, &b);
    QCOMPARE(ChildOf(window)->shows, 1);

    // Opening through the menu: a second window on the chosen certificate.
    ChooseInNextDialog("Weber Johann");
    table_->RunCommand(cmd::kOpenCertificateFirst + kDeath);
    QCOMPARE(table_->OpenCount(), 2);
    QCOMPARE(table_->place(1).current, 0);
    QCOMPARE(table_->place(1).person, &a);
  }

  // The frame enables what the table can do and nothing that would lead to an unfinished window.
  void frameEnablesOnlyWorkingCommands() {
    ProgramHome home(dir_->path().toStdString());
    SharedLook look;
    FrameWindow frame(home, *prompter_, clock_, look, FrameOptions{false});
    ChildWindowTable& table = AttachChildWindowTable(frame, *prompter_, clock_);
    QCOMPARE(frame.findChild<ChildWindowTable*>("childWindowTable"), &table);
    QVERIFY(frame.OpenCardFileNumber(1));
    PersonCard* person = frame.cardFile().persons.Create("Weber Anna", 5);
    QVERIFY(person != nullptr);

    for (int id : {cmd::kDeleteCertificateFirst, cmd::kDeleteCertificateFirst + 5, cmd::kDeletePerson}) {
      QVERIFY2(frame.action(id)->isEnabled(), qPrintable(QString::number(id)));
    }
    // The birth and baptism windows come with the table; their browsing too.
    for (int kind : {kBirth, kBaptism}) {
      QVERIFY2(frame.action(cmd::kNewCertificateFirst + kind)->isEnabled(), qPrintable(QString::number(kind)));
      QVERIFY2(frame.action(cmd::kOpenCertificateFirst + kind)->isEnabled(), qPrintable(QString::number(kind)));
    }
    QVERIFY(frame.IsCommandAvailable(cmd::kToolNext));
    for (int id : {cmd::kNewCertificateFirst + 1, cmd::kOpenCertificateFirst + 2, cmd::kNewPersonCard,
                   cmd::kOpenPersonCard, cmd::kPersonOverview}) {
      QVERIFY2(!frame.IsCommandAvailable(id), qPrintable(QString::number(id)));
    }
    QVERIFY(!frame.action(cmd::kNewCertificateFirst + 1)->isEnabled());

    table.Register(kCivilMarriage, [](ChildWindowTable& t, int place) -> ChildContent* { return new TestChild(t, place); });
    QVERIFY(frame.action(cmd::kNewCertificateFirst + 1)->isEnabled());
    QVERIFY(!frame.action(cmd::kNewCertificateFirst + 2)->isEnabled());
    frame.RunCommand(cmd::kNewCertificateFirst + 1);
    QCOMPARE(table.OpenCount(), 1);

    // The delete-person command reaches the table through the frame.
    ChooseInNextDialog("Weber Anna");
    prompter_->QueueAnswer(true);
    frame.RunCommand(cmd::kDeletePerson);
    QCOMPARE(frame.cardFile().persons.Count(), size_t{0});

    // Closing the card file closes the children without asking.
    table.place(0).modified = 1;
    const size_t asked = prompter_->Ids().size();
    QVERIFY(frame.CloseCardFile());
    QCOMPARE(table.OpenCount(), 0);
    QCOMPARE(prompter_->Ids().size(), asked);
  }
};

QTEST_MAIN(TestChildWindows)
#include "test_child_windows.moc"
