// SPDX-License-Identifier: MIT
#include "platform/ado/odbc.h"

#include <algorithm>
#include <iterator>

#include "platform/ado/state.h"
#include "platform/automation/error.h"

namespace ado::odbc {

Handle::Handle(SQLSMALLINT type, SQLHANDLE parent) : type_(type) {
  SQLRETURN rc = SQLAllocHandle(type, parent, &handle_);
  if (!Succeeded(rc)) {
    handle_ = SQL_NULL_HANDLE;
    RaiseState("HY001", "cannot allocate an ODBC handle", "ADODB.Connection");
  }
}

Handle& Handle::operator=(Handle&& other) noexcept {
  if (this != &other) {
    reset();
    type_ = other.type_;
    handle_ = other.release();
  }
  return *this;
}

void Handle::reset() noexcept {
  if (handle_ != SQL_NULL_HANDLE) SQLFreeHandle(type_, handle_);
  handle_ = SQL_NULL_HANDLE;
}

SQLHANDLE Handle::release() noexcept {
  SQLHANDLE h = handle_;
  handle_ = SQL_NULL_HANDLE;
  return h;
}

// Kept for the whole process: freeing the last environment makes the driver
// manager unload the drivers, and the next connection would load them again.
std::shared_ptr<Handle> Environment() {
  static const std::shared_ptr<Handle> env = [] {
    auto h = std::make_shared<Handle>(SQL_HANDLE_ENV, static_cast<SQLHANDLE>(nullptr));
    SQLSetEnvAttr(h->get(), SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    return h;
  }();
  return env;
}

namespace {

// The text of a buffer up to its terminator; the last unit is the terminator
// when the text filled the buffer. Drivers differ in how they count the length
// they report (bytes or characters), so it is not used.
template <class Unit, std::size_t N>
std::size_t TerminatedLength(const Unit (&buffer)[N]) {
  return std::size_t(std::find(buffer, buffer + N - 1, Unit(0)) - buffer);
}

}  // namespace

void RaiseDiagnostics(const Handle& handle, bool wide, std::string_view source) {
  std::string text;
  for (SQLSMALLINT record = 1;; ++record) {
    SQLINTEGER native = 0;
    SQLSMALLINT length = 0;
    std::string state, message;
    SQLRETURN rc;
    if (wide) {
      SQLWCHAR wstate[6] = {};
      SQLWCHAR wmessage[2048] = {};
      rc = SQLGetDiagRecW(handle.type(), handle.get(), record, wstate, &native, wmessage,
                          SQLSMALLINT(std::size(wmessage)), &length);
      if (!Succeeded(rc)) break;
      AppendUtf8(state, wstate, TerminatedLength(wstate));
      AppendUtf8(message, wmessage, TerminatedLength(wmessage));
    } else {
      SQLCHAR nstate[6] = {};
      SQLCHAR nmessage[4096] = {};
      rc = SQLGetDiagRec(handle.type(), handle.get(), record, nstate, &native, nmessage,
                         SQLSMALLINT(std::size(nmessage)), &length);
      if (!Succeeded(rc)) break;
      state.assign(reinterpret_cast<const char*>(nstate), TerminatedLength(nstate));
      message.assign(reinterpret_cast<const char*>(nmessage), TerminatedLength(nmessage));
    }
    while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
    if (!text.empty()) text += '\n';
    text += '[' + state + "] " + message;
  }
  if (text.empty()) text = "[HY000] the driver reported a failure without a diagnostic";
  TraceFailure(text);
  automation::raise(automation::err::kDatabase, text, source);
}

void RaiseState(std::string_view sqlstate, std::string_view message, std::string_view source) {
  std::string text = "[" + std::string(sqlstate) + "] " + std::string(message);
  TraceFailure(text);
  automation::raise(automation::err::kDatabase, text, source);
}

WideString ToWide(std::string_view utf8) {
  WideString out;
  out.reserve(utf8.size());
  const auto* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const auto* end = p + utf8.size();
  while (p < end) {
    char32_t c = *p;
    int extra = 0;
    if (c < 0x80) {
      out.push_back(SQLWCHAR(c));
      ++p;
      continue;
    }
    if ((c & 0xE0) == 0xC0) { c &= 0x1F; extra = 1; }
    else if ((c & 0xF0) == 0xE0) { c &= 0x0F; extra = 2; }
    else if ((c & 0xF8) == 0xF0) { c &= 0x07; extra = 3; }
    else { out.push_back(0xFFFD); ++p; continue; }
    if (end - p <= extra) { out.push_back(0xFFFD); break; }
    bool valid = true;
    for (int i = 1; i <= extra; ++i) {
      if ((p[i] & 0xC0) != 0x80) { valid = false; break; }
      c = (c << 6) | (p[i] & 0x3F);
    }
    if (!valid) { out.push_back(0xFFFD); ++p; continue; }
    p += extra + 1;
    if (c >= 0x10000) {
      c -= 0x10000;
      out.push_back(SQLWCHAR(0xD800 + (c >> 10)));
      out.push_back(SQLWCHAR(0xDC00 + (c & 0x3FF)));
    } else {
      out.push_back(SQLWCHAR(c));
    }
  }
  return out;
}

void AppendUtf8(std::string& out, const SQLWCHAR* text, std::size_t units) {
  out.reserve(out.size() + units);
  for (std::size_t i = 0; i < units; ++i) {
    char32_t c = text[i];
    if (c < 0x80) {
      out.push_back(char(c));
      continue;
    }
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < units && text[i + 1] >= 0xDC00 && text[i + 1] < 0xE000) {
      c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (c >= 0xD800 && c < 0xE000) {
      c = 0xFFFD;
    }
    if (c < 0x800) {
      out.push_back(char(0xC0 | (c >> 6)));
      out.push_back(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
      out.push_back(char(0xE0 | (c >> 12)));
      out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(char(0x80 | (c & 0x3F)));
    } else {
      out.push_back(char(0xF0 | (c >> 18)));
      out.push_back(char(0x80 | ((c >> 12) & 0x3F)));
      out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
      out.push_back(char(0x80 | (c & 0x3F)));
    }
  }
}

}  // namespace ado::odbc
