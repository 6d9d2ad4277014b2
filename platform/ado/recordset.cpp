// SPDX-License-Identifier: MIT
#include <algorithm>
#include <cstring>
#include <map>
#include <optional>
#include <utility>

#include "platform/ado/ado.h"
#include "platform/ado/state.h"
#include "platform/ado/values.h"
#include "platform/automation/error.h"

namespace ado {
namespace {

constexpr std::string_view kSource = "ADODB.Recordset";

[[noreturn]] void RaiseNoCurrentRecord() {
  automation::raise(automation::err::kNoCurrentRecord,
                    "Either BOF or EOF is True, or the current record has been deleted. "
                    "Requested operation requires a current record.",
                    kSource);
}

[[noreturn]] void RaiseItemNotFound() {
  automation::raise(automation::err::kItemNotFound,
                    "Item cannot be found in the collection corresponding to the requested name or ordinal.",
                    kSource);
}

char Fold(char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Fold(a[i]) != Fold(b[i])) return false;
  }
  return true;
}

struct TypeInfo {
  DataType type;
  Reader reader;
  long fixed_size;  // the byte size of fixed-length kinds, 0 for texts
};

TypeInfo TypeOf(SQLSMALLINT sql_type, bool wide) {
  switch (sql_type) {
    case SQL_SMALLINT: return {DataType::adSmallInt, Reader::Short, 2};
    case SQL_INTEGER: return {DataType::adInteger, Reader::Long, 4};
    case SQL_BIGINT: return {DataType::adBigInt, Reader::BigInt, 8};
    case SQL_TINYINT: return {DataType::adUnsignedTinyInt, Reader::Byte, 1};
    case SQL_REAL: return {DataType::adSingle, Reader::Single, 4};
    case SQL_FLOAT:
    case SQL_DOUBLE: return {DataType::adDouble, Reader::Double, 8};
    case SQL_NUMERIC:
    case SQL_DECIMAL: return {DataType::adNumeric, Reader::Decimal, 19};
    case SQL_BIT: return {DataType::adBoolean, Reader::Bit, 2};
    case SQL_TYPE_DATE:
    case SQL_DATE: return {DataType::adDBDate, Reader::Date, 6};
    case SQL_TYPE_TIME:
    case SQL_TIME: return {DataType::adDBTime, Reader::Time, 6};
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP: return {DataType::adDBTimeStamp, Reader::Timestamp, 16};
    case SQL_CHAR: return {DataType::adChar, Reader::Text, 0};
    case SQL_VARCHAR: return {DataType::adVarChar, Reader::Text, 0};
    case SQL_LONGVARCHAR: return {DataType::adLongVarChar, Reader::Text, 0};
    case SQL_WCHAR: return {DataType::adWChar, Reader::Text, 0};
    case SQL_WVARCHAR: return {DataType::adVarWChar, Reader::Text, 0};
    case SQL_WLONGVARCHAR: return {DataType::adLongVarWChar, Reader::Text, 0};
    case SQL_GUID: return {DataType::adGUID, Reader::Text, 16};
    case SQL_BINARY: return {DataType::adBinary, Reader::Text, 0};
    case SQL_VARBINARY: return {DataType::adVarBinary, Reader::Text, 0};
    case SQL_LONGVARBINARY: return {DataType::adLongVarBinary, Reader::Text, 0};
    default: return {wide ? DataType::adVarWChar : DataType::adVarChar, Reader::Text, 0};
  }
}

}  // namespace

// ---- Recordset::Impl ----------------------------------------------------

Recordset::Impl::Impl(std::shared_ptr<ConnState> c, odbc::Handle s, std::string text)
    : conn(std::move(c)), stmt(std::move(s)), statement(std::move(text)) {
  conn->open_sets.push_back(this);
}

Recordset::Impl::~Impl() { Release(); }

void Recordset::Impl::Release() noexcept {
  if (!stmt) return;
  stmt.reset();
  auto& sets = conn->open_sets;
  sets.erase(std::remove(sets.begin(), sets.end(), this), sets.end());
}

void Recordset::Impl::CheckOpen() const {
  if (!stmt) automation::raise(kObjectClosed, "Operation is not allowed when the object is closed.", kSource);
}

void Recordset::Impl::Start() {
  TraceStatement(statement);
  SQLRETURN rc;
  if (conn->wide) {
    odbc::WideString text = odbc::ToWide(statement);
    rc = SQLExecDirectW(stmt.get(), text.data(), SQLINTEGER(text.size()));
  } else {
    rc = SQLExecDirect(stmt.get(), reinterpret_cast<SQLCHAR*>(statement.data()), SQLINTEGER(statement.size()));
  }
  // SQL_NO_DATA: an UPDATE or DELETE that matched no row.
  if (rc != SQL_NO_DATA) odbc::Check(rc, stmt, conn->wide, kSource);
  moved = false;
  eof = true;

  SQLSMALLINT count = 0;
  if (rc != SQL_NO_DATA) odbc::Check(SQLNumResultCols(stmt.get(), &count), stmt, conn->wide, kSource);
  if (count <= 0) return;
  if (columns.empty()) {
    Describe(count);
    Bind();
  }
  Fetch();
}

// The columns' names, types, sizes and nullability.
void Recordset::Impl::Describe(SQLSMALLINT count) {
  columns.resize(std::size_t(count));
  for (SQLUSMALLINT i = 0; i < SQLUSMALLINT(count); ++i) {
    Column& col = columns[i];
    SQLSMALLINT length = 0, digits = 0;
    if (conn->wide) {
      SQLWCHAR name[512];
      SQLRETURN rc = SQLDescribeColW(stmt.get(), i + 1, name, SQLSMALLINT(std::size(name)), &length,
                                     &col.sql_type, &col.size, &digits, &col.nullable);
      odbc::Check(rc, stmt, true, kSource);
      odbc::AppendUtf8(col.name, name, odbc::Fitting(length, std::size(name) - 1));
    } else {
      SQLCHAR name[1024];
      SQLRETURN rc = SQLDescribeCol(stmt.get(), i + 1, name, SQLSMALLINT(std::size(name)), &length,
                                    &col.sql_type, &col.size, &digits, &col.nullable);
      odbc::Check(rc, stmt, false, kSource);
      col.name.assign(reinterpret_cast<const char*>(name), odbc::Fitting(length, std::size(name) - 1));
    }
    TypeInfo info = TypeOf(col.sql_type, conn->wide);
    col.type = info.type;
    col.reader = info.reader;
    if (info.fixed_size) col.size = SQLULEN(info.fixed_size);
  }
  for (std::size_t i = 0; i < columns.size(); ++i) {
    for (std::size_t j = 0; j < i && !columns[i].shadowed; ++j) {
      columns[i].shadowed = SameName(columns[j].name, columns[i].name);
    }
  }
  row.resize(columns.size());
}

void Recordset::Impl::Fetch() {
  SQLRETURN rc = SQLFetch(stmt.get());
  if (rc == SQL_NO_DATA) {
    eof = true;
    return;
  }
  odbc::Check(rc, stmt, conn->wide, kSource);
  eof = false;
  ReadRow();
}

namespace {

// C type and byte size of the kinds read into a fixed buffer.
struct FixedType {
  SQLSMALLINT c_type;
  SQLLEN size;
};

std::optional<FixedType> FixedOf(Reader reader) {
  switch (reader) {
    case Reader::Short: return FixedType{SQL_C_SSHORT, sizeof(SQLSMALLINT)};
    case Reader::Long: return FixedType{SQL_C_SLONG, sizeof(SQLINTEGER)};
    case Reader::BigInt: return FixedType{SQL_C_SBIGINT, sizeof(SQLBIGINT)};
    case Reader::Byte: return FixedType{SQL_C_UTINYINT, sizeof(SQLCHAR)};
    case Reader::Single: return FixedType{SQL_C_FLOAT, sizeof(SQLREAL)};
    case Reader::Double: return FixedType{SQL_C_DOUBLE, sizeof(SQLDOUBLE)};
    case Reader::Bit: return FixedType{SQL_C_BIT, sizeof(SQLCHAR)};
    case Reader::Date: return FixedType{SQL_C_TYPE_DATE, sizeof(SQL_DATE_STRUCT)};
    case Reader::Time: return FixedType{SQL_C_TYPE_TIME, sizeof(SQL_TIME_STRUCT)};
    case Reader::Timestamp: return FixedType{SQL_C_TYPE_TIMESTAMP, sizeof(SQL_TIMESTAMP_STRUCT)};
    case Reader::Decimal:
    case Reader::Text: break;
  }
  return std::nullopt;
}

template <class T>
T Load(const unsigned char* p) {
  T value;
  std::memcpy(&value, p, sizeof value);
  return value;
}

Variant FromFixed(Reader reader, const unsigned char* p) {
  switch (reader) {
    case Reader::Short: return std::int16_t(Load<SQLSMALLINT>(p));
    case Reader::Long: return std::int32_t(Load<SQLINTEGER>(p));
    case Reader::BigInt: return std::int64_t(Load<SQLBIGINT>(p));
    case Reader::Byte: return std::uint8_t(Load<SQLCHAR>(p));
    case Reader::Single: return float(Load<SQLREAL>(p));
    case Reader::Double: return double(Load<SQLDOUBLE>(p));
    case Reader::Bit: return Load<SQLCHAR>(p) != 0;
    case Reader::Date: {
      auto d = Load<SQL_DATE_STRUCT>(p);
      return values::ToDate(d.year, d.month, d.day, 0, 0, 0, 0);
    }
    case Reader::Time: {
      auto t = Load<SQL_TIME_STRUCT>(p);
      return values::ToTime(t.hour, t.minute, t.second);
    }
    case Reader::Timestamp: {
      auto t = Load<SQL_TIMESTAMP_STRUCT>(p);
      return values::ToDate(t.year, t.month, t.day, t.hour, t.minute, t.second, t.fraction);
    }
    case Reader::Decimal:
    case Reader::Text: break;
  }
  return automation::Null;
}

// Texts of at most this many characters are bound; longer ones are read in chunks.
constexpr SQLULEN kBindableText = 1024;

bool IsShortText(SQLSMALLINT sql_type) {
  return sql_type == SQL_CHAR || sql_type == SQL_VARCHAR || sql_type == SQL_WCHAR || sql_type == SQL_WVARCHAR;
}

// Reads a column through SQLGetData in chunks; `append` takes each chunk of
// `units` characters.
template <class Char, class Append>
bool ReadChunks(const odbc::Handle& stmt, bool wide, SQLUSMALLINT column, SQLSMALLINT c_type,
                std::vector<Char>& buffer, Append append) {
  if (buffer.size() < 512) buffer.resize(512);
  for (;;) {
    SQLLEN indicator = 0;
    SQLRETURN rc = SQLGetData(stmt.get(), column, c_type, buffer.data(), SQLLEN(buffer.size() * sizeof(Char)),
                              &indicator);
    if (rc == SQL_NO_DATA) return true;
    odbc::Check(rc, stmt, wide, kSource);
    if (indicator == SQL_NULL_DATA) return false;
    const std::size_t capacity = buffer.size() - 1;  // room for the terminator
    const bool known = indicator != SQL_NO_TOTAL;
    const std::size_t total = known ? std::size_t(indicator) / sizeof(Char) : capacity + 1;
    const std::size_t units = std::min(total, capacity);
    append(buffer.data(), units);
    if (rc == SQL_SUCCESS || units == total) return true;
    // Truncated: the rest comes with the next call.
    if (known && total - units + 1 > buffer.size()) buffer.resize(total - units + 1);
  }
}

}  // namespace

// Binds what SQLFetch can fill: numbers, dates, times and short texts.
// Without SQL_GD_ANY_COLUMN, SQLGetData may only follow the last bound column,
// so binding stops at the first column that is read with SQLGetData.
void Recordset::Impl::Bind() {
  const SQLUINTEGER extensions = conn->getdata_extensions;
  const bool any_column = extensions & SQL_GD_ANY_COLUMN;
  const bool reread = extensions & SQL_GD_BOUND;  // a truncated bound text is read again
  for (std::size_t i = 0; i < columns.size(); ++i) {
    Column& col = columns[i];
    const auto number = SQLUSMALLINT(i + 1);
    SQLRETURN rc = SQL_ERROR;
    if (auto fixed = FixedOf(col.reader)) {
      rc = SQLBindCol(stmt.get(), number, fixed->c_type, col.fixed, fixed->size, &col.indicator);
    } else if (reread && col.size > 0 && col.size <= kBindableText &&
               (col.reader == Reader::Decimal || IsShortText(col.sql_type))) {
      if (col.reader == Reader::Decimal) {
        col.narrow.resize(col.size + 4);  // sign, point, leading zero, terminator
        rc = SQLBindCol(stmt.get(), number, SQL_C_CHAR, col.narrow.data(), SQLLEN(col.narrow.size()), &col.indicator);
      } else if (conn->wide) {
        col.wide.resize(col.size * 2 + 1);  // characters beyond the BMP take two units
        rc = SQLBindCol(stmt.get(), number, SQL_C_WCHAR, col.wide.data(), SQLLEN(col.wide.size() * sizeof(SQLWCHAR)),
                        &col.indicator);
      } else {
        col.narrow.resize(col.size * 4 + 1);  // UTF-8 bytes
        rc = SQLBindCol(stmt.get(), number, SQL_C_CHAR, col.narrow.data(), SQLLEN(col.narrow.size()), &col.indicator);
      }
    }
    col.bound = odbc::Succeeded(rc);
    if (!col.bound && !any_column) break;
  }
}

void Recordset::Impl::ReadRow() {
  const bool wide = conn->wide;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    Column& col = columns[i];
    const auto number = SQLUSMALLINT(i + 1);
    Variant& cell = row[i];
    if (col.bound) {
      cell = ReadBound(col, number);
    } else if (auto fixed = FixedOf(col.reader)) {
      alignas(8) unsigned char value[32];
      SQLLEN indicator = 0;
      odbc::Check(SQLGetData(stmt.get(), number, fixed->c_type, value, fixed->size, &indicator), stmt, wide, kSource);
      cell = indicator == SQL_NULL_DATA ? Variant(automation::Null) : FromFixed(col.reader, value);
    } else {
      cell = ReadText(number, col.reader == Reader::Decimal);
    }
  }
}

Variant Recordset::Impl::ReadBound(Column& col, SQLUSMALLINT number) {
  if (col.indicator == SQL_NULL_DATA) return automation::Null;
  if (col.reader != Reader::Text && col.reader != Reader::Decimal) return FromFixed(col.reader, col.fixed);
  const bool decimal = col.reader == Reader::Decimal;
  const std::size_t capacity = (!decimal && conn->wide) ? (col.wide.size() - 1) * sizeof(SQLWCHAR)
                                                        : col.narrow.size() - 1;
  if (col.indicator == SQL_NO_TOTAL || std::size_t(col.indicator) > capacity) {
    return ReadText(number, decimal);  // longer than its declared size (SQLite does not enforce it)
  }
  if (decimal) return values::ToDecimal(std::string_view(col.narrow.data(), std::size_t(col.indicator)));
  std::string out;
  if (conn->wide) {
    odbc::AppendUtf8(out, col.wide.data(), std::size_t(col.indicator) / sizeof(SQLWCHAR));
  } else {
    out.assign(col.narrow.data(), std::size_t(col.indicator));
  }
  return Variant(std::move(out));
}

Variant Recordset::Impl::ReadText(SQLUSMALLINT column, bool decimal) {
  std::string out;
  bool present;
  if (conn->wide && !decimal) {
    // Converted once whole: a chunk may end inside a surrogate pair.
    wide_text_.clear();
    present = ReadChunks(stmt, true, column, SQL_C_WCHAR, wide_buffer_,
                         [this](const SQLWCHAR* p, std::size_t n) { wide_text_.append(p, n); });
    odbc::AppendUtf8(out, wide_text_.data(), wide_text_.size());
  } else {
    present = ReadChunks(stmt, conn->wide, column, SQL_C_CHAR, narrow_buffer_,
                         [&out](const char* p, std::size_t n) { out.append(p, n); });
  }
  if (!present) return automation::Null;
  if (decimal) return values::ToDecimal(out);
  return Variant(std::move(out));
}

const Variant& Recordset::Impl::Value(std::size_t index) const {
  CheckOpen();
  if (eof) RaiseNoCurrentRecord();
  return row[index];
}

// Rows are mostly read field after field in the same order: the column after
// the last one found is tried first (unless an earlier column has its name).
std::size_t Recordset::Impl::Find(std::string_view name) const {
  const std::size_t count = columns.size();
  if (next_hint < count && !columns[next_hint].shadowed && SameName(columns[next_hint].name, name)) {
    return std::exchange(next_hint, next_hint + 1 == count ? 0 : next_hint + 1);
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (SameName(columns[i].name, name)) {
      next_hint = i + 1 == count ? 0 : i + 1;
      return i;
    }
  }
  return std::string_view::npos;
}

int Recordset::Impl::Attributes(std::size_t index) {
  if (!nullability_known) {
    nullability_known = true;
    try {
      LearnNullability();
    } catch (const automation::Error&) {
      // The catalogue is a refinement: the driver's own answer stands.
    }
  }
  return columns[index].nullable == SQL_NO_NULLS ? 0 : adFldIsNullable;
}

// Some drivers (sqliteodbc) describe every result column as nullable; the
// column catalogue of the base table tells the NOT NULL columns apart.
void Recordset::Impl::LearnNullability() {
  const bool wide = conn->wide;
  auto attribute = [&](SQLUSMALLINT column, SQLUSMALLINT field) {
    std::string value;
    SQLSMALLINT length = 0;
    if (wide) {
      SQLWCHAR text[512];
      if (odbc::Succeeded(SQLColAttributeW(stmt.get(), column, field, text, sizeof text, &length, nullptr))) {
        odbc::AppendUtf8(value, text, odbc::Fitting(length / SQLSMALLINT(sizeof(SQLWCHAR)), std::size(text) - 1));
      }
    } else {
      char text[1024];
      if (odbc::Succeeded(SQLColAttribute(stmt.get(), column, field, text, sizeof text, &length, nullptr))) {
        value.assign(text, odbc::Fitting(length, sizeof text - 1));
      }
    }
    return value;
  };

  std::map<std::string, std::vector<std::pair<std::string, SQLSMALLINT>>> catalogue;
  for (std::size_t i = 0; i < columns.size(); ++i) {
    Column& col = columns[i];
    if (col.nullable == SQL_NO_NULLS) continue;
    std::string table = attribute(SQLUSMALLINT(i + 1), SQL_DESC_BASE_TABLE_NAME);
    std::string base = attribute(SQLUSMALLINT(i + 1), SQL_DESC_BASE_COLUMN_NAME);
    if (table.empty() || base.empty()) continue;
    auto found = catalogue.find(table);
    if (found == catalogue.end()) {
      found = catalogue.emplace(table, std::vector<std::pair<std::string, SQLSMALLINT>>{}).first;
      odbc::Handle query(SQL_HANDLE_STMT, conn->dbc.get());
      SQLRETURN rc;
      if (wide) {
        odbc::WideString name = odbc::ToWide(table);
        rc = SQLColumnsW(query.get(), nullptr, 0, nullptr, 0, name.data(), SQLSMALLINT(name.size()), nullptr, 0);
      } else {
        rc = SQLColumns(query.get(), nullptr, 0, nullptr, 0, reinterpret_cast<SQLCHAR*>(table.data()),
                        SQLSMALLINT(table.size()), nullptr, 0);
      }
      odbc::Check(rc, query, wide, kSource);
      while (odbc::Succeeded(SQLFetch(query.get()))) {
        char name[512];
        SQLLEN name_length = 0, null_length = 0;
        SQLSMALLINT nullable = SQL_NULLABLE_UNKNOWN;
        SQLGetData(query.get(), 4, SQL_C_CHAR, name, sizeof name, &name_length);
        SQLGetData(query.get(), 11, SQL_C_SSHORT, &nullable, 0, &null_length);
        if (name_length < 0 || null_length == SQL_NULL_DATA) continue;
        found->second.emplace_back(std::string(name, odbc::Fitting(name_length, sizeof name - 1)), nullable);
      }
    }
    for (const auto& [name, nullable] : found->second) {
      if (SameName(name, base)) {
        col.nullable = nullable;
        break;
      }
    }
  }
}

// ---- Recordset ----------------------------------------------------------

Recordset::Recordset(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}

Recordset::~Recordset() = default;

bool Recordset::EOF_() const {
  impl_->CheckOpen();
  return impl_->eof;
}

Field Recordset::Fields(std::string_view name) const {
  impl_->CheckOpen();
  std::size_t index = impl_->Find(name);
  if (index == std::string_view::npos) RaiseItemNotFound();
  return Field(this, index);
}

Field Recordset::Fields(std::size_t index) const {
  impl_->CheckOpen();
  if (index >= impl_->columns.size()) RaiseItemNotFound();
  return Field(this, index);
}

std::size_t Recordset::FieldCount() const {
  impl_->CheckOpen();
  return impl_->columns.size();
}

void Recordset::MoveNext() {
  impl_->CheckOpen();
  if (impl_->eof) RaiseNoCurrentRecord();
  impl_->moved = true;
  impl_->Fetch();
}

// A forward-only result: back to the first row means running the statement again.
void Recordset::MoveFirst() {
  impl_->CheckOpen();
  if (impl_->moved) {
    odbc::Check(SQLFreeStmt(impl_->stmt.get(), SQL_CLOSE), impl_->stmt, impl_->conn->wide, kSource);
    impl_->Start();
  }
  if (impl_->eof) RaiseNoCurrentRecord();
}

void Recordset::Close() { impl_->Release(); }

bool Recordset::IsOpen() const { return bool(impl_->stmt); }

// ---- Field --------------------------------------------------------------

const std::string& Field::Name() const { return rs_->impl_->columns[index_].name; }

DataType Field::Type() const { return rs_->impl_->columns[index_].type; }

long Field::DefinedSize() const { return long(rs_->impl_->columns[index_].size); }

int Field::Attributes() const { return rs_->impl_->Attributes(index_); }

const Variant& Field::Value() const { return rs_->impl_->Value(index_); }

}  // namespace ado
