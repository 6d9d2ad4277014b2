#include "platform/com/registry.h"

#include <cstdlib>
#include <fstream>
#include <system_error>

#include "platform/automation/error.h"
#include "platform/com/dispatch.h"

namespace com {

namespace {

constexpr int kPathAccessError = 75;

std::string Trimmed(std::string_view s) {
  const auto b = s.find_first_not_of(" \t\r");
  if (b == std::string_view::npos) return {};
  const auto e = s.find_last_not_of(" \t\r");
  return std::string(s.substr(b, e - b + 1));
}

}  // namespace

std::filesystem::path RegistryPath() {
  if (const char* file = std::getenv("QV_COM_REGISTRY"); file && *file) return file;
  std::filesystem::path config;
  if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg) {
    config = xdg;
  } else if (const char* home = std::getenv("HOME"); home && *home) {
    config = std::filesystem::path(home) / ".config";
  } else {
    config = ".";
  }
  return config / "qvcom" / "registry";
}

Registry Registry::Load(const std::filesystem::path& file) {
  Registry registry;
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return registry;
  std::ifstream in(file);
  if (!in) automation::raise(kPathAccessError, "Cannot read the class registry " + file.string());
  std::string line;
  while (std::getline(in, line)) {
    const std::string text = Trimmed(line);
    if (text.empty() || text[0] == '#') continue;
    const auto eq = text.find('=');
    if (eq == std::string::npos) continue;
    registry.Set(Trimmed(std::string_view(text).substr(0, eq)), Trimmed(std::string_view(text).substr(eq + 1)));
  }
  return registry;
}

void Registry::Save(const std::filesystem::path& file) const {
  std::error_code ec;
  if (file.has_parent_path()) std::filesystem::create_directories(file.parent_path(), ec);
  std::filesystem::path temporary = file;
  temporary += ".tmp";
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << "# In-process classes: name=library\n";
    for (const Entry& e : entries_) out << e.name << '=' << e.library << '\n';
    out.flush();
    if (!out) automation::raise(kPathAccessError, "Cannot write the class registry " + temporary.string());
  }
  std::filesystem::rename(temporary, file, ec);
  if (ec) automation::raise(kPathAccessError, "Cannot write the class registry " + file.string() + ": " + ec.message());
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

}  // namespace com
