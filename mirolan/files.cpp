// SPDX-License-Identifier: MIT
#include "mirolan/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>

#include "platform/automation/text.h"

namespace mirolan {
namespace {

char Fold(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

}  // namespace

bool WildcardMatch(std::string_view pattern, std::string_view name) {
  // Iterative match with one back-tracking point for the last "*".
  std::size_t p = 0, n = 0, star = std::string_view::npos, resume = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || Fold(pattern[p]) == Fold(name[n]))) {
      ++p;
      ++n;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      resume = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++resume;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  if (p == pattern.size()) return true;
  // "*.*" also matches names without a point, as the platform's listing does.
  return pattern.substr(p) == ".*";
}

std::vector<FolderEntry> ListFolder(const std::string& folder, std::string_view pattern) {
  std::vector<FolderEntry> out;
  std::error_code ec;
  std::filesystem::directory_iterator it(folder, ec), end;
  if (ec) return out;
  if (WildcardMatch(pattern, ".")) {
    out.push_back({".", true});
    out.push_back({"..", true});
  }
  for (; it != end; it.increment(ec)) {
    if (ec) break;
    std::string name = it->path().filename().string();
    if (!WildcardMatch(pattern, name)) continue;
    std::error_code kind;
    out.push_back({name, it->is_directory(kind)});
  }
  std::sort(out.begin(), out.end(), [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
  return out;
}

std::optional<std::string> ReadRegularFile(const std::string& path) {
  // Non-blocking, so that opening a FIFO does not wait for a writer; the
  // kind is checked on the open file itself.
  int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return std::nullopt;
  struct Closer {
    int fd;
    ~Closer() { ::close(fd); }
  } closer{fd};
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
  std::string bytes;
  char buffer[8192];
  for (;;) {
    ssize_t n = ::read(fd, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return std::nullopt;
    if (n == 0) return bytes;
    bytes.append(buffer, static_cast<std::size_t>(n));
  }
}

std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, std::string_view name) {
  if (name.empty()) return std::nullopt;
  std::error_code ec;
  if (std::filesystem::exists(std::filesystem::symlink_status(JoinPath(folder, name), ec))) return std::string(name);
  const std::string wanted = automation::LCase(name);
  std::optional<std::string> found;
  for (std::filesystem::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
    std::string candidate = it->path().filename().string();
    if (automation::LCase(candidate) == wanted && (!found || candidate < *found)) found = std::move(candidate);
  }
  return found;
}

bool SetCurrentDirectory(const std::string& folder) { return !folder.empty() && ::chdir(folder.c_str()) == 0; }

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string out(folder);
  out += '/';
  out += name;
  return out;
}

std::pair<std::string, std::string> SplitPath(std::string_view path) {
  std::size_t slash = path.rfind('/');
  if (slash == std::string_view::npos) return {};
  return {std::string(path.substr(0, slash)), std::string(path.substr(slash + 1))};
}

std::string LastComponent(std::string_view folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  std::size_t slash = folder.rfind('/');
  return std::string(slash == std::string_view::npos ? folder : folder.substr(slash + 1));
}

}  // namespace mirolan
