#include "pictures/dib_writer.hpp"

#include <algorithm>
#include <array>

#include "common/byte_io.hpp"
#include "common/file_io.hpp"
#include "pictures/dib_reader.hpp"

namespace vl {

std::vector<uint8_t> BmpFileBytes(const Dib& dib) {
  const uint64_t tableBytes = uint64_t{dib.ColourTableEntries()} * DibLayout::kColourSize;
  const uint64_t imageSize =
      dib.IsRunLengthEncoded()
          ? dib.ImageSize()
          : DibRowBytes(static_cast<uint64_t>(dib.Width()), dib.Bits()) * dib.Rows();
  const uint64_t pixelOffset = BmpFileLayout::kHeaderSize + DibLayout::kHeaderSize + tableBytes;
  std::vector<uint8_t> out(BmpFileLayout::kHeaderSize + dib.Bytes().size());
  PutU16(out.data() + BmpFileLayout::kTypeOffset, BmpFileLayout::kType);
  PutU32(out.data() + BmpFileLayout::kFileSizeOffset, static_cast<uint32_t>(pixelOffset + imageSize));
  PutU32(out.data() + BmpFileLayout::kReservedOffset, 0);
  PutU32(out.data() + BmpFileLayout::kPixelOffsetOffset, static_cast<uint32_t>(pixelOffset));
  std::copy(dib.Bytes().begin(), dib.Bytes().end(), out.begin() + BmpFileLayout::kHeaderSize);
  return out;
}

int SaveBitmapFile(const Dib* dib, const std::filesystem::path& path) {
  if (dib == nullptr) return kDibErrorInvalidHandle;
  if (dib->HeaderSize() != DibLayout::kHeaderSize) return kDibOk;
  return WriteFileAtomically(path, BmpFileBytes(*dib)) ? kDibOk : kDibErrorOpeningFile;
}

std::string_view DibErrorText(int code) {
  static constexpr std::array<std::string_view, 22> kTexts = {
      "Not a Windows DIB file!",
      "Couldn't allocate memory!",
      "Error reading file!",
      "Error locking memory!",
      "Error opening file!",
      "Error creating palette!",
      "Error getting a DC!",
      "Error creating Device Dependent Bitmap",
      "StretchBlt() failed!",
      "StretchDIBits() failed!",
      "SetDIBitsToDevice() failed!",
      "Printer: StartDoc failed!",
      "Printing: GetModuleHandle() couldn't find GDI!",
      "Printer: SetAbortProc failed!",
      "Printer: StartPage failed!",
      "Printer: NEWFRAME failed!",
      "Printer: EndPage failed!",
      "Printer: EndDoc failed!",
      "SetDIBits() failed!",
      "File Not Found!",
      "Invalid Handle",
      "General Error on call to DIB function",
  };
  if (code < 0 || code >= static_cast<int>(kTexts.size())) return "Undefined Error!";
  return kTexts[static_cast<size_t>(code)];
}

}  // namespace vl
