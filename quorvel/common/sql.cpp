#include "quorvel/common/sql.h"

#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "platform/automation/regional.h"
#include "platform/automation/text.h"
#include "quorvel/common/module1.h"

namespace quorvel::sql {

std::string Quote(std::string_view text) {
  std::string out;
  out.reserve(text.size() + 2);
  out += '\'';
  for (const char c : text) {
    out += c;
    if (c == '\'') out += '\'';
  }
  out += '\'';
  return out;
}

std::string QuoteUpper(std::string_view text) { return Quote(automation::UCase(text)); }

std::string Text(const Variant& value) { return Quote(automation::CStr(value)); }

std::string UpperText(const Variant& value) { return QuoteUpper(automation::CStr(value)); }

std::string Number(const Variant& value) {
  using automation::VarType;
  switch (value.type()) {
    case VarType::Integer: return std::to_string(*value.get_if<std::int16_t>());
    case VarType::Long: return std::to_string(*value.get_if<std::int32_t>());
    case VarType::LongLong: return std::to_string(*value.get_if<std::int64_t>());
    case VarType::Byte: return std::to_string(*value.get_if<std::uint8_t>());
    case VarType::Boolean: return *value.get_if<bool>() ? "-1" : "0";
    case VarType::Decimal:
      return value.get_if<automation::Decimal>()->text;
    case VarType::Single:
    case VarType::Double:
      return fFormataNumeroSql(value);
    case VarType::String: {
      if (value.as_string().empty()) automation::raise(automation::err::kTypeMismatch);
      return fFormataNumeroSql(automation::CDbl(value));
    }
    default:
      // Empty, Null, dates, objects and arrays are no numbers here.
      automation::raise(automation::err::kTypeMismatch);
  }
}

std::string OptionalNumber(const Variant& value) { return value.is_null() ? "Null" : Number(value); }

std::string Date(const Variant& value) { return Quote(fFormataDataSql(automation::CDate(value))); }

std::string OptionalDate(const Variant& value) { return value.is_null() ? "Null" : Date(value); }

std::string Single(float value) {
  std::string text = automation::SingleToString(value);
  const std::string& separator = automation::regional().decimal_separator;
  if (separator != ".") {
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, at + 1))
      text.replace(at, separator.size(), ".");
  }
  return "csng(" + Quote(text) + ")";
}

void Filter::Add(const Variant& value, std::string_view fragment, Literal literal) {
  if (value.is_null()) return;
  std::string condition(fragment);
  condition += literal(value);
  Add(condition);
}

void Filter::Add(std::string_view condition) {
  clause_ += clause_.empty() ? "WHERE " : " AND ";
  clause_ += condition;
}

}  // namespace quorvel::sql
