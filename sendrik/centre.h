// SPDX-License-Identifier: MIT
#pragma once
// Window placement shared by the two windows.

#include "platform/win/types.h"

namespace sendrik {

// Left = screen width / 2 - window width / 2, Top likewise with the heights.
void CentreOnScreen(win::HWND window);

}  // namespace sendrik
