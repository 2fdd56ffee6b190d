#pragma once
// What the desktop program sets on its application object before any window exists.
class QApplication;

namespace vl {

// Name, style, German locale and Qt's German texts, the compiled-in resources.
void SetUpApplication(QApplication& app);

}  // namespace vl
