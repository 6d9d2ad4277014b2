// SPDX-License-Identifier: MIT
#include "quorvel/common/column_table.h"

namespace quorvel::sql {

namespace {

constexpr std::string_view kSeparator = ", ";

std::string_view Or(const std::optional<std::string_view>& given, std::string_view usual) {
  return given ? *given : usual;
}

}  // namespace

std::string Insert(std::string_view table, std::span<const ColumnValue> columns, const Ends& ends) {
  std::string names = "INSERT INTO ";
  names += table;
  names += " (";
  std::string values = "VALUES (";
  for (std::size_t i = 0; i < columns.size(); ++i) {
    const ColumnValue& c = columns[i];
    if (i > 0) {
      const Layout& before = columns[i - 1].layout;
      names += Or(before.after_listed, kSeparator);
      values += Or(before.after_value, kSeparator);
    }
    names += Or(c.layout.listed, c.column);
    if (c.gap == kBlank) values += ' ';
    values += c.literal;
  }
  names += ends.names;
  values += ends.values;
  return names + values;
}

std::string Update(std::string_view table, std::span<const ColumnValue> columns, std::string_view where,
                   const Ends& ends) {
  std::string statement = "UPDATE ";
  statement += table;
  statement += " SET ";
  const ColumnValue* previous = nullptr;
  for (const ColumnValue& c : columns) {
    if (c.layout.insert_only) continue;
    if (previous) statement += Or(previous->layout.after_set, kSeparator);
    statement += c.column;
    statement += Or(c.layout.assign, " = ");
    statement += c.literal;
    previous = &c;
  }
  statement += ends.set;
  statement += where;
  return statement;
}

}  // namespace quorvel::sql
