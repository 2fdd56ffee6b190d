#pragma once
// Small helpers shared by the entry windows and their sub-windows: limited fields, texts cut to
// what a record field keeps, names split from a person card, and the labelled form grid.
#include <QString>
#include <string>

#include "records/certificate_record.hpp"
#include "records/record_field.hpp"

class QGridLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace vl {

class NameList;
struct PersonCard;

// Characters a field accepts as typed.
namespace field_limit {
constexpr int kSurname = 30;
constexpr int kGivenName = 20;
constexpr int kDate = 12;
constexpr int kTime = 6;
constexpr int kPlace = 30;
constexpr int kAddress = 80;
constexpr int kNumberText = 16;
constexpr int kNotes = 800;
constexpr int kHeaderText = 30;  // registrar, town, register number, source
constexpr int kProfession = 50;
constexpr int kAge = 3;
constexpr int kKinship = 2;
}  // namespace field_limit

QLineEdit* LimitedEdit(int maxChars, const char* name, QWidget* parent);
// Accepts digits, ":" and "*" only.
QLineEdit* TimeEdit(const char* name, QWidget* parent);
// Accepts digits only.
QLineEdit* NumberEdit(int maxChars, const char* name, QWidget* parent);

// Offers the entries of a name list (places, professions) while the user types; read again each
// time the field gets the focus, so that names saved meanwhile are offered too.
void OfferNames(QLineEdit& edit, const NameList& names);

// The Windows-1252 text a field of `size` bytes keeps of what was typed: at most size - 2 characters.
std::string StoredText(const QString& typed, int size);
void ShowText(QLineEdit& edit, const CertificateRecord& record, TextField field);
void StoreText(const QLineEdit& edit, CertificateRecord& record, TextField field);

// Ages and kinship degrees: 0 or less shows as an empty field.
QString SmallNumberText(int16_t value);
int16_t SmallNumberValue(const QString& text);

// A person card's full name split at its surname length; given names at blanks.
std::string SurnameOf(const PersonCard& person);
GivenNames GivenNamesOf(const PersonCard& person);

// One row of a form grid: the label (with its buddy) in column `column`, the field beside it.
QLabel* AddRow(QGridLayout& grid, int row, int column, const QString& label, QWidget* field, int span = 1);

}  // namespace vl
