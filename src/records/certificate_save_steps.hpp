#pragma once
// The kind-specific steps of a certificate save; certificate_save.cpp runs them in order around
// the steps all kinds share (dates, replacement question, counter, write, normalisation).
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "records/certificate_save.hpp"

namespace vl {

// One save in progress.
struct SaveRun {
  const CertificateSaveContext& ctx;
  CertificateEntry& entry;
  std::map<std::string, PersonCard*> persons;  // by role
  std::vector<PersonCard*> created;

  PersonCard* Person(const std::string& role) const {
    auto it = persons.find(role);
    return it == persons.end() ? nullptr : it->second;
  }
  // Takes a resolution; false when it was refused.
  bool Take(const std::string& role, const Resolved& resolved);
};

class CertificateKindSteps {
 public:
  virtual ~CertificateKindSteps() = default;
  // The places of the record go to the place list.
  virtual void AddPlaces(SaveRun& run) = 0;
  // Names the save cannot go on without (8120); false after the message.
  virtual bool CheckNames(SaveRun& run) = 0;
  // Finds or creates the persons; false when a homonym question was refused.
  virtual bool ResolvePersons(SaveRun& run) = 0;
  virtual void CopyIntoCards(SaveRun& run) = 0;
  // The plausibility checks; false after the first refusal or cancelled warning.
  virtual bool Check(SaveRun& run) = 0;
  // The person whose slot reference of the kind names the certificate.
  virtual PersonCard* SlotOwner(SaveRun& run) = 0;
  // The question before a person's existing certificate of the kind is replaced.
  virtual int ReplaceQuestion() const = 0;
  // After the write: slot references, family links.
  virtual void AfterWrite(SaveRun& run, uint16_t slot) = 0;
};

// nullptr for kinds without a save yet.
std::unique_ptr<CertificateKindSteps> StepsOfKind(int kind);

// Sets a person's life event from a certificate, unless date, time and place are all empty:
// an empty block on a certificate says nothing about the person.
void CopyEvent(PersonIndex& persons, PersonCard& person, const DateTimeValue& value, const std::string& place,
               int eventKind);

}  // namespace vl
