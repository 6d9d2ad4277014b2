// SPDX-License-Identifier: MIT
// The component model end to end: registration in the registry file, creation
// by class name through the class factory, unloading.
#include <gtest/gtest.h>
#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/automation/error.h"
#include "platform/com/client.h"
#include "platform/com/registry.h"
#include "platform/com/server.h"

namespace {

using automation::Variant;
namespace fs = std::filesystem;

class ComponentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("qvcom-" + std::to_string(::getpid()));
    fs::create_directories(dir_);
    registry_ = dir_ / "sub" / "registry";
    system_registry_ = dir_ / "etc" / "qvcom" / "registry";
    ::setenv("QV_COM_REGISTRY", registry_.c_str(), 1);
    ::setenv("QV_COM_SYSTEM_REGISTRY", system_registry_.c_str(), 1);
  }
  void TearDown() override {
    ::unsetenv("QV_COM_REGISTRY");
    ::unsetenv("QV_COM_SYSTEM_REGISTRY");
    fs::remove_all(dir_);
  }
  static void Write(const fs::path& file, const std::string& text) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << text;
  }
  static std::string Read(const fs::path& file) {
    std::ifstream in(file);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  fs::path dir_;
  fs::path registry_;
  fs::path system_registry_;
};

TEST_F(ComponentTest, RegistryPathFollowsTheEnvironment) {
  EXPECT_EQ(com::RegistryPath(), registry_);
  ::unsetenv("QV_COM_REGISTRY");
  ::setenv("XDG_CONFIG_HOME", dir_.c_str(), 1);
  EXPECT_EQ(com::RegistryPath(), dir_ / "qvcom" / "registry");
  ::unsetenv("XDG_CONFIG_HOME");
}

TEST_F(ComponentTest, RegistryFileKeepsOtherEntries) {
  com::Registry r;
  r.Set("Outro.classX", "/lib/outro.so");
  r.Save(registry_);
  com::RegisterServer(SAMPLE_COMPONENT);
  com::Registry loaded = com::Registry::Load(registry_);
  EXPECT_EQ(loaded.Find("outro.CLASSX"), "/lib/outro.so");
  EXPECT_EQ(loaded.Find("Amostra.classAmostra"), fs::canonical(SAMPLE_COMPONENT).string());
  EXPECT_FALSE(loaded.Find("Amostra.classPrivada")) << "private classes are not registered";

  com::RegisterServer(SAMPLE_COMPONENT, /*unregister=*/true);
  loaded = com::Registry::Load(registry_);
  EXPECT_FALSE(loaded.Find("Amostra.classAmostra"));
  EXPECT_EQ(loaded.Find("Outro.classX"), "/lib/outro.so");
}

TEST_F(ComponentTest, CreateObjectByNameAndCall) {
  com::RegisterServer(SAMPLE_COMPONENT);
  std::shared_ptr<com::IDispatch> object = com::CreateObject("amostra.classamostra");
  ASSERT_TRUE(object);
  EXPECT_EQ(object->ClassName(), "Amostra.classAmostra");
  std::vector<Variant> args{Variant(std::int32_t{5})};
  const com::CallResult r = object->Invoke("fDobro", args);
  ASSERT_FALSE(r.failed());
  EXPECT_EQ(r.value, Variant(std::int32_t{10}));

  // The library answers "can unload" only when no object of it lives.
  void* handle = dlopen(SAMPLE_COMPONENT, RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(handle, nullptr);
  auto can_unload = reinterpret_cast<com::CanUnloadNowFn>(dlsym(handle, "DllCanUnloadNow"));
  ASSERT_NE(can_unload, nullptr);
  EXPECT_EQ(can_unload(), com::S_FALSE);
  object.reset();
  EXPECT_EQ(can_unload(), com::S_OK);
  dlclose(handle);
}

TEST_F(ComponentTest, ClassFactoryLockKeepsTheLibrary) {
  com::RegisterServer(SAMPLE_COMPONENT);
  void* handle = dlopen(SAMPLE_COMPONENT, RTLD_NOW);
  ASSERT_NE(handle, nullptr);
  auto get = reinterpret_cast<com::GetClassObjectFn>(dlsym(handle, "DllGetClassObject"));
  auto can_unload = reinterpret_cast<com::CanUnloadNowFn>(dlsym(handle, "DllCanUnloadNow"));
  com::ClassFactory* factory = nullptr;
  ASSERT_EQ(get("Amostra.classAmostra", &factory), com::S_OK);
  factory->LockServer(true);
  EXPECT_EQ(can_unload(), com::S_FALSE);
  factory->LockServer(false);
  EXPECT_EQ(can_unload(), com::S_OK);
  EXPECT_EQ(get("Amostra.classPrivada", &factory), com::CLASS_E_CLASSNOTAVAILABLE);
  EXPECT_EQ(factory, nullptr);
  dlclose(handle);
}

TEST_F(ComponentTest, UnknownClassCannotBeCreated) {
  struct Case {
    const char* name;
    std::string registry_line;
  };
  const Case cases[] = {
      {"Amostra.classAmostra", ""},                                        // nothing registered
      {"Amostra.classAmostra", "Amostra.classAmostra=/nonexistent/lib.so"},  // library missing
      {"Amostra.classPrivada", std::string("Amostra.classPrivada=") + SAMPLE_COMPONENT},  // not creatable
  };
  for (const Case& c : cases) {
    std::ofstream(registry_) << c.registry_line << "\n";
    try {
      com::CreateObject(c.name);
      ADD_FAILURE() << c.registry_line;
    } catch (const automation::Error& e) {
      EXPECT_EQ(e.number(), com::err::kCannotCreate) << c.registry_line;
    }
  }
}

// The user's registry first, then the system's, whose paths are relative to its folder.
TEST_F(ComponentTest, TheSystemRegistryServesWhatTheUsersLacks) {
  const fs::path relative = fs::canonical(SAMPLE_COMPONENT).lexically_relative(dir_ / "etc" / "qvcom");
  Write(system_registry_, "Amostra.classAmostra=" + relative.string() + "\n");
  std::shared_ptr<com::IDispatch> object = com::CreateObject("Amostra.classAmostra");
  ASSERT_TRUE(object);
  EXPECT_EQ(object->ClassName(), "Amostra.classAmostra");
  object.reset();

  Write(registry_, "Amostra.classAmostra=" + (dir_ / "nowhere.so").string() + "\n");
  try {
    com::CreateObject("Amostra.classAmostra");
    ADD_FAILURE() << "the user's entry comes first";
  } catch (const automation::Error& e) {
    EXPECT_NE(e.description().find((dir_ / "nowhere.so").string()), std::string::npos) << e.description();
  }
}

TEST_F(ComponentTest, SystemRegistrationWritesPathsRelativeToTheRegistry) {
  {
    com::ScopedSystemRegistration system;
    EXPECT_EQ(com::RegistrationPath(), system_registry_);
    com::RegisterServer(SAMPLE_COMPONENT);
  }
  EXPECT_EQ(com::RegistrationPath(), registry_);
  const fs::path relative = fs::canonical(SAMPLE_COMPONENT).lexically_relative(fs::canonical(system_registry_.parent_path()));
  EXPECT_EQ(com::Registry::Load(system_registry_).Find("Amostra.classAmostra"), relative.string());
  EXPECT_FALSE(fs::exists(registry_)) << "the user's registry is left alone";
  EXPECT_EQ(com::FindRegistration("Amostra.classAmostra")->library, fs::canonical(SAMPLE_COMPONENT));
}

TEST_F(ComponentTest, AnUnregisteredClassNamesBothRegistriesAndRegsvr) {
  try {
    com::CreateObject("Amostra.classAmostra");
    ADD_FAILURE();
  } catch (const automation::Error& e) {
    for (const std::string& part : {registry_.string(), system_registry_.string(), std::string("quorvel-regsvr ")})
      EXPECT_NE(e.description().find(part), std::string::npos) << part << " in " << e.description();
  }
}

// A registry that cannot be written: the failure names the file and the system's reason.
TEST_F(ComponentTest, ARegistrationFailureSaysWhy) {
  struct Case {
    fs::path registry;
    std::string named;
    std::string reason;
  };
  fs::create_directories(dir_ / "a-folder");
  Write(dir_ / "a-file", "");
  const Case cases[] = {
      {dir_ / "a-folder", (dir_ / "a-folder").string(), "Is a directory"},
      {dir_ / "a-file" / "registry", (dir_ / "a-file").string(), "Not a directory"},
  };
  for (const Case& c : cases) {
    ::setenv("QV_COM_REGISTRY", c.registry.c_str(), 1);
    try {
      com::RegisterServer(SAMPLE_COMPONENT);
      ADD_FAILURE() << c.registry;
    } catch (const automation::Error& e) {
      EXPECT_NE(e.description().find(c.named), std::string::npos) << e.description();
      EXPECT_NE(e.description().find(c.reason), std::string::npos) << e.description();
    }
  }
}

TEST_F(ComponentTest, AFolderIsNoRegistry) {
  fs::create_directories(registry_);
  try {
    com::Registry::Load(registry_);
    ADD_FAILURE();
  } catch (const automation::Error& e) {
    EXPECT_EQ(e.number(), 75);
    EXPECT_NE(e.description().find(registry_.string() + ": Is a directory"), std::string::npos) << e.description();
  }
}

}  // namespace
