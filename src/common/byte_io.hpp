#pragma once
// Little-endian integers in byte buffers, and bounds-checked sequential reading and writing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vl {

inline uint16_t GetU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline int16_t GetI16(const uint8_t* p) { return static_cast<int16_t>(GetU16(p)); }
inline uint32_t GetU32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) | (static_cast<uint32_t>(p[2]) << 16) |
         (static_cast<uint32_t>(p[3]) << 24);
}
inline void PutU16(uint8_t* p, uint16_t v) {
  p[0] = static_cast<uint8_t>(v & 0xFF);
  p[1] = static_cast<uint8_t>(v >> 8);
}
inline void PutI16(uint8_t* p, int16_t v) { PutU16(p, static_cast<uint16_t>(v)); }
inline void PutU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>((v >> (8 * i)) & 0xFF);
}

// NUL-terminated text in a fixed field: the bytes before the first NUL (or the whole field).
std::string GetFixedText(const uint8_t* field, size_t size);
// Stores at most size - 1 bytes and a terminator; the rest of the field is zeroed.
void PutFixedText(uint8_t* field, size_t size, std::string_view text);

// Appends little-endian values to a growing byte vector.
class ByteWriter {
 public:
  explicit ByteWriter(std::vector<uint8_t>& out) : out_(out) {}
  void U8(uint8_t v) { out_.push_back(v); }
  void U16(uint16_t v) {
    out_.push_back(static_cast<uint8_t>(v & 0xFF));
    out_.push_back(static_cast<uint8_t>(v >> 8));
  }
  void I16(int16_t v) { U16(static_cast<uint16_t>(v)); }
  void Bytes(const void* data, size_t size) {
    auto p = static_cast<const uint8_t*>(data);
    out_.insert(out_.end(), p, p + size);
  }
  void Bytes(std::string_view text) { Bytes(text.data(), text.size()); }
  // u16 length, then the bytes.
  void Text(std::string_view text) {
    U16(static_cast<uint16_t>(text.size()));
    Bytes(text);
  }

 private:
  std::vector<uint8_t>& out_;
};

// Reads little-endian values from a byte range; any read past the end sets a failure mark
// and yields zeros, so a damaged file never puts garbage into memory.
class ByteReader {
 public:
  ByteReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  explicit ByteReader(const std::vector<uint8_t>& bytes) : ByteReader(bytes.data(), bytes.size()) {}

  bool Failed() const { return failed_; }
  size_t Position() const { return pos_; }
  size_t Remaining() const { return size_ - pos_; }
  bool AtEnd() const { return pos_ >= size_; }

  uint8_t U8();
  uint16_t U16();
  int16_t I16() { return static_cast<int16_t>(U16()); }
  // Copies size bytes; on a short read copies nothing and fails.
  bool Bytes(void* out, size_t size);
  // Reads `length` bytes as text.
  std::string Text(size_t length);
  // u16 length, then the bytes.
  std::string LengthPrefixedText() { return Text(U16()); }

 private:
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
  bool failed_ = false;
};

}  // namespace vl
