// SPDX-License-Identifier: MIT
#pragma once
// The running program's folder (the runtime's App.Path), the data files
// that a program keeps beside it in a build tree or in its data folder once
// installed, and the options every program answers.

#include "platform/export.h"

#include <filesystem>
#include <optional>
#include <string_view>

namespace automation {

// Folder of the running program's executable ("." when it cannot be told).
QV_EXPORT std::filesystem::path AppPath();

// The program's data file `name`: beside the program when it is there, else
// in `installed_folder` (relative to the program's folder) when it is there,
// else the place beside the program.
QV_EXPORT std::filesystem::path ProgramFile(std::string_view name, std::string_view installed_folder);

// A lone --help (or -h) prints `usage` on standard output, a lone --version
// "name version"; either gives the exit status 0. nullopt for other arguments.
QV_EXPORT std::optional<int> AnswerHelpOrVersion(int argc, const char* const* argv, std::string_view name,
                                                 std::string_view version, std::string_view usage);

}  // namespace automation
