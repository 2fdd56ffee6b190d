#include "shell/auto_save.hpp"

#include <algorithm>
#include <cctype>

namespace vl {

void AutoSave::Configure(bool enabled, int interval) {
  enabled_ = enabled;
  interval_ = enabled ? std::clamp(interval, 0, kMaxInterval) : 0;
  counter_ = 0;
}

bool AutoSave::Tick(bool cardFileOpen, bool modified) {
  if (!cardFileOpen || !modified || !allowed_) return false;
  // The counter stops at the interval; a counter that wrapped round would otherwise meet interval 0.
  if (interval_ <= 0) return false;
  if (++counter_ < interval_) return false;
  counter_ = 0;
  return true;
}

int ParseAutoSaveInterval(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i]))) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    value = std::min<long>(value * 10 + (text[i] - '0'), AutoSave::kMaxInterval + 1L);
  }
  if (negative) return 0;
  return static_cast<int>(std::min<long>(value, AutoSave::kMaxInterval));
}

}  // namespace vl
