// SPDX-License-Identifier: MIT
#pragma once
// extenso's word tables (Windows-1252; every word begins with a blank).

#include <string_view>

namespace verbanum {

struct ScaleWords {
  std::string_view singular;
  std::string_view plural;
};

struct WordTables {
  std::string_view units[20];    // 0 empty, 1..19 "um" .. "dezenove"
  std::string_view tens[10];     // 0 and 1 empty, 2..9 "vinte" .. "noventa"
  std::string_view hundreds[10];  // 0 empty, 1..9 "cento" .. "novecentos"
  ScaleWords scales[6];          // by group of three digits from the right
};

// Filled by inicializa_tabelas when the library loads; read-only afterwards.
extern WordTables tabelas;
void inicializa_tabelas();

}  // namespace verbanum
