#pragma once
// The running program's folder (the runtime's App.Path) and the data files
// that a program keeps beside it in a build tree or in its data folder once
// installed.

#include "platform/export.h"

#include <filesystem>
#include <string_view>

namespace automation {

// Folder of the running program's executable ("." when it cannot be told).
QV_EXPORT std::filesystem::path AppPath();

// The program's data file `name`: beside the program when it is there, else
// in `installed_folder` (relative to the program's folder) when it is there,
// else the place beside the program.
QV_EXPORT std::filesystem::path ProgramFile(std::string_view name, std::string_view installed_folder);

}  // namespace automation
