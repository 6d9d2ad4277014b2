// SPDX-License-Identifier: MIT
#pragma once
// Regional settings in one place, defaulting to the Brazilian setting.

#include "platform/export.h"

#include <array>
#include <string>

namespace automation {

struct QV_EXPORT RegionalSettings {
  std::string decimal_separator = ",";
  std::string thousands_separator = ".";
  std::string date_separator = "/";
  std::string time_separator = ":";
  // Order of the short date: 'd','m','y' (Brazil: dd/mm/yyyy).
  std::string short_date_order = "dmy";
  std::array<std::string, 12> month_names{"janeiro", "fevereiro", "março", "abril", "maio", "junho",
                                          "julho", "agosto", "setembro", "outubro", "novembro", "dezembro"};
  // Sunday first, as the runtime numbers weekdays.
  std::array<std::string, 7> day_names{"domingo", "segunda-feira", "terça-feira", "quarta-feira",
                                       "quinta-feira", "sexta-feira", "sábado"};
  // Texts of the booleans in CStr (the English runtime's).
  std::string true_text = "True";
  std::string false_text = "False";

  static RegionalSettings brazil() { return {}; }
};

// The settings in force. Tests may replace them with ScopedRegionalSettings.
QV_EXPORT const RegionalSettings& regional();

class QV_EXPORT ScopedRegionalSettings {
 public:
  explicit ScopedRegionalSettings(RegionalSettings s);
  ~ScopedRegionalSettings();
  ScopedRegionalSettings(const ScopedRegionalSettings&) = delete;
  ScopedRegionalSettings& operator=(const ScopedRegionalSettings&) = delete;

 private:
  RegionalSettings previous_;
};

}  // namespace automation
