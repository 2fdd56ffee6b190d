// Fuzz target: a BMP file as the photo frame and the photo chooser read it. A bitmap that loads
// is self-consistent, writes back to a file that loads as the same bitmap, and fits any frame.
#include <string>

#include "fuzz_support.hpp"
#include "pictures/dib_reader.hpp"
#include "pictures/dib_writer.hpp"
#include "pictures/photo_fitting.hpp"

namespace vl::fuzz {
namespace {

void CheckShape(const Dib& dib, size_t inputSize) {
  Require(dib.HeaderSize() == DibLayout::kHeaderSize, "a loaded bitmap has a 40-byte header");
  Require(dib.Width() > 0 && dib.Rows() > 0, "a loaded bitmap has pixels");
  const uint64_t table = uint64_t{dib.ColourTableEntries()} * DibLayout::kColourSize;
  Require(dib.Bytes().size() == DibLayout::kHeaderSize + table + dib.ImageSize(),
          "the block holds header, colour table and image size, nothing more or less");
  Require(dib.Bits() <= 8 ? dib.ColourTableEntries() >= 1 && dib.ColourTableEntries() <= (1u << dib.Bits())
                          : dib.ColourTableEntries() == 0,
          "only bitmaps of 8 bits or fewer have a colour table, of at most 2^bits colours");
  Require(dib.ImageSize() <= inputSize && table <= inputSize, "nothing is larger than the file it came from");
  if (!dib.IsRunLengthEncoded()) {
    Require(DibRowBytes(static_cast<uint64_t>(dib.Width()), dib.Bits()) * dib.Rows() <= dib.ImageSize(),
            "an uncompressed bitmap holds all its rows");
  }
}

void CheckFitting(const Dib& dib) {
  const int width = dib.Width() > 1 << 20 ? 1 << 20 : dib.Width();
  const int rows = dib.Rows() > 1 << 20 ? 1 << 20 : static_cast<int>(dib.Rows());
  const PixelRect frame{3, 5, 108, 138};
  const PhotoPlacement placed = FitPhoto(width, rows, frame);
  Require(placed.source.width == placed.target.width && placed.source.height == placed.target.height,
          "a photo is never scaled");
  Require(placed.source.x >= 0 && placed.source.y >= 0 && placed.source.x + placed.source.width <= width &&
              placed.source.y + placed.source.height <= rows,
          "the drawn part lies inside the photo");
  Require(placed.target.x >= 7 && placed.target.y >= 9 && placed.target.x + placed.target.width <= 3 + 104 &&
              placed.target.y + placed.target.height <= 5 + 134,
          "the photo stays 4 pixels inside its frame");
}

void FuzzOne(const uint8_t* data, size_t size) {
  const std::filesystem::path& dir = FreshDataDir();
  const std::vector<uint8_t> file(data, data + size);
  WriteInputFile(dir, "bild.bmp", file);
  auto fromBytes = ReadDib(file);
  auto fromFile = LoadBitmapFile(dir / "bild.bmp");
  Require(fromBytes.has_value() == fromFile.has_value() && (!fromBytes || fromBytes->Bytes() == fromFile->Bytes()),
          "a file loads as its bytes read");
  if (!fromBytes) return;
  CheckShape(*fromBytes, size);
  CheckFitting(*fromBytes);

  Require(SaveBitmapFile(&*fromBytes, dir / "kopie.bmp") == 0, "a loaded bitmap can be written");
  auto again = LoadBitmapFile(dir / "kopie.bmp");
  Require(again.has_value() && again->Bytes() == fromBytes->Bytes(), "a written bitmap loads as the same bitmap");
  Require(FileBytes(dir, "kopie.bmp") == BmpFileBytes(*fromBytes), "the file holds file header and block");
}

}  // namespace
}  // namespace vl::fuzz

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  vl::fuzz::FuzzOne(data, size);
  return 0;
}
