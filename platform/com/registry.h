// SPDX-License-Identifier: MIT
#pragma once
// The registries of in-process classes: text files of lines "name=library path".
// A class is looked up in the user's registry first, then in the system's.
//
// The user's: $QV_COM_REGISTRY when set, otherwise
// $XDG_CONFIG_HOME/qvcom/registry (by default ~/.config/qvcom/registry).
// The system's: $QV_COM_SYSTEM_REGISTRY when set, otherwise
// SYSCONFDIR/qvcom/registry of the installation that holds this library
// (PREFIX/etc, /etc for the prefix /usr); a relative library path in it is
// relative to its folder, so that a moved installation keeps working.

#include "platform/export.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace com {

QV_EXPORT std::filesystem::path RegistryPath();
QV_EXPORT std::filesystem::path SystemRegistryPath();

class QV_EXPORT Registry {
 public:
  struct Entry {
    std::string name;
    std::string library;
  };

  // A missing file is an empty registry; a file that cannot be read (or a
  // folder) raises 75 with the file and the system's reason.
  static Registry Load(const std::filesystem::path& file);
  // Writes the whole file atomically (a temporary file renamed over it),
  // creating its folder; raises 75 with the file and the system's reason.
  void Save(const std::filesystem::path& file) const;

  // Names compare case-insensitively.
  std::optional<std::string> Find(std::string_view name) const;
  void Set(std::string_view name, std::string_view library);
  bool Remove(std::string_view name);
  const std::vector<Entry>& entries() const noexcept { return entries_; }

 private:
  std::vector<Entry> entries_;
};

// Where a class is registered: its library (an absolute path) and the registry that names it.
struct Registration {
  std::filesystem::path library;
  std::filesystem::path registry;
};
QV_EXPORT std::optional<Registration> FindRegistration(std::string_view class_name);

// The registry that registrations go to: the user's, or within a
// ScopedSystemRegistration (regsvr --system) on this thread the system's.
QV_EXPORT std::filesystem::path RegistrationPath();
// The library path as the registry at `registry` keeps it: relative to the
// system registry's folder there, unchanged elsewhere.
QV_EXPORT std::string RegisteredPath(const std::filesystem::path& library, const std::filesystem::path& registry);

class QV_EXPORT ScopedSystemRegistration {
 public:
  ScopedSystemRegistration();
  ~ScopedSystemRegistration();
  ScopedSystemRegistration(const ScopedSystemRegistration&) = delete;
  ScopedSystemRegistration& operator=(const ScopedSystemRegistration&) = delete;

 private:
  bool previous_;
};

}  // namespace com
