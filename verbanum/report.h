// SPDX-License-Identifier: MIT
#pragma once
// How extenso tells the user of an error. The library shows the platform's
// message box; a program that compiles the sources itself may link its own.

#include <string_view>

namespace verbanum {

// Shows `message` (Windows-1252) and returns once the user has answered.
void ReportError(std::string_view message);

}  // namespace verbanum
