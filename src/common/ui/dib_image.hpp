#pragma once
// Bitmaps of the core (read and checked there) as Qt images, and Qt images as 24-bit bitmaps.
#include <QImage>
#include <QString>
#include <filesystem>
#include <string_view>

#include "pictures/dib.hpp"

namespace vl {

// A null image when the bitmap cannot be shown.
QImage ImageFromDib(const Dib& dib);
// A null image when the file is no readable bitmap.
QImage LoadBitmapImage(const std::filesystem::path& path);
Dib DibFromImage(const QImage& image);

// A filter of the message table ("Text|*.ext|...|") in the form of Qt's file dialogs.
QString QtFileFilter(std::string_view pipeSeparated);

}  // namespace vl
