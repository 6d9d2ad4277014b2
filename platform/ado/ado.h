// SPDX-License-Identifier: MIT
#pragma once
// Data access over ODBC in the shape of ADO: Connection, Recordset, Field.
// Every failure raises automation::Error: a driver failure carries
// automation::err::kDatabase and the driver's diagnostics, one "[SQLSTATE] text"
// line per diagnostic record. See docs/data-access.md.

#include "platform/export.h"

#include <any>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "platform/automation/variant.h"

namespace ado {

using automation::Variant;

// ADO data-type codes.
enum class DataType : int {
  adEmpty = 0, adSmallInt = 2, adInteger = 3, adSingle = 4, adDouble = 5, adBoolean = 11,
  adUnsignedTinyInt = 17, adBigInt = 20, adChar = 129, adNumeric = 131, adDBDate = 133,
  adDBTime = 134, adDBTimeStamp = 135, adVarChar = 200, adLongVarChar = 201,
  adVarWChar = 202, adLongVarWChar = 203,
  adGUID = 72, adBinary = 128, adWChar = 130, adVarBinary = 204, adLongVarBinary = 205,
};
inline constexpr int adFldIsNullable = 0x20;

// Errors of the objects themselves (ADO's numbers).
inline constexpr int kObjectClosed = 3704;  // operation on a closed connection or record set
inline constexpr int kObjectOpen = 3705;    // Open on a connection that is open

class Recordset;

// One column of the current row.
class QV_EXPORT Field {
 public:
  const std::string& Name() const;
  DataType Type() const;
  long DefinedSize() const;
  int Attributes() const;  // adFldIsNullable or 0
  // The value of the current row, valid until the next move; no current row raises 3021.
  const Variant& Value() const;

 private:
  friend class Recordset;
  Field(const Recordset* rs, std::size_t index) : rs_(rs), index_(index) {}
  const Recordset* rs_;
  std::size_t index_;
};

class QV_EXPORT Recordset {
 public:
  ~Recordset();
  Recordset(const Recordset&) = delete;
  Recordset& operator=(const Recordset&) = delete;

  bool EOF_() const;  // "EOF" is a macro of <cstdio>
  // Field by name (case-insensitive, the first of equal names wins; unknown raises 3265)
  // or by position 0..count-1 (outside raises 3265).
  Field Fields(std::string_view name) const;
  Field Fields(std::size_t index) const;
  std::size_t FieldCount() const;
  void MoveNext();   // at EOF raises 3021
  // Back to the first row: before any MoveNext a no-op (3021 when empty),
  // after one the statement runs again (a forward-only cursor).
  void MoveFirst();
  void Close();      // closing twice is harmless
  bool IsOpen() const;

  struct Impl;
  // Made by Connection::Execute.
  explicit Recordset(std::unique_ptr<Impl> impl);

 private:
  friend class Field;
  std::unique_ptr<Impl> impl_;
};

// Connection modes and options, as ADO.
enum class ConnectMode : int { adModeUnknown = 0, adModeRead = 1, adModeWrite = 2, adModeReadWrite = 3 };

class QV_EXPORT Connection : public automation::Object {
 public:
  Connection();
  ~Connection() override;
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  // Connection string "DSN=...;UID=..." or DSN-less "Driver=...;..."; a user
  // and password join it as UID and PWD. `options` (asynchronous opening) is ignored.
  void Open(std::string_view connection_string, std::string_view user = {}, std::string_view password = {},
            long options = -1);
  // Before Open: adModeRead asks the driver for a read-only connection; the
  // time-out (seconds, default 15) is the login time-out.
  void SetMode(ConnectMode mode);
  void SetConnectionTimeout(long seconds);
  // The string the driver completed at connection.
  const std::string& ConnectionString() const;
  // The name of the database product the driver reached, as it reports it at
  // connection (SQL_DBMS_NAME: "PostgreSQL", "SQLite"); kept after Close,
  // empty before the first Open.
  const std::string& DbmsName() const;
  bool IsOpen() const;

  // A value that a user of the connection works out from it (from the product
  // name or the connection string, say) and keeps with it, one per type T:
  // `derive` runs on the first call after each Open (or before the first
  // one), later calls give the kept value until the connection is opened
  // again. As the connection itself, for one thread at a time.
  template <class T>
  const T& Kept(T (*derive)(const Connection&)) const {
    std::any& kept = KeptSlot(typeid(T));
    if (!kept.has_value()) kept = derive(*this);
    return *std::any_cast<T>(&kept);
  }

  // Runs a statement. A row-returning statement gives an open Recordset on its
  // first row (EOF when empty); other statements, and any with option
  // adExecuteNoRecords (0x80), give nullptr. Other record sets of the
  // connection may stay open meanwhile.
  std::unique_ptr<Recordset> Execute(std::string_view statement, long options = -1);

  // One transaction at a time: a nested BeginTrans, or a Commit/RollbackTrans
  // without one, raises the database error.
  void BeginTrans();
  void CommitTrans();
  void RollbackTrans();
  // Closes the open record sets of the connection first; a transaction still
  // open is rolled back.
  void Close();

  struct Impl;

 private:
  std::any& KeptSlot(const std::type_info& type) const;

  std::unique_ptr<Impl> impl_;
};

// Statement trace: every statement text sent by any Connection, in order,
// and, to the second hook, the driver's message of every failure as it is
// raised. Tests and hosts install the hooks for their lifetime.
using TraceHook = std::function<void(std::string_view text)>;
class QV_EXPORT ScopedTrace {
 public:
  explicit ScopedTrace(TraceHook statements, TraceHook failures = {});
  ~ScopedTrace();
  ScopedTrace(const ScopedTrace&) = delete;
  ScopedTrace& operator=(const ScopedTrace&) = delete;

 private:
  TraceHook previous_statements_;
  TraceHook previous_failures_;
};

// A data source of the driver manager.
struct DataSource {
  std::string name;
  std::string description;
};
// The driver manager's user and system data sources, in its order, through
// the process's ODBC environment; names and descriptions are read into
// buffers of the given sizes in bytes (a text cut to its buffer is still
// listed, and the enumeration goes on). No environment: the database error.
QV_EXPORT std::vector<DataSource> DataSources(std::size_t name_buffer, std::size_t description_buffer);

}  // namespace ado
