// SPDX-License-Identifier: MIT
#pragma once
// Windows-1252 text: the bytes of extenso's words and messages. The way back
// to UTF-8 is automation::Cp1252ToUtf8 (platform/automation/text.h).

#include <array>
#include <cstddef>
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

}  // namespace verbanum
