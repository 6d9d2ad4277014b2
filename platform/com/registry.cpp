// SPDX-License-Identifier: MIT
#include "platform/com/registry.h"

#include <dlfcn.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <system_error>
#include <utility>

#include "platform/automation/error.h"
#include "platform/com/dispatch.h"

namespace com {

namespace fs = std::filesystem;

namespace {

constexpr int kPathAccessError = 75;

// regsvr --system on this thread.
thread_local bool system_registration = false;

std::string Trimmed(std::string_view s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t\r");
  return std::string(s.substr(b, e - b + 1));
}

[[noreturn]] void Refuse(std::string_view what, const fs::path& file, const std::error_code& why) {
  automation::raise(kPathAccessError, std::string(what) + " " + file.string() + ": " + why.message());
}

std::error_code LastSystemError() { return {errno, std::generic_category()}; }

// The folder of the installed library that holds this code.
fs::path LibraryFolder() {
  static const int anchor = 0;
  Dl_info info{};
  if (dladdr(&anchor, &info) == 0 || info.dli_fname == nullptr) return {};
  std::error_code ec;
  const fs::path folder = fs::path(info.dli_fname).parent_path();
  const fs::path canonical = fs::canonical(folder, ec);
  return ec ? folder : canonical;
}

fs::path Normal(const fs::path& p) {
  std::error_code ec;
  const fs::path c = fs::weakly_canonical(p, ec);
  return ec ? p.lexically_normal() : c;
}

struct FileCloser {
  void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

fs::path RegistryPath() {
  if (const char* file = std::getenv("QV_COM_REGISTRY"); file && *file) return file;
  fs::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    config = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    config = fs::path(home) / ".config";
  } else {
    config = ".";
  }
  return config / "qvcom" / "registry";
}

fs::path SystemRegistryPath() {
  if (const char* file = std::getenv("QV_COM_SYSTEM_REGISTRY"); file && *file) return file;
  return (LibraryFolder() / QV_COM_LIB_TO_SYSCONF / "qvcom" / "registry").lexically_normal();
}

Registry Registry::Load(const fs::path& file) {
  Registry registry;
  std::error_code ec;
  const fs::file_status status = fs::status(file, ec);
  if (status.type() == fs::file_type::not_found) return registry;
  if (ec) Refuse("Cannot read the class registry", file, ec);
  if (fs::is_directory(status)) Refuse("Cannot read the class registry", file, std::make_error_code(std::errc::is_a_directory));
  std::ifstream in(file);
  if (!in) Refuse("Cannot read the class registry", file, LastSystemError());
  std::string line;
  while (std::getline(in, line)) {
    const std::string text = Trimmed(line);
    if (text.empty() || text[0] == '#') continue;
    const auto eq = text.find('=');
    if (eq == std::string::npos) continue;
    registry.Set(Trimmed(std::string_view(text).substr(0, eq)), Trimmed(std::string_view(text).substr(eq + 1)));
  }
  if (in.bad()) Refuse("Cannot read the class registry", file, LastSystemError());
  return registry;
}

void Registry::Save(const fs::path& file) const {
  constexpr std::string_view kCannotWrite = "Cannot write the class registry";
  std::error_code ec;
  if (file.has_parent_path()) {
    fs::create_directories(file.parent_path(), ec);
    if (ec) Refuse(std::string(kCannotWrite) + " " + file.string() + ": cannot create the folder", file.parent_path(), ec);
  }
  if (fs::is_directory(file, ec)) Refuse(kCannotWrite, file, std::make_error_code(std::errc::is_a_directory));
  fs::path temporary = file;
  temporary += ".tmp";
  // A failure names `where` and leaves no temporary file behind.
  const auto abandon = [&](const fs::path& where, const std::error_code& why) {
    std::error_code ignored;
    fs::remove(temporary, ignored);
    Refuse(kCannotWrite, where, why);
  };
  std::string text = "# In-process classes: name=library\n";
  for (const Entry& e : entries_) text += e.name + '=' + e.library + '\n';
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> out(std::fopen(temporary.c_str(), "w"));
  if (!out) Refuse(kCannotWrite, temporary, LastSystemError());
  bool written = std::fwrite(text.data(), 1, text.size(), out.get()) == text.size() && std::fflush(out.get()) == 0;
  std::error_code why = LastSystemError();
  if (std::fclose(out.release()) != 0 && written) {
    written = false;
    why = LastSystemError();
  }
  if (!written) abandon(temporary, why);
  fs::rename(temporary, file, ec);
  if (ec) abandon(file, ec);
}

std::optional<std::string> Registry::Find(std::string_view name) const {
  for (const Entry& e : entries_) {
    if (EqualsNoCase(e.name, name)) return e.library;
  }
  return std::nullopt;
}

void Registry::Set(std::string_view name, std::string_view library) {
  for (Entry& e : entries_) {
    if (EqualsNoCase(e.name, name)) {
      e.name = std::string(name);
      e.library = std::string(library);
      return;
    }
  }
  entries_.push_back({std::string(name), std::string(library)});
}

bool Registry::Remove(std::string_view name) {
  return std::erase_if(entries_, [&](const Entry& e) { return EqualsNoCase(e.name, name); }) > 0;
}

std::optional<Registration> FindRegistration(std::string_view class_name) {
  for (const fs::path& file : {RegistryPath(), SystemRegistryPath()}) {
    if (const auto library = Registry::Load(file).Find(class_name)) {
      fs::path path = *library;
      if (path.is_relative()) path = file.parent_path() / path;
      return Registration{path.lexically_normal(), file};
    }
  }
  return std::nullopt;
}

fs::path RegistrationPath() { return system_registration ? SystemRegistryPath() : RegistryPath(); }

std::string RegisteredPath(const fs::path& library, const fs::path& registry) {
  const fs::path folder = Normal(registry).parent_path();
  if (folder != Normal(SystemRegistryPath()).parent_path()) return library.string();
  return Normal(library).lexically_relative(folder).string();
}

ScopedSystemRegistration::ScopedSystemRegistration() : previous_(std::exchange(system_registration, true)) {}

ScopedSystemRegistration::~ScopedSystemRegistration() { system_registration = previous_; }

}  // namespace com
