#pragma once
// What all certificate entry windows share: the place's record as the window's data, the
// modification word, the title, OK and cancel, sex buttons, photo, the person chooser on the
// surname fields, and the buttons that open the parent and witness sub-windows. The windows of
// each kind add their fields through the Bind... helpers.
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

#include "records/certificate_save.hpp"
#include "records/person_blocks.hpp"
#include "records/ui/certificate_window_host.hpp"

class QCheckBox;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace vl {

class DateLineEdit;
class GivenNamesBox;
class PersonBlockDialog;
class PhotoFrame;

class CertificateWindow : public QWidget {
  Q_OBJECT

 public:
  CertificateWindow(CertificatePlace& place, const CertificateServices& services, QWidget* parent = nullptr);

  // What the child window table asks of its windows (the shell forwards to these).
  // The save command (600): false when the save was refused.
  bool SaveRecord() { return Confirm(false); }
  // The place holds another record now.
  void ShowPlaceData() { Fill(); }
  // Commands 120 ("&Vater") and 121 ("&Mutter") of the keys F9 and F10.
  void RunChildCommand(int id);

  // OK: reads the form into the record and saves it when anything changed. byUser: the window
  // then moves on to a new record. False when the save was refused.
  bool Confirm(bool byUser);
  // "&Abbrechen": closes through the table, which asks 8249 when there are unsaved edits.
  void Cancel();

  QPushButton* okButton() const { return ok_; }
  QPushButton* cancelButton() const { return cancel_; }
  QRadioButton* maleButton() const { return male_; }
  QRadioButton* femaleButton() const { return female_; }
  PhotoFrame* photoFrame() const { return photo_; }
  uint16_t Modified() { return place_.Modified(); }
  // The sub-window buttons by command: 120 "&Vater", 121 "&Mutter"; witnesses by number 1 to 4.
  QPushButton* fatherButton() const { return fatherButton_; }
  QPushButton* motherButton() const { return motherButton_; }
  QPushButton* witnessButton(int number) const { return witnessButtons_.at(static_cast<size_t>(number - 1)); }
  // Runs a sub-window modally; tests replace it to drive the sub-window.
  using SubWindowRunner = std::function<int(QDialog&)>;
  void SetSubWindowRunner(SubWindowRunner runner) { runSubWindow_ = std::move(runner); }

  // Fills the window from the record (after opening and browsing); change notifications are ignored meanwhile.
  void Fill();
  // The title: the kind's title message with the main person's names as typed.
  void UpdateTitle();

 protected:
  // --- For the windows of each kind ---------------------------------------------------------
  CertificateRecord& Record() { return place_.Record(); }
  const CertificateServices& Services() const { return services_; }
  // The form: a grid on the left, the photo and the buttons on the right.
  QGridLayout& Form() { return *form_; }
  QGridLayout& SideButtons() { return *side_; }

  QLineEdit* BindText(TextField field, int maxChars, const char* name);
  QPlainTextEdit* BindNotes(TextField field, const char* name);
  // The main person's names: bit 1, the title follows them, a right click into the surname
  // opens the person chooser for the link "E".
  QLineEdit* BindMainSurname(TextField field, U16Field link, bool keyPerson);
  GivenNamesBox* BindMainGivenNames(GivenNamesField field);
  // date, and time unless timeName is null; the save parses them.
  DateLineEdit* BindDate(DateTimeField field, const char* dateName, QLineEdit** time = nullptr,
                         const char* timeName = nullptr);
  QCheckBox* BindFlag(U16Field field, const QString& text, const char* name);
  void BindSex(ByteField field);
  void BindPhoto(TextField field);
  QPushButton* AddParentButton(const QString& text, const QString& title, const ParentEntryLayout& entry,
                               uint16_t bit);
  QPushButton* AddWitnessButton(int number, const WitnessEntryLayout& entry);
  // The four header fields in two rows (registrar or priest, town or parish; register number,
  // source); returns the next free row.
  int AddHeaderRows(const QString& officialLabel, const QString& officeLabel);
  // The "m" and "w" buttons side by side (after BindSex).
  QHBoxLayout* SexRow();
  // "&Vater", "&Mutter" and, under the caption, the witness buttons "1" to "4" beside the form.
  void AddPersonButtons(const ParentEntryLayout& father, const ParentEntryLayout& mother,
                        const std::array<WitnessEntryLayout, 4>& witnesses, const QString& witnessCaption);
  // A change of any other control of the kind: bit 0x8000.
  void MarkChanged(uint16_t bit);
  bool Filling() const { return filling_; }
  // Finishes the layout once the kind has bound its fields.
  void FinishLayout();

  // Hooks of the kind for what the generic bindings cannot express.
  virtual void FillOwn() {}
  virtual void ReadOwn() {}

  void paintEvent(QPaintEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct TextBinding {
    QLineEdit* edit;
    TextField field;
  };
  struct DateBinding {
    DateLineEdit* date;
    QLineEdit* time;
    DateTimeField field;
  };
  struct FlagBinding {
    QCheckBox* box;
    U16Field field;
  };

  void ReadForm();
  std::vector<TypedDate> TypedDates() const;
  void FocusRejectedDate();
  void ChoosePhoto();
  void ChooseMainPerson();
  void OpenSubWindow(PersonBlockDialog& dialog);
  void SetSex(uint8_t sex);

  CertificatePlace& place_;
  const CertificateServices& services_;
  bool filling_ = false;
  bool placed_ = false;
  SubWindowRunner runSubWindow_;

  QGridLayout* form_;
  QGridLayout* side_;
  QPushButton* ok_;
  QPushButton* cancel_;
  QRadioButton* male_ = nullptr;
  QRadioButton* female_ = nullptr;
  PhotoFrame* photo_ = nullptr;
  QPushButton* fatherButton_ = nullptr;
  QPushButton* motherButton_ = nullptr;
  std::vector<QPushButton*> witnessButtons_;

  std::vector<TextBinding> texts_;
  std::vector<DateBinding> dates_;
  std::vector<FlagBinding> flags_;
  QPlainTextEdit* notes_ = nullptr;
  TextField notesField_{};
  QLineEdit* mainSurname_ = nullptr;
  TextField mainSurnameField_{};
  U16Field mainLink_{};
  bool mainIsKeyPerson_ = false;
  GivenNamesBox* mainGivenNames_ = nullptr;
  GivenNamesField mainGivenNamesField_{};
  ByteField sexField_{};
  TextField photoField_{};
};

}  // namespace vl
