// SPDX-License-Identifier: MIT
// 50,000 single-line INSERT statements through the update run against
// `psql -f` of the same statements on the same database, in the same run.
// Prints both times and their ratio.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/ado/ado.h"
#include "platform/automation/convert.h"
#include "platform/win/msgbox.h"
#include "sendrik/updater.h"
#include "tests/support/testdb.h"

namespace {

constexpr int kStatements = 50000;
constexpr int kRounds = 3;
constexpr const char* kDsn = "DsnKelBench";

// A main window that shows nothing.
class QuietView : public sendrik::RunView {
 public:
  explicit QuietView(std::string script) : script_(std::move(script)) {}
  win::HWND Owner() const override { return nullptr; }
  std::string DataSourceText() const override { return kDsn; }
  std::string ScriptText() const override { return script_; }
  void SetScriptText(std::string_view) override {}
  void BeginWait(std::string_view) override {}
  void EndWait() override {}
  bool OpenDocument(const std::filesystem::path&) override { return true; }

 private:
  std::string script_;
};

std::string Statement(int i, char quote) {
  return "INSERT INTO bench_sendrik (n, texto) VALUES (" + std::to_string(i) + ", " + quote + "linha " +
         std::to_string(i) + quote + ")";
}

void Reset(ado::Connection& db) {
  db.Execute("DROP TABLE IF EXISTS bench_sendrik");
  db.Execute("CREATE TABLE bench_sendrik (n integer PRIMARY KEY, texto text)");
}

long Count(ado::Connection& db) {
  auto rs = db.Execute("SELECT count(*) AS n FROM bench_sendrik");
  return automation::CLng(rs->Fields("n").Value());
}

template <class F>
double Seconds(F&& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main() {
  const auto& env = testdb::Get();
  testdb::AddDataSource(kDsn, true, env.postgres_database);

  const auto folder = std::filesystem::temp_directory_path() / ("sendrik-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  const auto script = folder / "Script1.spt";
  const auto sql = folder / "script1.sql";
  {
    std::ofstream spt(script, std::ios::binary), plain(sql, std::ios::binary);
    for (int i = 1; i <= kStatements; ++i) {
      spt << Statement(i, '|') << "\r\n";
      plain << Statement(i, '\'') << ";\n";
    }
  }

  ado::Connection db;
  db.Open(sendrik::ConnectionString(kDsn));
  win::ScopedMessageBoxHook quiet([](const win::MessageBoxRequest& r) {
    std::fprintf(stderr, "message: %s\n", r.text.c_str());
    return win::IDOK;
  });
  QuietView view(script.string());
  sendrik::Updater updater(view, folder / "SendrikLog.txt");
  const std::string psql = "psql -X -q -h '" + env.socket_dir + "' -U postgres -d '" + env.postgres_database +
                           "' -f '" + sql.string() + "' >/dev/null";

  double best_run = 1e9, best_psql = 1e9;
  for (int round = 1; round <= kRounds; ++round) {
    Reset(db);
    bool ok = true;
    const double run = Seconds([&] { ok = updater.RunScript(false); });
    const long run_rows = Count(db);
    Reset(db);
    int rc = 0;
    const double direct = Seconds([&] { rc = std::system(psql.c_str()); });
    const long psql_rows = Count(db);
    if (!ok || rc != 0 || run_rows != kStatements || psql_rows != kStatements) {
      std::fprintf(stderr, "round %d failed: run %s (%ld rows), psql rc %d (%ld rows)\n", round, ok ? "ok" : "failed",
                   run_rows, rc, psql_rows);
      return 1;
    }
    std::printf("round %d: sendrik %.3f s, psql -f %.3f s, ratio %.2f\n", round, run, direct, run / direct);
    best_run = std::min(best_run, run);
    best_psql = std::min(best_psql, direct);
  }
  std::printf("best of %d: sendrik %.3f s (%.1f us/statement), psql -f %.3f s, ratio %.2f (goal <= 1.2)\n", kRounds,
              best_run, best_run * 1e6 / kStatements, best_psql, best_run / best_psql);
  db.Close();
  std::filesystem::remove_all(folder);
  return 0;
}
