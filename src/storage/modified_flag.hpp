#pragma once
// The open card file's "unsaved changes" mark; set by every change, cleared by save, open, new and close.

namespace vl {

class ModifiedFlag {
 public:
  void Set() { value_ = true; }
  void Clear() { value_ = false; }
  bool IsSet() const { return value_; }

 private:
  bool value_ = false;
};

}  // namespace vl
