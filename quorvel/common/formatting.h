// SPDX-License-Identifier: MIT
#pragma once
// Values as the statements write them: fFormataNumeroSql, fFormataDataSql,
// fFormataHoraSql.

#include <string>

#include "platform/automation/variant.h"

namespace quorvel {

// Null gives ""; otherwise the value's text with every "," replaced by ".".
std::string fFormataNumeroSql(const automation::Variant& value);
// Null gives ""; otherwise "yyyy/mm/dd" with the regional date separator.
std::string fFormataDataSql(const automation::Variant& value);
// Null gives ""; otherwise "hh:mm" with the regional time separator.
std::string fFormataHoraSql(const automation::Variant& value);

}  // namespace quorvel
