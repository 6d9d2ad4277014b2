// SPDX-License-Identifier: MIT
#include "verbanum/extenso.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <memory>
#include <new>
#include <string_view>

#include "verbanum/cp1252.h"
#include "verbanum/report.h"
#include "verbanum/tables.h"

namespace verbanum {
namespace {

constexpr auto kNadaAConverter = Cp1252("Nada a converter");
constexpr auto kErroAlocacao = Cp1252("Erro na alocação de memória");
constexpr auto kNenhumValor = Cp1252("Nenhum valor foi informado");
constexpr auto kNaoNumericos = Cp1252("Há caracteres não numéricos no texto");
constexpr auto kPontuacao = Cp1252("Pontuação incorreta");
constexpr auto kMuitoGrande = Cp1252("Número muito grande");
constexpr auto kEspaco = Cp1252("Espaço insuficiente para o valor por extenso");

constexpr std::string_view kCem = " cem";
constexpr std::string_view kE = " e";
constexpr std::string_view kVirgula = ",";
constexpr std::string_view kReal = " real";
constexpr std::string_view kReais = " reais";
constexpr std::string_view kDe = " de";
constexpr std::string_view kCentavo = " centavo";
constexpr std::string_view kCentavos = " centavos";
constexpr std::string_view kDeReal = " de real";

constexpr std::size_t kResultCapacity = 512;
constexpr int kGroups = 6;
constexpr std::size_t kMaxDigits = 3 * kGroups;

// The words of one call; appending stops at the capacity.
class Words {
 public:
  void append(std::string_view word) {
    const std::size_t n = std::min(word.size(), kResultCapacity - size_);
    if (n == 0) return;  // empty table entries have no data pointer
    std::memcpy(text_.data() + size_, word.data(), n);
    size_ += n;
  }
  bool empty() const { return size_ == 0; }
  std::string_view view() const { return {text_.data(), size_}; }

 private:
  std::array<char, kResultCapacity> text_;
  std::size_t size_ = 0;
};

// One group of three digits: hundreds, tens, units.
struct Group {
  int c = 0;
  int t = 0;
  int u = 0;
  bool plural = false;
  bool hundred = false;  // exactly one hundred
  bool teens = false;    // tens and units are one word of the units table
  bool first = false;    // the lowest non-zero group of an amount without centavos
  bool nonzero() const { return c != 0 || t != 0 || u != 0; }
};

bool is_digit(char c) { return c >= '0' && c <= '9'; }

std::int32_t fail(std::string_view message) {
  ReportError(message);
  return 0;
}

// At most three characters before the first dot, exactly three after each dot.
bool dots_in_place(std::string_view text) {
  std::size_t dot = text.find('.');
  if (dot == std::string_view::npos) return true;
  if (dot > 3) return false;
  while (dot != std::string_view::npos) {
    const std::size_t next = text.find('.', dot + 1);
    const std::size_t end = next == std::string_view::npos ? text.size() : next;
    if (end - dot - 1 != 3) return false;
    dot = next;
  }
  return true;
}

// Tens and units of one group or of the centavos.
void append_tens_units(Words& words, int t, int u, bool teens) {
  if (teens) {
    words.append(tabelas.units[10 * t + u]);
    return;
  }
  words.append(tabelas.tens[t]);
  if (u > 0) {
    words.append(kE);
    words.append(tabelas.units[u]);
  }
}

std::int32_t convert(const char* valor, char* buffer) {
  Words words;
  if (valor == nullptr || *valor == '\0') return fail(kNadaAConverter.view());

  const std::size_t length = std::strlen(valor);
  std::unique_ptr<char[]> copy;
  try {
    copy = std::make_unique_for_overwrite<char[]>(length + 1);
  } catch (const std::bad_alloc&) {
    return fail(kErroAlocacao.view());
  }
  std::memcpy(copy.get(), valor, length + 1);
  std::string_view text(copy.get(), length);

  // Drop what is not a digit at both ends, except a comma just before the
  // first digit: that is the decimal comma of an amount without integer part.
  const auto digit = [](char c) { return is_digit(c); };
  const auto first = std::find_if(text.begin(), text.end(), digit);
  if (first == text.end()) return fail(kNenhumValor.view());
  auto begin = first;
  if (first != text.begin() && *(first - 1) == ',') --begin;
  const auto last = std::find_if(text.rbegin(), text.rend(), digit).base();
  text = std::string_view(&*begin, static_cast<std::size_t>(last - begin));

  // Centavos: the two characters after the first comma ("5" means 50).
  int cent_t = 0;
  int cent_u = 0;
  const std::size_t comma = text.find(',');
  if (comma != std::string_view::npos && comma + 1 < text.size()) {
    const char a = text[comma + 1];
    const char b = comma + 2 < text.size() ? text[comma + 2] : '0';
    text = text.substr(0, comma);
    if (!is_digit(a) || !is_digit(b)) return fail(kNaoNumericos.view());
    cent_t = a - '0';
    cent_u = b - '0';
  }
  const bool centavos = cent_t != 0 || cent_u != 0;
  const bool centavos_plural = cent_t >= 1 || cent_u >= 2;

  if (!dots_in_place(text)) return fail(kPontuacao.view());

  std::array<char, kMaxDigits> integer;
  std::size_t count = 0;
  for (const char c : text) {
    if (c == '.') continue;
    if (count == kMaxDigits) return fail(kMuitoGrande.view());
    integer[count++] = c;
  }
  std::array<int, kMaxDigits> digits{};  // digits[0] is the units digit
  bool zero = true;
  for (std::size_t i = 0; i < count; ++i) {
    const char c = integer[count - 1 - i];
    if (!is_digit(c)) return fail(kNaoNumericos.view());
    digits[i] = c - '0';
    zero = zero && c == '0';
  }

  std::array<Group, kGroups> groups;
  bool reais_plural = false;
  bool first_set = centavos;
  for (int h = 0; h < kGroups; ++h) {
    Group& g = groups[h];
    g.u = digits[3 * h];
    g.t = digits[3 * h + 1];
    g.c = digits[3 * h + 2];
    g.plural = g.u >= 2 || g.t >= 1 || g.c >= 1;
    g.hundred = g.c == 1 && g.t == 0 && g.u == 0;
    g.teens = g.t < 2;
    if (!first_set && g.nonzero()) g.first = first_set = true;
    reais_plural = reais_plural || g.plural || (h > 0 && g.nonzero());
  }
  const bool want_de = !groups[0].nonzero() && !groups[1].nonzero();

  if (!zero) {
    for (int h = kGroups - 1; h >= 0; --h) {
      const Group& g = groups[h];
      if (!words.empty() && g.nonzero()) {
        if (g.first || h == 0) {
          words.append(g.c > 0 && (g.t > 0 || g.u > 0) ? kVirgula : kE);
        } else {
          words.append(kVirgula);
        }
      }
      words.append(g.hundred ? kCem : tabelas.hundreds[g.c]);
      if (g.c > 0 && (g.t > 0 || g.u > 0)) words.append(kE);
      append_tens_units(words, g.t, g.u, g.teens);
      if (g.nonzero()) words.append(g.plural ? tabelas.scales[h].plural : tabelas.scales[h].singular);
    }
    if (!reais_plural) {
      words.append(kReal);
    } else {
      if (want_de) words.append(kDe);
      words.append(kReais);
    }
  }

  if (centavos) {
    if (!zero) words.append(kE);
    append_tens_units(words, cent_t, cent_u, cent_t < 2);
    words.append(centavos_plural ? kCentavos : kCentavo);
    if (zero) words.append(kDeReal);
  }

  copy.reset();
  const std::string_view result = words.view();
  if (result.empty()) return 0;
  // Room: the caller's text must be at least as long as the words.
  if (buffer == nullptr || std::memchr(buffer, '\0', result.size()) != nullptr) {
    return fail(kEspaco.view());
  }
  std::memcpy(buffer, result.data(), result.size());
  return static_cast<std::int32_t>(result.size());
}

}  // namespace
}  // namespace verbanum

extern "C" int32_t extenso(const char* valor, char* buffer) {
  try {
    return verbanum::convert(valor, buffer);
  } catch (...) {
    return 0;  // nothing may leave a C entry point
  }
}
