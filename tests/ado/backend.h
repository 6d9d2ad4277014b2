// SPDX-License-Identifier: MIT
#pragma once
// The two databases the ado tests run on, as a test parameter.

#include <gtest/gtest.h>

#include <clocale>
#include <functional>
#include <ostream>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/error.h"
#include "tests/support/testdb.h"

namespace adotest {

struct Backend {
  const char* name;
  bool postgres;

  const std::string& ConnectionString() const {
    return postgres ? testdb::Get().postgres : testdb::Get().sqlite;
  }
  // Runs SQL on the same database outside ODBC.
  void Exec(std::string_view sql) const { postgres ? testdb::ExecPostgres(sql) : testdb::ExecSqlite(sql); }
};

inline void PrintTo(const Backend& backend, std::ostream* os) { *os << backend.name; }

inline const Backend kPostgres{"Postgres", true};
inline const Backend kSqlite{"Sqlite", false};

inline std::string BackendName(const ::testing::TestParamInfo<Backend>& info) { return info.param.name; }

// A fresh connection per test on an emptied test table.
class OnBackend : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    GetParam().Exec("DELETE FROM QvTesteAdo;");
    conn_.Open(GetParam().ConnectionString());
  }
  ado::Connection conn_;
};

// The automation error that `action` raises (a failure when it raises none).
inline automation::Error ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const automation::Error& e) {
    return e;
  }
  ADD_FAILURE() << "no error raised";
  return automation::Error(0, "");
}

// The program runs in its environment's locale, as the applications do
// (the C locale in the LC_ALL=C run).
inline const bool kEnvironmentLocale = std::setlocale(LC_ALL, "") != nullptr;

}  // namespace adotest
