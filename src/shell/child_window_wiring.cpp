#include "shell/child_window_wiring.hpp"

#include "shell/certificate_window_wiring.hpp"
#include "shell/child_window_table.hpp"
#include "shell/frame_window.hpp"

namespace vl {

ChildWindowTable& AttachChildWindowTable(FrameWindow& frame, Prompter& prompter, const Clock& clock) {
  auto* table = new ChildWindowTable(*frame.mdiArea(), frame.cardFile(), frame.home().DataDir(), prompter, clock,
                                     &frame);
  table->setObjectName("childWindowTable");
  table->SetAvailabilityChanged([&frame, table] { frame.SetChildWindowHost(table); });
  frame.SetChildWindowHost(table);
  RegisterCertificateWindows(*table, FrameCertificateServices(*table, frame, prompter, clock));
  return *table;
}

}  // namespace vl
