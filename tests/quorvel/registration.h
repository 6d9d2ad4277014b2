#pragma once
// A class registry of the test program's own, in a temporary folder, with
// libquorvel.so registered in it for as long as it lives.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "platform/com/client.h"

namespace qvtest {

class PrivateRegistry {
 public:
  PrivateRegistry(std::string_view tag, const char* library)
      : dir_(std::filesystem::temp_directory_path() / (std::string(tag) + "-" + std::to_string(::getpid()))) {
    std::filesystem::create_directories(dir_);
    ::setenv("QV_COM_REGISTRY", (dir_ / "registry").c_str(), 1);
    com::RegisterServer(library);
  }
  ~PrivateRegistry() {
    ::unsetenv("QV_COM_REGISTRY");
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
  }
  PrivateRegistry(const PrivateRegistry&) = delete;
  PrivateRegistry& operator=(const PrivateRegistry&) = delete;

  const std::filesystem::path& dir() const noexcept { return dir_; }

 private:
  std::filesystem::path dir_;
};

}  // namespace qvtest
