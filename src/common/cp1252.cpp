#include "common/cp1252.hpp"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace vl {
namespace {

// Code points of bytes 0x80..0x9F; 0 marks the five bytes the code page leaves undefined.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t CodePointOf(unsigned char c) {
  if (c >= 0x80 && c <= 0x9F) {
    char32_t cp = kHighControls[c - 0x80];
    return cp != 0 ? cp : c;  // undefined bytes pass through as C1 controls
  }
  return c;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

const std::unordered_map<char32_t, unsigned char>& ReverseHighTable() {
  static const auto table = [] {
    std::unordered_map<char32_t, unsigned char> map;
    for (unsigned i = 0; i < kHighControls.size(); ++i) {
      map[CodePointOf(static_cast<unsigned char>(0x80 + i))] = static_cast<unsigned char>(0x80 + i);
    }
    return map;
  }();
  return table;
}

unsigned char ByteOf(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<unsigned char>(cp);
  const auto& table = ReverseHighTable();
  auto it = table.find(cp);
  return it != table.end() ? it->second : static_cast<unsigned char>('?');
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size() + cp1252.size() / 4);
  for (char ch : cp1252) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(ch)));
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  size_t i = 0;
  while (i < utf8.size()) {
    auto lead = static_cast<unsigned char>(utf8[i]);
    size_t extra = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : 4;
    if (extra == 4 || i + extra >= utf8.size()) {
      out += '?';
      // one mark per broken sequence, not per byte
      for (++i; i < utf8.size() && (static_cast<unsigned char>(utf8[i]) & 0xC0) == 0x80; ++i) {
      }
      continue;
    }
    char32_t cp = extra == 0 ? lead : (lead & (0x3F >> extra));
    bool valid = true;
    for (size_t k = 1; k <= extra; ++k) {
      auto cont = static_cast<unsigned char>(utf8[i + k]);
      if ((cont & 0xC0) != 0x80) {
        valid = false;
        break;
      }
      cp = (cp << 6) | (cont & 0x3F);
    }
    if (!valid) {
      out += '?';
      ++i;
      continue;
    }
    out += static_cast<char>(ByteOf(cp));
    i += extra + 1;
  }
  return out;
}

unsigned char FoldCp1252(unsigned char c) {
  if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 0x20);
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 0x20);
  switch (c) {
    case 0x9A: return 0x8A;  // š
    case 0x9C: return 0x8C;  // œ
    case 0x9E: return 0x8E;  // ž
    case 0xFF: return 0x9F;  // ÿ
    default: return c;
  }
}

std::string FoldedCp1252(std::string_view text) {
  std::string out(text);
  for (char& ch : out) ch = static_cast<char>(FoldCp1252(static_cast<unsigned char>(ch)));
  return out;
}

int CompareNoCase(std::string_view a, std::string_view b) {
  size_t n = a.size() < b.size() ? a.size() : b.size();
  for (size_t i = 0; i < n; ++i) {
    int ca = FoldCp1252(static_cast<unsigned char>(a[i]));
    int cb = FoldCp1252(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca - cb;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

namespace {

// Base letters of a Windows-1252 byte, upper case: "A" for ä, "SS" for ß; other bytes themselves.
std::string_view BaseLetters(unsigned char c) {
  static const auto table = [] {
    std::array<std::string, 256> bases;
    for (int i = 0; i < 256; ++i) bases[static_cast<size_t>(i)] = std::string(1, static_cast<char>(FoldCp1252(static_cast<unsigned char>(i))));
    auto set = [&bases](std::string_view chars, const char* base) {
      for (char ch : chars) bases[static_cast<unsigned char>(ch)] = base;
    };
    set("\xC0\xC1\xC2\xC3\xC4\xC5\xE0\xE1\xE2\xE3\xE4\xE5", "A");
    set("\xC6\xE6", "AE");
    set("\xC7\xE7", "C");
    set("\xC8\xC9\xCA\xCB\xE8\xE9\xEA\xEB", "E");
    set("\xCC\xCD\xCE\xCF\xEC\xED\xEE\xEF", "I");
    set("\xD0\xF0", "D");
    set("\xD1\xF1", "N");
    set("\xD2\xD3\xD4\xD5\xD6\xD8\xF2\xF3\xF4\xF5\xF6\xF8", "O");
    set("\xD9\xDA\xDB\xDC\xF9\xFA\xFB\xFC", "U");
    set("\xDD\xFD\xFF\x9F", "Y");
    set("\xDE\xFE", "TH");
    set("\xDF", "SS");
    set("\x8A\x9A", "S");
    set("\x8E\x9E", "Z");
    set("\x8C\x9C", "OE");
    return bases;
  }();
  return table[c];
}

std::string SortKey(std::string_view text) {
  std::string key;
  key.reserve(text.size());
  for (char ch : text) key += BaseLetters(static_cast<unsigned char>(ch));
  return key;
}

}  // namespace

int CompareForSorting(std::string_view a, std::string_view b) {
  int byBase = SortKey(a).compare(SortKey(b));
  if (byBase != 0) return byBase;
  int byCase = CompareNoCase(a, b);
  if (byCase != 0) return byCase;
  return a.compare(b);
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && CompareNoCase(a, b) == 0;
}

}  // namespace vl
