// SPDX-License-Identifier: MIT
#pragma once
// The shell's verbs on a file ("open": the file's own program).

#include "platform/export.h"
#include "platform/win/types.h"

#include <string_view>

namespace win {

inline constexpr int SW_SHOWNORMAL = 1;

// Returns a value above 32 on success, as the platform does (tests record the
// request). "open" hands the file to the desktop's opener (xdg-open): 31 (no
// association) when there is none or it fails, 2 when the file does not exist.
QV_EXPORT int ShellExecute(HWND owner, std::string_view verb, std::string_view file, std::string_view parameters = {},
                 std::string_view folder = {}, int show = SW_SHOWNORMAL);

}  // namespace win
