#pragma once
// Names built from certificate records: the full name of any person block and the text
// under which the choice dialog lists a certificate.
#include <string>

#include "records/certificate_record.hpp"
#include "records/record_field.hpp"

namespace vl {

// Surname, then each non-empty given name after one blank (Windows-1252).
std::string FullName(const CertificateRecord& record, const NameFields& names);

// The person a certificate is about: the child (birth, baptism), the deceased (death, burial)
// or the groom (both marriage kinds).
NameFields MainPersonNames(int kind);

// The choice-dialog entry: the main person's full name; for both marriage kinds the groom's
// full name, " - " and the bride's.
std::string ChoiceEntryText(const CertificateRecord& record);

// The entry window's title: the kind's title message, then the surname and each given name
// after one blank; for both marriage kinds the groom's names, " - " and the bride's. UTF-8.
std::string EntryWindowTitle(const CertificateRecord& record);

}  // namespace vl
