// SPDX-License-Identifier: MIT
#include "tests/sendrik/run_fixture.h"

#include <ostream>

#include "platform/automation/convert.h"
#include "tests/support/testdb.h"

namespace sendrik_test {

TestDatabase::TestDatabase(std::string_view dsn) : dsn_(dsn) {
  testdb::AddDataSource(dsn_, true, testdb::Get().postgres_database);
  connection_ = std::make_unique<ado::Connection>();
  connection_->Open(sendrik::ConnectionString(dsn_));
}

TestDatabase::~TestDatabase() = default;

void TestDatabase::Exec(std::string_view sql) { connection_->Execute(sql); }

std::vector<std::string> TestDatabase::Column(std::string_view query) {
  std::vector<std::string> values;
  auto rs = connection_->Execute(query);
  for (; rs && !rs->EOF_(); rs->MoveNext()) {
    const automation::Variant& v = rs->Fields(std::size_t{0}).Value();
    values.push_back(v.is_null() ? std::string() : automation::CStr(v));
  }
  return values;
}

void PrintTo(const Box& box, std::ostream* os) { *os << "{\"" << box.text << "\", 0x" << std::hex << box.style << "}"; }

BoxRecorder::BoxRecorder()
    : hook_([this](const win::MessageBoxRequest& r) {
        boxes.push_back({r.text, r.style});
        return win::IDOK;
      }) {}

StatementRecorder::StatementRecorder()
    : trace_([this](std::string_view statement) { statements.emplace_back(statement); }) {}

}  // namespace sendrik_test
