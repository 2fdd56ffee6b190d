#pragma once
// The table of open child windows: ten places, each with its window, data, modified word,
// current slot or parameter and kind; the commands that open, choose, delete and browse.
#include <QObject>
#include <QPointer>
#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "common/clock.hpp"
#include "common/prompter.hpp"
#include "records/certificate_record.hpp"
#include "shell/child_window_factory.hpp"
#include "shell/child_window_host.hpp"
#include "shell/choice_dialog.hpp"
#include "storage/slot_file.hpp"
#include "storage/card_file.hpp"

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace vl {

class ChildSubWindow;

constexpr int kChildPlaceCount = 10;
// The close command's marker: close at once, without the question 8249.
constexpr int kCloseWithoutQuestion = 100;
// A person card window's current value for a card chosen from the index.
constexpr int16_t kCardFromIndex = 9;

enum BrowseDirection : int { kBrowseFirst = -2, kBrowsePrevious = -1, kBrowseNext = 1, kBrowsePastLast = 2 };

struct ChildPlace {
  QPointer<QMdiSubWindow> window;  // empty when the place is free
  ChildContent* content = nullptr;
  bool taken = false;              // also while the window is being built
  // Data by kind: the certificate record (owned); the person card shown, or a certificate's
  // key person (borrowed); a tree's or search's working data (owned).
  std::optional<CertificateRecord> record;
  PersonCard* person = nullptr;
  std::unique_ptr<ChildData> data;
  uint16_t modified = 0;  // nonzero: unsaved edits (sub-dialogs set the top bit)
  int16_t current = -1;   // slot (-1 not yet stored), tree type, or kCardFromIndex
  uint16_t kind = 0;
};

class ChildWindowTable : public QObject, public ChildWindowHost {
  Q_OBJECT

 public:
  ChildWindowTable(QMdiArea& area, CardFile& card, std::filesystem::path dataDir, Prompter& prompter,
                   const Clock& clock, QObject* parent = nullptr);
  ~ChildWindowTable() override;

  // A kind becomes available with its builder; its commands are enabled from then on.
  void Register(int kind, ChildWindowBuilder builder);
  const ChildWindowFactory& factory() const { return factory_; }
  // Called whenever the set of available commands changes.
  void SetAvailabilityChanged(std::function<void()> notify) { availabilityChanged_ = std::move(notify); }
  // The choice dialog; replaceable so that scripts can choose without a window.
  using Chooser = std::function<ChoiceResult(int parameter)>;
  void SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }
  ChoiceResult Choose(int parameter);

  // ChildWindowHost.
  bool HandlesCommand(int id) const override;
  void RunCommand(int id) override;
  void CloseAllWithoutAsking() override;

  // Opens a window of the kind in the first free place: 8021 when all ten are taken; none
  // when the kind has no builder or its record cannot be read. person: the card to show
  // (person kinds) or the key person of a certificate.
  QMdiSubWindow* Open(int current, int kind, PersonCard* person = nullptr);
  // The place of a child window (or of the widget inside it); -1 after 8007.
  int FindPlace(const QWidget* window) const;
  // As FindPlace, without the message.
  int PlaceOf(const QWidget* window) const;
  // Releases the place's data by kind and empties it.
  void FreePlace(int place);
  // The close command (601); the marker kCloseWithoutQuestion closes without asking. True
  // when the window closed.
  bool CloseChild(int place, int marker);
  // Record browsing in the active window.
  void Browse(int direction);
  // The active child's place, or -1.
  int ActivePlace() const;

  ChildPlace& place(int index) { return places_.at(static_cast<size_t>(index)); }
  const ChildPlace& place(int index) const { return places_.at(static_cast<size_t>(index)); }
  int OpenCount() const;

  // Called by the child windows themselves.
  bool MayClose(const ChildSubWindow& window);
  void ChildClosed(ChildSubWindow& window);

 private:
  SlotFile SlotFileOf(int kind);
  bool HasBrowsableKind() const;
  void OpenChosen(int parameter, int kind);
  void DeleteCertificateCommand(int kind);
  void DeletePersonCommand();
  void ForwardToActive(int command);
  void BrowseCertificates(int place, int direction);
  void BrowsePersons(int place, int direction);
  void ChooseByName();
  bool LoadCertificate(int place, int slot, PersonCard* keyPerson);
  void LoadPerson(int place, PersonCard* person);
  void ForgetOwnCard(ChildPlace& place, const PersonCard* next);
  void CloseWhere(const std::function<bool(const ChildPlace&)>& shows);

  QMdiArea& area_;
  CardFile& card_;
  std::filesystem::path dataDir_;
  Prompter& prompter_;
  const Clock& clock_;
  ChildWindowFactory factory_;
  std::function<void()> availabilityChanged_;
  Chooser chooser_;
  std::array<ChildPlace, kChildPlaceCount> places_;
};

}  // namespace vl
