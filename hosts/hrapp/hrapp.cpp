// SPDX-License-Identifier: MIT
// quorvel-hrapp: the HR application's stand-in. Creates a business object by class
// name through the component model, calls one method by name and prints its
// result, DescErr and every by-reference argument.
//
//   quorvel-hrapp [--connect "CONNECTION STRING"] [--trace] CLASS METHOD [ARG ...]
//   quorvel-hrapp --help | --version
//
// Exit status: 0 DescErr empty (or a warning), 1 DescErr holds an error,
// 2 usage error, 3 failed call.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "hosts/hrapp/arguments.h"
#include "hosts/hrapp/output.h"
#include "platform/ado/ado.h"
#include "platform/automation/error.h"
#include "platform/automation/program.h"
#include "platform/automation/text.h"
#include "platform/com/client.h"
#include "platform/com/registry.h"

namespace {

using automation::Variant;
namespace fs = std::filesystem;

constexpr int kUsage = 2;
constexpr int kFailedCall = 3;

// The embedded SQLite demo database: $QV_DEMO_DB, or
// ${XDG_DATA_HOME:-~/.local/share}/quorvel/demo.sqlite.
fs::path DemoDatabase() {
  if (const char* p = std::getenv("QV_DEMO_DB"); p && *p) return p;
  if (const char* p = std::getenv("XDG_DATA_HOME"); p && *p) return fs::path(p) / "quorvel" / "demo.sqlite";
  const char* home = std::getenv("HOME");
  return fs::path(home ? home : ".") / ".local" / "share" / "quorvel" / "demo.sqlite";
}

// A module of the installation: in its private module folder (beside the
// program in a build tree).
fs::path Module(std::string_view name) { return automation::ProgramFile(name, QV_MODULE_FOLDER); }

std::string DefaultConnection() {
  std::string cs = "Driver=" HRAPP_SQLITE_DRIVER ";Database=" + DemoDatabase().string();
  std::error_code ec;
  if (const fs::path ext = Module(HRAPP_SQLITE_EXT_NAME); fs::is_regular_file(ext, ec)) cs += ";LoadExt=" + ext.string();
  return cs;
}

void PrintUsage(std::ostream& out) {
  out << "usage: quorvel-hrapp [--connect \"CONNECTION STRING\"] [--trace] CLASS METHOD [ARG ...]\n"
         "       quorvel-hrapp --help | --version\n"
         "  ARG: null, empty, 12, 1.5, 2024-03-05, text, \"quoted text\", JSON arrays like [[null,\"obs\",55,\"\",\"\"]]\n"
         "  --trace: each statement and the driver's message of each failure on standard error\n"
         "  The default connection is the SQLite demo database " << DemoDatabase().string() << "\n";
}

int Usage(const std::string& message) {
  std::cerr << "quorvel-hrapp: " << message << "\n";
  PrintUsage(std::cerr);
  return kUsage;
}

// The parameters hrapp fills itself: the connection and DescErr.
bool ByHost(const com::ParamInfo& p) { return p.type == com::Type::Object || com::EqualsNoCase(p.name, "DescErr"); }

// The method and its parameters: all of them, or those given on the command line.
std::string Signature(const com::MethodInfo& m, bool given_only = false) {
  std::string s = m.name + "(";
  bool first = true;
  for (const auto& p : m.params) {
    if (given_only && ByHost(p)) continue;
    if (!first) s += ", ";
    first = false;
    s += p.name + " As " + std::string(com::TypeName(p.type));
  }
  return s + ")";
}

// Text for a message: bytes that are not printable ASCII as \xHH.
std::string Shown(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (const unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F) {
      out += static_cast<char>(c);
    } else {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    }
  }
  return out + "\"";
}

std::optional<std::string> NotUtf8(std::string_view what, std::string_view text) {
  if (automation::IsValidUtf8(text)) return std::nullopt;
  return std::string(what) + " is not UTF-8 text: " + Shown(text);
}

// The value of `key` in an ODBC connection string (keys without case, values
// possibly in braces); nullopt when absent.
std::optional<std::string> ConnectionValue(std::string_view cs, std::string_view key) {
  constexpr auto npos = std::string_view::npos;
  while (!cs.empty()) {
    const auto eq = cs.find('=');
    if (eq == npos) break;
    const std::string name = automation::Trim(cs.substr(0, eq));
    cs.remove_prefix(eq + 1);
    std::string_view value;
    if (cs.starts_with('{')) {  // a value in braces may hold ';'
      const auto close = cs.find('}');
      value = cs.substr(1, close == npos ? npos : close - 1);
      cs.remove_prefix(close == npos ? cs.size() : close + 1);
    } else {
      value = cs.substr(0, cs.find(';'));
      cs.remove_prefix(value.size());
    }
    const auto semi = cs.find(';');
    cs.remove_prefix(semi == npos ? cs.size() : semi + 1);
    if (com::EqualsNoCase(name, key)) return automation::Trim(value);
  }
  return std::nullopt;
}

// The SQLite file a connection string names, when it names one: the driver
// would create a missing file as an empty database.
std::optional<fs::path> SqliteFile(std::string_view cs) {
  const auto driver = ConnectionValue(cs, "Driver");
  if (!driver || automation::LCase(*driver).find("sqlite") == std::string::npos) return std::nullopt;
  const auto database = ConnectionValue(cs, "Database");
  if (!database || database->empty() || *database == ":memory:" || database->starts_with("file:")) return std::nullopt;
  return fs::path(*database);
}

int Run(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) return PrintUsage(std::cout), 0;
  if (!args.empty() && args[0] == "--version") return std::cout << "quorvel-hrapp " QV_VERSION "\n", 0;
  std::string connection;
  bool trace_statements = false;
  std::size_t i = 0;
  for (; i < args.size() && args[i].starts_with("-"); ++i) {
    if (args[i] == "--") {
      ++i;
      break;
    }
    if (args[i] == "--connect") {
      if (i + 1 == args.size()) return Usage("--connect needs a connection string");
      connection = args[++i];
      if (const auto bad = NotUtf8("the connection string", connection)) return Usage(*bad);
    } else if (args[i] == "--trace") {
      trace_statements = true;
    } else {
      return Usage("unknown option " + Shown(args[i]));
    }
  }
  const std::vector<std::string> rest(args.begin() + static_cast<std::ptrdiff_t>(i), args.end());  // CLASS METHOD ARG...
  if (rest.size() < 2) return Usage("CLASS and METHOD are required");
  if (const auto bad = NotUtf8("CLASS", rest[0])) return Usage(*bad);
  if (const auto bad = NotUtf8("METHOD", rest[1])) return Usage(*bad);

  std::string class_name = rest[0];
  if (class_name.find('.') == std::string::npos) class_name = "Quorvel." + class_name;
  if (!com::FindRegistration(class_name))
    return Usage("unknown class " + class_name + ": " + com::NotRegistered(Module(HRAPP_COMPONENT_NAME).string()));

  std::shared_ptr<com::IDispatch> object;
  try {
    object = com::CreateObject(class_name);
  } catch (const automation::Error& e) {
    std::cerr << "quorvel-hrapp: cannot create " << class_name << ": " << e.description() << "\n";
    return kFailedCall;
  }
  const com::MethodInfo* method = object->FindMethod(rest[1]);
  if (!method) {
    std::string known;
    for (const auto& m : object->Methods()) known += "\n  " + Signature(m);
    return Usage("unknown method " + rest[1] + " of " + class_name +
                 "; its methods (quorvel-hrapp gives the connection and DescErr itself, the command line the rest):" +
                 known);
  }

  const std::vector<std::string> given(rest.begin() + 2, rest.end());
  std::size_t wanted = 0;
  for (const auto& p : method->params) wanted += !ByHost(p);
  if (given.size() != wanted)
    return Usage(method->name + " takes " + std::to_string(wanted) + " argument(s), " + std::to_string(given.size()) +
                 " given: " + Signature(*method, /*given_only=*/true) +
                 " (quorvel-hrapp gives the connection and DescErr itself)");

  auto conn = std::make_shared<ado::Connection>();
  std::vector<Variant> values;
  std::size_t next = 0;
  for (const auto& p : method->params) {
    if (p.type == com::Type::Object) {
      values.emplace_back(std::shared_ptr<automation::Object>(conn));
    } else if (ByHost(p)) {
      values.emplace_back("");
    } else {
      const std::string& text = given[next++];
      if (const auto bad = NotUtf8("argument " + p.name, text)) return Usage(*bad);
      try {
        values.push_back(hrapp::ParseArgument(text, p.type));
      } catch (const automation::Error& e) {
        return Usage("argument " + p.name + " (" + std::string(com::TypeName(p.type)) + "): " + e.description());
      }
    }
  }

  std::error_code ec;
  if (connection.empty()) {
    if (!fs::exists(DemoDatabase(), ec)) {
      std::cerr << "quorvel-hrapp: the demo database " << DemoDatabase().string()
                << " does not exist (make demo creates it), or give --connect\n";
      return kFailedCall;
    }
    connection = DefaultConnection();
  } else if (const auto file = SqliteFile(connection); file && !fs::exists(*file, ec)) {
    std::cerr << "quorvel-hrapp: the SQLite database " << file->string()
              << " does not exist (the driver would create it empty); create it with the schema's apply\n";
    return kFailedCall;
  }

  std::optional<ado::ScopedTrace> trace;
  if (trace_statements) {
    trace.emplace([](std::string_view statement) { std::cerr << "quorvel-hrapp: statement: " << statement << "\n"; },
                  [](std::string_view message) { std::cerr << "quorvel-hrapp: driver: " << message << "\n"; });
  }
  try {
    conn->Open(connection);
  } catch (const automation::Error& e) {
    std::cerr << "quorvel-hrapp: cannot open the connection: " << e.description() << "\n";
    return kFailedCall;
  }

  const com::CallResult result = object->Invoke(method->name, values);
  std::cout << class_name << "." << method->name << "\n";
  if (result.failed()) {
    std::cout << "failed call: error " << result.error.number << ": " << result.error.description << "\n";
  } else {
    std::cout << "result: " << hrapp::Describe(result.value) << "\n";
  }
  std::string desc_err;
  std::vector<std::size_t> arrays;
  for (std::size_t i = 0; i < method->params.size(); ++i) {
    const auto& p = method->params[i];
    if (p.type == com::Type::Object) continue;
    if (com::EqualsNoCase(p.name, "DescErr")) {
      desc_err = values[i].is_string() ? values[i].as_string() : std::string();
      std::cout << "DescErr: " << hrapp::Describe(values[i]) << "\n";
    } else if (values[i].is_array()) {
      arrays.push_back(i);
    } else {
      std::cout << p.name << ": " << hrapp::Describe(values[i]) << "\n";
    }
  }
  for (const std::size_t i : arrays) {
    std::cout << method->params[i].name << ": " << hrapp::Cell(values[i]) << "\n";
    hrapp::PrintTable(std::cout, values[i]);
  }
  conn->Close();
  if (result.failed()) return kFailedCall;
  return desc_err.empty() || desc_err.starts_with("9999 ") ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  // Whatever escapes (an unreadable class registry, for one) is a failed run, not a crash.
  try {
    return Run(argc, argv);
  } catch (const automation::Error& e) {
    std::cerr << "quorvel-hrapp: error " << e.number() << ": " << e.description() << "\n";
  } catch (const std::exception& e) {
    std::cerr << "quorvel-hrapp: " << e.what() << "\n";
  }
  return kFailedCall;
}
