#pragma once
// Card-file numbers, certificate kinds and the names of the files of a card file.
#include <array>
#include <filesystem>
#include <optional>
#include <string>

namespace vl {

constexpr int kMaxCardFileNumber = 999;
constexpr int kFormatVersion = 150;
constexpr int kKindCount = 6;

enum CertificateKind : int { kBirth = 0, kCivilMarriage = 1, kDeath = 2, kBaptism = 3, kChurchWedding = 4, kBurial = 5 };

struct KindInfo {
  const char* prefix;       // "NAISS." ...
  int recordSize;           // bytes per record
  int counterMessage;       // message naming the certificates of this kind (progress text at creation)
};

const KindInfo& InfoOfKind(int kind);

// "%03d"; the caller has refused numbers of 1000 or more.
std::string NumberExtension(int number);
std::string HeaderFileName(int number);       // DOSSIER.nnn
std::string PersonFileName(int number);       // FICHES.nnn
std::string PersonBackupFileName(int number); // FICHESS.nnn
std::string SlotFileName(int kind, int number);
std::string PlaceListFileName(int number);      // COMMUNES.nnn
std::string ProfessionListFileName(int number); // PROFESSI.nnn

inline constexpr const char* kPlaceListPrefix = "COMMUNES.";
inline constexpr const char* kProfessionListPrefix = "PROFESSI.";

// The three-digit number of a DOSSIER.nnn name, in any case; nullopt for other names.
std::optional<int> NumberOfHeaderFileName(const std::string& name);

}  // namespace vl
