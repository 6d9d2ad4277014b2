// regsvr [-u] LIBRARY: registers (or with -u unregisters) a component's classes.
#include <cstdio>
#include <cstring>
#include <exception>

#include "platform/automation/error.h"
#include "platform/com/client.h"
#include "platform/com/registry.h"

int main(int argc, char** argv) {
  bool unregister = false;
  int i = 1;
  if (i < argc && std::strcmp(argv[i], "-u") == 0) {
    unregister = true;
    ++i;
  }
  if (i + 1 != argc) {
    std::fprintf(stderr, "usage: regsvr [-u] LIBRARY\n");
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
