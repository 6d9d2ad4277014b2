// SPDX-License-Identifier: MIT
#pragma once
// The error procedure (pTrataErro) and the library's identification text.

#include <string>
#include <string_view>

#include "platform/automation/error.h"

namespace quorvel {

// The text that follows the error number and four blanks in DescErr, and the
// caption of the library's message box.
inline constexpr std::string_view kIdentification = "Quorvel";

// The error pending in a trap: number 0 means none.
using ErrObject = automation::ErrorInfo;

// With an error pending, DescErr becomes its number, four blanks and the
// identification text; with none (number 0), DescErr is left as it was.
void pTrataErro(std::string& DescErr, const ErrObject& err);

}  // namespace quorvel
