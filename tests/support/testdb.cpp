// SPDX-License-Identifier: MIT
#include "tests/support/testdb.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sqlite3.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <sstream>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace testdb {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kTemplateDatabase = "quorvel_template";

[[noreturn]] void Fail(const std::string& what) { throw std::runtime_error("testdb: " + what); }

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, std::string_view text, bool append = false) {
  std::ofstream out(path, append ? std::ios::app : std::ios::trunc);
  out << text;
  if (!out.flush()) Fail("cannot write " + path.string());
}

std::string Trimmed(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
  return s;
}

// Runs a shell command; a failure throws with the command's error output.
void Run(const std::string& command, const fs::path& err_file) {
  std::string full = command + " >/dev/null 2>'" + err_file.string() + "'";
  int status = std::system(full.c_str());
  std::string err = Trimmed(ReadFile(err_file));
  fs::remove(err_file);
  if (status != 0) Fail(command + " failed: " + err);
}

bool HasCluster(const fs::path& state) { return fs::exists(state / "socket_dir"); }

// The cluster of this run: the one named by QV_TESTDB_STATE (scripts), the one
// the CTest fixture started for our ctest (QV_TESTDB_RUNS/<parent pid>), or
// one of our own.
class Cluster {
 public:
  Cluster() {
    const char* state = std::getenv("QV_TESTDB_STATE");
    const char* runs = std::getenv("QV_TESTDB_RUNS");
    if (state && *state && HasCluster(state)) {
      state_ = state;
    } else if (runs && *runs && HasCluster(fs::path(runs) / std::to_string(getppid()))) {
      state_ = fs::path(runs) / std::to_string(getppid());
    } else {
      char tmpl[] = "/tmp/qvstateXXXXXX";
      if (!mkdtemp(tmpl)) Fail("cannot create a state folder");
      state_ = tmpl;
      own_ = true;
      Run(std::string("'") + QV_TESTDB_SCRIPT + "' start '" + state_.string() + "'",
          fs::temp_directory_path() / ("qvtestdb-" + std::to_string(getpid()) + ".err"));
    }
    socket_dir_ = Trimmed(ReadFile(state_ / "socket_dir"));
    if (socket_dir_.empty()) Fail("no cluster in " + state_.string());
  }
  ~Cluster() {
    if (own_) {
      std::string cmd = std::string("'") + QV_TESTDB_SCRIPT + "' stop '" + state_.string() + "' >/dev/null 2>&1";
      if (std::system(cmd.c_str()) != 0) std::fprintf(stderr, "testdb: could not stop the cluster\n");
    }
  }
  Cluster(const Cluster&) = delete;
  Cluster& operator=(const Cluster&) = delete;

  const fs::path& state() const { return state_; }
  const std::string& socket_dir() const { return socket_dir_; }

 private:
  fs::path state_;
  std::string socket_dir_;
  bool own_ = false;
};

std::string PsqlCommand(const std::string& socket_dir, std::string_view database) {
  return "PGCLIENTENCODING=UTF8 psql -X -q -v ON_ERROR_STOP=1 -h '" + socket_dir + "' -U postgres -d '" +
         std::string(database) + "'";
}

// One psql process on one database, fed the fixtures' SQL through a socket:
// a psql started for every statement cost the tests most of their time. After
// the SQL it echoes a marker; psql stops at the first error (ON_ERROR_STOP),
// so the marker not coming means the error in its log, and the next SQL
// starts a new psql.
class PsqlSession {
 public:
  PsqlSession(std::string socket_dir, std::string database, fs::path log)
      : socket_dir_(std::move(socket_dir)), database_(std::move(database)), log_(std::move(log)) {}
  ~PsqlSession() { Stop(); }
  PsqlSession(const PsqlSession&) = delete;
  PsqlSession& operator=(const PsqlSession&) = delete;

  void Run(std::string_view sql) {
    std::lock_guard lock(mutex_);
    if (pid_ < 0) Start();
    const auto log_size = fs::exists(log_) ? fs::file_size(log_) : 0;
    const std::string marker = "qv-testdb-done-" + std::to_string(++batches_);
    // The newline ends a closing comment, the semicolon a closing statement.
    std::string input(sql);
    input += "\n;\n\\echo " + marker + "\n";
    if (!Send(input) || !Await(marker + "\n")) {
      Stop();
      std::string message = ReadFile(log_);
      message = Trimmed(message.size() > log_size ? message.substr(log_size) : message);
      Fail("psql on " + database_ + " failed: " + (message.empty() ? "no answer" : message));
    }
  }

 private:
  void Start() {
    int in[2], out[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, in) != 0 ||
        socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, out) != 0)
      Fail("cannot make the sockets of psql");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[1], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, log_.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    std::vector<std::string> args = {"psql", "-X", "-q", "-v", "ON_ERROR_STOP=1", "-o", "/dev/null",
                                     "-h", socket_dir_, "-U", "postgres", "-d", database_};
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    std::string encoding = "PGCLIENTENCODING=UTF8";  // the fixtures are UTF-8 whatever the locale
    std::vector<char*> envp{encoding.data()};
    for (char** e = environ; *e; ++e) {
      if (!std::string_view(*e).starts_with("PGCLIENTENCODING=")) envp.push_back(*e);
    }
    envp.push_back(nullptr);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, "psql", &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(in[1]);
    close(out[1]);
    if (rc != 0) {
      close(in[0]);
      close(out[0]);
      Fail("cannot start psql");
    }
    pid_ = pid;
    to_psql_ = in[0];
    from_psql_ = out[0];
    received_.clear();
  }

  void Stop() {
    if (pid_ < 0) return;
    close(to_psql_);  // end of input: psql quits
    close(from_psql_);
    int status = 0;
    waitpid(pid_, &status, 0);
    pid_ = -1;
  }

  bool Send(std::string_view text) const {
    while (!text.empty()) {
      const ssize_t n = send(to_psql_, text.data(), text.size(), MSG_NOSIGNAL);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
  }

  // Reads until the line `line`; false when psql ends first.
  bool Await(const std::string& line) {
    constexpr int kPatienceMs = 300'000;  // an unterminated literal would wait for ever
    char buffer[4096];
    while (received_.find(line) == std::string::npos) {
      pollfd p{from_psql_, POLLIN, 0};
      const int ready = poll(&p, 1, kPatienceMs);
      if (ready < 0 && errno == EINTR) continue;
      if (ready <= 0) return false;
      const ssize_t n = read(from_psql_, buffer, sizeof buffer);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return false;
      received_.append(buffer, static_cast<std::size_t>(n));
    }
    received_.clear();
    return true;
  }

  std::string socket_dir_, database_;
  fs::path log_;
  std::mutex mutex_;
  pid_t pid_ = -1;
  int to_psql_ = -1, from_psql_ = -1;
  int batches_ = 0;
  std::string received_;
};

std::string PostgresSection(const std::string& name, const std::string& socket_dir, const std::string& database,
                            bool ansi = false) {
  return "[" + name + "]\n"
         "Driver=" + (ansi ? "postgres_ansi" : "postgres") + "\n"
         "Servername=" + socket_dir + "\n"
         "Port=5432\n"
         "Database=" + database + "\n"
         "Username=postgres\n"
         "Password=\n"
         "CommLog=0\n"
         "Debug=0\n"
         "UseDeclareFetch=0\n"
         "BoolsAsChar=0\n\n";
}

std::string SqliteSection(const std::string& name, const std::string& path) {
  return "[" + name + "]\n"
         "Driver=sqlite\n"
         "Database=" + path + "\n"
         "LoadExt=" QV_SQLITE_EXT "\n"
         "Timeout=10000\n"
         "SyncPragma=OFF\n\n";
}

// The process's databases and ODBC files; torn down at exit.
class Session {
 public:
  Session() {
    std::string tmpl = cluster_.socket_dir() + "/qvXXXXXX";
    if (!mkdtemp(tmpl.data())) Fail("cannot create a folder in " + cluster_.socket_dir());
    folder_ = tmpl;

    fs::path sys = folder_ / "sys";
    fs::create_directories(sys);
    WriteFile(sys / "odbcinst.ini",
              "[postgres]\n"
              "Description=PostgreSQL Unicode (psqlODBC)\n"
              "Driver=" QV_PSQLODBC_DRIVER "\n"
              "Debug=0\n"
              "CommLog=0\n"
              "DontDLClose=1\n\n"
              "[postgres_ansi]\n"
              "Description=PostgreSQL ANSI (psqlODBC)\n"
              "Driver=" QV_PSQLODBCA_DRIVER "\n"
              "Debug=0\n"
              "CommLog=0\n"
              "DontDLClose=1\n\n"
              "[sqlite]\n"
              "Description=SQLite 3 (sqliteodbc)\n"
              "Driver=" QV_SQLITEODBC_DRIVER "\n"
              "DontDLClose=1\n\n");
    WriteFile(sys / "odbc.ini", "");
    odbcini_ = folder_ / "odbc.ini";
    WriteFile(odbcini_, "");
    setenv("ODBCSYSINI", sys.c_str(), 1);
    setenv("ODBCINSTINI", "odbcinst.ini", 1);
    setenv("ODBCINI", odbcini_.c_str(), 1);

    db_.socket_dir = cluster_.socket_dir();
    db_.postgres_database = CreateDatabase();
    db_.sqlite_path = (folder_ / "hr.sqlite").string();
    fs::copy_file(cluster_.state() / "template.sqlite", db_.sqlite_path);

    AddSection(PostgresSection(db_.postgres_dsn, db_.socket_dir, db_.postgres_database));
    AddSection(SqliteSection(db_.sqlite_dsn, db_.sqlite_path));
    db_.postgres = "DSN=" + db_.postgres_dsn;
    db_.sqlite = "DSN=" + db_.sqlite_dsn;
    db_.postgres_dsnless = "Driver=postgres;Servername=" + db_.socket_dir + ";Port=5432;Database=" +
                           db_.postgres_database + ";Username=postgres;CommLog=0;Debug=0;BoolsAsChar=0";
    db_.sqlite_dsnless = "Driver=sqlite;Database=" + db_.sqlite_path + ";LoadExt=" QV_SQLITE_EXT;
  }

  ~Session() {
    sessions_.clear();
    for (const auto& name : databases_) {
      try {
        Psql("postgres", "DROP DATABASE IF EXISTS \"" + name + "\" WITH (FORCE);");
      } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
      }
    }
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  const Databases& databases() const { return db_; }

  std::string CreateDatabase() {
    std::lock_guard lock(mutex_);
    std::string name = "qv_" + std::to_string(getpid()) + "_" + std::to_string(databases_.size());
    Psql("postgres", "CREATE DATABASE \"" + name + "\" TEMPLATE " + std::string(kTemplateDatabase) + ";");
    databases_.push_back(name);
    return name;
  }

  std::string CreateDatabase(const DatabaseSettings& d) {
    for (const std::string& locale : d.locales) MakeLocale(locale);
    if (!d.locale.empty()) MakeLocale(d.locale);
    std::string name;
    if (d.encoding.empty()) {
      name = CreateDatabase();
    } else {
      std::lock_guard lock(mutex_);
      name = "qv_" + std::to_string(getpid()) + "_" + std::to_string(databases_.size());
      const std::string locale = d.locale.empty() ? "C" : d.locale;
      Psql("postgres", "CREATE DATABASE \"" + name + "\" TEMPLATE template0 ENCODING '" + d.encoding +
                           "' LC_COLLATE '" + locale + "' LC_CTYPE '" + locale + "';");
      databases_.push_back(name);
      ApplySchema(name);
    }
    std::string alter;
    for (const std::string& setting : d.settings) alter += "ALTER DATABASE \"" + name + "\" SET " + setting + ";\n";
    if (!alter.empty()) Psql("postgres", alter);
    return name;
  }

  // The schema's files and the tests' own tables in name order, in one psql session that stops at the first error.
  void ApplySchema(const std::string& database) {
    std::vector<fs::path> files;
    const fs::path schema(QV_SCHEMA_DIR);
    for (const fs::path& folder : {schema / "tables", schema / "postgres", fs::path(QV_TEST_TABLES_DIR)}) {
      for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".sql") files.push_back(entry.path());
      }
    }
    std::sort(files.begin(), files.end(), [](const fs::path& a, const fs::path& b) { return a.filename() < b.filename(); });
    std::string command = PsqlCommand(cluster_.socket_dir(), database);
    for (const fs::path& f : files) command += " -f '" + f.string() + "'";
    Run(command, folder_ / ("schema-" + database + ".err"));
  }

  void MakeLocale(const std::string& locale) {
    std::lock_guard lock(mutex_);
    const fs::path dir = fs::path(cluster_.socket_dir()) / "locale";
    if (fs::exists(dir / locale)) return;
    const auto dot = locale.find('.');
    if (dot == std::string::npos) Fail("locale without a character set: " + locale);
    // Made under a name of its own, then renamed: another program may be making it too.
    const fs::path part = dir / (locale + ".part" + std::to_string(getpid()));
    Run("localedef -i '" + locale.substr(0, dot) + "' -f '" + locale.substr(dot + 1) + "' '" + part.string() + "'",
        folder_ / "localedef.err");
    std::error_code ignored;
    fs::rename(part, dir / locale, ignored);
    fs::remove_all(part, ignored);
  }

  void AddSection(const std::string& section) {
    std::lock_guard lock(mutex_);
    WriteFile(odbcini_, section, /*append=*/true);
  }

  // The SQL goes to the database's own psql session, which stops at the first error.
  void Psql(const std::string& database, std::string_view sql) {
    PsqlSession* session = nullptr;
    {
      std::lock_guard lock(sessions_mutex_);
      auto& s = sessions_[database];
      if (!s)
        s = std::make_unique<PsqlSession>(cluster_.socket_dir(), database, folder_ / ("psql-" + database + ".log"));
      session = s.get();
    }
    session->Run(sql);
  }

 private:
  Cluster cluster_;
  fs::path folder_;
  fs::path odbcini_;
  Databases db_;
  std::vector<std::string> databases_;
  std::mutex mutex_;
  std::mutex sessions_mutex_;
  std::map<std::string, std::unique_ptr<PsqlSession>> sessions_;
};

Session& TheSession() {
  static Session session;
  return session;
}

struct SqliteCloser {
  void operator()(sqlite3* db) const { sqlite3_close(db); }
};

}  // namespace

const Databases& Get() { return TheSession().databases(); }

void AddDataSource(const std::string& name, bool postgres, const std::string& database_or_path, bool ansi) {
  Session& s = TheSession();
  const Databases& db = s.databases();
  s.AddSection(postgres ? PostgresSection(name, db.socket_dir, database_or_path, ansi)
                        : SqliteSection(name, database_or_path));
}

void ExecPostgres(std::string_view sql) {
  Session& s = TheSession();
  s.Psql(s.databases().postgres_database, sql);
}

void ExecSqlite(std::string_view sql) {
  const Databases& db = Get();
  sqlite3* raw = nullptr;
  int rc = sqlite3_open(db.sqlite_path.c_str(), &raw);
  std::unique_ptr<sqlite3, SqliteCloser> handle(raw);
  if (rc != SQLITE_OK) Fail("cannot open " + db.sqlite_path);
  sqlite3_busy_timeout(raw, 10000);
  sqlite3_enable_load_extension(raw, 1);
  char* message = nullptr;
  if (sqlite3_load_extension(raw, QV_SQLITE_EXT, nullptr, &message) != SQLITE_OK) {
    std::string text = message ? message : "";
    sqlite3_free(message);
    Fail("cannot load the SQLite extension: " + text);
  }
  std::string statements(sql);
  if (sqlite3_exec(raw, statements.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
    std::string text = message ? message : sqlite3_errmsg(raw);
    sqlite3_free(message);
    Fail("SQLite: " + text);
  }
}

std::string CreatePostgresDatabase() { return TheSession().CreateDatabase(); }

std::string CreatePostgresDatabase(const DatabaseSettings& settings) { return TheSession().CreateDatabase(settings); }

void MakeServerLocale(const std::string& locale) { TheSession().MakeLocale(locale); }

void ExecPostgres(const std::string& database, std::string_view sql) { TheSession().Psql(database, sql); }

}  // namespace testdb
