// hrapp: the HR application's stand-in. Creates a business object by class
// name through the component model, calls one method by name and prints its
// result, DescErr and every by-reference argument.
//
//   hrapp [--connect "CONNECTION STRING"] CLASS METHOD [ARG ...]
//   hrapp --help | --version
//
// Exit status: 0 DescErr empty (or a warning), 1 DescErr holds an error,
// 2 usage error, 3 failed call.
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "hosts/hrapp/arguments.h"
#include "hosts/hrapp/output.h"
#include "platform/ado/ado.h"
#include "platform/automation/error.h"
#include "platform/automation/program.h"
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

// The SQLite extension: installed beside the libraries, else the build's.
std::string SqliteExtension() {
  std::error_code ec;
  const fs::path installed = automation::ProgramFile(HRAPP_SQLITE_EXT_NAME, HRAPP_LIB_FOLDER);
  if (fs::exists(installed, ec)) return installed.string();
  if (fs::exists(HRAPP_SQLITE_EXT, ec)) return HRAPP_SQLITE_EXT;
  return {};
}

std::string DefaultConnection() {
  std::string cs = "Driver=" HRAPP_SQLITE_DRIVER ";Database=" + DemoDatabase().string();
  if (const std::string ext = SqliteExtension(); !ext.empty()) cs += ";LoadExt=" + ext;
  return cs;
}

void PrintUsage(std::ostream& out) {
  out << "usage: hrapp [--connect \"CONNECTION STRING\"] CLASS METHOD [ARG ...]\n"
         "       hrapp --help | --version\n"
               "  ARG: null, empty, 12, 1.5, 2024-03-05, text, \"quoted text\", JSON arrays like [[null,\"obs\",55,\"\",\"\"]]\n"
               "  The default connection is the SQLite demo database " << DemoDatabase().string() << "\n";
}

int Usage(const std::string& message) {
  std::cerr << "hrapp: " << message << "\n";
  PrintUsage(std::cerr);
  return kUsage;
}

std::string Signature(const com::MethodInfo& m) {
  std::string s = m.name + "(";
  for (std::size_t i = 0; i < m.params.size(); ++i) {
    if (i) s += ", ";
    s += m.params[i].name + " As " + std::string(com::TypeName(m.params[i].type));
  }
  return s + ")";
}

// The parameters hrapp fills itself: the connection and DescErr.
bool ByHost(const com::ParamInfo& p) { return p.type == com::Type::Object || com::EqualsNoCase(p.name, "DescErr"); }

int Run(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  std::string connection;
  if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) return PrintUsage(std::cout), 0;
  if (!args.empty() && args[0] == "--version") return std::cout << "hrapp " QV_VERSION "\n", 0;
  if (!args.empty() && args[0] == "--connect") {
    if (args.size() < 2) return Usage("--connect needs a connection string");
    connection = args[1];
    args.erase(args.begin(), args.begin() + 2);
  }
  if (args.size() < 2) return Usage("CLASS and METHOD are required");

  std::string class_name = args[0];
  if (class_name.find('.') == std::string::npos) class_name = "Quorvel." + class_name;
  if (!com::Registry::Load(com::RegistryPath()).Find(class_name))
    return Usage("unknown class " + class_name + " (not registered in " + com::RegistryPath().string() + ")");

  std::shared_ptr<com::IDispatch> object;
  try {
    object = com::CreateObject(class_name);
  } catch (const automation::Error& e) {
    std::cerr << "hrapp: cannot create " << class_name << ": " << e.description() << "\n";
    return kFailedCall;
  }
  const com::MethodInfo* method = object->FindMethod(args[1]);
  if (!method) {
    std::string known;
    for (const auto& m : object->Methods()) known += "\n  " + Signature(m);
    return Usage("unknown method " + args[1] + " of " + class_name + "; its methods:" + known);
  }

  const std::vector<std::string> given(args.begin() + 2, args.end());
  std::size_t wanted = 0;
  for (const auto& p : method->params) wanted += !ByHost(p);
  if (given.size() != wanted)
    return Usage(method->name + " takes " + std::to_string(wanted) + " argument(s), " + std::to_string(given.size()) +
                 " given: " + Signature(*method));

  auto conn = std::make_shared<ado::Connection>();
  std::vector<Variant> values;
  std::size_t next = 0;
  for (const auto& p : method->params) {
    if (p.type == com::Type::Object) {
      values.emplace_back(std::shared_ptr<automation::Object>(conn));
    } else if (ByHost(p)) {
      values.emplace_back("");
    } else {
      try {
        values.push_back(hrapp::ParseArgument(given[next], p.type));
      } catch (const automation::Error& e) {
        return Usage("argument " + p.name + " (" + std::string(com::TypeName(p.type)) + "): " + e.description());
      }
      ++next;
    }
  }

  if (connection.empty()) {
    std::error_code ec;
    if (!fs::exists(DemoDatabase(), ec)) {
      std::cerr << "hrapp: the demo database " << DemoDatabase().string()
                << " does not exist (make demo creates it), or give --connect\n";
      return kFailedCall;
    }
    connection = DefaultConnection();
  }
  try {
    conn->Open(connection);
  } catch (const automation::Error& e) {
    std::cerr << "hrapp: cannot open the connection: " << e.description() << "\n";
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
    std::cerr << "hrapp: error " << e.number() << ": " << e.description() << "\n";
  } catch (const std::exception& e) {
    std::cerr << "hrapp: " << e.what() << "\n";
  }
  return kFailedCall;
}
