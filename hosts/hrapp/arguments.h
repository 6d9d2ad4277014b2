// SPDX-License-Identifier: MIT
#pragma once
// Command-line texts to Variants of a parameter's declared type.

#include <optional>
#include <string>
#include <string_view>

#include "platform/automation/variant.h"
#include "platform/com/dispatch.h"

namespace hrapp {

// The text as a value of the type: null, empty, integers, decimals (with a
// point), dates yyyy-mm-dd [hh:mm[:ss]], true/false, texts; for a Variant a
// JSON array becomes an array (outer index = first dimension, lower bounds 0)
// and a JSON string is always a text. Raises automation::Error 13 with a
// readable description when the text does not convert.
automation::Variant ParseArgument(std::string_view text, com::Type type);

// A JSON value (scalar, 1-D or 2-D array), read by a strict JSON parser.
automation::Variant ParseJson(std::string_view text);

}  // namespace hrapp
