#include "common/messages.hpp"
#include "records/certificate_save.hpp"

namespace vl {

std::string HomonymCountText(size_t count) {
  return FormatPrintf("Es gibt bereits %s Person(en), \ndie den gleichen Namen %s", std::to_string(count),
                      count == 1 ? " hat" : " haben");
}

}  // namespace vl
