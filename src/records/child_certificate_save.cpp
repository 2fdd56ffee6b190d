// The steps of the two certificates about a child: birth and baptism.
#include "common/cp1252.hpp"
#include "common/messages.hpp"
#include "records/certificate_layouts.hpp"
#include "records/certificate_save_steps.hpp"
#include "records/family_links.hpp"
#include "records/plausibility_checks.hpp"
#include "storage/card_file_names.hpp"

namespace vl {
namespace {

// Where the two kinds keep what their saves read.
struct ChildCertificateLayout {
  int kind;
  NameFields child;
  U16Field childLink;
  ByteField sex;
  TextField photo;
  DateTimeField event;
  TextField eventPlace;
  TextField office;
  ParentEntryLayout father;
  ParentEntryLayout mother;
  int replaceQuestion;
};

constexpr ChildCertificateLayout kBirthLayout{kBirth,
                                              birth_record::kChild,
                                              birth_record::kChildLink,
                                              birth_record::kSex,
                                              birth_record::kPhoto,
                                              birth_record::kBirth,
                                              birth_record::kBirthPlace,
                                              certificate_header::kOffice,
                                              birth_record::kFather,
                                              birth_record::kMother,
                                              8112};

constexpr ChildCertificateLayout kBaptismLayout{kBaptism,
                                                baptism_record::kChild,
                                                baptism_record::kChildLink,
                                                baptism_record::kSex,
                                                baptism_record::kPhoto,
                                                baptism_record::kBaptism,
                                                baptism_record::kBaptismPlace,
                                                certificate_header::kOffice,
                                                baptism_record::kFather,
                                                baptism_record::kMother,
                                                8115};

class ChildCertificateSteps : public CertificateKindSteps {
 public:
  explicit ChildCertificateSteps(const ChildCertificateLayout& layout) : layout_(layout) {}

  void AddPlaces(SaveRun& run) override {
    run.ctx.card.places.Add(run.entry.record.Get(layout_.eventPlace));
    run.ctx.card.places.Add(run.entry.record.Get(layout_.office));
  }

  bool CheckNames(SaveRun& run) override {
    if (!run.entry.record.Get(layout_.child.givenNames.Name(0)).empty()) return true;
    run.ctx.prompter.ShowInformation(Msg(8120));
    return false;
  }

  bool ResolvePersons(SaveRun& run) override {
    PersonIndex& persons = run.ctx.card.persons;
    Prompter& prompter = run.ctx.prompter;
    CertificateRecord& record = run.entry.record;
    const uint16_t changed = run.entry.changed;
    const char sex = record.Get(layout_.sex) == 'F' ? 'F' : 'H';
    if (!run.Take("main", ResolveMainPerson(persons, prompter, record,
                                            {"main", layout_.child, layout_.childLink, kChangedMainName, sex},
                                            changed))) {
      return false;
    }
    PersonCard& child = *run.Person("main");
    return run.Take("father", ResolveParent(persons, prompter, record,
                                            {"father", layout_.father.Name(), layout_.father.link,
                                             kChangedFatherName, 'H'},
                                            changed, child.father)) &&
           run.Take("mother", ResolveParent(persons, prompter, record,
                                            {"mother", layout_.mother.Name(), layout_.mother.link,
                                             kChangedMotherName, 'F'},
                                            changed, child.mother));
  }

  void CopyIntoCards(SaveRun& run) override {
    PersonIndex& persons = run.ctx.card.persons;
    const CertificateRecord& record = run.entry.record;
    PersonCard& child = *run.Person("main");
    persons.SetPhoto(child, record.Get(layout_.photo));
    CopyEvent(persons, child, record.Get(layout_.event), record.Get(layout_.eventPlace), layout_.kind);
    CopyParent(run, run.Person("father"), layout_.father);
    CopyParent(run, run.Person("mother"), layout_.mother);
  }

  bool Check(SaveRun& run) override {
    Prompter& prompter = run.ctx.prompter;
    const PersonCard& child = *run.Person("main");
    const PersonCard* father = run.Person("father");
    const PersonCard* mother = run.Person("mother");
    if (!CheckLifeOrder(child, prompter)) return false;
    if (father != nullptr && !CheckLifeOrder(*father, prompter)) return false;
    if (mother != nullptr && !CheckLifeOrder(*mother, prompter)) return false;
    if (father != nullptr && mother != nullptr && !CheckParents(*father, *mother, prompter)) return false;
    if (father == nullptr && mother == nullptr) return true;
    return CheckChildAgainstParents(child, father, mother, prompter);
  }

  PersonCard* SlotOwner(SaveRun& run) override { return run.Person("main"); }
  int ReplaceQuestion() const override { return layout_.replaceQuestion; }

  void AfterWrite(SaveRun& run, uint16_t slot) override {
    CardFile& card = run.ctx.card;
    PersonCard& child = *run.Person("main");
    PersonCard* father = run.Person("father");
    PersonCard* mother = run.Person("mother");
    std::vector<PersonCard*> touched = {&child, child.father, child.mother, father, mother};
    card.persons.SetCertificateSlot(child, slot, layout_.kind);
    LinkChildToParents(child, father, mother, LinkMode(run.entry.record), card.modified);
    card.persons.NormaliseFamilyLinksAround(touched);
  }

 private:
  void CopyParent(SaveRun& run, PersonCard* parent, const ParentEntryLayout& block) const {
    if (parent == nullptr) return;
    PersonIndex& persons = run.ctx.card.persons;
    const CertificateRecord& record = run.entry.record;
    persons.SetPhoto(*parent, record.Get(block.photo));
    persons.SetProfession(*parent, record.Get(block.profession));
    persons.SetProfessionPlace(*parent, record.Get(block.professionPlace));
    CopyEvent(persons, *parent, record.Get(block.birthDate), record.Get(block.birthPlace), kBirth);
  }

  // A child baptised outside its parents' union is linked with union index 0.
  ChildLinkMode LinkMode(const CertificateRecord& record) const {
    if (layout_.kind == kBaptism && record.Get(baptism_record::kLegitimate) != 1) return ChildLinkMode::OutsideUnion;
    return ChildLinkMode::Normal;
  }

  ChildCertificateLayout layout_;
};

}  // namespace

void CopyEvent(PersonIndex& persons, PersonCard& person, const DateTimeValue& value, const std::string& place,
               int eventKind) {
  const bool said = value.day >= 1 || value.month >= 1 || value.year >= 1 || value.hour >= 1 || value.minute >= 1 ||
                    !place.empty();
  if (said) persons.SetDate(person, value, place, eventKind);
}

std::unique_ptr<CertificateKindSteps> StepsOfKind(int kind) {
  switch (kind) {
    case kBirth:
      return std::make_unique<ChildCertificateSteps>(kBirthLayout);
    case kBaptism:
      return std::make_unique<ChildCertificateSteps>(kBaptismLayout);
    default:
      return nullptr;
  }
}

}  // namespace vl
