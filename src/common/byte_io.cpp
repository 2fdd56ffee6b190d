#include "common/byte_io.hpp"

#include <algorithm>
#include <cstring>

namespace vl {

std::string GetFixedText(const uint8_t* field, size_t size) {
  const uint8_t* end = std::find(field, field + size, uint8_t{0});
  return std::string(reinterpret_cast<const char*>(field), static_cast<size_t>(end - field));
}

void PutFixedText(uint8_t* field, size_t size, std::string_view text) {
  if (size == 0) return;
  std::memset(field, 0, size);
  size_t n = std::min(text.size(), size - 1);
  std::memcpy(field, text.data(), n);
}

uint8_t ByteReader::U8() {
  if (pos_ + 1 > size_) {
    failed_ = true;
    pos_ = size_;
    return 0;
  }
  return data_[pos_++];
}

uint16_t ByteReader::U16() {
  if (pos_ + 2 > size_) {
    failed_ = true;
    pos_ = size_;
    return 0;
  }
  uint16_t v = GetU16(data_ + pos_);
  pos_ += 2;
  return v;
}

bool ByteReader::Bytes(void* out, size_t size) {
  if (size > size_ - pos_) {
    failed_ = true;
    pos_ = size_;
    return false;
  }
  std::memcpy(out, data_ + pos_, size);
  pos_ += size;
  return true;
}

std::string ByteReader::Text(size_t length) {
  if (length > size_ - pos_) {
    failed_ = true;
    pos_ = size_;
    return {};
  }
  std::string text(reinterpret_cast<const char*>(data_ + pos_), length);
  pos_ += length;
  return text;
}

}  // namespace vl
