// regsvr [-u] LIBRARY: registers (or with -u unregisters) a component's classes.
// regsvr --help | --version
#include <cstdio>
#include <cstring>
#include <exception>

#include "platform/automation/error.h"
#include "platform/automation/program.h"
#include "platform/com/client.h"
#include "platform/com/registry.h"

namespace {

constexpr const char* kUsage =
    "usage: regsvr [-u] LIBRARY\n"
    "       regsvr --help | --version\n"
    "  Registers the classes of a component library in the class registry ($QV_COM_REGISTRY,\n"
    "  else $XDG_CONFIG_HOME/qvcom/registry, by default ~/.config/qvcom/registry); -u unregisters them.\n";

}  // namespace

int main(int argc, char** argv) {
  if (const auto status = automation::AnswerHelpOrVersion(argc, argv, "regsvr", QV_VERSION, kUsage)) return *status;
  bool unregister = false;
  int i = 1;
  if (i < argc && std::strcmp(argv[i], "-u") == 0) {
    unregister = true;
    ++i;
  }
  if (i + 1 != argc || argv[i][0] == '-') {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    com::RegisterServer(argv[i], unregister);
    std::printf("%s %s in %s\n", unregister ? "Unregistered" : "Registered", argv[i],
                com::RegistryPath().string().c_str());
    return 0;
  } catch (const automation::Error& e) {
    std::fprintf(stderr, "regsvr: %s\n", e.description().c_str());
    return 1;
  }
}
