// extenso on any byte string: no crash, no sanitizer report, and the contract
// on the caller's buffer holds.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "verbanum/extenso.h"
#include "verbanum/report.h"

namespace {

std::size_t reports = 0;  // messages shown during the current call

void check(bool ok) {
  if (!ok) std::abort();
}

std::vector<char> blanks(std::size_t n) {
  std::vector<char> v(n, ' ');
  v.push_back('\0');
  return v;
}

bool all_blank(const std::vector<char>& v, std::size_t from) {
  for (std::size_t i = from; i + 1 < v.size(); ++i)
    if (v[i] != ' ') return false;
  return v.back() == '\0';
}

std::int32_t call(const std::vector<char>& valor, std::vector<char>& buffer) {
  reports = 0;
  return extenso(valor.data(), buffer.data());
}

}  // namespace

// The box answers OK at once, without a word.
void verbanum::ReportError(std::string_view message) {
  check(!message.empty());
  ++reports;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::vector<char> valor(data, data + size);
  valor.push_back('\0');

  auto buffer = blanks(511);
  const std::int32_t n = call(valor, buffer);
  check(n >= 0 && n < 511);
  const auto length = static_cast<std::size_t>(n);
  if (n == 0) {
    check(reports <= 1 && all_blank(buffer, 0));
    return 0;
  }
  check(reports == 0 && buffer[0] == ' ' && all_blank(buffer, length));
  const std::string_view words(buffer.data(), length);
  check(words.find('\0') == std::string_view::npos);

  // Exactly the room needed: the same words.
  auto exact = blanks(length);
  check(call(valor, exact) == n && reports == 0);
  check(std::string_view(exact.data(), length) == words);

  // One byte short: the room message, and the buffer untouched.
  auto tight = blanks(length - 1);
  check(call(valor, tight) == 0 && reports == 1 && all_blank(tight, 0));
  return 0;
}
