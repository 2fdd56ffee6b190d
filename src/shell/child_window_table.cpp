#include "shell/child_window_table.hpp"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>
#include <map>

#include "records/certificate_deletion.hpp"
#include "shell/command_ids.hpp"

// This file declares no Qt slots; the keyword macro would rewrite PersonCard::slots.
#undef slots

namespace vl {

// The MDI child around a window of the table: asks 8249 before closing with unsaved edits
// (unless told to close at once) and hands its place back once closed.
class ChildSubWindow : public QMdiSubWindow {
 public:
  explicit ChildSubWindow(ChildWindowTable& table) : table_(&table) { setAttribute(Qt::WA_DeleteOnClose); }
  void CloseAtOnceNextTime(bool atOnce) { atOnce_ = atOnce; }

 protected:
  void closeEvent(QCloseEvent* event) override {
    const bool ask = !atOnce_;
    atOnce_ = false;
    if (table_ && ask && !table_->MayClose(*this)) {
      event->ignore();
      return;
    }
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted() && table_) table_->ChildClosed(*this);
  }

 private:
  QPointer<ChildWindowTable> table_;
  bool atOnce_ = false;
};

namespace {

bool IsCertificateKind(int kind) { return kind >= 0 && kind <= 5; }

// Buttons 3100..3103 carry the commands of F9..F12.
constexpr std::array kChildCommands = {cmd::kChildCommand120, cmd::kChildCommand121, cmd::kChildCommand145,
                                       cmd::kChildCommand146};

}  // namespace

ChildWindowTable::ChildWindowTable(QMdiArea& area, CardFile& card, std::filesystem::path dataDir, Prompter& prompter,
                                   const Clock& clock, QObject* parent)
    : QObject(parent), area_(area), card_(card), dataDir_(std::move(dataDir)), prompter_(prompter), clock_(clock) {}

ChildWindowTable::~ChildWindowTable() = default;

void ChildWindowTable::Register(int kind, ChildWindowBuilder builder) {
  factory_.Register(kind, std::move(builder));
  if (availabilityChanged_) availabilityChanged_();
}

ChoiceResult ChildWindowTable::Choose(int parameter) {
  if (chooser_) return chooser_(parameter);
  ChoiceDialog dialog(ChoiceSources{card_, dataDir_, prompter_, clock_}, parameter, area_.window());
  return dialog.Run();
}

SlotFile ChildWindowTable::SlotFileOf(int kind) {
  return SlotFile(SlotFileContext{dataDir_, card_.number, kind, prompter_, clock_, &card_.modified});
}

// ---- Commands ---------------------------------------------------------------------------------

bool ChildWindowTable::HasBrowsableKind() const {
  for (int kind : {0, 1, 2, 3, 4, 5, int{kPersonCardWindow}}) {
    if (factory_.Has(kind)) return true;
  }
  return false;
}

bool ChildWindowTable::HandlesCommand(int id) const {
  using namespace cmd;
  if (id >= kNewCertificateFirst && id < kNewCertificateFirst + 6) return factory_.Has(id - kNewCertificateFirst);
  if (id >= kOpenCertificateFirst && id < kOpenCertificateFirst + 6) return factory_.Has(id - kOpenCertificateFirst);
  if (id >= kDeleteCertificateFirst && id < kDeleteCertificateFirst + 6) return true;
  switch (id) {
    case kNewPersonCard:
    case kOpenPersonCard:
      return factory_.Has(kPersonCardWindow);
    case kDeletePerson:
      return true;
    case kPersonOverview:
      return factory_.Has(kPersonOverviewWindow);
    case kChildCommand120:
    case kChildCommand121:
    case kChildCommand145:
    case kChildCommand146:
    case kChildButtonFirst:
    case kChildButtonFirst + 1:
    case kChildButtonFirst + 2:
    case kChildButtonFirst + 3:
      return !factory_.Empty();  // without any window kind there is never a child to receive them
    case kToolNext:
    case kToolPastLast:
    case kToolPrevious:
    case kToolFirst:
    case kToolChooseByName:
      return HasBrowsableKind();
    default:
      return false;
  }
}

void ChildWindowTable::RunCommand(int id) {
  using namespace cmd;
  if (!HandlesCommand(id)) return;
  if (id >= kNewCertificateFirst && id < kNewCertificateFirst + 6) {
    Open(-1, id - kNewCertificateFirst);
  } else if (id >= kOpenCertificateFirst && id < kOpenCertificateFirst + 6) {
    OpenChosen(kChoiceOpenMode + id - kOpenCertificateFirst, id - kOpenCertificateFirst);
  } else if (id >= kDeleteCertificateFirst && id < kDeleteCertificateFirst + 6) {
    DeleteCertificateCommand(id - kDeleteCertificateFirst);
  } else if (id >= kChildButtonFirst && id < kChildButtonFirst + 4) {
    if (ActivePlace() >= 0) ForwardToActive(kChildCommands[static_cast<size_t>(id - kChildButtonFirst)]);
  } else {
    switch (id) {
      case kNewPersonCard:
        Open(-1, kPersonCardWindow);
        break;
      case kOpenPersonCard:
        OpenChosen(kChoiceOpenMode + kPersonCardWindow, kPersonCardWindow);
        break;
      case kDeletePerson:
        DeletePersonCommand();
        break;
      case kPersonOverview:
        OpenChosen(kChoiceOpenMode + kPersonOverviewWindow, kPersonOverviewWindow);
        break;
      case kChildCommand120:
      case kChildCommand121:
      case kChildCommand145:
      case kChildCommand146:
        ForwardToActive(id);
        break;
      case kToolNext:
        Browse(kBrowseNext);
        break;
      case kToolPastLast:
        Browse(kBrowsePastLast);
        break;
      case kToolPrevious:
        Browse(kBrowsePrevious);
        break;
      case kToolFirst:
        Browse(kBrowseFirst);
        break;
      case kToolChooseByName:
        ChooseByName();
        break;
      default:
        break;
    }
  }
}

void ChildWindowTable::OpenChosen(int parameter, int kind) {
  ChoiceResult chosen = Choose(parameter);
  if (chosen.value < 0) return;
  if (IsCertificateKind(kind)) {
    Open(chosen.value, kind, chosen.person);
  } else if (chosen.value == 1 && chosen.person != nullptr) {
    Open(kind == kPersonCardWindow ? kCardFromIndex : 0, kind, chosen.person);
  }
}

void ChildWindowTable::ForwardToActive(int command) {
  const int active = ActivePlace();
  if (active < 0 || places_[static_cast<size_t>(active)].content == nullptr) return;
  places_[static_cast<size_t>(active)].content->RunChildCommand(command);
}

// ---- Opening, closing, freeing ----------------------------------------------------------------

QMdiSubWindow* ChildWindowTable::Open(int current, int kind, PersonCard* person) {
  if (!factory_.Has(kind)) return nullptr;
  int free = -1;
  for (int i = 0; i < kChildPlaceCount && free < 0; ++i) {
    if (!places_[static_cast<size_t>(i)].taken) free = i;
  }
  if (free < 0) {
    prompter_.ShowInformation(Msg(8021));
    return nullptr;
  }
  ChildPlace& place = places_[static_cast<size_t>(free)];
  place = ChildPlace{};
  place.taken = true;
  place.current = static_cast<int16_t>(current);
  place.kind = static_cast<uint16_t>(kind);
  place.person = person;

  if (IsCertificateKind(kind)) {
    if (current < 0) {
      place.record = CertificateRecord::New(kind);
    } else {
      SlotFile file = SlotFileOf(kind);
      place.record = CertificateRecord::Read(file, current);
      if (!place.record) {
        FreePlace(free);
        return nullptr;
      }
    }
  } else if (kind == kPersonCardWindow) {
    if (current < 0 || person == nullptr) {
      place.current = -1;
      place.person = card_.persons.Create("", 0);
      if (place.person == nullptr) {
        FreePlace(free);
        return nullptr;
      }
    } else {
      place.current = kCardFromIndex;
    }
  }

  ChildContent* content = factory_.Build(kind, *this, free);
  if (content == nullptr || content->Widget() == nullptr) {
    FreePlace(free);
    return nullptr;
  }
  auto* window = new ChildSubWindow(*this);
  window->setWidget(content->Widget());
  area_.addSubWindow(window);
  place.window = window;
  place.content = content;
  window->show();
  area_.setActiveSubWindow(window);
  return window;
}

int ChildWindowTable::PlaceOf(const QWidget* window) const {
  if (window == nullptr) return -1;
  for (int i = 0; i < kChildPlaceCount; ++i) {
    const ChildPlace& place = places_[static_cast<size_t>(i)];
    if (!place.taken || place.window.isNull()) continue;
    if (place.window == window || place.window->widget() == window) return i;
  }
  return -1;
}

int ChildWindowTable::FindPlace(const QWidget* window) const {
  const int place = PlaceOf(window);
  if (place < 0) prompter_.ShowError(Msg(8007));
  return place;
}

void ChildWindowTable::FreePlace(int index) {
  if (index < 0 || index >= kChildPlaceCount) return;
  ChildPlace& place = places_[static_cast<size_t>(index)];
  // A person card that this window created and never stored goes with it.
  if (place.kind == kPersonCardWindow && place.current != kCardFromIndex && place.person != nullptr) {
    card_.persons.Delete(place.person);
  }
  place = ChildPlace{};
}

int ChildWindowTable::OpenCount() const {
  int count = 0;
  for (const ChildPlace& place : places_) count += place.taken ? 1 : 0;
  return count;
}

bool ChildWindowTable::CloseChild(int index, int marker) {
  if (index < 0 || index >= kChildPlaceCount) return false;
  QPointer<QMdiSubWindow> window = places_[static_cast<size_t>(index)].window;
  auto* child = qobject_cast<QMdiSubWindow*>(window.data());
  if (child == nullptr) return false;
  static_cast<ChildSubWindow*>(child)->CloseAtOnceNextTime(marker == kCloseWithoutQuestion);
  return child->close();
}

void ChildWindowTable::CloseAllWithoutAsking() {
  for (int i = 0; i < kChildPlaceCount; ++i) {
    if (places_[static_cast<size_t>(i)].taken) CloseChild(i, kCloseWithoutQuestion);
  }
}

bool ChildWindowTable::MayClose(const ChildSubWindow& window) {
  const int index = PlaceOf(&window);
  if (index < 0 || places_[static_cast<size_t>(index)].modified == 0) return true;
  return prompter_.AskYesNo(Msg(8249, window.windowTitle().toStdString()));
}

void ChildWindowTable::ChildClosed(ChildSubWindow& window) {
  const int index = FindPlace(&window);
  if (index >= 0) FreePlace(index);
}

void ChildWindowTable::CloseWhere(const std::function<bool(const ChildPlace&)>& shows) {
  for (int i = 0; i < kChildPlaceCount; ++i) {
    const ChildPlace& place = places_[static_cast<size_t>(i)];
    if (place.taken && shows(place)) CloseChild(i, kCloseWithoutQuestion);
  }
}

int ChildWindowTable::ActivePlace() const { return PlaceOf(area_.currentSubWindow()); }

// ---- Deleting ---------------------------------------------------------------------------------

void ChildWindowTable::DeleteCertificateCommand(int kind) {
  ChoiceResult chosen = Choose(kind);
  if (chosen.value < 0) return;
  const int slot = chosen.value;
  // A window still showing the certificate would write it back into a freed slot.
  CloseWhere([kind, slot](const ChildPlace& place) { return place.kind == kind && place.current == slot; });
  DeleteCertificate(card_, DeletionContext{dataDir_, prompter_, clock_}, kind, slot, chosen.persons);
}

void ChildWindowTable::DeletePersonCommand() {
  ChoiceResult chosen = Choose(kPersonCardWindow);
  if (chosen.value < 0 || chosen.person == nullptr) return;
  PersonCard* person = chosen.person;
  const uint16_t number = person->number;
  std::map<int, std::vector<int>> slots;  // kind -> certificates that go with the person
  for (int kind : {0, 2, 3, 5}) {
    const uint16_t own = person->certificateSlots[static_cast<size_t>(kind)];
    if (own != kNoSlot) slots[kind].push_back(own);
  }
  for (const UnionEntry& entry : person->unions) {
    if (entry.slot != kNoSlot) slots[entry.kind].push_back(entry.slot);
  }
  auto alive = [this, person, number] { return card_.persons.Find(number) == person; };
  CloseWhere([person, &slots, &alive](const ChildPlace& place) {
    if (place.person == person) return true;
    if (place.content != nullptr && alive() && place.content->ShowsPerson(*person)) return true;
    auto it = slots.find(place.kind);
    if (it == slots.end() || !IsCertificateKind(place.kind)) return false;
    return std::find(it->second.begin(), it->second.end(), place.current) != it->second.end();
  });
  // A window that had created this card itself and never stored it took the card along.
  if (!alive()) return;
  DeletePerson(card_, DeletionContext{dataDir_, prompter_, clock_}, *person);
}

// ---- Browsing ---------------------------------------------------------------------------------

void ChildWindowTable::Browse(int direction) {
  const int active = ActivePlace();
  if (active < 0) return;
  const int kind = places_[static_cast<size_t>(active)].kind;
  if (IsCertificateKind(kind)) {
    BrowseCertificates(active, direction);
  } else if (kind == kPersonCardWindow) {
    BrowsePersons(active, direction);
  }
}

void ChildWindowTable::BrowseCertificates(int index, int direction) {
  ChildPlace& place = places_[static_cast<size_t>(index)];
  SlotFile file = SlotFileOf(place.kind);
  std::optional<SlotFileHeader> header = file.ReadHeader();
  if (!header) return;
  const int n = header->UsableCount();
  if (n == 0) return;
  int position = n;  // a certificate not yet stored stands behind the last one
  if (place.current >= 0) {
    position = header->IndexOfSlot(place.current);
    if (position < 0 || position >= n) return;
  }
  int target = -1;  // -1: a new, empty certificate
  switch (direction) {
    case kBrowseFirst:
      target = header->OrderSlot(0);
      break;
    case kBrowsePrevious:
      if (position < 1) return;
      target = header->OrderSlot(position - 1);
      break;
    case kBrowseNext:
      target = position + 1 < n ? header->OrderSlot(position + 1) : -1;
      break;
    case kBrowsePastLast:
      break;
    default:
      return;
  }
  if (place.content == nullptr || !place.content->SaveRecord()) return;
  LoadCertificate(index, target, nullptr);
}

bool ChildWindowTable::LoadCertificate(int index, int slot, PersonCard* keyPerson) {
  ChildPlace& place = places_[static_cast<size_t>(index)];
  const int kind = place.kind;
  if (slot < 0) {
    place.record = CertificateRecord::New(kind);
    place.person = nullptr;
  } else {
    SlotFile file = SlotFileOf(kind);
    std::optional<CertificateRecord> record = CertificateRecord::Read(file, slot);
    if (!record) return false;
    place.record = std::move(record);
    place.person = keyPerson != nullptr ? keyPerson : card_.persons.Find(place.record->KeyPerson());
  }
  place.current = static_cast<int16_t>(slot);
  place.modified = 0;
  if (place.content != nullptr) place.content->ShowPlaceData();
  return true;
}

// Person cards in creation order, by rank 1 up to the person count, skipping nameless cards.
void ChildWindowTable::BrowsePersons(int index, int direction) {
  ChildPlace& place = places_[static_cast<size_t>(index)];
  std::map<int, PersonCard*> byRank;
  for (PersonCard& person : card_.persons) {
    if (!person.fullName.empty()) byRank.emplace(person.rank, &person);
  }
  const int last = static_cast<int>(card_.persons.Count());
  const int rank = place.person != nullptr ? place.person->rank : 0;
  PersonCard* target = nullptr;
  auto firstFrom = [&](int from, int step) -> PersonCard* {
    for (int r = from; r >= 1 && r <= last; r += step) {
      auto it = byRank.find(r);
      if (it != byRank.end()) return it->second;
    }
    return nullptr;
  };
  switch (direction) {
    case kBrowseFirst:
      target = firstFrom(1, 1);
      break;
    case kBrowsePrevious:
      target = firstFrom(rank - 1, -1);
      break;
    case kBrowseNext:
      target = firstFrom(rank + 1, 1);
      break;
    case kBrowsePastLast:
      if (place.current != kCardFromIndex) return;
      break;
    default:
      return;
  }
  if (direction != kBrowsePastLast && target == nullptr) return;
  if (place.content == nullptr || !place.content->SaveRecord()) return;
  ForgetOwnCard(place, target);
  if (direction == kBrowsePastLast) {
    PersonCard* fresh = card_.persons.Create("", 0);
    if (fresh == nullptr) return;
    place.person = fresh;
    place.current = -1;
    place.modified = 0;
    place.content->ShowPlaceData();
    return;
  }
  LoadPerson(index, target);
}

void ChildWindowTable::LoadPerson(int index, PersonCard* person) {
  ChildPlace& place = places_[static_cast<size_t>(index)];
  place.person = person;
  place.current = kCardFromIndex;
  place.modified = 0;
  if (place.content != nullptr) place.content->ShowPlaceData();
}

// A card the window created and never stored is dropped as the window moves on.
void ChildWindowTable::ForgetOwnCard(ChildPlace& place, const PersonCard* next) {
  if (place.current == kCardFromIndex || place.person == nullptr || place.person == next) return;
  card_.persons.Delete(place.person);
  place.person = nullptr;
}

void ChildWindowTable::ChooseByName() {
  const int active = ActivePlace();
  if (active < 0) return;
  ChildPlace& place = places_[static_cast<size_t>(active)];
  const int kind = place.kind;
  if (!IsCertificateKind(kind) && kind != kPersonCardWindow) return;
  if (place.content == nullptr || !place.content->SaveRecord()) return;
  ChoiceResult chosen = Choose(kChoiceOpenMode + kind);
  if (IsCertificateKind(kind)) {
    if (chosen.value >= 0) LoadCertificate(active, chosen.value, chosen.person);
    return;
  }
  if (chosen.value != 1 || chosen.person == nullptr) return;
  ForgetOwnCard(place, chosen.person);
  LoadPerson(active, chosen.person);
}

}  // namespace vl
