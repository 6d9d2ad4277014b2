#pragma once
// Windows-1252 text: the bytes of extenso's words and messages.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace verbanum {

// A literal re-encoded at compile time, one byte per letter.
template <std::size_t N>
struct Cp1252Literal {
  std::array<char, N> bytes{};
  std::size_t size = 0;
  constexpr std::string_view view() const { return {bytes.data(), size}; }
};

// UTF-8 source text to Windows-1252; only ASCII and U+00A0..U+00FF, where the
// two agree, which is all the words use (any other letter does not compile).
template <std::size_t N>
consteval Cp1252Literal<N> Cp1252(const char (&utf8)[N]) {
  Cp1252Literal<N> out;
  for (std::size_t i = 0; i + 1 < N; ++i) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    if (b < 0x80) {
      out.bytes[out.size++] = static_cast<char>(b);
    } else if ((b == 0xC2 || b == 0xC3) && i + 2 < N) {
      const auto next = static_cast<unsigned char>(utf8[++i]);
      const auto byte = ((b & 0x03) << 6) | (next & 0x3F);
      if (byte < 0xA0) throw "U+0080..U+009F are other letters in Windows-1252";
      out.bytes[out.size++] = static_cast<char>(byte);
    } else {
      throw "letter outside Latin-1";
    }
  }
  return out;
}

// Windows-1252 to UTF-8, every byte (0x80..0x9F through the code page's own
// table; its five unassigned bytes keep their C1 code points).
inline std::string Cp1252ToUtf8(std::string_view text) {
  static constexpr char16_t kHigh[32] = {
      0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
  std::string out;
  out.reserve(text.size() + text.size() / 4);
  for (const char c : text) {
    const auto b = static_cast<unsigned char>(c);
    const char32_t cp = (b >= 0x80 && b < 0xA0) ? kHigh[b - 0x80] : b;
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
  return out;
}

}  // namespace verbanum
