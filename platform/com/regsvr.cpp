// SPDX-License-Identifier: MIT
// quorvel-regsvr [-u] [--system] LIBRARY: registers (or with -u unregisters) a component's classes.
// quorvel-regsvr --help | --version
#include <cstdio>
#include <exception>
#include <optional>
#include <string_view>

#include "platform/automation/error.h"
#include "platform/automation/program.h"
#include "platform/com/client.h"
#include "platform/com/registry.h"

namespace {

constexpr const char* kUsage =
    "usage: quorvel-regsvr [-u] [--system] LIBRARY\n"
    "       quorvel-regsvr --help | --version\n"
    "  Registers the classes of a component library (Quorvel: PREFIX/lib/quorvel/libquorvel.so) in the\n"
    "  user's class registry ($QV_COM_REGISTRY, else $XDG_CONFIG_HOME/qvcom/registry, by default\n"
    "  ~/.config/qvcom/registry); --system: in the system's (PREFIX/etc/qvcom/registry, read for every\n"
    "  user after the user's own); -u unregisters them.\n";

int Usage() {
  std::fputs(kUsage, stderr);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (const auto status = automation::AnswerHelpOrVersion(argc, argv, "quorvel-regsvr", QV_VERSION, kUsage))
    return *status;
  bool unregister = false;
  bool system = false;
  int i = 1;
  for (; i < argc && argv[i][0] == '-'; ++i) {
    const std::string_view option = argv[i];
    if (option == "-u") unregister = true;
    else if (option == "--system") system = true;
    else if (option == "--") {
      ++i;
      break;
    } else {
      std::fprintf(stderr, "quorvel-regsvr: unknown option %s\n", argv[i]);
      return Usage();
    }
  }
  if (i + 1 != argc) return Usage();
  try {
    std::optional<com::ScopedSystemRegistration> scope;
    if (system) scope.emplace();
    com::RegisterServer(argv[i], unregister);
    std::printf("%s %s in %s\n", unregister ? "Unregistered" : "Registered", argv[i],
                com::RegistrationPath().string().c_str());
    return 0;
  } catch (const automation::Error& e) {
    std::fprintf(stderr, "quorvel-regsvr: %s\n", e.description().c_str());
    return 1;
  }
}
