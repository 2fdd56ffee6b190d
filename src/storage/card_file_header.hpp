#pragma once
// The 456-byte header of DOSSIER.nnn, kept as its bytes so that every field round-trips exactly.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "common/clock.hpp"
#include "storage/person_card.hpp"

namespace vl {

constexpr size_t kHeaderSize = 456;
constexpr size_t kOwnerBlockOffset = 2;
constexpr size_t kHeaderOwnerBlockSize = 240;
constexpr size_t kMaxNotesBytes = 1999;

enum BoxStyleSlot : int { kStyleUnknownSex = 0, kStyleMale = 1, kStyleFemale = 2 };

class CardFileHeader {
 public:
  using Bytes = std::array<uint8_t, kHeaderSize>;

  CardFileHeader() { bytes_.fill(0); }

  Bytes& Raw() { return bytes_; }
  const Bytes& Raw() const { return bytes_; }
  const uint8_t* OwnerBlock() const { return bytes_.data() + kOwnerBlockOffset; }

  uint16_t Version() const { return U16(0); }
  void SetVersion(uint16_t v) { SetU16(0, v); }

  // Texts are Windows-1252; setters cut to the field size minus the terminator.
  std::string Title() const { return Text(2, 80); }
  void SetTitle(std::string_view t) { SetText(2, 80, t); }
  std::string OwnerName() const { return Text(82, 30); }
  void SetOwnerName(std::string_view t) { SetText(82, 30, t); }
  std::string OwnerFirstName() const { return Text(112, 20); }
  void SetOwnerFirstName(std::string_view t) { SetText(112, 20, t); }
  std::string Town() const { return Text(132, 30); }
  void SetTown(std::string_view t) { SetText(132, 30, t); }
  std::string Address() const { return Text(162, 80); }
  void SetAddress(std::string_view t) { SetText(162, 80, t); }
  TimeStamp Created() const { return ReadTimeStamp(bytes_.data() + 242); }
  void SetCreated(const TimeStamp& s) { WriteTimeStamp(bytes_.data() + 242, s); }
  TimeStamp Saved() const { return ReadTimeStamp(bytes_.data() + 252); }
  void SetSaved(const TimeStamp& s) { WriteTimeStamp(bytes_.data() + 252, s); }
  std::string Photo() const { return Text(262, 16); }
  void SetPhoto(std::string_view t) { SetText(262, 16, t); }

  BoxStyle DefaultBoxStyle(int slot) const;
  void SetDefaultBoxStyle(int slot, const BoxStyle& style);
  uint32_t TreeColour(int i) const;
  void SetTreeColour(int i, uint32_t colour);

  uint16_t PersonCount() const { return U16(432); }
  void SetPersonCount(uint16_t n) { SetU16(432, n); }
  uint16_t CertificateCount(int kind) const { return U16(434 + 2 * kind); }
  void SetCertificateCount(int kind, uint16_t n) { SetU16(434 + 2 * kind, n); }
  uint16_t AxisFirst() const { return U16(448); }
  uint16_t AxisLast() const { return U16(450); }
  void SetAxis(uint16_t first, uint16_t last) {
    SetU16(448, first);
    SetU16(450, last);
  }
  uint16_t Zoom() const { return U16(452); }
  void SetZoom(uint16_t z) { SetU16(452, z); }
  uint16_t NotesLength() const { return U16(454); }
  void SetNotesLength(uint16_t n) { SetU16(454, n); }

  // What a new card file gets: version 150, counters and axis zero, default box styles and chart colours.
  void PrepareForNewCardFile(const TimeStamp& now);

 private:
  uint16_t U16(size_t offset) const;
  void SetU16(size_t offset, uint16_t v);
  std::string Text(size_t offset, size_t size) const;
  void SetText(size_t offset, size_t size, std::string_view text);

  Bytes bytes_;
};

// The three default box styles of a new card file (unknown sex, men, women) and the four chart colours.
BoxStyle InitialBoxStyle(int slot);
uint32_t InitialTreeColour(int i);

}  // namespace vl
