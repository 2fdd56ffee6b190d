#pragma once
// Deleting a stored certificate or a whole person card together with everything that refers to
// it: slot references, header counters, the person's event date, the marriage's union.
#include <cstdint>
#include <filesystem>

#include "common/clock.hpp"
#include "common/file_transaction.hpp"
#include "common/prompter.hpp"
#include "storage/card_file.hpp"

namespace vl {

struct DeletionContext {
  std::filesystem::path dataDir;
  Prompter& prompter;
  const Clock& clock;
  // When given, the slot-file changes become part of it and the caller commits them.
  FileTransaction* transaction = nullptr;
};

// The persons a certificate is deleted for. For birth, baptism, death and burial the key
// person is the certificate's person; for both marriage kinds the key person is the bride and
// the second person the groom.
struct CertificatePersons {
  PersonCard* keyPerson = nullptr;
  PersonCard* secondPerson = nullptr;
};

// Finds them from the key person number the slot file lists for the certificate (child,
// deceased or groom). For marriages the bride is the spouse of the groom's union of that kind
// whose certificate is the slot; either may be missing.
CertificatePersons FindCertificatePersons(const PersonIndex& persons, int kind, int slot, uint16_t keyPersonNumber);

// Frees the slot in the kind's slot file (8004 or 8012 there) and lowers the header counter of
// the kind. A person whose slot reference of the kind names this slot loses it; for birth,
// baptism, death and burial that person's matching event (date, time and place) is cleared;
// for marriages the couple's union of that kind and slot is removed from both lists.
// Returns the slot, or -1 when the slot file refused (then nothing else changed).
int DeleteCertificate(CardFile& card, const DeletionContext& ctx, int kind, int slot,
                      const CertificatePersons& persons);

// Deletes the person's own birth, death, baptism and burial certificates and the certificates
// of its unions, then the card itself, and re-sorts the family links of the rest. 1, or -1
// when a slot file refused or could not be written: then no certificate and no card changed.
int DeletePerson(CardFile& card, const DeletionContext& ctx, PersonCard& person);

}  // namespace vl
