// SPDX-License-Identifier: MIT
#pragma once
// The main window's banner (Image1): 480 x 63 pixels, drawn when the window
// opens, so that its text comes from the fonts of the machine Sendrik runs on
// (DejaVu Sans, the dialogs' face) and nothing of the build machine.

#include "platform/win/gdi.h"

namespace sendrik {

inline constexpr int kBannerWidth = 480;
inline constexpr int kBannerHeight = 63;

// Needs the process's Qt application.
win::Bitmap DrawBanner();

}  // namespace sendrik
