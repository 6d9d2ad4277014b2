// SPDX-License-Identifier: MIT
#pragma once
// Shared state of the ado classes (internal to the library).

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/ado/ado.h"
#include "platform/ado/odbc.h"

namespace ado {

// One ODBC connection. Record sets share it, so it outlives the Connection
// object while one of them is alive; Close frees their statements first.
struct ConnState {
  std::shared_ptr<odbc::Handle> env;
  odbc::Handle dbc;
  bool connected = false;
  bool wide = false;  // a Unicode driver: statements and texts in UTF-16
  bool in_transaction = false;
  SQLUINTEGER getdata_extensions = 0;  // SQL_GD_* of the driver
  std::vector<Recordset::Impl*> open_sets;

  ~ConnState();
  void Disconnect() noexcept;
};

// How a column's value is fetched into the row buffer.
enum class Reader : std::uint8_t {
  Short, Long, BigInt, Byte, Single, Double, Decimal, Date, Time, Timestamp, Bit, Text,
};

struct Column {
  std::string name;
  DataType type = DataType::adEmpty;
  Reader reader = Reader::Text;
  SQLSMALLINT sql_type = 0;
  SQLULEN size = 0;
  SQLSMALLINT nullable = SQL_NULLABLE_UNKNOWN;

  // Bound columns are filled by SQLFetch; the others are read with SQLGetData.
  bool shadowed = false;  // an earlier column has the same name
  bool bound = false;
  SQLLEN indicator = 0;
  alignas(8) unsigned char fixed[32] = {};  // a bound number, date or time
  std::vector<SQLWCHAR> wide;               // a bound text (Unicode driver)
  std::vector<char> narrow;                 // a bound text or numeric text
};

struct Recordset::Impl {
  Impl(std::shared_ptr<ConnState> conn, odbc::Handle stmt, std::string statement);
  ~Impl();

  // Reads the columns' descriptions and moves to the first row.
  void Start();
  // Fetches the next row into the buffer (EOF after the last).
  void Fetch();
  // Frees the statement; the record set is closed.
  void Release() noexcept;
  const Variant& Value(std::size_t index) const;
  std::size_t Find(std::string_view name) const;  // npos when absent
  void CheckOpen() const;
  int Attributes(std::size_t index);

  std::shared_ptr<ConnState> conn;
  odbc::Handle stmt;
  std::string statement;
  std::vector<Column> columns;
  std::vector<Variant> row;
  bool eof = true;
  bool moved = false;  // MoveNext since the statement ran
  bool nullability_known = false;
  mutable std::size_t next_hint = 0;  // where the next look-up by name starts

 private:
  void Describe(SQLSMALLINT count);
  void Bind();
  void ReadRow();
  Variant ReadBound(Column& col, SQLUSMALLINT number);
  Variant ReadText(SQLUSMALLINT column, bool decimal);
  void LearnNullability();
  std::vector<SQLWCHAR> wide_buffer_;
  odbc::WideString wide_text_;
  std::vector<char> narrow_buffer_;
};

// Statement trace (trace.cpp): a statement sent, a failure's message.
void TraceStatement(std::string_view statement);
void TraceFailure(std::string_view message);

}  // namespace ado
