#pragma once
// Writing a device-independent bitmap as a BMP file, and the numbered errors of the bitmap routines.
#include <filesystem>
#include <string_view>
#include <vector>

#include "pictures/dib.hpp"

namespace vl {

// Result codes of SaveBitmapFile (the numbering of DibErrorText).
constexpr int kDibOk = 0;
constexpr int kDibErrorOpeningFile = 4;
constexpr int kDibErrorInvalidHandle = 20;

// File header and block, in that order. The file header's sizes count the image size computed
// from width, height and bit count, or the stored one when run-length encoded.
std::vector<uint8_t> BmpFileBytes(const Dib& dib);

// 0 on success, 20 without a bitmap, 4 when the file cannot be written. Only bitmaps with a
// 40-byte information header are written; others are passed over and count as success.
// The file holds either its old content or the whole new one.
int SaveBitmapFile(const Dib* dib, const std::filesystem::path& path);

// The text of a bitmap error code; "Undefined Error!" outside 0..21.
std::string_view DibErrorText(int code);

}  // namespace vl
