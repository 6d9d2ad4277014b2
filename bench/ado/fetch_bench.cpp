// SPDX-License-Identifier: MIT
// Fetch speed of the ado layer against plain ODBC calls on the same
// PostgreSQL database: 200,000 rows of 10 columns (integers, doubles, dates,
// texts), every value read. Prints the times and the ratio ado / raw.
#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/ado/ado.h"
#include "tests/support/testdb.h"

namespace {

constexpr int kRows = 200000;
constexpr int kRepeats = 3;
constexpr const char* kStatement =
    "SELECT Cod, Qtd, Ano, Valor, Taxa, Inicio, Momento, Nome, Cidade, Obs FROM QvBenchFetch";
const char* const kColumns[] = {"Cod", "Qtd", "Ano", "Valor", "Taxa", "Inicio", "Momento", "Nome", "Cidade", "Obs"};

void CreateTable() {
  testdb::ExecPostgres(
      "CREATE TABLE QvBenchFetch (Cod integer PRIMARY KEY, Qtd integer, Ano integer, Valor double precision, "
      "Taxa double precision, Inicio date, Momento timestamp, Nome varchar(60), Cidade varchar(40), Obs text);"
      "INSERT INTO QvBenchFetch SELECT g, g % 97, 1990 + g % 30, g * 1.25, g / 7.0, "
      "DATE '2000-01-01' + g % 9000, TIMESTAMP '2000-01-01 08:00' + g * INTERVAL '37 minutes', "
      "'Funcionário número ' || g, CASE g % 3 WHEN 0 THEN 'São Paulo' WHEN 1 THEN 'Belém' ELSE 'Curitiba' END, "
      "CASE WHEN g % 5 = 0 THEN NULL ELSE 'observação ' || g END FROM generate_series(1, 200000) g;"
      "ANALYZE QvBenchFetch;");
}

void Check(SQLRETURN rc, const char* what) {
  if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO) throw std::runtime_error(std::string("raw ODBC: ") + what);
}

// Plain ODBC: SQLExecDirect, SQLFetch, SQLGetData of every column into its C type.
long RawFetch(const std::string& connection_string) {
  SQLHENV env;
  SQLHDBC dbc;
  SQLHSTMT stmt;
  SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &env);
  SQLSetEnvAttr(env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
  SQLAllocHandle(SQL_HANDLE_DBC, env, &dbc);
  std::string in = connection_string;
  Check(SQLDriverConnect(dbc, nullptr, reinterpret_cast<SQLCHAR*>(in.data()), SQL_NTS, nullptr, 0, nullptr,
                         SQL_DRIVER_NOPROMPT),
        "connect");
  SQLAllocHandle(SQL_HANDLE_STMT, dbc, &stmt);
  std::string text = kStatement;
  Check(SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS), "execute");
  long rows = 0;
  SQLINTEGER i;
  SQLDOUBLE d;
  SQL_DATE_STRUCT date;
  SQL_TIMESTAMP_STRUCT stamp;
  SQLWCHAR buffer[512];
  SQLLEN ind;
  long checksum = 0;
  while (SQLFetch(stmt) == SQL_SUCCESS) {
    for (SQLUSMALLINT c = 1; c <= 3; ++c) {
      SQLGetData(stmt, c, SQL_C_SLONG, &i, 0, &ind);
      checksum += i;
    }
    for (SQLUSMALLINT c = 4; c <= 5; ++c) SQLGetData(stmt, c, SQL_C_DOUBLE, &d, 0, &ind);
    SQLGetData(stmt, 6, SQL_C_TYPE_DATE, &date, 0, &ind);
    SQLGetData(stmt, 7, SQL_C_TYPE_TIMESTAMP, &stamp, 0, &ind);
    for (SQLUSMALLINT c = 8; c <= 10; ++c) {
      SQLGetData(stmt, c, SQL_C_WCHAR, buffer, sizeof buffer, &ind);
      checksum += ind;
    }
    ++rows;
  }
  SQLFreeHandle(SQL_HANDLE_STMT, stmt);
  SQLDisconnect(dbc);
  SQLFreeHandle(SQL_HANDLE_DBC, dbc);
  SQLFreeHandle(SQL_HANDLE_ENV, env);
  if (checksum == 0) std::puts("");
  return rows;
}

// The ado layer: Execute, MoveNext and every Field::Value, by name or by position.
long AdoFetch(const std::string& connection_string, bool by_name) {
  ado::Connection conn;
  conn.Open(connection_string);
  auto rs = conn.Execute(kStatement);
  long rows = 0;
  std::size_t kinds = 0;
  for (; !rs->EOF_(); rs->MoveNext()) {
    for (std::size_t c = 0; c < std::size(kColumns); ++c) {
      const automation::Variant& v = by_name ? rs->Fields(kColumns[c]).Value() : rs->Fields(c).Value();
      kinds += std::size_t(v.type());
    }
    ++rows;
  }
  if (kinds == 0) std::puts("");
  return rows;
}

double Seconds(const std::function<long()>& run) {
  auto start = std::chrono::steady_clock::now();
  long rows = run();
  double s = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (rows != kRows) throw std::runtime_error("read " + std::to_string(rows) + " rows");
  return s;
}

}  // namespace

int main() {
  try {
    const testdb::Databases& db = testdb::Get();
    CreateTable();
    struct Setting { const char* name; std::string connection_string; };
    const Setting settings[] = {
        {"UseDeclareFetch=0 (whole result at once)", db.postgres},
        {"UseDeclareFetch=1;Fetch=1000", db.postgres + ";UseDeclareFetch=1;Fetch=1000"},
    };
    std::printf("fetch of %d rows x %zu columns, best of %d\n", kRows, std::size(kColumns), kRepeats);
    for (const Setting& s : settings) {
      double raw = 1e9, by_name = 1e9, by_index = 1e9;
      for (int r = 0; r < kRepeats; ++r) {
        raw = std::min(raw, Seconds([&] { return RawFetch(s.connection_string); }));
        by_name = std::min(by_name, Seconds([&] { return AdoFetch(s.connection_string, true); }));
        by_index = std::min(by_index, Seconds([&] { return AdoFetch(s.connection_string, false); }));
      }
      std::printf("%s\n", s.name);
      std::printf("  raw ODBC          %.3f s\n", raw);
      std::printf("  ado, by name      %.3f s   ratio ado/raw %.3f\n", by_name, by_name / raw);
      std::printf("  ado, by position  %.3f s   ratio ado/raw %.3f\n", by_index, by_index / raw);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "fetch_bench: %s\n", e.what());
    return 1;
  }
  return 0;
}
