// SPDX-License-Identifier: MIT
#include "hosts/hrapp/output.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "platform/automation/array.h"
#include "platform/automation/date.h"

namespace hrapp {

using automation::Variant;
using automation::VarType;

namespace {

// A Double with 15 significant digits, a Single with 7, as automation shows them.
std::string Number(double x, int digits = 15) {
  char text[64];
  std::snprintf(text, sizeof text, "%.*g", digits, x);
  return text;
}

std::string DateText(automation::Date d) {
  const automation::DateParts p = automation::SplitDate(d);
  char text[32];
  if (p.hour == 0 && p.minute == 0 && p.second == 0) {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", p.year, p.month, p.day);
  } else {
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", p.year, p.month, p.day, p.hour, p.minute,
                  p.second);
  }
  return text;
}

// UTF-8 characters, for alignment.
std::size_t Width(const std::string& s) {
  std::size_t n = 0;
  for (const unsigned char c : s) n += (c & 0xC0) != 0x80;
  return n;
}

std::string Bounds(const automation::VariantArray& a) {
  std::string out = "(";
  for (int d = 1; d <= a.dimensions(); ++d) {
    if (d > 1) out += ", ";
    out += std::to_string(a.lbound(d)) + " To " + std::to_string(a.ubound(d));
  }
  return out + ")";
}

}  // namespace

std::string Cell(const Variant& v) {
  switch (v.type()) {
    case VarType::Empty: return "";
    case VarType::Null: return "Null";
    case VarType::Integer: return std::to_string(*v.get_if<std::int16_t>());
    case VarType::Long: return std::to_string(*v.get_if<std::int32_t>());
    case VarType::LongLong: return std::to_string(*v.get_if<std::int64_t>());
    case VarType::Byte: return std::to_string(*v.get_if<std::uint8_t>());
    case VarType::Single: return Number(*v.get_if<float>(), 7);
    case VarType::Double: return Number(*v.get_if<double>());
    case VarType::Decimal: return v.get_if<automation::Decimal>()->text;
    case VarType::Date: return DateText(*v.get_if<automation::Date>());
    case VarType::String: return v.as_string();
    case VarType::Boolean: return *v.get_if<bool>() ? "True" : "False";
    case VarType::Object: return "(object)";
    case VarType::Array: return "array " + Bounds(v.as_array());
  }
  return "?";
}

std::string Describe(const Variant& v) {
  if (v.is_empty()) return "Empty";
  if (v.is_string()) return "\"" + v.as_string() + "\"";
  return Cell(v);
}

void PrintTable(std::ostream& out, const Variant& array, std::string_view indent) {
  const automation::VariantArray& a = array.as_array();
  std::vector<std::vector<std::string>> rows;
  if (a.dimensions() == 1) {
    for (long i = a.lbound(1); i <= a.ubound(1); ++i) rows.push_back({std::to_string(i), Cell(a.at(i))});
  } else if (a.dimensions() == 2 && a.ubound(2) - a.lbound(2) == 1 && a.ubound(1) - a.lbound(1) >= 15) {
    // A whole record (captions and one row of 16 columns or more): one line per column.
    for (long c = a.lbound(1); c <= a.ubound(1); ++c)
      rows.push_back({Cell(a.at(c, a.lbound(2))), Cell(a.at(c, a.ubound(2)))});
  } else if (a.dimensions() == 2) {
    for (long r = a.lbound(2); r <= a.ubound(2); ++r) {
      std::vector<std::string> row;
      for (long c = a.lbound(1); c <= a.ubound(1); ++c) row.push_back(Cell(a.at(c, r)));
      rows.push_back(std::move(row));
    }
  }
  std::vector<std::size_t> widths;
  for (const auto& row : rows) {
    widths.resize(std::max(widths.size(), row.size()));
    for (std::size_t c = 0; c < row.size(); ++c) widths[c] = std::max(widths[c], Width(row[c]));
  }
  for (const auto& row : rows) {
    std::string line(indent);
    for (std::size_t c = 0; c < row.size(); ++c) {
      line += row[c];
      if (c + 1 < row.size()) line += std::string(widths[c] - Width(row[c]) + 2, ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out << line << '\n';
  }
}

}  // namespace hrapp
