// The given-name field and the sub-windows "Vater"/"Mutter" and "Zeuge/Zeugin" of the entry windows.
// The core headers come before Qt's, whose "slots" keyword would rewrite PersonCard::slots.
#include <memory>

#include "common/clock.hpp"
#include "common/cp1252.hpp"
#include "common/scripted_prompter.hpp"
#include "records/certificate_layouts.hpp"
#include "records/certificate_record.hpp"
#include "common/ui/photo_frame.hpp"
#include "dates/ui/date_line_edit.hpp"
#include "records/ui/given_names_box.hpp"
#include "records/ui/parent_entry_dialog.hpp"
#include "records/ui/profession_place_dialog.hpp"
#include "records/ui/witness_entry_dialog.hpp"
#include "storage/card_file.hpp"

#include <QApplication>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#undef slots

using namespace vl;

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

QStringList Items(const QComboBox& box) {
  QStringList items;
  for (int i = 0; i < box.count(); ++i) items << box.itemText(i);
  return items;
}

// Types a name and presses Enter, as the user adds a given name.
void AddName(GivenNamesBox& box, const QString& name) {
  box.lineEdit()->selectAll();
  Type(box.lineEdit(), name);
  QTest::keyClick(box.lineEdit(), Qt::Key_Return);
}

struct GivenNameCase {
  QStringList typed;       // each followed by Enter
  QStringList expected;    // the list afterwards
  std::vector<int> shown;  // message numbers
};

struct SubWindowCase {
  QString surname;
  QStringList givenNames;
  QString birthDate;
  QString age;
  std::vector<int> shown;  // messages of OK
  bool closes;
};

}  // namespace

Q_DECLARE_METATYPE(GivenNameCase)
Q_DECLARE_METATYPE(SubWindowCase)

class TestEntrySubWindows : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<ScriptedPrompter> prompter_;
  std::unique_ptr<CardFile> card_;
  FixedClock clock_{TimeStamp{6, 12, 126, 20, 15}};
  std::unique_ptr<CertificateServices> services_;
  PersonCard* chosen_ = nullptr;
  std::string chosenPhoto_;

 private Q_SLOTS:
  void init() {
    prompter_ = std::make_unique<ScriptedPrompter>();
    card_ = std::make_unique<CardFile>(*prompter_);
    chosen_ = nullptr;
    chosenPhoto_.clear();
    services_ = std::make_unique<CertificateServices>(CertificateServices{
        *card_, "/nowhere/DATEIEN", "/nowhere/FOTOS", *prompter_, clock_,
        [this](QWidget*) -> std::optional<std::string> {
          if (chosenPhoto_.empty()) return std::nullopt;
          return chosenPhoto_;
        },
        [this](QWidget*) { return chosen_; }, {}, {}});
  }

  void givenNames_data() {
    QTest::addColumn<GivenNameCase>("c");
    QTest::newRow("two names") << GivenNameCase{{"Hans", "Peter"}, {"Hans", "Peter"}, {}};
    QTest::newRow("a listed name is not added twice") << GivenNameCase{{"Hans", "Hans"}, {"Hans"}, {}};
    QTest::newRow("blanks are ignored") << GivenNameCase{{"Karl Otto"}, {"KarlOtto"}, {}};
    QTest::newRow("nothing typed") << GivenNameCase{{""}, {}, {}};
    QTest::newRow("a sixth name is refused")
        << GivenNameCase{{"A", "B", "C", "D", "E", "F"}, {"A", "B", "C", "D", "E"}, {8180}};
    QTest::newRow("19 characters are kept")
        << GivenNameCase{{"Maximilianusfriedri"}, {"Maximilianusfriedri"}, {}};
    QTest::newRow("a 20th character is not")
        << GivenNameCase{{"Maximilianusfriedric"}, {"Maximilianusfriedri"}, {}};
  }

  void givenNames() {
    QFETCH(GivenNameCase, c);
    GivenNamesBox box(*prompter_);
    box.show();
    int changes = 0;
    connect(&box, &GivenNamesBox::namesChanged, [&changes] { ++changes; });
    for (const QString& name : c.typed) AddName(box, name);
    QCOMPARE(Items(box), c.expected);
    QCOMPARE(changes, static_cast<int>(c.expected.size()));
    QCOMPARE(prompter_->Ids(), c.shown);
    if (!c.shown.empty()) {
      QCOMPARE(QString::fromStdString(prompter_->shown[0].text),
               QString("Die Höchstzahl der erfaßbaren Vornamen ist erreicht!"));
      QCOMPARE(prompter_->shown[0].kind, BoxKind::Information);
    }
  }

  void givenNamesLeavingAddsAndDeleteRemoves() {
    QWidget window;
    auto* box = new GivenNamesBox(*prompter_, &window);
    auto* other = new QLineEdit(&window);
    new QVBoxLayout(&window);
    window.layout()->addWidget(box);
    window.layout()->addWidget(other);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    box->SetNames({"Anna", "Maria", "", "", ""});
    QCOMPARE(Items(*box), (QStringList{"Anna", "Maria"}));

    box->setFocus();
    box->lineEdit()->clear();
    Type(box->lineEdit(), "Luise");
    int left = 0;
    connect(box, &GivenNamesBox::left, [&left] { ++left; });
    other->setFocus();
    QCOMPARE(Items(*box), (QStringList{"Anna", "Maria", "Luise"}));
    QCOMPARE(left, 1);

    int changes = 0;
    connect(box, &GivenNamesBox::namesChanged, [&changes] { ++changes; });
    box->setCurrentIndex(1);
    QTest::keyClick(box->lineEdit(), Qt::Key_Delete);
    QCOMPARE(Items(*box), (QStringList{"Anna", "Luise"}));
    QCOMPARE(changes, 1);
    QCOMPARE(box->Names()[1], std::string("Luise"));
    QCOMPARE(box->Names()[2], std::string());
  }

  void subWindowRefusals_data() {
    QTest::addColumn<SubWindowCase>("c");
    QTest::newRow("surname without given name") << SubWindowCase{"Weber", {}, "", "", {8120}, false};
    QTest::newRow("given name without surname") << SubWindowCase{"", {"Anna"}, "", "", {}, true};
    QTest::newRow("bad date format") << SubWindowCase{"Weber", {"Anna"}, "12.1850", "", {8261}, false};
    QTest::newRow("day not in month") << SubWindowCase{"Weber", {"Anna"}, "30.02.1850", "", {8263}, false};
    QTest::newRow("age 0") << SubWindowCase{"Weber", {"Anna"}, "", "0", {8118}, false};
    QTest::newRow("age 151 refused") << SubWindowCase{"Weber", {"Anna"}, "", "151", {8119}, false};
    QTest::newRow("all fine") << SubWindowCase{"Weber", {"Anna"}, "*.*.1850", "40", {}, true};
  }

  // Both sub-windows check the same way; each case runs in both.
  void subWindowRefusals() {
    QFETCH(SubWindowCase, c);
    for (int kind : {0, 1}) {
      prompter_->shown.clear();
      CertificateRecord record = CertificateRecord::New(0);
      const CertificateRecord before = record;
      std::unique_ptr<PersonBlockDialog> dialog;
      if (kind == 0) {
        dialog = std::make_unique<ParentEntryDialog>("Vater", record, birth_record::kFather, 2, *services_);
      } else {
        dialog = std::make_unique<WitnessEntryDialog>(record, birth_record::kWitnesses[0], 512, *services_);
      }
      dialog->show();
      dialog->surnameField()->setText(c.surname);
      dialog->givenNamesField()->SetNames({});
      for (const QString& name : c.givenNames) AddName(*dialog->givenNamesField(), name);
      dialog->birthDateField()->setText(c.birthDate);
      dialog->ageField()->setText(c.age);
      dialog->okButton()->click();
      QCOMPARE(prompter_->Ids(), c.shown);
      QCOMPARE(dialog->isVisible(), !c.closes);
      QCOMPARE(dialog->result() == QDialog::Accepted, c.closes);
      if (!c.closes) QVERIFY(record.Bytes() == before.Bytes());
    }
    if (c.shown == std::vector<int>{8120}) {
      QCOMPARE(QString::fromStdString(prompter_->shown[0].text), QString("Geben Sie zumindest einen Vornamen ein!"));
    }
  }

  // Places and professions of the card file are offered while typing, also ones saved after the
  // window opened.
  void placeAndProfessionListsAreOffered() {
    card_->places.Add("K\xF6ln");
    CertificateRecord record = CertificateRecord::New(0);
    ParentEntryDialog dialog("Vater", record, birth_record::kFather, 2, *services_);
    dialog.show();
    card_->places.Add("Bonn");
    card_->professions.Add("Schmied");
    auto offered = [](QLineEdit* field) {
      field->setFocus();
      QApplication::processEvents();
      QCompleter* completer = field->completer();
      QStringList entries;
      if (completer == nullptr) return entries;
      for (int row = 0; row < completer->model()->rowCount(); ++row) {
        entries << completer->model()->index(row, 0).data().toString();
      }
      return entries;
    };
    QCOMPARE(offered(dialog.residenceField()), QStringList({"Bonn", "Köln"}));
    QCOMPARE(offered(dialog.birthPlaceField()), QStringList({"Bonn", "Köln"}));
    QCOMPARE(offered(dialog.professionField()), QStringList({"Schmied"}));
    QCOMPARE(dialog.residenceField()->completer()->caseSensitivity(), Qt::CaseInsensitive);
  }

  void parentWindowCopiesIntoTheEntry() {
    CertificateRecord record = CertificateRecord::New(3);
    const ParentEntryLayout mother = baptism_record::kMother;
    ParentEntryDialog dialog("Mutter", record, mother, 4, *services_);
    QCOMPARE(dialog.windowTitle(), QString("Mutter"));
    // The new record's preset: "ledig".
    QVERIFY(dialog.statusButton(3)->isChecked());
    QCOMPARE(dialog.statusButton(4)->text(), QString("eheähnl. Gem."));
    dialog.show();
    Type(dialog.surnameField(), "Müller-Lüdenscheidt-Ober-Ammergauer");
    AddName(*dialog.givenNamesField(), "Käthe");
    Type(dialog.professionField(), "Näherin");
    Type(dialog.residenceField(), "Köln");
    Type(dialog.addressField(), "Hohe Straße 3");
    Type(dialog.birthDateField(), "05.03.1850");
    Type(dialog.birthPlaceField(), "Bonn");
    Type(dialog.ageField(), "31");
    dialog.statusButton(2)->click();
    vltest_OnProfessionPlace(dialog, "Deutz");
    dialog.okButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Changes(), uint16_t(4 | 0x8000));

    // 30 characters typed, 28 kept.
    QCOMPARE(record.Get(mother.surname), Utf8ToCp1252("Müller-Lüdenscheidt-Ober-Amm"));
    QCOMPARE(record.Get(mother.givenNames)[0], Utf8ToCp1252("Käthe"));
    QCOMPARE(record.Get(mother.profession), Utf8ToCp1252("Näherin"));
    QCOMPARE(record.Get(mother.professionPlace), std::string("Deutz"));
    QCOMPARE(record.Get(mother.residence), Utf8ToCp1252("Köln"));
    QCOMPARE(record.Get(mother.address), Utf8ToCp1252("Hohe Straße 3"));
    const DateTimeValue birth = record.Get(mother.birthDate);
    QCOMPARE(birth.day, int16_t(5));
    QCOMPARE(birth.month, int16_t(3));
    QCOMPARE(birth.year, int16_t(1850));
    QCOMPARE(record.Get(mother.birthPlace), std::string("Bonn"));
    QCOMPARE(record.Get(mother.age), int16_t(31));
    QCOMPARE(record.Get(mother.maritalStatus), uint16_t(2));
    // Both places and the place of occupation went to the place list, the profession to its list.
    QVERIFY(card_->places.Find(Utf8ToCp1252("Köln")) != nullptr);
    QVERIFY(card_->places.Find("Bonn") != nullptr);
    QVERIFY(card_->places.Find("Deutz") != nullptr);
    QVERIFY(card_->professions.Find(Utf8ToCp1252("Näherin")) != nullptr);
    // Nothing outside the mother's entry changed.
    const CertificateRecord fresh = CertificateRecord::New(3);
    for (int i = 0; i < record.Size(); ++i) {
      if (i >= mother.offset && i < mother.offset + 386) continue;
      QVERIFY2(record.Bytes()[static_cast<size_t>(i)] == fresh.Bytes()[static_cast<size_t>(i)], qPrintable(QString::number(i)));
    }
  }

  void witnessWindowKinshipPersonAndPhoto() {
    CertificateRecord record = CertificateRecord::New(0);
    const WitnessEntryLayout witness = birth_record::kWitnesses[2];
    PersonCard* chosen = card_->persons.Create(Utf8ToCp1252("Weiß Anna Lena"), 4);
    chosen_ = chosen;
    chosenPhoto_ = "ANNA.BMP";
    WitnessEntryDialog dialog(record, witness, 2048, *services_);
    QCOMPARE(dialog.windowTitle(), QString("Zeuge/Zeugin"));
    dialog.show();
    QTest::mouseClick(dialog.surnameField(), Qt::RightButton);
    QCOMPARE(dialog.surnameField()->text(), QString("Weiß"));
    QCOMPARE(Items(*dialog.givenNamesField()), (QStringList{"Anna", "Lena"}));
    QTest::mouseClick(dialog.photoFrame(), Qt::RightButton);
    Type(dialog.kinshipField(), "2x");
    dialog.okButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Changes(), uint16_t(2048 | 0x8000));
    QCOMPARE(record.Get(witness.link), chosen->number);
    QCOMPARE(record.Get(witness.kinshipDegree), int16_t(2));
    QCOMPARE(record.Get(witness.photo), std::string("ANNA.BMP"));
    QCOMPARE(record.Get(witness.surname), Utf8ToCp1252("Weiß"));
  }

  void cancelCopiesNothing() {
    CertificateRecord record = CertificateRecord::New(0);
    const CertificateRecord before = record;
    ParentEntryDialog dialog("Vater", record, birth_record::kFather, 2, *services_);
    dialog.show();
    Type(dialog.surnameField(), "Weber");
    AddName(*dialog.givenNamesField(), "Otto");
    dialog.cancelButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(record.Bytes() == before.Bytes());
    QCOMPARE(card_->places.Count(), 0);
  }

  void unchangedOkAddsNothingToTheLists() {
    CertificateRecord record = CertificateRecord::New(0);
    record.Set(birth_record::kFather.residence, "Ulm");
    ParentEntryDialog dialog("Vater", record, birth_record::kFather, 2, *services_);
    dialog.show();
    dialog.okButton()->click();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Changes(), uint16_t(0));
    QCOMPARE(card_->places.Count(), 0);
  }

 private:
  // Confirms "Ort der Beschäftigung" with the place as soon as the "..." button shows it.
  void vltest_OnProfessionPlace(PersonBlockDialog& dialog, const QString& place) {
    bool seen = false;
    QTimer::singleShot(0, this, [&seen, place] {
      auto* window = qobject_cast<ProfessionPlaceDialog*>(QApplication::activeModalWidget());
      QVERIFY(window != nullptr);
      seen = true;
      QCOMPARE(window->windowTitle(), QString("Ort der Beschäftigung"));
      QCOMPARE(window->professionLabel()->text(), QString("Näherin"));
      window->placeField()->setText(place);
      window->okButton()->click();
    });
    dialog.professionPlaceButton()->click();
    QVERIFY(seen);
  }
};

QTEST_MAIN(TestEntrySubWindows)
#include "test_entry_sub_windows.moc"
