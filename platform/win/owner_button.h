// SPDX-License-Identifier: MIT
#pragma once
// Owner-drawn push buttons (`button ... ownerdraw` in a template).
//
// The button keeps a picture of its client area, as the layer's top-level
// windows do, and asks the window it belongs to to draw it: WM_DRAWITEM
// (wParam the button's id, lParam a DRAWITEMSTRUCT* with CtlType ODT_BUTTON
// and hDC drawing into the button's picture) with ODA_DRAWENTIRE when an
// invalid button paints, and with ODA_SELECT when it is pressed
// (itemState ODS_SELECTED) and released (itemState 0). BN_CLICKED follows
// the release, as for any button. InvalidateRect(button, ...) asks for a
// new ODA_DRAWENTIRE; with erase, the picture is first filled with the
// window colour.

#include "platform/export.h"
#include "platform/win/owner_list.h"  // DRAWITEMSTRUCT, ODA_ and ODS_ values
#include "platform/win/types.h"

namespace win {

inline constexpr UINT ODT_BUTTON = 4;

namespace detail {
class PushButton;
// Called when the dialog manager creates a button with the ownerdraw style.
QV_EXPORT void MakeOwnerDrawButton(PushButton* button);
}  // namespace detail

}  // namespace win
