// SPDX-License-Identifier: MIT
#pragma once
// The system's reasons (errno values) worded in the program's language.

#include <string>

namespace sendrik {

// "o arquivo ou a pasta não existe" for ENOENT; a number the table does not
// know is named by its number.
std::string SystemErrorText(int error);

}  // namespace sendrik
