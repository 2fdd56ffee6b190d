#include "storage/card_file_header.hpp"

#include <algorithm>

#include "common/byte_io.hpp"

namespace vl {
namespace {

// Colours are 0x00BBGGRR.
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kNavy = 0x800000;
constexpr uint32_t kGreen = 0x008000;
constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kSilver = 0xC0C0C0;
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kYellow = 0x00FFFF;
constexpr uint32_t kLightYellow = 0x0080FFFF;

}  // namespace

uint16_t CardFileHeader::U16(size_t offset) const { return GetU16(bytes_.data() + offset); }
void CardFileHeader::SetU16(size_t offset, uint16_t v) { PutU16(bytes_.data() + offset, v); }
std::string CardFileHeader::Text(size_t offset, size_t size) const { return GetFixedText(bytes_.data() + offset, size); }
void CardFileHeader::SetText(size_t offset, size_t size, std::string_view text) {
  PutFixedText(bytes_.data() + offset, size, text);
}

BoxStyle CardFileHeader::DefaultBoxStyle(int slot) const {
  BoxStyle style;
  std::copy_n(bytes_.begin() + 278 + slot * kBoxStyleSize, kBoxStyleSize, style.begin());
  return style;
}

void CardFileHeader::SetDefaultBoxStyle(int slot, const BoxStyle& style) {
  std::copy(style.begin(), style.end(), bytes_.begin() + 278 + slot * kBoxStyleSize);
}

uint32_t CardFileHeader::TreeColour(int i) const { return GetU32(bytes_.data() + 416 + 4 * i); }
void CardFileHeader::SetTreeColour(int i, uint32_t colour) { PutU32(bytes_.data() + 416 + 4 * i, colour); }

void CardFileHeader::PrepareForNewCardFile(const TimeStamp& now) {
  SetVersion(150);
  std::fill(bytes_.begin() + 432, bytes_.begin() + 452, uint8_t{0});
  for (int i = 0; i < 4; ++i) SetTreeColour(i, InitialTreeColour(i));
  for (int slot = 0; slot < 3; ++slot) SetDefaultBoxStyle(slot, InitialBoxStyle(slot));
  SetCreated(now);
  SetSaved(now);
}

BoxStyle InitialBoxStyle(int slot) {
  uint32_t text = slot == kStyleFemale ? kRed : kBlue;
  uint32_t fill = slot == kStyleFemale ? kLightYellow : kSilver;
  const uint32_t words[10] = {text, kBlack, fill, kGrey, kBlack, text, kBlack, fill, kGrey, kBlack};
  BoxStyle style{};
  for (int i = 0; i < 10; ++i) PutU32(style.data() + 4 * i, words[i]);
  if (slot == kStyleFemale) style[40] = 1;  // rounded rectangle
  return style;
}

uint32_t InitialTreeColour(int i) {
  constexpr uint32_t kColours[4] = {kNavy, kRed, kGreen, kYellow};
  return kColours[i];
}

}  // namespace vl
