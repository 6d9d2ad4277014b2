// SPDX-License-Identifier: MIT
#include "platform/automation/text.h"

#include <array>
#include <cstdint>

namespace automation {

namespace {

// One decoded UTF-8 sequence: its code point and length, or length 0 when the
// bytes at that place are no well-formed sequence (overlong forms, surrogates
// and values above U+10FFFF included).
struct Decoded {
  char32_t cp = 0;
  std::size_t length = 0;
};

Decoded decode(std::string_view s, std::size_t i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned char b0 = byte(i);
  if (b0 < 0x80) return {b0, 1};
  std::size_t length = 0;
  char32_t cp = 0, min = 0;
  if ((b0 & 0xE0) == 0xC0) length = 2, cp = b0 & 0x1F, min = 0x80;
  else if ((b0 & 0xF0) == 0xE0) length = 3, cp = b0 & 0x0F, min = 0x800;
  else if ((b0 & 0xF8) == 0xF0) length = 4, cp = b0 & 0x07, min = 0x10000;
  else return {};
  if (i + length > s.size()) return {};
  for (std::size_t k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return {};
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {};
  return {cp, length};
}

void encode(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// Simple case mappings of Basic Latin, Latin-1 Supplement and Latin
// Extended-A. Letters without a one-letter counterpart there (ß, µ, ĸ, ŉ)
// stay as they are.
char32_t upper(char32_t c) {
  if (c >= 'a' && c <= 'z') return c - 0x20;
  if (c < 0xB5) return c;
  if ((c >= 0xE0 && c <= 0xFE && c != 0xF7)) return c - 0x20;
  if (c == 0xFF) return 0x178;
  if (c == 0x131) return 'I';
  if (c == 0x17F) return 'S';
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c % 2 ? c - 1 : c;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 ? c : c - 1;
  return c;
}

char32_t lower(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c + 0x20;
  if (c < 0xC0) return c;
  if (c <= 0xDE && c != 0xD7) return c + 0x20;
  if (c == 0x130) return 'i';
  if (c == 0x178) return 0xFF;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c % 2 ? c : c + 1;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 ? c + 1 : c;
  return c;
}

template <class Map>
std::string map_letters(std::string_view text, Map map) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Decoded d = decode(text, i);
    if (d.length == 0) {
      out += text[i++];  // not UTF-8: passed through
      continue;
    }
    encode(out, map(d.cp));
    i += d.length;
  }
  return out;
}

// Windows-1252 0x80..0x9F. The five bytes that code page leaves undefined map
// to the C1 controls of the same value, as Windows converts them.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int cp1252_byte(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<int>(cp);
  for (std::size_t k = 0; k < kHigh.size(); ++k)
    if (kHigh[k] == cp) return static_cast<int>(0x80 + k);
  return -1;
}

std::size_t leading_spaces(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[i] == ' ') ++i;
  return i;
}

std::size_t trailing_spaces(std::string_view s) {
  std::size_t i = 0;
  while (i < s.size() && s[s.size() - 1 - i] == ' ') ++i;
  return i;
}

}  // namespace

std::string UCase(std::string_view text) { return map_letters(text, upper); }
std::string LCase(std::string_view text) { return map_letters(text, lower); }

std::string Trim(std::string_view text) {
  text.remove_prefix(leading_spaces(text));
  return std::string(text.substr(0, text.size() - trailing_spaces(text)));
}
std::string LTrim(std::string_view text) { return std::string(text.substr(leading_spaces(text))); }
std::string RTrim(std::string_view text) {
  return std::string(text.substr(0, text.size() - trailing_spaces(text)));
}

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    encode(out, b >= 0x80 && b <= 0x9F ? kHigh[b - 0x80] : char32_t{b});
  }
  return out;
}

std::string Utf8ToCp1252(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const Decoded d = decode(text, i);
    if (d.length == 0) {
      out += '?';
      ++i;
      continue;
    }
    const int b = cp1252_byte(d.cp);
    out += b < 0 ? '?' : static_cast<char>(b);
    i += d.length;
  }
  return out;
}

bool IsValidUtf8(std::string_view bytes) {
  for (std::size_t i = 0; i < bytes.size();) {
    const Decoded d = decode(bytes, i);
    if (d.length == 0) return false;
    i += d.length;
  }
  return true;
}

std::string FirstChars(std::string_view text, std::size_t count) {
  std::size_t i = 0;
  for (std::size_t n = 0; i < text.size() && n < count; ++n) {
    ++i;
    while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) ++i;
  }
  return std::string(text.substr(0, i));
}

std::string DecodeUtf8OrCp1252(std::string_view bytes) {
  return IsValidUtf8(bytes) ? std::string(bytes) : Cp1252ToUtf8(bytes);
}

}  // namespace automation
