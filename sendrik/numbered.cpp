// SPDX-License-Identifier: MIT
#include "sendrik/numbered.h"

#include <algorithm>
#include <system_error>
#include <vector>

#include "sendrik/version_check.h"

namespace sendrik {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsRegularFile(const std::filesystem::path& path) {
  std::error_code ec;
  return std::filesystem::is_regular_file(path, ec);
}

}  // namespace

bool IsNumberedScript(std::string_view file_name) {
  return file_name.size() >= 5 && IsDigit(file_name[file_name.size() - 5]);
}

std::string DigitsOf(std::string_view file_name) {
  std::string digits;
  std::copy_if(file_name.begin(), file_name.end(), std::back_inserter(digits), IsDigit);
  return digits;
}

std::string NextNumber(std::string_view number_text) {
  std::string n(number_text.substr(std::min(number_text.find_first_not_of('0'), number_text.size())));
  auto it = n.rbegin();
  for (; it != n.rend() && *it == '9'; ++it) *it = '0';
  if (it == n.rend()) {
    n.insert(n.begin(), '1');
  } else {
    ++*it;
  }
  return n;
}

std::string NumberedScriptName(std::string_view number_text) { return "Script" + std::string(number_text) + ".spt"; }

std::optional<std::string> FindScript(const std::filesystem::path& folder, std::string_view name) {
  if (name.empty()) return std::nullopt;
  const std::filesystem::path dir = folder.empty() ? std::filesystem::path(".") : folder;
  if (IsRegularFile(dir / name)) return std::string(name);
  const std::string wanted = LowerAscii(name);
  std::vector<std::string> matches;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    std::string candidate = it->path().filename().string();
    if (LowerAscii(candidate) == wanted && IsRegularFile(it->path())) matches.push_back(std::move(candidate));
  }
  if (matches.empty()) return std::nullopt;
  return *std::min_element(matches.begin(), matches.end());
}

ScriptPath SplitScriptPath(std::string_view full_path) {
  const auto slash = full_path.rfind('/');
  if (slash == std::string_view::npos) return {std::string(), std::string(full_path)};
  return {std::string(full_path.substr(0, slash + 1)), std::string(full_path.substr(slash + 1))};
}

}  // namespace sendrik
