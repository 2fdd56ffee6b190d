#pragma once
// How the windows of each kind join the child window table: per kind, a builder that makes the
// window for a place, and the few things the table asks of a window.
#include <functional>
#include <map>

class QWidget;

namespace vl {

class ChildWindowTable;
struct PersonCard;

// Window kinds besides the certificate kinds 0..5.
enum ChildWindowKind : int {
  kPersonOverviewWindow = 6,
  kTreeWindow = 8,
  kPersonCardWindow = 9,
  kCriteriaSearchWindow = 10,
  kPossibleParentsWindow = 11,
};

// Owned working data of a place (a tree's chart data, a search's state).
class ChildData {
 public:
  virtual ~ChildData() = default;
};

// A child window as the table sees it. The content is owned by its widget (usually it is the
// widget), which the table puts into an MDI child window. The place's data belongs to the
// table and may already be released when the widget is destroyed.
class ChildContent {
 public:
  virtual ~ChildContent() = default;
  virtual QWidget* Widget() = 0;
  // The save command (600): stores the record shown; false when the save was refused, which
  // stops browsing and choosing by name.
  virtual bool SaveRecord() = 0;
  // The place's data now holds another record or person card (browsing, choosing by name).
  virtual void ShowPlaceData() = 0;
  // Commands 120, 121, 145 and 146 (keys F9 to F12, buttons 3100 to 3103).
  virtual void RunChildCommand(int /*id*/) {}
  // Windows built around a person card that is about to be deleted close without asking.
  virtual bool ShowsPerson(const PersonCard& /*person*/) const { return false; }
};

// Builds the window for a place whose kind, current and data the table has already set; null
// when no window is to be made (the table then frees the place).
using ChildWindowBuilder = std::function<ChildContent*(ChildWindowTable& table, int place)>;

class ChildWindowFactory {
 public:
  void Register(int kind, ChildWindowBuilder builder) { builders_[kind] = std::move(builder); }
  bool Has(int kind) const { return builders_.count(kind) > 0; }
  bool Empty() const { return builders_.empty(); }
  ChildContent* Build(int kind, ChildWindowTable& table, int place) const {
    auto it = builders_.find(kind);
    return it == builders_.end() ? nullptr : it->second(table, place);
  }

 private:
  std::map<int, ChildWindowBuilder> builders_;
};

}  // namespace vl
