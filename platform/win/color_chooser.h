// SPDX-License-Identifier: MIT
#pragma once
// The platform's colour chooser with the caller's 16 custom colours.
//
// ChooseColor shows the chooser owned by the request's owner, starting from
// rgbResult when CC_RGBINIT is set (black otherwise), with the custom colours
// lpCustColors points to (16 of them; none when it is null). The custom
// colours the user edits are written back, also when the chooser is
// cancelled; rgbResult only when the user confirms. Tests answer the chooser
// through win::testing::User.

#include "platform/export.h"
#include "platform/win/gdi.h"  // COLORREF, RGB
#include "platform/win/types.h"

namespace win {

inline constexpr unsigned CC_RGBINIT = 0x0001;
inline constexpr unsigned CC_FULLOPEN = 0x0002;  // the custom-colour part open (Qt's always is)
inline constexpr int kCustomColorCount = 16;

struct QV_EXPORT CHOOSECOLOR {
  HWND hwndOwner = nullptr;
  COLORREF rgbResult = 0;
  COLORREF* lpCustColors = nullptr;  // kCustomColorCount values, or null
  unsigned Flags = 0;
};

// True with rgbResult set when the user chose a colour; false when cancelled
// or without a Qt application (nothing shown).
QV_EXPORT bool ChooseColor(CHOOSECOLOR* request);

}  // namespace win
