// Reading and writing BMP files: sound files load with their sizes, damaged ones load as none.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/file_io.hpp"
#include "support/bmp_files.hpp"
#include "pictures/dib_reader.hpp"
#include "pictures/dib_writer.hpp"
#include "support/test_support.hpp"

namespace vl::test {
namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

std::vector<uint8_t> Cut(std::vector<uint8_t> bytes, size_t size) {
  bytes.resize(size);
  return bytes;
}

TEST(DibReader, SoundFilesLoadWithTheirSizesAndColourTables) {
  struct Case {
    std::string name;
    std::vector<uint8_t> file;
    int32_t width;
    uint64_t rows;
    uint16_t bits;
    uint32_t colours;    // table entries, also the colours-used field of the block
    size_t blockSize;    // 40 + 4 * colours + image size
    size_t firstPixelAt; // where the pixel rows start in the file
  };
  const std::vector<Case> cases = {
      // 2 x 2, 24 bits: rows of 8 bytes (6 rounded up to 8); colours-used 0 gives no table.
      {"24 bits, colours-used 0", BmpBytes({}), 2, 2, 24, 0, 40 + 16, 54},
      // 8 bits, colours-used 0: 256 colours; rows of 4 bytes.
      {"8 bits, full table", BmpBytes({.bits = 8, .tableEntries = 256}), 2, 2, 8, 256, 40 + 1024 + 8, 54 + 1024},
      {"8 bits, 3 colours", BmpBytes({.bits = 8, .coloursUsed = 3, .tableEntries = 3}), 2, 2, 8, 3, 40 + 12 + 8,
       54 + 12},
      {"1 bit, 3 x 5", BmpBytes({.width = 3, .height = 5, .bits = 1, .tableEntries = 2}), 3, 5, 1, 2,
       40 + 8 + 20, 54 + 8},
      // Rows stored top-down count as rows all the same.
      {"top-down", BmpBytes({.height = -3}), 2, 3, 24, 0, 40 + 24, 54},
      // A stored image size is taken as it is, also when larger than the rows need.
      {"stored image size", BmpBytes({.imageSize = 20, .pixels = PatternBytes(20)}), 2, 2, 24, 0, 40 + 20, 54},
      // The pixel offset is followed past a gap.
      {"gap before pixels", BmpBytes({.gap = 6}), 2, 2, 24, 0, 40 + 16, 60},
      // A table claimed for 24 bits is no table; the pixel rows are found through the offset.
      {"24 bits claiming 4 colours", BmpBytes({.coloursUsed = 4, .tableEntries = 4}), 2, 2, 24, 0, 40 + 16, 70},
      // A longer information header carries the 40-byte one at its start.
      {"124-byte header", BmpBytes({.infoSize = 124}), 2, 2, 24, 0, 40 + 16, 138},
      {"RLE8 with its stored size", BmpBytes({.bits = 8, .compression = 1, .imageSize = 6, .tableEntries = 256,
                                              .pixels = {2, 9, 0, 0, 0, 1}}),
       2, 2, 8, 256, 40 + 1024 + 6, 54 + 1024},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto dib = ReadDib(c.file);
    ASSERT_TRUE(dib.has_value());
    EXPECT_EQ(dib->Width(), c.width);
    EXPECT_EQ(dib->Rows(), c.rows);
    EXPECT_EQ(dib->Bits(), c.bits);
    EXPECT_EQ(dib->ColourTableEntries(), c.colours);
    ASSERT_EQ(dib->Bytes().size(), c.blockSize);
    EXPECT_EQ(U32(dib->Bytes(), 0), 40u);
    const std::vector<uint8_t>& block = dib->Bytes();
    // The block's header is the file's from offset 14, with colours-used and image size filled in.
    EXPECT_EQ(U32(block, 32), c.colours);
    EXPECT_EQ(U32(block, 20), c.blockSize - 40 - 4 * c.colours);
    for (size_t i = 4; i < 20; ++i) EXPECT_EQ(block[i], c.file[14 + i]) << i;
    if (c.colours > 0) {
      EXPECT_EQ(int{block[40 + 4 * (c.colours - 1) + 1]}, 255 - static_cast<int>(c.colours - 1));
    }
    const size_t pixelsInBlock = 40 + 4 * c.colours;
    EXPECT_TRUE(std::equal(block.begin() + static_cast<long>(pixelsInBlock), block.end(),
                           c.file.begin() + static_cast<long>(c.firstPixelAt)));
  }
}

TEST(DibReader, DamagedFilesLoadAsNone) {
  std::vector<uint8_t> huge = BmpBytes({});
  huge[18] = huge[19] = huge[20] = 0xFF, huge[21] = 0x7F;  // width 2^31 - 1
  huge[22] = huge[23] = huge[24] = 0xFF, huge[25] = 0x7F;  // height 2^31 - 1
  std::vector<uint8_t> longHeader = BmpBytes({});
  longHeader[15] = 0x0F;  // information header of 3840 bytes in a file of 70
  std::vector<uint8_t> hugeWithSize = huge;
  hugeWithSize[34] = 16;  // a small stored image size does not make it fit
  struct Case {
    std::string name;
    std::vector<uint8_t> file;
  };
  const std::vector<Case> cases = {
      {"empty", {}},
      {"file header only", Cut(BmpBytes({}), 14)},
      {"information header cut", Cut(BmpBytes({}), 53)},
      {"12-byte core header", BmpBytes({.infoSize = 12, .width = 8, .height = 8})},
      {"no BM", BmpBytes({.first = 'B', .second = 'A'})},
      {"header longer than the file", longHeader},
      {"colour table cut", Cut(BmpBytes({.bits = 8, .tableEntries = 256}), 54 + 100)},
      {"more colours than 8 bits allow", BmpBytes({.bits = 8, .coloursUsed = 257, .tableEntries = 257})},
      {"pixel rows cut", Cut(BmpBytes({}), 54 + 15)},
      {"stored size smaller than the rows", BmpBytes({.imageSize = 8})},
      {"huge width and height", huge},
      {"huge width and height with a small stored size", hugeWithSize},
      {"pixel offset beyond the file", BmpBytes({.pixelOffset = 5000})},
      {"pixel offset leaving too few bytes", BmpBytes({.pixelOffset = 60})},
      {"width 0", BmpBytes({.width = 0, .pixels = PatternBytes(8)})},
      {"height 0", BmpBytes({.height = 0, .pixels = PatternBytes(8)})},
      {"negative width", BmpBytes({.width = -2, .pixels = PatternBytes(16)})},
      {"3 bits per pixel", BmpBytes({.bits = 3, .pixels = PatternBytes(8)})},
      {"bit fields", BmpBytes({.bits = 32, .compression = 3})},
      {"RLE8 on 24 bits", BmpBytes({.compression = 1, .imageSize = 16})},
      {"RLE size beyond the file", BmpBytes({.bits = 8, .compression = 1, .imageSize = 4000, .tableEntries = 256,
                                             .pixels = {0, 1}})},
      {"RLE claiming 65535 x 65535 pixels from 2 bytes",
       BmpBytes({.width = 65535, .height = 65535, .bits = 8, .compression = 1, .imageSize = 2, .tableEntries = 256,
                 .pixels = {0, 1}})},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_FALSE(ReadDib(c.file).has_value());
  }
}

TEST(DibWriter, WritesFileHeaderAndBlockWithComputedSizes) {
  // A file as the writer makes it reads back and is written again byte for byte.
  const std::vector<uint8_t> eightBits = BmpBytes({.bits = 8, .imageSize = 8, .coloursUsed = 256, .tableEntries = 256});
  auto dib = ReadDib(eightBits);
  ASSERT_TRUE(dib.has_value());
  EXPECT_EQ(BmpFileBytes(*dib), eightBits);

  // Colours-used 0 is written back as 256; file size 14 + 40 + 1024 + 8, pixel offset 14 + 40 + 1024.
  auto filled = ReadDib(BmpBytes({.bits = 8, .tableEntries = 256}));
  ASSERT_TRUE(filled.has_value());
  const std::vector<uint8_t> out = BmpFileBytes(*filled);
  EXPECT_EQ(out[0], 'B');
  EXPECT_EQ(out[1], 'M');
  EXPECT_EQ(U32(out, 2), 1086u);
  EXPECT_EQ(U32(out, 6), 0u);
  EXPECT_EQ(U32(out, 10), 1078u);
  EXPECT_EQ(U32(out, 46), 256u);

  // A stored size larger than the rows: the file size counts the computed one (2 rows of 8).
  auto padded = ReadDib(BmpBytes({.imageSize = 20, .pixels = PatternBytes(20)}));
  ASSERT_TRUE(padded.has_value());
  EXPECT_EQ(U32(BmpFileBytes(*padded), 2), 54u + 16u);
  // Run-length encoded: the stored size counts.
  auto rle = ReadDib(BmpBytes({.bits = 4, .compression = 2, .imageSize = 6, .tableEntries = 16,
                               .pixels = {2, 0x12, 0, 0, 0, 1}}));
  ASSERT_TRUE(rle.has_value());
  EXPECT_EQ(U32(BmpFileBytes(*rle), 2), 14u + 40 + 64 + 6);
}

TEST(DibWriter, SaveReportsTheNumberedErrors) {
  TempDir dir;
  auto dib = ReadDib(BmpBytes({}));
  ASSERT_TRUE(dib.has_value());
  const auto target = dir.Path() / "bild.bmp";
  EXPECT_EQ(SaveBitmapFile(nullptr, target), 20);
  EXPECT_EQ(SaveBitmapFile(&*dib, dir.Path() / "fehlt" / "bild.bmp"), 4);
  FileFaults::FailOperation(1);
  EXPECT_EQ(SaveBitmapFile(&*dib, target), 4);
  FileFaults::Disarm();
  EXPECT_FALSE(std::filesystem::exists(target));
  EXPECT_EQ(SaveBitmapFile(&*dib, target), 0);
  EXPECT_EQ(ReadBytes(target), BmpFileBytes(*dib));
  // Only blocks with a 40-byte header are written; others are passed over as done.
  std::vector<uint8_t> core = dib->Bytes();
  core[0] = 12;
  const Dib coreDib(core);
  EXPECT_EQ(SaveBitmapFile(&coreDib, dir.Path() / "kern.bmp"), 0);
  EXPECT_FALSE(std::filesystem::exists(dir.Path() / "kern.bmp"));

  const std::vector<std::pair<int, std::string>> texts = {{0, "Not a Windows DIB file!"},
                                                          {3, "Error locking memory!"},
                                                          {4, "Error opening file!"},
                                                          {19, "File Not Found!"},
                                                          {20, "Invalid Handle"},
                                                          {21, "General Error on call to DIB function"},
                                                          {22, "Undefined Error!"},
                                                          {-1, "Undefined Error!"}};
  for (const auto& [code, text] : texts) EXPECT_EQ(DibErrorText(code), text) << code;
}

TEST(DibReader, LoadBitmapFileReadsThroughTheFileLayer) {
  TempDir dir;
  WriteBytes(dir.Path() / "a.bmp", BmpBytes({}));
  EXPECT_TRUE(LoadBitmapFile(dir.Path() / "a.bmp").has_value());
  EXPECT_FALSE(LoadBitmapFile(dir.Path() / "fehlt.bmp").has_value());
  FileFaults::FailOperation(1);
  EXPECT_FALSE(LoadBitmapFile(dir.Path() / "a.bmp").has_value());
  FileFaults::Disarm();
}

}  // namespace
}  // namespace vl::test
