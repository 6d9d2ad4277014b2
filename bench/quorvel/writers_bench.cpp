// SPDX-License-Identifier: MIT
// Concurrent inserts on PostgreSQL: eight writers, each on its own
// connection, insert 200 records each into one table: as threads of this
// program calling the classes directly, as processes calling libquorvel.so
// through the component model as hrapp does, and as hrapp itself (one
// process and one connection per call, 25 calls a writer). Prints, per scenario, how the calls ended and whether every key
// handed back is the row that call wrote.
//   bench_quorvel_writers [WRITERS [CALLS [HRAPP_CALLS]]]
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/ado/ado.h"
#include "platform/automation/convert.h"
#include "platform/com/client.h"
#include "quorvel/personnel/classCargo.h"
#include "quorvel/personnel/classConselho.h"
#include "tests/support/testdb.h"

namespace {

using Clock = std::chrono::steady_clock;

// One call's outcome: the key handed back, DescErr, and the text it wrote.
struct Call {
  std::int32_t key = 0;
  std::string desc;
  std::string text;
};

// A writer: its calls, made on a connection of its own.
using Writer = std::function<std::vector<Call>(int writer, int calls)>;

std::string Text(int writer, int call) { return "w" + std::to_string(writer) + "-" + std::to_string(call); }

// A writer that calls a class directly on its own connection.
Writer Direct(std::function<void(ado::Connection&, Call&)> insert) {
  return [insert](int writer, int calls) {
    ado::Connection conn;
    conn.Open(testdb::Get().postgres);
    std::vector<Call> out;
    for (int i = 0; i < calls; ++i) {
      Call k;
      k.text = Text(writer, i);
      insert(conn, k);
      out.push_back(std::move(k));
    }
    return out;
  };
}

void IncConselho(ado::Connection& conn, Call& k) {
  std::string user = "bench", machine = "bench", sigla = "B", nome = k.text;
  quorvel::classConselho().IncConselho(conn, k.desc, user, machine, k.key, sigla, nome);
}

void IncCargo(ado::Connection& conn, Call& k) {
  std::string user = "bench", machine = "bench", nome = k.text, cbo = "2521-05";
  double piso = 1.05;
  quorvel::classCargo().IncCargo(conn, k.desc, user, machine, k.key, nome, cbo, piso);
}

// IncConselho through the component model, as hrapp calls it: the object
// created by its class name from libquorvel.so, the call dispatched by name.
std::vector<Call> ComponentWriter(int writer, int calls) {
  auto conn = std::make_shared<ado::Connection>();
  conn->Open(testdb::Get().postgres);
  const std::shared_ptr<com::IDispatch> object = com::CreateObject("Quorvel.classConselho");
  std::vector<Call> out;
  for (int i = 0; i < calls; ++i) {
    Call k;
    k.text = Text(writer, i);
    std::vector<automation::Variant> args{automation::Variant(std::shared_ptr<automation::Object>(conn)),
                                          automation::Variant(""), automation::Variant("bench"),
                                          automation::Variant("bench"), automation::Variant(0),
                                          automation::Variant("B"), automation::Variant(k.text)};
    object->Invoke("IncConselho", args);
    k.desc = automation::CStr(args[1]);
    k.key = automation::CLng(args[4]);
    out.push_back(std::move(k));
  }
  return out;
}

// hrapp's printed value of an argument or of DescErr ("pkCodConselho: 12").
std::string Printed(const std::string& output, const std::string& name) {
  const std::string prefix = name + ": ";
  for (std::size_t at = 0; at < output.size();) {
    std::size_t end = output.find('\n', at);
    if (end == std::string::npos) end = output.size();
    std::string line = output.substr(at, end - at);
    auto start = line.find_first_not_of(' ');
    if (start != std::string::npos && line.compare(start, prefix.size(), prefix) == 0)
      return line.substr(start + prefix.size());
    at = end + 1;
  }
  return {};
}

std::string Quote(const std::string& s) {
  std::string out = "'";
  for (const char c : s) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return out + "'";
}

std::vector<Call> HrappWriter(int writer, int calls) {
  std::vector<Call> out;
  for (int i = 0; i < calls; ++i) {
    Call k;
    k.text = Text(writer, i);
    const std::string command = Quote(HRAPP) + " --connect " + Quote(testdb::Get().postgres_dsnless) +
                                " classConselho IncConselho bench bench 0 B " + Quote(k.text) + " 2>&1";
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
      char buffer[4096];
      while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) output.append(buffer, n);
      pclose(pipe);
    }
    const std::string key = Printed(output, "pkCodConselho");
    k.key = key.empty() ? 0 : std::atoi(key.c_str());
    k.desc = Printed(output, "DescErr");
    if (k.desc.size() >= 2 && k.desc.front() == '"' && k.desc.back() == '"') k.desc = k.desc.substr(1, k.desc.size() - 2);
    out.push_back(std::move(k));
  }
  return out;
}

// Runs the writers as threads, or as child processes that send their calls
// back through a pipe (key, tab, DescErr, tab, text, a line each).
std::vector<Call> RunThreads(const Writer& writer, int writers, int calls) {
  std::vector<std::vector<Call>> results(writers);
  std::vector<std::thread> threads;
  for (int w = 0; w < writers; ++w) threads.emplace_back([&, w] { results[w] = writer(w, calls); });
  for (auto& t : threads) t.join();
  std::vector<Call> all;
  for (auto& r : results) all.insert(all.end(), r.begin(), r.end());
  return all;
}

std::vector<Call> RunProcesses(const Writer& writer, int writers, int calls) {
  std::vector<std::pair<pid_t, FILE*>> children;
  for (int w = 0; w < writers; ++w) {
    int fds[2];
    if (pipe(fds) != 0) std::exit(2);
    const pid_t pid = fork();
    if (pid == 0) {
      close(fds[0]);
      FILE* back = fdopen(fds[1], "w");
      for (const Call& k : writer(w, calls)) std::fprintf(back, "%d\t%s\t%s\n", k.key, k.desc.c_str(), k.text.c_str());
      std::fclose(back);
      _exit(0);
    }
    close(fds[1]);
    children.emplace_back(pid, fdopen(fds[0], "r"));
  }
  std::vector<Call> all;
  for (auto& [pid, in] : children) {
    char line[1024];
    while (std::fgets(line, sizeof line, in)) {
      std::string s(line);
      if (!s.empty() && s.back() == '\n') s.pop_back();
      const auto a = s.find('\t'), b = s.find('\t', a + 1);
      all.push_back({std::atoi(s.substr(0, a).c_str()), s.substr(a + 1, b - a - 1), s.substr(b + 1)});
    }
    std::fclose(in);
    waitpid(pid, nullptr, 0);
  }
  return all;
}

void Report(const char* name, const std::vector<Call>& calls, ado::Connection& conn, const std::string& table,
            const std::string& key_column, const std::string& text_column, double seconds) {
  std::map<std::string, int> outcomes;
  int ok = 0, wrong_key = 0, failed_with_key = 0;
  std::map<std::int32_t, std::string> rows;
  auto rs = conn.Execute("SELECT " + key_column + ", " + text_column + " FROM " + table, -1);
  for (; !rs->EOF_(); rs->MoveNext())
    rows[automation::CLng(rs->Fields(std::size_t{0}).Value())] = automation::CStr(rs->Fields(std::size_t{1}).Value());
  for (const Call& k : calls) {
    ++outcomes[k.desc.empty() ? std::string("success") : k.desc];
    if (k.desc.empty()) {
      ++ok;
      auto row = rows.find(k.key);
      if (row == rows.end() || row->second != k.text) ++wrong_key;
    } else if (k.key != 0) {
      ++failed_with_key;
    }
  }
  std::printf("%s: %zu calls in %.2f s\n", name, calls.size(), seconds);
  for (const auto& [what, n] : outcomes)
    std::printf("  %-28s %5d  (%.2f%%)\n", what.c_str(), n, 100.0 * n / static_cast<double>(calls.size()));
  std::printf("  rows %zu for %d successes; successes whose key is not their row: %d; failures handing back a key: %d\n",
              rows.size(), ok, wrong_key, failed_with_key);
}

void Scenario(const char* name, const Writer& writer, bool processes, int writers, int calls, const std::string& table,
              const std::string& key_column, const std::string& text_column) {
  ado::Connection conn;
  conn.Open(testdb::Get().postgres);
  conn.Execute("DELETE FROM " + table, -1);
  const auto start = Clock::now();
  std::vector<Call> all = processes ? RunProcesses(writer, writers, calls) : RunThreads(writer, writers, calls);
  Report(name, all, conn, table, key_column, text_column,
         std::chrono::duration<double>(Clock::now() - start).count());
}

}  // namespace

int main(int argc, char** argv) {
  const int writers = argc > 1 ? std::atoi(argv[1]) : 8;
  const int calls = argc > 2 ? std::atoi(argv[2]) : 200;
  const int hrapp_calls = argc > 3 ? std::atoi(argv[3]) : 25;
  testdb::Get();
  const std::string registry = "/tmp/qv-writers-bench-" + std::to_string(getpid());
  setenv("QV_COM_REGISTRY", registry.c_str(), 1);
  com::RegisterServer(QUORVEL_LIBRARY);
  std::printf("%d writers x %d inserts, PostgreSQL\n", writers, calls);
  Scenario("IncConselho, threads", Direct(IncConselho), false, writers, calls, "RhsConselho", "CodConselho", "NomeConselho");
  Scenario("IncCargo, threads", Direct(IncCargo), false, writers, calls, "RhsCargo", "CodCargo", "NomeCargo");
  Scenario("IncConselho, processes through the component model", ComponentWriter, true, writers, calls,
           "RhsConselho", "CodConselho", "NomeConselho");
  // A process and a connection per call: each call costs a program start, so fewer of them.
  Scenario("IncConselho, hrapp processes", HrappWriter, true, writers, hrapp_calls, "RhsConselho", "CodConselho",
           "NomeConselho");
  std::remove(registry.c_str());
  return 0;
}
