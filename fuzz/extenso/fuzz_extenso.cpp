// SPDX-License-Identifier: MIT
// extenso on any byte string: no crash, no sanitizer report, and the contract
// on the caller's buffer holds. The message box is hooked to answer OK silently.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "platform/automation/text.h"
#include "platform/win/msgbox.h"
#include "verbanum/extenso.h"

namespace {

std::size_t reports = 0;  // messages shown during the current call

void check(bool ok) {
  if (!ok) std::abort();
}

// The caller's text: a filler that no word contains, so that every byte the
// call writes shows.
constexpr char kFiller = '#';

std::vector<char> filled(std::size_t n) {
  std::vector<char> v(n, kFiller);
  v.push_back('\0');
  return v;
}

bool untouched(const std::vector<char>& v, std::size_t from) {
  for (std::size_t i = from; i + 1 < v.size(); ++i)
    if (v[i] != kFiller) return false;
  return v.back() == '\0';
}

// The words' bytes: lower-case letters, the Windows-1252 ê, ã, õ and ü,
// blanks and commas.
bool word_byte(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= 'a' && b <= 'z') || b == ' ' || b == ',' || b == 0xEA || b == 0xE3 || b == 0xF5 || b == 0xFC;
}

std::int32_t call(const std::vector<char>& valor, std::vector<char>& buffer) {
  reports = 0;
  return extenso(valor.data(), buffer.data());
}

// Every box: the library's caption and style, a message, answered OK at once.
int silent_box(const win::MessageBoxRequest& r) {
  check(r.owner == nullptr && r.caption == "Função Extenso" && r.style == win::MB_OK);
  check(!r.text.empty() && automation::IsValidUtf8(r.text));
  ++reports;
  return win::IDOK;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const win::ScopedMessageBoxHook hook(silent_box);
  std::vector<char> valor(data, data + size);
  valor.push_back('\0');

  auto buffer = filled(511);
  const std::int32_t n = call(valor, buffer);
  check(n >= 0 && n < 511);
  const auto length = static_cast<std::size_t>(n);
  if (n == 0) {
    check(reports <= 1 && untouched(buffer, 0));
    return 0;
  }
  check(reports == 0 && buffer[0] == ' ' && untouched(buffer, length));
  const std::string_view words(buffer.data(), length);
  for (const char c : words) check(word_byte(c));

  // Exactly the room needed: the same words.
  auto exact = filled(length);
  check(call(valor, exact) == n && reports == 0);
  check(std::string_view(exact.data(), length) == words);

  // One byte short: the room message, and the buffer untouched.
  auto tight = filled(length - 1);
  check(call(valor, tight) == 0 && reports == 1 && untouched(tight, 0));
  return 0;
}
