#include "shell/text_file_opener.hpp"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace vl {

bool OpenTextFile(const std::string& editor, const std::filesystem::path& file) {
  const QString path = QString::fromStdString(file.string());
  if (editor.empty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
  return QProcess::startDetached(QString::fromStdString(editor), {path});
}

}  // namespace vl
