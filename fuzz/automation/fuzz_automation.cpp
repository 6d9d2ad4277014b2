// SPDX-License-Identifier: MIT
// The automation text parsers (CDbl, CDate, Val, the integer conversions and
// Format patterns) and the UTF-8 / Windows-1252 functions on any byte string: no crash, no
// sanitizer report, only the runtime's own errors, and the round trips hold.
// The first byte picks the regional setting (Brazilian or point-decimal).

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/automation/convert.h"
#include "platform/automation/date.h"
#include "platform/automation/error.h"
#include "platform/automation/regional.h"
#include "platform/automation/text.h"

namespace {

using namespace automation;

void check(bool ok) {
  if (!ok) std::abort();
}

// Runs f; an automation error must be one of the numbers a text can raise.
template <class F>
bool succeeds(F&& f) {
  try {
    f();
    return true;
  } catch (const Error& e) {
    check(e.number() == err::kTypeMismatch || e.number() == err::kOverflow);
    return false;
  }
}

RegionalSettings point_decimal() {
  RegionalSettings r;
  r.decimal_separator = ".";
  r.thousands_separator = ",";
  r.short_date_order = "mdy";
  return r;
}

void numbers(const std::string& text) {
  const Variant v(text);
  double x = 0;
  const bool number = succeeds([&] { x = CDbl(v); });
  check(IsNumeric(v) == number);
  if (number) {
    check(!std::isnan(x));
    // The text form reads back within its 15 digits.
    if (std::fabs(x) < 1e308) {
      const double back = CDbl(CStr(x));
      check(std::fabs(back - x) <= std::fabs(x) * 1e-14);
    }
  }
  succeeds([&] { CInt(v); });
  succeeds([&] { CLng(v); });
  succeeds([&] { CByte(v); });
  succeeds([&] { CSng(v); });
  succeeds([&] { CDec(v); });
  succeeds([&] { check(!std::isnan(Val(text))); });
}

void dates(const std::string& text) {
  const Variant v(text);
  Date d{};
  const bool date = succeeds([&] { d = CDate(v); });
  check(IsDate(v) == date);
  if (date) {
    // The text form reads back as the same date and time.
    const DateParts parts = SplitDate(d);
    check(SplitDate(CDate(CStr(d))) == parts);
    check(Format(d, "yyyy/mm/dd hh:mm:ss").size() == 19);
  }
}

// The text as a Format pattern, and as a value under the patterns the system uses.
void formats(const std::string& text) {
  check(succeeds([&] { Format(Date{45351.5 + 59.0 / 86400}, text); }));
  check(succeeds([&] { Format(-1234.5678, text); }));
  succeeds([&] { Format(Variant(text), "0.00"); });
  succeeds([&] { Format(Variant(text), "yyyy/mm/dd"); });
}

void texts(std::string_view bytes) {
  const std::string utf8 = Cp1252ToUtf8(bytes);
  check(IsValidUtf8(utf8));
  check(Utf8ToCp1252(utf8) == bytes);
  const std::string upper = UCase(bytes);
  const std::string lower = LCase(bytes);
  if (IsValidUtf8(bytes)) {
    check(IsValidUtf8(upper) && IsValidUtf8(lower));
    check(UCase(upper) == upper);
    check(Utf8ToCp1252(bytes).size() <= bytes.size());
  }
  check(Trim(bytes).size() <= bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool point = (data[0] & 1) != 0;
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  if (point) {
    ScopedRegionalSettings pin(point_decimal());
    numbers(text);
    dates(text);
    formats(text);
  } else {
    numbers(text);
    dates(text);
    formats(text);
  }
  texts(text);
  return 0;
}
