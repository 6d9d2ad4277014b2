#pragma once
// Connections to the test databases, statement capture and small readers
// shared by the business-object tests.

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/ado.h"
#include "platform/automation/array.h"
#include "platform/automation/variant.h"

namespace qvtest {

using automation::Variant;

// Open connections on this program's fresh databases, kept for the whole run.
std::shared_ptr<ado::Connection> PostgresConnection();
std::shared_ptr<ado::Connection> SqliteConnection();
inline ado::Connection& Postgres() { return *PostgresConnection(); }
inline ado::Connection& Sqlite() { return *SqliteConnection(); }

// Runs fixture SQL on the database of that connection.
void Exec(ado::Connection& conn, std::string_view sql);
// The first column of the first row (Empty without a row).
Variant Scalar(ado::Connection& conn, std::string_view sql);
long Count(ado::Connection& conn, std::string_view table_and_condition);

// Every statement sent while it lives.
class Trace {
 public:
  Trace();
  const std::vector<std::string>& statements() const { return statements_; }
  bool Sent(std::string_view prefix) const;  // a statement beginning with prefix was sent

 private:
  std::vector<std::string> statements_;
  ado::ScopedTrace scope_;
};

// A ListArray or RecordArray as rows of cells (row 0 the captions).
std::vector<std::vector<Variant>> Rows(const Variant& array);
// Column c of every row after the captions.
std::vector<Variant> Column(const Variant& array, long c);
// The elements of a ComboArray.
std::vector<Variant> Elements(const Variant& array);

}  // namespace qvtest
