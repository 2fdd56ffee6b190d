#pragma once
// The automatic save: settings and the counter of modified minutes.
#include <string_view>

namespace vl {

class AutoSave {
 public:
  static constexpr int kMaxInterval = 9999;

  bool Enabled() const { return enabled_; }
  int Interval() const { return interval_; }
  int Counter() const { return counter_; }
  bool Allowed() const { return allowed_; }

  // Stores the dialog's choice (a disabled save has interval 0) and starts counting anew.
  void Configure(bool enabled, int interval);
  void ResetCounter() { counter_ = 0; }
  // False while a save or another long operation runs, so the timer posts no save meanwhile.
  void SetAllowed(bool allowed) { allowed_ = allowed; }

  // One minute has passed. Only minutes with unsaved changes count; true when the save is due.
  // An interval of 0 never saves.
  bool Tick(bool cardFileOpen, bool modified);

 private:
  bool enabled_ = true;
  int interval_ = 10;
  int counter_ = 0;
  bool allowed_ = true;
};

// The interval typed into the settings field: a decimal number as a C library reads it,
// 0 for text that is not a number; never above kMaxInterval.
int ParseAutoSaveInterval(std::string_view text);

}  // namespace vl
