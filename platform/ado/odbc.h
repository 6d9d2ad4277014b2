// SPDX-License-Identifier: MIT
#pragma once
// ODBC mechanics behind the ado classes: handle ownership, diagnostics as
// automation errors, and the text forms exchanged with drivers.

#include "platform/export.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <memory>
#include <string>
#include <string_view>

namespace ado::odbc {

// Owner of one ODBC handle (environment, connection or statement).
class QV_EXPORT Handle {
 public:
  Handle() = default;
  // Allocates a handle of `type` under `parent`; a failure raises the database error.
  Handle(SQLSMALLINT type, SQLHANDLE parent);
  ~Handle() { reset(); }
  Handle(Handle&& other) noexcept : type_(other.type_), handle_(other.release()) {}
  Handle& operator=(Handle&& other) noexcept;
  Handle(const Handle&) = delete;
  Handle& operator=(const Handle&) = delete;

  SQLHANDLE get() const noexcept { return handle_; }
  SQLSMALLINT type() const noexcept { return type_; }
  explicit operator bool() const noexcept { return handle_ != SQL_NULL_HANDLE; }
  void reset() noexcept;

 private:
  SQLHANDLE release() noexcept;
  SQLSMALLINT type_ = 0;
  SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

// The process's ODBC environment (ODBC 3), shared by every connection.
QV_EXPORT std::shared_ptr<Handle> Environment();

// The part of a length a driver returned that fits a buffer of `capacity`
// units (a negative length counts as none).
inline std::size_t Fitting(SQLLEN length, std::size_t capacity) {
  return length <= 0 ? 0 : std::min(std::size_t(length), capacity);
}

inline bool Succeeded(SQLRETURN rc) { return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO; }

// Raises automation::err::kDatabase with the handle's diagnostic records,
// "[SQLSTATE] message" each; `wide` reads them through the Unicode entry points.
[[noreturn]] QV_EXPORT void RaiseDiagnostics(const Handle& handle, bool wide, std::string_view source);
// Raises the database error for a failure found by this layer itself.
[[noreturn]] QV_EXPORT void RaiseState(std::string_view sqlstate, std::string_view message, std::string_view source);

inline void Check(SQLRETURN rc, const Handle& handle, bool wide, std::string_view source) {
  if (!Succeeded(rc)) RaiseDiagnostics(handle, wide, source);
}

// Text for the Unicode entry points (UTF-16, SQLWCHAR units) and back to UTF-8.
using WideString = std::basic_string<SQLWCHAR>;
QV_EXPORT WideString ToWide(std::string_view utf8);
QV_EXPORT void AppendUtf8(std::string& out, const SQLWCHAR* text, std::size_t units);

}  // namespace ado::odbc
