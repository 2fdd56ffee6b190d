// The birth and baptism entry windows in the child window table: filling, the modification
// word, OK, cancel and the close question, the person chooser, browsing.
// The core headers come before Qt's, whose "slots" keyword would rewrite PersonCard::slots.
#include <functional>
#include <memory>

#include "common/clock.hpp"
#include "common/cp1252.hpp"
#include "common/scripted_prompter.hpp"
#include "records/certificate_layouts.hpp"
#include "records/certificate_record.hpp"
#include "records/certificate_save.hpp"
#include "common/ui/photo_frame.hpp"
#include "records/ui/baptism_window.hpp"
#include "records/ui/birth_window.hpp"
#include "records/ui/given_names_box.hpp"
#include "records/ui/parent_entry_dialog.hpp"
#include "records/ui/witness_entry_dialog.hpp"
#include "shell/certificate_window_wiring.hpp"
#include "shell/child_window_table.hpp"
#include "shell/command_ids.hpp"
#include "storage/card_file_lifecycle.hpp"
#include "storage/slot_file.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include "dates/ui/date_line_edit.hpp"

#undef slots

using namespace vl;

namespace {

// What a window handed to the save; a stand-in saves or refuses as told, or the core saves.
struct SaveCall {
  std::vector<uint8_t> record;
  int slot;
  uint16_t changed;
  std::vector<TypedDate> dates;
};
struct SaveLog {
  std::vector<SaveCall> calls;
  bool succeed = true;
  bool real = false;  // the core's save instead of the stand-in
  int nextSlot = 0;
  CertificateSaveResult Save(const CertificateSaveContext& context, CertificateEntry& entry) {
    calls.push_back({entry.record.Bytes(), entry.slot, entry.changed, entry.dates});
    if (real) return SaveCertificate(context, entry);
    CertificateSaveResult result;
    result.saved = succeed;
    result.slot = entry.slot >= 0 ? entry.slot : nextSlot++;
    return result;
  }
};

}  // namespace

namespace {

// Types text as key presses; keyClicks knows only ASCII.
void Type(QWidget* widget, const QString& text) {
  for (QChar c : text) {
    if (c.unicode() < 128) {
      QTest::keyClick(widget, c.toLatin1());
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
  }
}

template <typename T>
T* Field(QWidget* window, const char* name) {
  T* field = window->findChild<T*>(name);
  if (field == nullptr) qWarning("no field %s", name);
  return field;
}

void AddGivenName(QWidget* window, const QString& name) {
  auto* box = Field<GivenNamesBox>(window, "givenNames");
  box->lineEdit()->clear();
  Type(box->lineEdit(), name);
  QTest::keyClick(box->lineEdit(), Qt::Key_Return);
}

// What one edit does to the modification word.
struct BitCase {
  int kind;
  std::function<void(CertificateWindow&)> edit;
  uint16_t expected;
};

}  // namespace

Q_DECLARE_METATYPE(BitCase)

class TestCertificateWindows : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<ScriptedPrompter> prompter_;
  FixedClock clock_{TimeStamp{6, 12, 126, 20, 15}};
  std::unique_ptr<CardFile> card_;
  std::unique_ptr<QMdiArea> area_;
  std::unique_ptr<ChildWindowTable> table_;
  SaveLog log_;
  PersonCard* chosenPerson_ = nullptr;
  std::function<int(QDialog&)> subWindow_;

  std::filesystem::path DataDir() const { return std::filesystem::path(dir_->path().toStdString()) / "DATEIEN"; }

  template <typename W>
  W* OpenNew(int kind) {
    table_->RunCommand(cmd::kNewCertificateFirst + kind);
    const int place = table_->ActivePlace();
    if (place < 0) return nullptr;
    auto* window = dynamic_cast<W*>(table_->place(place).window->widget());
    if (window != nullptr && subWindow_) window->SetSubWindowRunner(subWindow_);
    return window;
  }

  uint16_t Word() const { return table_->place(table_->ActivePlace()).modified; }

 private Q_SLOTS:
  void init() {
    log_ = SaveLog{};
    chosenPerson_ = nullptr;
    subWindow_ = nullptr;
    dir_ = std::make_unique<QTemporaryDir>();
    std::filesystem::create_directories(DataDir());
    prompter_ = std::make_unique<ScriptedPrompter>();
    card_ = std::make_unique<CardFile>(*prompter_);
    card_->number = 1;
    card_->header.SetTitle("Probe");
    card_->header.SetOwnerName("Weber");
    QCOMPARE(CreateCardFile(StoreContext{DataDir(), *prompter_, clock_}, *card_), 1);
    area_ = std::make_unique<QMdiArea>();
    area_->resize(1200, 800);
    area_->show();
    QApplication::setActiveWindow(area_.get());
    QVERIFY(QTest::qWaitForWindowActive(area_.get()));
    table_ = std::make_unique<ChildWindowTable>(*area_, *card_, DataDir(), *prompter_, clock_);
    RegisterCertificateWindows(
        *table_, CertificateServices{*card_, DataDir(), DataDir().parent_path() / "FOTOS", *prompter_, clock_,
                                     [](QWidget*) -> std::optional<std::string> { return std::string("URKUNDE.BMP"); },
                                     [this](QWidget*) { return chosenPerson_; },
                                     [this](const CertificateSaveContext& context, CertificateEntry& entry) {
                                       return log_.Save(context, entry);
                                     },
                                     {}});
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

  void newWindowsOfBothKinds() {
    for (int kind : {0, 3}) {
      QVERIFY(table_->HandlesCommand(cmd::kNewCertificateFirst + kind));
      QVERIFY(table_->HandlesCommand(cmd::kOpenCertificateFirst + kind));
      CertificateWindow* window = OpenNew<CertificateWindow>(kind);
      QVERIFY(window != nullptr);
      QCOMPARE(window->objectName(), kind == 0 ? QString("Naissance") : QString("Bapteme"));
      QCOMPARE(table_->place(table_->ActivePlace()).window->pos(), QPoint(2, 2));
      QVERIFY(!window->okButton()->isEnabled());
      QCOMPARE(window->okButton()->text(), QString("&OK"));
      QCOMPARE(window->cancelButton()->text(), QString("&Abbrechen"));
      QVERIFY(window->maleButton()->isChecked());
      QVERIFY(!window->femaleButton()->isChecked());
      QCOMPARE(Word(), uint16_t(0));
      QCOMPARE(window->photoFrame()->size(), QSize(88, 130));
      QCOMPARE(window->witnessButton(4)->text(), QString("4"));
      QCOMPARE(window->fatherButton()->text(), QString("&Vater"));
      QCOMPARE(window->motherButton()->text(), QString("&Mutter"));
      const QString title = kind == 0 ? "Standesamtl. Geburtenregisterauszug (Geburtsurkunde) von "
                                      : "Kirchlicher Taufregisterauszug (Taufurkunde) von ";
      QCOMPARE(window->windowTitle().trimmed(), title.trimmed());
    }
  }

  // Field limits as typed; the record keeps two characters fewer of each text field.
  void fieldLimits() {
    auto* window = OpenNew<BirthWindow>(0);
    const std::pair<const char*, int> limits[] = {
        {"official", 30}, {"office", 30}, {"registerNumber", 30}, {"source", 30}, {"numberText", 16},
        {"surname", 30},  {"birthDate", 12}, {"birthTime", 6},   {"birthPlace", 30}, {"address", 80}};
    for (const auto& [name, limit] : limits) QCOMPARE(Field<QLineEdit>(window, name)->maxLength(), limit);
    QCOMPARE(Field<GivenNamesBox>(window, "givenNames")->lineEdit()->maxLength(), 20);
    auto* notes = Field<QPlainTextEdit>(window, "notes");
    notes->setPlainText(QString(810, QChar('x')));
    QCOMPARE(notes->toPlainText().size(), 800);

    Field<QLineEdit>(window, "official")->setText(QString(30, QChar('a')));
    Field<QLineEdit>(window, "numberText")->setText(QString(16, QChar('7')));
    window->okButton()->click();
    QCOMPARE(log_.calls.size(), size_t(1));
    auto record = CertificateRecord::FromBytes(0, log_.calls[0].record);
    QVERIFY(record.has_value());
    QCOMPARE(record->Get(certificate_header::kOfficial), std::string(28, 'a'));
    QCOMPARE(record->Get(birth_record::kNumberText), std::string(14, '7'));
    QCOMPARE(record->Get(birth_record::kNotes), std::string(798, 'x'));
  }

  void birthWindowFilledAndConfirmed() {
    auto* window = OpenNew<BirthWindow>(0);
    QVERIFY(window != nullptr);
    Type(Field<QLineEdit>(window, "official"), "Schmidt");
    Type(Field<QLineEdit>(window, "office"), "Köln");
    Type(Field<QLineEdit>(window, "registerNumber"), "A 17/1850");
    Type(Field<QLineEdit>(window, "source"), "Stadtarchiv");
    Type(Field<QLineEdit>(window, "numberText"), "12");
    Type(Field<QLineEdit>(window, "surname"), "Weber");
    AddGivenName(window, "Hans");
    AddGivenName(window, "Peter");
    window->femaleButton()->click();
    Type(Field<QLineEdit>(window, "birthDate"), "05.03.1850");
    Type(Field<QLineEdit>(window, "birthTime"), "14:30");
    Type(Field<QLineEdit>(window, "birthPlace"), "Köln");
    Type(Field<QLineEdit>(window, "address"), "Hohe Straße 3");
    Type(Field<QPlainTextEdit>(window, "notes"), "Zwilling");
    QTest::mouseClick(window->photoFrame(), Qt::RightButton);
    QVERIFY(window->okButton()->isEnabled());
    // Leaving the name fields renews the title.
    Field<QLineEdit>(window, "address")->setFocus();
    window->UpdateTitle();
    QCOMPARE(window->windowTitle(),
             QString("Standesamtl. Geburtenregisterauszug (Geburtsurkunde) von Weber Hans Peter"));

    window->okButton()->click();
    QCOMPARE(log_.calls.size(), size_t(1));
    const SaveCall& call = log_.calls[0];
    QCOMPARE(call.slot, -1);
    QCOMPARE(call.changed, uint16_t(1 | 0x8000));
    QCOMPARE(call.dates.size(), size_t(1));
    QCOMPARE(call.dates[0].field.offset, 309);
    QCOMPARE(call.dates[0].date, std::string("05.03.1850"));
    QCOMPARE(call.dates[0].time, std::string("14:30"));
    QVERIFY(call.dates[0].withTime);
    auto record = CertificateRecord::FromBytes(0, call.record);
    QVERIFY(record.has_value());
    QCOMPARE(record->Get(certificate_header::kOfficial), std::string("Schmidt"));
    QCOMPARE(record->Get(certificate_header::kOffice), Utf8ToCp1252("Köln"));
    QCOMPARE(record->Get(certificate_header::kRegisterNumber), std::string("A 17/1850"));
    QCOMPARE(record->Get(certificate_header::kSource), std::string("Stadtarchiv"));
    QCOMPARE(record->Get(birth_record::kNumberText), std::string("12"));
    QCOMPARE(record->Get(birth_record::kSurname), std::string("Weber"));
    QVERIFY(record->Get(birth_record::kGivenNames) == (GivenNames{"Hans", "Peter", "", "", ""}));
    QCOMPARE(record->Get(birth_record::kSex), uint8_t('F'));
    QCOMPARE(record->Get(birth_record::kBirthPlace), Utf8ToCp1252("Köln"));
    QCOMPARE(record->Get(birth_record::kAddress), Utf8ToCp1252("Hohe Straße 3"));
    QCOMPARE(record->Get(birth_record::kNotes), std::string("Zwilling"));
    QCOMPARE(record->Get(birth_record::kPhoto), std::string("URKUNDE.BMP"));

    // The window moved on to a new, empty birth certificate.
    const ChildPlace& place = table_->place(table_->ActivePlace());
    QCOMPARE(place.current, int16_t(-1));
    QCOMPARE(place.modified, uint16_t(0));
    QVERIFY(!window->okButton()->isEnabled());
    QCOMPARE(Field<QLineEdit>(window, "surname")->text(), QString());
    QVERIFY(window->maleButton()->isChecked());
    QVERIFY(place.record->Bytes() == CertificateRecord::New(0).Bytes());
  }

  void baptismWindowFlagsAndDeathDate() {
    auto* window = OpenNew<BaptismWindow>(3);
    QVERIFY(window != nullptr);
    auto* legitimate = Field<QCheckBox>(window, "legitimate");
    auto* emergency = Field<QCheckBox>(window, "emergencyBaptism");
    QCOMPARE(legitimate->text(), QString(" ehelich"));
    QCOMPARE(emergency->text(), QString(" Nottaufe"));
    QCOMPARE(window->diedBox()->text(), QString(" Gestorben"));
    QVERIFY(legitimate->isChecked());
    QVERIFY(!emergency->isChecked());
    QVERIFY(!window->deathDateField()->isEnabled());

    Type(Field<QLineEdit>(window, "official"), "Pfarrer Lang");
    Type(Field<QLineEdit>(window, "surname"), "Weber");
    AddGivenName(window, "Anna");
    Type(Field<QLineEdit>(window, "baptismDate"), "07.03.1850");
    legitimate->click();
    emergency->click();
    window->diedBox()->click();
    QVERIFY(window->deathDateField()->isEnabled());
    Type(window->deathDateField(), "09.03.1850");
    // Clearing and setting the box again empties the date.
    window->diedBox()->click();
    QVERIFY(!window->deathDateField()->isEnabled());
    QCOMPARE(window->deathDateField()->text(), QString());
    window->diedBox()->click();
    Type(window->deathDateField(), "10.03.1850");
    window->okButton()->click();

    QCOMPARE(log_.calls.size(), size_t(1));
    const SaveCall& call = log_.calls[0];
    QCOMPARE(call.dates.size(), size_t(2));
    QCOMPARE(call.dates[0].field.offset, 309);
    QCOMPARE(call.dates[0].date, std::string("07.03.1850"));
    QCOMPARE(call.dates[1].field.offset, 2753);
    QCOMPARE(call.dates[1].date, std::string("10.03.1850"));
    QVERIFY(!call.dates[1].withTime);
    auto record = CertificateRecord::FromBytes(3, call.record);
    QVERIFY(record.has_value());
    QCOMPARE(record->Get(baptism_record::kLegitimate), uint16_t(0));
    QCOMPARE(record->Get(baptism_record::kEmergencyBaptism), uint16_t(1));
    QCOMPARE(record->Get(baptism_record::kDied), uint16_t(1));
    QCOMPARE(record->Get(certificate_header::kOfficial), std::string("Pfarrer Lang"));
  }

  void modificationBits_data() {
    QTest::addColumn<BitCase>("c");
    auto type = [](const char* name, const char* text) {
      return [name, text](CertificateWindow& w) { Type(Field<QLineEdit>(&w, name), text); };
    };
    // A sub-window whose names (or only its profession) are typed and confirmed.
    auto subWindow = [](QPushButton* (*button)(CertificateWindow&), bool names) {
      return [button, names](CertificateWindow& w) {
        w.SetSubWindowRunner([names](QDialog& dialog) {
          auto& block = static_cast<PersonBlockDialog&>(dialog);
          block.show();
          if (names) {
            block.surnameField()->setText("Roth");
            block.givenNamesField()->lineEdit()->setText("Eva");
            QTest::keyClick(block.givenNamesField()->lineEdit(), Qt::Key_Return);
          } else {
            block.professionField()->setText("Bäcker");
          }
          block.okButton()->click();
          return block.result();
        });
        button(w)->click();
      };
    };
    auto father = [](CertificateWindow& w) { return w.fatherButton(); };
    auto mother = [](CertificateWindow& w) { return w.motherButton(); };
    auto witness3 = [](CertificateWindow& w) { return w.witnessButton(3); };
    auto witness4 = [](CertificateWindow& w) { return w.witnessButton(4); };
    QTest::newRow("surname") << BitCase{0, type("surname", "W"), 1};
    QTest::newRow("given names") << BitCase{3, [](CertificateWindow& w) { AddGivenName(&w, "Jo"); }, 1};
    QTest::newRow("place") << BitCase{0, type("birthPlace", "Ulm"), 0x8000};
    QTest::newRow("time") << BitCase{3, type("baptismTime", "12:00"), 0x8000};
    QTest::newRow("sex") << BitCase{0, [](CertificateWindow& w) { w.femaleButton()->click(); }, 0x8000};
    QTest::newRow("photo") << BitCase{3, [](CertificateWindow& w) { QTest::mouseClick(w.photoFrame(), Qt::RightButton); }, 0x8000};
    QTest::newRow("flag") << BitCase{3, [](CertificateWindow& w) { Field<QCheckBox>(&w, "emergencyBaptism")->click(); }, 0x8000};
    QTest::newRow("father names") << BitCase{0, subWindow(father, true), 2};
    QTest::newRow("mother names") << BitCase{3, subWindow(mother, true), 4};
    QTest::newRow("witness 3 names") << BitCase{0, subWindow(witness3, true), 2048};
    QTest::newRow("godparent 4 names") << BitCase{3, subWindow(witness4, true), 4096};
    QTest::newRow("father profession") << BitCase{0, subWindow(father, false), 0x8000};
  }

  void modificationBits() {
    QFETCH(BitCase, c);
    CertificateWindow* window = OpenNew<CertificateWindow>(c.kind);
    QVERIFY(window != nullptr);
    c.edit(*window);
    QCOMPARE(Word(), c.expected);
    QVERIFY(window->okButton()->isEnabled());
  }

  void cancelledSubWindowChangesNothing() {
    auto* window = OpenNew<BirthWindow>(0);
    window->SetSubWindowRunner([](QDialog& dialog) {
      auto& block = static_cast<PersonBlockDialog&>(dialog);
      block.surnameField()->setText("Roth");
      block.cancelButton()->click();
      return block.result();
    });
    const std::vector<uint8_t> before = table_->place(table_->ActivePlace()).record->Bytes();
    window->fatherButton()->click();
    QCOMPARE(Word(), uint16_t(0));
    QVERIFY(!window->okButton()->isEnabled());
    QVERIFY(table_->place(table_->ActivePlace()).record->Bytes() == before);
  }

  // F9 and F10 open the father's and the mother's window.
  void childCommandsOpenTheParents() {
    auto* window = OpenNew<BaptismWindow>(3);
    QStringList titles;
    window->SetSubWindowRunner([&titles](QDialog& dialog) {
      titles << dialog.windowTitle();
      return int(QDialog::Rejected);
    });
    table_->RunCommand(cmd::kChildCommand120);
    table_->RunCommand(cmd::kChildCommand121);
    window->witnessButton(1)->click();
    QCOMPARE(titles, (QStringList{"Vater", "Mutter", "Zeuge/Zeugin"}));
  }

  void okWithoutChangeWritesNothing() {
    auto* window = OpenNew<BirthWindow>(0);
    QVERIFY(window->SaveRecord());
    window->Confirm(true);
    QCOMPARE(log_.calls.size(), size_t(0));
    QCOMPARE(table_->place(table_->ActivePlace()).current, int16_t(-1));
  }

  void refusedSaveKeepsTheWindow() {
    auto* window = OpenNew<BirthWindow>(0);
    Type(Field<QLineEdit>(window, "surname"), "Weber");
    Type(Field<QLineEdit>(window, "birthDate"), "5.13.1850");
    log_.succeed = false;
    window->okButton()->click();
    QCOMPARE(log_.calls.size(), size_t(1));
    QCOMPARE(Word(), uint16_t(1 | 0x8000));
    QVERIFY(window->okButton()->isEnabled());
    QCOMPARE(Field<QLineEdit>(window, "surname")->text(), QString("Weber"));
    // The date that cannot be read gets the focus back.
    QVERIFY(Field<QLineEdit>(window, "birthDate")->hasFocus());
  }

  void closeQuestion() {
    auto* window = OpenNew<BirthWindow>(0);
    // Unchanged: closes without asking.
    window->cancelButton()->click();
    QApplication::processEvents();
    QCOMPARE(table_->OpenCount(), 0);
    QVERIFY(prompter_->Empty());

    window = OpenNew<BirthWindow>(0);
    Type(Field<QLineEdit>(window, "surname"), "Weber");
    window->UpdateTitle();
    prompter_->QueueAnswer(false);
    window->cancelButton()->click();
    QApplication::processEvents();
    QCOMPARE(table_->OpenCount(), 1);
    QCOMPARE(prompter_->Ids(), std::vector<int>{8249});
    QCOMPARE(QString::fromStdString(prompter_->shown[0].text),
             QString("Standesamtl. Geburtenregisterauszug (Geburtsurkunde) von Weber wirklich schließen?"));
    prompter_->QueueAnswer(true);
    window->cancelButton()->click();
    QApplication::processEvents();
    QCOMPARE(table_->OpenCount(), 0);
    QCOMPARE(log_.calls.size(), size_t(0));
  }

  void personChooserFillsNamesAndLink() {
    PersonCard* person = card_->persons.Create(Utf8ToCp1252("Groß Anna Maria"), 4);
    chosenPerson_ = person;
    auto* window = OpenNew<BirthWindow>(0);
    QTest::mouseClick(Field<QLineEdit>(window, "surname"), Qt::RightButton);
    QCOMPARE(Field<QLineEdit>(window, "surname")->text(), QString("Groß"));
    QVERIFY(Field<GivenNamesBox>(window, "givenNames")->Names() == (GivenNames{"Anna", "Maria", "", "", ""}));
    const CertificateRecord& record = *table_->place(table_->ActivePlace()).record;
    QCOMPARE(record.Get(birth_record::kChildLink), person->number);
    QCOMPARE(record.KeyPerson(), person->number);
    QCOMPARE(Word(), uint16_t(1));
    // Reading the form back keeps the link.
    window->okButton()->click();
    auto saved = CertificateRecord::FromBytes(0, log_.calls.at(0).record);
    QCOMPARE(saved->Get(birth_record::kChildLink), person->number);
  }

  void browsingRefillsTheWindow() {
    // Two stored birth certificates.
    SlotFile file(SlotFileContext{DataDir(), 1, 0, *prompter_, clock_, &card_->modified});
    for (const char* surname : {"Adler", "Bauer"}) {
      CertificateRecord record = CertificateRecord::New(0);
      record.Set(birth_record::kSurname, surname);
      record.Set(birth_record::kGivenNames.Name(0), "Karl");
      record.Set(birth_record::kSex, uint8_t('F'));
      record.MarkStored();
      QVERIFY(record.Write(file, -1) >= 0);
    }
    auto* window = OpenNew<BirthWindow>(0);
    table_->RunCommand(cmd::kToolFirst);
    QCOMPARE(Field<QLineEdit>(window, "surname")->text(), QString("Adler"));
    QVERIFY(window->femaleButton()->isChecked());
    QCOMPARE(Word(), uint16_t(0));
    QVERIFY(!window->okButton()->isEnabled());
    QVERIFY(window->windowTitle().endsWith("von Adler Karl"));
    table_->RunCommand(cmd::kToolNext);
    QCOMPARE(Field<QLineEdit>(window, "surname")->text(), QString("Bauer"));
    // A change is saved before the window moves on.
    Type(Field<QLineEdit>(window, "birthPlace"), "Ulm");
    table_->RunCommand(cmd::kToolNext);
    QCOMPARE(log_.calls.size(), size_t(1));
    QCOMPARE(log_.calls[0].slot, 1);
    QCOMPARE(Field<QLineEdit>(window, "surname")->text(), QString());
  }
  // ---- With the core's save ---------------------------------------------------------------

 private:
  // Types the names of a parent or witness into the sub-window and confirms it.
  void FillNextSubWindow(CertificateWindow& window, const QString& surname, const QString& given,
                         const QString& profession = {}) {
    window.SetSubWindowRunner([surname, given, profession](QDialog& dialog) {
      auto& block = static_cast<PersonBlockDialog&>(dialog);
      block.show();
      Type(block.surnameField(), surname);
      Type(block.givenNamesField()->lineEdit(), given);
      QTest::keyClick(block.givenNamesField()->lineEdit(), Qt::Key_Return);
      Type(block.professionField(), profession);
      block.okButton()->click();
      return block.result();
    });
  }

  SlotFile File(int kind) { return SlotFile(SlotFileContext{DataDir(), 1, kind, *prompter_, clock_, &card_->modified}); }

  PersonCard* Find(const char* fullNameUtf8) {
    for (PersonCard& person : card_->persons) {
      if (person.fullName == Utf8ToCp1252(fullNameUtf8)) return &person;
    }
    return nullptr;
  }

 private Q_SLOTS:
  void birthStoredWithItsPersons() {
    log_.real = true;
    auto* window = OpenNew<BirthWindow>(0);
    Type(Field<QLineEdit>(window, "office"), "Köln");
    Type(Field<QLineEdit>(window, "surname"), "Weber");
    AddGivenName(window, "Hans");
    AddGivenName(window, "Jörg");
    Type(Field<QLineEdit>(window, "birthDate"), "05.03.1850");
    Type(Field<QLineEdit>(window, "birthTime"), "14:30");
    Type(Field<QLineEdit>(window, "birthPlace"), "Deutz");
    FillNextSubWindow(*window, "Weber", "Johann", "Bäcker");
    window->fatherButton()->click();
    FillNextSubWindow(*window, "Maier", "Anna");
    window->motherButton()->click();
    FillNextSubWindow(*window, "Roth", "Eva");
    window->witnessButton(2)->click();
    QCOMPARE(Word(), uint16_t(1 | 2 | 4 | 1024 | 0x8000));
    window->okButton()->click();
    QVERIFY2(prompter_->Empty(), prompter_->Empty() ? "" : prompter_->shown[0].text.c_str());

    PersonCard* child = Find("Weber Hans Jörg");
    PersonCard* father = Find("Weber Johann");
    PersonCard* mother = Find("Maier Anna");
    QVERIFY(child != nullptr && father != nullptr && mother != nullptr);
    QCOMPARE(card_->persons.Count(), size_t{3});  // witnesses get no card
    QCOMPARE(child->sex, 'H');
    QCOMPARE(father->sex, 'H');
    QCOMPARE(mother->sex, 'F');
    QCOMPARE(child->father, father);
    QCOMPARE(child->mother, mother);
    QCOMPARE(child->birth.day, int16_t(5));
    QCOMPARE(child->birth.hour, int16_t(14));
    QCOMPARE(father->profession, Utf8ToCp1252("Bäcker"));
    QCOMPARE(child->certificateSlots[0], uint16_t(0));
    QVERIFY(card_->places.Find("Deutz") != nullptr);
    QVERIFY(card_->places.Find(Utf8ToCp1252("Köln")) != nullptr);

    SlotFile file = File(0);
    std::optional<CertificateRecord> stored = CertificateRecord::Read(file, 0);
    QVERIFY(stored.has_value());
    QCOMPARE(stored->Get(birth_record::kSurname), std::string("Weber"));
    QCOMPARE(stored->Get(birth_record::kGivenNames.Name(1)), Utf8ToCp1252("Jörg"));
    QCOMPARE(stored->Get(birth_record::kBirth).minute, int16_t(30));
    QCOMPARE(stored->Get(birth_record::kChildLink), child->number);
    QCOMPARE(stored->KeyPerson(), child->number);
    QCOMPARE(stored->Get(birth_record::kFather.link), father->number);
    QCOMPARE(stored->Get(birth_record::kMother.link), mother->number);
    QCOMPARE(stored->Get(birth_record::kWitnesses[1].surname), std::string("Roth"));
    QCOMPARE(stored->Get(certificate_header::kStored), uint16_t(1));
    // The window went on to a new certificate.
    QCOMPARE(table_->place(table_->ActivePlace()).current, int16_t(-1));
    QCOMPARE(Field<QLineEdit>(window, "surname")->text(), QString());

    // Opened again and changed only in a place: the same slot and the same persons.
    table_->RunCommand(cmd::kToolFirst);
    QCOMPARE(Field<QLineEdit>(window, "surname")->text(), QString("Weber"));
    Type(Field<QLineEdit>(window, "address"), "Am Hof 1");
    window->SaveRecord();
    QCOMPARE(card_->persons.Count(), size_t{3});
    QCOMPARE(File(0).ReadHeader()->UsableCount(), 1);
    QCOMPARE(table_->place(table_->ActivePlace()).current, int16_t(0));
  }

  void baptismStoredAndHomonymAnswered() {
    log_.real = true;
    for (int i = 0; i < 2; ++i) card_->persons.Create("Weber Karl", 5);
    prompter_->QueueHomonymAnswer(HomonymAnswer{HomonymAnswer::New, 0});
    auto* window = OpenNew<BaptismWindow>(3);
    Type(Field<QLineEdit>(window, "surname"), "Weber");
    AddGivenName(window, "Karl");
    Type(Field<QLineEdit>(window, "baptismDate"), "07.03.1850");
    window->femaleButton()->click();
    Field<QCheckBox>(window, "legitimate")->click();
    window->okButton()->click();
    QCOMPARE(prompter_->homonymQuestions.size(), size_t{1});
    QCOMPARE(prompter_->homonymQuestions[0].candidates.size(), size_t{2});
    QCOMPARE(card_->persons.Count(), size_t{3});
    SlotFile file = File(3);
    std::optional<CertificateRecord> stored = CertificateRecord::Read(file, 0);
    QVERIFY(stored.has_value());
    PersonCard* child = card_->persons.Find(stored->KeyPerson());
    QVERIFY(child != nullptr);
    QCOMPARE(child->sex, 'F');
    QCOMPARE(child->baptism.year, int16_t(1850));
    QCOMPARE(stored->Get(baptism_record::kLegitimate), uint16_t(0));
  }

  void coreRefusalKeepsTheWindow() {
    log_.real = true;
    auto* window = OpenNew<BirthWindow>(0);
    Type(Field<QLineEdit>(window, "surname"), "Weber");
    AddGivenName(window, "Karl");
    Type(Field<QLineEdit>(window, "birthDate"), "31.02.1850");
    window->okButton()->click();
    QCOMPARE(prompter_->Ids(), std::vector<int>{8263});
    QCOMPARE(QString::fromStdString(prompter_->shown[0].text), QString("Im angegebenen Monat gibt es diesen Tag nicht!"));
    QVERIFY(Field<QLineEdit>(window, "birthDate")->hasFocus());
    QVERIFY(window->okButton()->isEnabled());
    QCOMPARE(File(0).ReadHeader()->UsableCount(), 0);

    // Without a given name: 8120.
    prompter_->shown.clear();
    Field<QLineEdit>(window, "birthDate")->clear();
    Field<GivenNamesBox>(window, "givenNames")->setCurrentIndex(0);
    QTest::keyClick(Field<GivenNamesBox>(window, "givenNames")->lineEdit(), Qt::Key_Delete);
    window->okButton()->click();
    QCOMPARE(prompter_->Ids(), std::vector<int>{8120});
    QCOMPARE(File(0).ReadHeader()->UsableCount(), 0);
  }
};

QTEST_MAIN(TestCertificateWindows)
#include "test_certificate_windows.moc"
