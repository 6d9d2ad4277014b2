// SPDX-License-Identifier: MIT
#pragma once
// The mechanics of the record methods: the error trap, execution, the three
// result arrays, copying fields into typed out-parameters, the next key.

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/ado.h"
#include "platform/automation/variant.h"
#include "quorvel/common/errors.h"

namespace quorvel {

using automation::Variant;

// The error trap of a public method: runs body; any failure (the record set
// already released as the body unwinds) goes to pTrataErro and the method
// returns normally.
template <class Body>
void Trapped(std::string& DescErr, Body&& body) {
  try {
    body();
  } catch (...) {
    pTrataErro(DescErr, automation::ErrorOf(std::current_exception()));
  }
}

// The same with a step of the method's own between the release and pTrataErro.
template <class Body, class OnError>
void Trapped(std::string& DescErr, Body&& body, OnError&& on_error) {
  try {
    body();
  } catch (...) {
    const ErrObject err = automation::ErrorOf(std::current_exception());
    on_error(err);
    pTrataErro(DescErr, err);
  }
}

using RecordsetPtr = std::unique_ptr<ado::Recordset>;

// Runs a row-returning statement; the record set is released when the pointer goes.
RecordsetPtr Open(ado::Connection& ConnRH, std::string_view statement);
// Runs a statement and releases at once whatever it returned.
void Execute(ado::Connection& ConnRH, std::string_view statement);

// The current record of a list or fetch; each field name is looked up once
// (as Fields(name) does: case-insensitive, the first of equal names) and
// then read by position. An unknown name raises 3265 when it is read.
class Record {
 public:
  explicit Record(const ado::Recordset& rs) : rs_(rs) {}
  const Variant& Field(std::string_view name);

 private:
  struct Known {
    std::string_view name;
    std::size_t position;
  };
  const ado::Recordset& rs_;
  std::vector<Known> known_;
  std::size_t next_ = 0;  // rows read their fields in the same order: the likely next look-up
};

// One column of a result array: its caption, the field read under it (the
// caption when empty), or a value computed from the current record.
struct Column {
  std::string_view caption;
  std::string_view field = {};
  Variant (*compute)(Record& record) = nullptr;
};

// ListArray: runs the statement, then makes vlArray (0 To n-1, 0 To 0) with the
// captions and adds one row per record. On a failure vlArray keeps what was written.
void LoadList(ado::Connection& ConnRH, std::string_view statement, Variant& vlArray,
              std::span<const Column> columns);
// ListArray as wide as the record set has fields: the given columns first,
// any further column Empty in every row, the caption row included. A record
// set with fewer fields than columns raises 9 before vlArray is touched.
void LoadWideList(ado::Connection& ConnRH, std::string_view statement, Variant& vlArray,
                  std::span<const Column> columns);
// ListArray of a fixed `width`: the given columns, then Empty columns (caption
// row included) up to width, whatever the record set holds.
void LoadList(ado::Connection& ConnRH, std::string_view statement, Variant& vlArray,
              std::span<const Column> columns, std::size_t width);
// The same where the caller gives some cells itself, with state of its own (a
// second connection, say): `cell` is asked for column i of each row, in column
// order, and gives its value, or nothing to read the column as above.
using CellFunction = std::function<std::optional<Variant>(Record& record, std::size_t column)>;
void LoadList(ado::Connection& ConnRH, std::string_view statement, Variant& vlArray,
              std::span<const Column> columns, const CellFunction& cell);
// ComboArray: vlArray becomes one Empty element, then each record's field is
// stored at the last index and the array grows by one.
void LoadCombo(ado::Connection& ConnRH, std::string_view statement, Variant& vlArray, std::string_view field);
// RecordArray: (0 To n-1, 0 To 1), captions in row 0, the current record in row 1
// (no end-of-file test: without a record the first read raises 3021).
void FillRecord(const ado::Recordset& rs, Variant& vlArray, std::span<const Column> columns);

// A field of the current record into a typed out-parameter: the out-parameter
// is written only when the value converts (94 for Null, 3021 without a
// record, 6 out of range, 13 no number).
void Copy(const ado::Recordset& rs, std::string_view field, std::string& out);
void Copy(const ado::Recordset& rs, std::string_view field, std::int32_t& out);
void Copy(const ado::Recordset& rs, std::string_view field, std::int16_t& out);
void Copy(const ado::Recordset& rs, std::string_view field, std::uint8_t& out);
void Copy(const ado::Recordset& rs, std::string_view field, double& out);
void Copy(const ado::Recordset& rs, std::string_view field, float& out);
void Copy(const ado::Recordset& rs, std::string_view field, automation::Date& out);
void Copy(const ado::Recordset& rs, std::string_view field, bool& out);
void Copy(const ado::Recordset& rs, std::string_view field, Variant& out);  // raw, Null included

// Copies that take a Null field: Copy for any other value (a missing record
// or field fails as there). CopyOrEmpty writes the out-parameter's empty
// value for Null ("" or 0); CopyUnlessNull leaves it as it was.
template <class T>
void CopyOrEmpty(const ado::Recordset& rs, std::string_view field, T& out) {
  if (rs.Fields(field).Value().is_null()) {
    out = T{};
  } else {
    Copy(rs, field, out);
  }
}
template <class T>
void CopyUnlessNull(const ado::Recordset& rs, std::string_view field, T& out) {
  if (!rs.Fields(field).Value().is_null()) Copy(rs, field, out);
}

// Val(CStr(x)): x written in the regional number format and read back as Val
// does, so that under a decimal comma the reading stops at the comma.
double ReadBackAsText(double x);

// fProxCodigo: runs "SELECT MAX(key) AS MaxCod FROM table" and gives 1 on an
// empty table, else MaxCod + 1 as a 32-bit integer. A failure (overflow
// included) takes the error path and gives no key.
std::optional<std::int32_t> NextKey(ado::Connection& ConnRH, std::string& DescErr, std::string_view statement);

}  // namespace quorvel
