// SPDX-License-Identifier: MIT
#include "sendrik/centre.h"

#include "platform/win/window.h"

namespace sendrik {

void CentreOnScreen(win::HWND window) {
  win::RECT r;
  if (!win::GetWindowRect(window, &r)) return;
  const int left = win::GetSystemMetrics(win::SM_CXSCREEN) / 2 - r.width() / 2;
  const int top = win::GetSystemMetrics(win::SM_CYSCREEN) / 2 - r.height() / 2;
  win::SetWindowPos(window, nullptr, left, top, 0, 0, win::SWP_NOSIZE | win::SWP_NOZORDER);
}

}  // namespace sendrik
