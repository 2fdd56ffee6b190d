#pragma once
// Saving a certificate from its entry window: the persons it names are found, created or
// chosen among homonyms, brought up to date, checked, and the record is written to its slot
// and linked into the family. One skeleton for all kinds; each kind adds its own steps.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/clock.hpp"
#include "common/file_transaction.hpp"
#include "common/prompter.hpp"
#include "records/certificate_record.hpp"
#include "records/person_resolution.hpp"
#include "records/record_field.hpp"
#include "storage/card_file.hpp"

namespace vl {

// Bits of an entry window's modification word.
enum ChangedBits : uint16_t {
  kChangedMainName = 1,   // the main person's surname or given names
  kChangedFatherName = 2,
  kChangedMotherName = 4,
  kChangedWitness1Name = 512,  // 1024, 2048, 4096 for witnesses 2 to 4
  kChangedOther = 0x8000,
};

// Where a save writes and whom it tells.
struct CertificateSaveContext {
  CardFile& card;
  std::filesystem::path dataDir;
  Prompter& prompter;
  const Clock& clock;
  // When given, the slot-file write becomes part of it and the caller commits.
  FileTransaction* transaction = nullptr;
  // Called after a successful save so that open charts rebuild.
  std::function<void()> chartsChanged;
};

// A date and time typed into a date field of the window, parsed by the save with messages.
struct TypedDate {
  DateTimeField field;
  std::string date;  // Windows-1252 "tt.mm.jjjj"
  std::string time;  // "hh:mm"; ignored when withTime is false
  bool withTime = true;
};

// What the window hands over: its record buffer (links included; the save writes the persons
// it resolved back into it at once), its slot (-1 for a record not stored yet), its
// modification word and the date fields as typed.
struct CertificateEntry {
  CertificateRecord& record;
  int slot = -1;
  uint16_t changed = 0;
  std::vector<TypedDate> dates;
};

struct CertificateSaveResult {
  bool saved = false;
  int slot = -1;
  // The person cards the save resolved, by role ("main", "father", "mother", ...).
  std::map<std::string, uint16_t> persons;
  // Cards the save created, in order of creation (also after a refusal).
  std::vector<uint16_t> created;
};

// Saves a birth (0) or baptism (3) certificate; other kinds are refused for now. A zero
// modification word saves nothing and succeeds. A refusal after the persons were resolved
// keeps their card updates.
CertificateSaveResult SaveCertificate(const CertificateSaveContext& ctx, CertificateEntry& entry);


}  // namespace vl
