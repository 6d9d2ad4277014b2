// SPDX-License-Identifier: MIT
#pragma once
// Whole-record inserts and updates, both written from one table of columns:
// each column's name, its literal, and the blanks and separators around it in
// the two statements. A class keeps only its own table.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::sql {

// The statement a table of columns is made for, where a literal is written
// differently in the two.
enum Write { kInsert, kUpdate };

// Whether the VALUES list puts a blank between the separator and the literal.
enum Gap { kTight, kBlank };

// What a column changes of the usual form. A separator is the text after the
// column when another column follows it in that statement; the statement's
// Ends close the lists.
struct Layout {
  std::optional<std::string_view> listed = {};        // the name in the insert's column list
  std::optional<std::string_view> after_listed = {};  // ", " after the name in the column list
  std::optional<std::string_view> after_value = {};   // ", " after the literal in VALUES
  std::optional<std::string_view> assign = {};        // " = " between the name and the literal in SET
  std::optional<std::string_view> after_set = {};     // ", " after the assignment in SET
  bool insert_only = false;                           // not in the update (the key, say)
};
inline constexpr Layout kInsertOnly{.insert_only = true};

// One column of the table with its literal.
struct ColumnValue {
  std::string_view column;
  std::string literal;
  Gap gap = kTight;
  Layout layout = {};
};

// A class's columns in table order, each with its literal.
using ColumnTable = std::vector<ColumnValue>;

// The texts that close the lists.
struct Ends {
  std::string_view names = ") ";   // the insert's column list, before VALUES
  std::string_view values = ") ";  // the insert's VALUES list, the end of the statement
  std::string_view set = " ";      // the update's SET list, before its condition
};

// "INSERT INTO table (a, b) VALUES ( 1, 'x') ", every column in table order.
std::string Insert(std::string_view table, std::span<const ColumnValue> columns, const Ends& ends = {});
// "UPDATE table SET a = 1, b = 'x' " and then `where`, the insert-only columns left out.
std::string Update(std::string_view table, std::span<const ColumnValue> columns, std::string_view where,
                   const Ends& ends = {});

}  // namespace quorvel::sql
