// SPDX-License-Identifier: MIT
#include "platform/automation/program.h"

#include <iostream>
#include <system_error>

namespace automation {

std::filesystem::path AppPath() {
  std::error_code ec;
  const auto program = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::filesystem::path(".") : program.parent_path();
}

std::filesystem::path ProgramFile(std::string_view name, std::string_view installed_folder) {
  const auto folder = AppPath();
  const auto beside = folder / name;
  std::error_code ec;
  if (std::filesystem::exists(beside, ec)) return beside;
  auto installed = (folder / installed_folder / name).lexically_normal();
  if (std::filesystem::exists(installed, ec)) return installed;
  return beside;
}

std::optional<int> AnswerHelpOrVersion(int argc, const char* const* argv, std::string_view name,
                                       std::string_view version, std::string_view usage) {
  if (argc != 2) return std::nullopt;
  const std::string_view option = argv[1];
  if (option == "--help" || option == "-h") {
    std::cout << usage << std::flush;
    return 0;
  }
  if (option == "--version") {
    std::cout << name << " " << version << "\n" << std::flush;
    return 0;
  }
  return std::nullopt;
}

}  // namespace automation
