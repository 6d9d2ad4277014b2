// SPDX-License-Identifier: MIT
#pragma once
// A class registry of the test program's own, in a temporary folder, with
// libquorvel.so registered in it for as long as it lives; and calls of the
// classes created through it.

#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/automation/error.h"
#include "platform/automation/variant.h"
#include "platform/com/client.h"
#include "platform/com/registry.h"

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

// A test suite with libquorvel.so registered in a registry of its own.
class RegisteredTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { registry_ = std::make_unique<PrivateRegistry>("quorvel-test", QUORVEL_LIBRARY); }
  static void TearDownTestSuite() { registry_.reset(); }

 private:
  static inline std::unique_ptr<PrivateRegistry> registry_;
};

// The classes are in the registry, leave it (no longer creatable) when the
// library is unregistered and come back, creatable, when it is registered again.
inline void ExpectRegisteredAndUnregistered(std::span<const char* const> classes) {
  const auto file = com::RegistryPath();
  const std::string library = std::filesystem::canonical(QUORVEL_LIBRARY).string();
  for (const char* name : classes) EXPECT_EQ(com::Registry::Load(file).Find(name), library) << name;
  com::RegisterServer(QUORVEL_LIBRARY, /*unregister=*/true);
  for (const char* name : classes) {
    EXPECT_FALSE(com::Registry::Load(file).Find(name)) << name;
    EXPECT_THROW(com::CreateObject(name), automation::Error) << name;
  }
  com::RegisterServer(QUORVEL_LIBRARY);
  for (const char* name : classes) EXPECT_TRUE(com::CreateObject(name)) << name;
}

// One call through dispatch of a class created by its name.
struct ComponentCall {
  const char* cls;
  const char* method;
  std::vector<automation::Variant> args;  // after ConnRH and DescErr
  std::function<void(const std::vector<automation::Variant>&)> check;  // the arguments afterwards
};

// Makes each call: every one answers True and leaves DescErr empty.
inline void MakeComponentCalls(const automation::Variant& conn_rh, std::span<const ComponentCall> calls) {
  for (const ComponentCall& k : calls) {
    auto object = com::CreateObject(std::string("Quorvel.") + k.cls);
    ASSERT_TRUE(object) << k.cls;
    std::vector<automation::Variant> args{conn_rh, automation::Variant("")};
    args.insert(args.end(), k.args.begin(), k.args.end());
    const com::CallResult r = object->Invoke(k.method, args);
    ASSERT_FALSE(r.failed()) << k.cls << ": " << r.error.description;
    EXPECT_EQ(r.value, automation::Variant(true)) << k.cls;
    EXPECT_EQ(args[1], automation::Variant("")) << k.cls;
    k.check(args);
  }
}

}  // namespace qvtest
