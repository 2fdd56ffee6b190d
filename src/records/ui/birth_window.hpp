#pragma once
// Naissance: the entry window of a birth certificate (kind 0).
#include "records/ui/certificate_window.hpp"

namespace vl {

class BirthWindow : public CertificateWindow {
  Q_OBJECT

 public:
  BirthWindow(CertificatePlace& place, const CertificateServices& services, QWidget* parent = nullptr);
};

}  // namespace vl
