// SPDX-License-Identifier: MIT
#include "quorvel/common/formatting.h"

#include "platform/automation/convert.h"

namespace quorvel {

std::string fFormataNumeroSql(const automation::Variant& value) {
  if (value.is_null()) return {};
  std::string text = automation::CStr(value);
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  return text;
}

std::string fFormataDataSql(const automation::Variant& value) {
  if (value.is_null()) return {};
  return automation::Format(value, "yyyy/mm/dd");
}

std::string fFormataHoraSql(const automation::Variant& value) {
  if (value.is_null()) return {};
  return automation::Format(value, "hh:mm");
}

}  // namespace quorvel
