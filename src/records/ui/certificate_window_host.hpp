#pragma once
// What a certificate entry window needs from outside: its place in the child window table and
// the card file with the shared choosers. The shell provides both; tests may stand in.
#include <QWidget>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "common/clock.hpp"
#include "common/prompter.hpp"
#include "records/certificate_record.hpp"
#include "records/certificate_save.hpp"
#include "storage/card_file.hpp"

namespace vl {

// A photo file name chosen for the owner window (Windows-1252), or nothing.
using PhotoChoice = std::function<std::optional<std::string>(QWidget* owner)>;
// A person card chosen from the card file's person cards, or none.
using PersonChoice = std::function<PersonCard*(QWidget* owner)>;

// The save of a kind (SaveCertificate); tests may count or refuse.
using CertificateSaver = std::function<CertificateSaveResult(const CertificateSaveContext&, CertificateEntry&)>;

// The window's place: its record buffer (which also holds the person links), modification word
// and slot, as the child window table keeps them.
class CertificatePlace {
 public:
  virtual ~CertificatePlace() = default;
  virtual CertificateRecord& Record() = 0;
  virtual uint16_t& Modified() = 0;
  virtual int16_t& Current() = 0;
  // The close command without marker: asks 8249 when there are unsaved edits.
  virtual void Close() = 0;
  // An empty record of the kind replaces the shown one and the window is refilled.
  virtual void StartNewRecord() = 0;
};

struct CertificateServices {
  CardFile& card;
  std::filesystem::path dataDir;
  std::filesystem::path photoDir;
  Prompter& prompter;
  const Clock& clock;
  PhotoChoice choosePhoto;
  PersonChoice choosePerson;
  CertificateSaver save;
  std::function<void()> chartsChanged;
};

}  // namespace vl
