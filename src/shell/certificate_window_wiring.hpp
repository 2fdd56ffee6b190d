#pragma once
// Registers the certificate entry windows with the child window table.
#include "records/ui/certificate_window_host.hpp"

namespace vl {

class ChildWindowTable;
class FrameWindow;

// The birth (0) and baptism (3) windows; the table keeps the services for them.
void RegisterCertificateWindows(ChildWindowTable& table, CertificateServices services);

// The frame's card file and directories; the photo chooser of the frame and the table's choice
// dialog in person mode.
CertificateServices FrameCertificateServices(ChildWindowTable& table, FrameWindow& frame, Prompter& prompter,
                                             const Clock& clock);

}  // namespace vl
