// SPDX-License-Identifier: MIT
#pragma once
// VB-style conversions of Variants, with the runtime's errors:
// Null into a typed value raises 94, text that is no number 13, a value out
// of the target's range 6. Integer conversions round half to even.

#include "platform/export.h"

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/variant.h"

namespace automation {

QV_EXPORT std::int16_t CInt(const Variant& v);
QV_EXPORT std::int32_t CLng(const Variant& v);
QV_EXPORT std::int64_t CLngLng(const Variant& v);
QV_EXPORT std::uint8_t CByte(const Variant& v);
QV_EXPORT float CSng(const Variant& v);
QV_EXPORT double CDbl(const Variant& v);
QV_EXPORT bool CBool(const Variant& v);
QV_EXPORT Decimal CDec(const Variant& v);
QV_EXPORT Date CDate(const Variant& v);
// Text form under the regional settings; Empty gives "", Null raises 94.
QV_EXPORT std::string CStr(const Variant& v);

// Number of a text as VB's Val: blanks skipped, the leading number read with
// '.' as decimal point, 0 when there is none ("34,9" gives 34).
QV_EXPORT double Val(std::string_view text);
// Largest whole number not above x.
QV_EXPORT double Int(double x);
// x without its fraction (toward zero).
QV_EXPORT double Fix(double x);
// x rounded to `decimals` places, half to even.
QV_EXPORT double Round(double x, int decimals = 0);

// Format of a date ("yyyy/mm/dd", "hh:mm", "dd/mm/yyyy", "hh:mm:ss") or of a
// number ("0.00", "0"): the pattern's '/' and ':' are the regional separators,
// its '.' the regional decimal separator.
QV_EXPORT std::string Format(const Variant& v, std::string_view pattern);
// Month name (1 to 12) in the regional language; abbreviated gives 3 letters.
QV_EXPORT std::string MonthName(int month, bool abbreviated = false);

// VB's IsNumeric / IsDate: whether CDbl / CDate would succeed.
QV_EXPORT bool IsNumeric(const Variant& v);
QV_EXPORT bool IsDate(const Variant& v);

// Text of a double with up to 15 significant digits (a single with 7),
// the regional decimal separator, no grouping, E notation where VB uses it.
QV_EXPORT std::string DoubleToString(double x);
QV_EXPORT std::string SingleToString(float x);

}  // namespace automation
