#include "sendrik/script_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#include "platform/automation/text.h"

namespace sendrik {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct FileCloser {
  void operator()(std::FILE* f) const noexcept { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string Reason(int error) { return std::error_code(error, std::generic_category()).message(); }

}  // namespace

std::string DecodeScript(std::string_view bytes) {
  if (automation::IsValidUtf8(bytes)) {
    if (bytes.starts_with(kByteOrderMark)) bytes.remove_prefix(kByteOrderMark.size());
    return std::string(bytes);
  }
  return automation::Cp1252ToUtf8(bytes);
}

std::vector<std::string> SplitLines(std::string_view text) {
  std::vector<std::string> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (line.ends_with('\r')) line.remove_suffix(1);
    lines.emplace_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::vector<std::string> ReadScriptLines(const std::filesystem::path& path) {
  std::error_code ec;
  if (std::filesystem::is_directory(path, ec)) throw FileError(Reason(EISDIR));
  File file(std::fopen(path.c_str(), "rb"));
  if (!file) throw FileError(Reason(errno));
  std::string bytes;
  char buffer[1 << 16];
  for (;;) {
    const std::size_t n = std::fread(buffer, 1, sizeof buffer, file.get());
    bytes.append(buffer, n);
    if (n < sizeof buffer) break;
  }
  if (std::ferror(file.get())) throw FileError(Reason(errno != 0 ? errno : EIO));
  return SplitLines(DecodeScript(bytes));
}

std::string ToCommand(std::string_view line) {
  std::string command(line);
  std::replace(command.begin(), command.end(), '|', '\'');
  return command;
}

bool IsSkippedLine(std::string_view line) { return line.empty() || line.starts_with("--"); }

}  // namespace sendrik
