#pragma once
// The program's drawings, by their resource names (TB_Dossier, TOOLS_Loupe, BMP_Cover ...).
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace vl {

// Makes the compiled-in resources (icons, help pages) available; safe to call more than once.
void InitShellResources();

QString IconPath(const QString& name);
QIcon ProgramIcon(const QString& name);
// The drawing rendered at the given size (device-independent pixels).
QPixmap ProgramPixmap(const QString& name, QSize size, qreal devicePixelRatio = 1.0);

}  // namespace vl
