#pragma once
// The registry of in-process classes: a text file of lines "name=library path".
// Its location is $QV_COM_REGISTRY when set, otherwise
// $XDG_CONFIG_HOME/qvcom/registry (by default ~/.config/qvcom/registry).

#include "platform/export.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace com {

QV_EXPORT std::filesystem::path RegistryPath();

class QV_EXPORT Registry {
 public:
  struct Entry {
    std::string name;
    std::string library;
  };

  // A missing file is an empty registry; a file that cannot be read raises 75.
  static Registry Load(const std::filesystem::path& file);
  // Writes the whole file atomically (a temporary file renamed over it); raises 75 on failure.
  void Save(const std::filesystem::path& file) const;

  // Names compare case-insensitively.
  std::optional<std::string> Find(std::string_view name) const;
  void Set(std::string_view name, std::string_view library);
  bool Remove(std::string_view name);
  const std::vector<Entry>& entries() const noexcept { return entries_; }

 private:
  std::vector<Entry> entries_;
};

}  // namespace com
