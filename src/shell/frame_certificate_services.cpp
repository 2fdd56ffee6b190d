#include "records/certificate_save.hpp"
#include "shell/certificate_window_wiring.hpp"
#include "shell/child_window_table.hpp"
#include "shell/frame_window.hpp"

// This file declares no Qt slots; the keyword macro would rewrite PersonCard::slots.
#undef slots

namespace vl {

CertificateServices FrameCertificateServices(ChildWindowTable& table, FrameWindow& frame, Prompter& prompter,
                                             const Clock& clock) {
  CertificateServices services{frame.cardFile(), frame.home().DataDir(), frame.home().PhotoDir(), prompter, clock,
                               {}, {}, SaveCertificate, {}};
  // Whatever photo chooser the frame has when the user asks.
  services.choosePhoto = [&frame](QWidget* owner) -> std::optional<std::string> {
    if (!frame.photoChooser()) return std::nullopt;
    return frame.photoChooser()(owner);
  };
  services.choosePerson = [&table](QWidget*) -> PersonCard* {
    const ChoiceResult chosen = table.Choose(kChoiceOpenMode + kPersonCardWindow);
    return chosen.value == 1 ? chosen.person : nullptr;
  };
  return services;
}

}  // namespace vl
