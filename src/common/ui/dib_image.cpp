#include "common/ui/dib_image.hpp"

#include <QStringList>
#include <vector>

#include "pictures/dib_reader.hpp"
#include "pictures/dib_writer.hpp"

namespace vl {

QImage ImageFromDib(const Dib& dib) {
  const std::vector<uint8_t> file = BmpFileBytes(dib);
  return QImage::fromData(file.data(), static_cast<int>(file.size()), "BMP");
}

QImage LoadBitmapImage(const std::filesystem::path& path) {
  auto dib = LoadBitmapFile(path);
  return dib ? ImageFromDib(*dib) : QImage();
}

Dib DibFromImage(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  std::vector<uint32_t> pixels(static_cast<size_t>(rgb.width()) * static_cast<size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
      pixels[static_cast<size_t>(y) * static_cast<size_t>(rgb.width()) + static_cast<size_t>(x)] = line[x] & 0xFFFFFF;
    }
  }
  return Dib24FromRgbRows(rgb.width(), rgb.height(), pixels);
}

QString QtFileFilter(std::string_view pipeSeparated) {
  const QStringList parts = QString::fromUtf8(pipeSeparated.data(), static_cast<qsizetype>(pipeSeparated.size()))
                                .split('|', Qt::SkipEmptyParts);
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  }
  return filters.join(";;");
}

}  // namespace vl
