// SPDX-License-Identifier: MIT
#pragma once
// Static controls that their dialog colours or their procedure paints.
//
// Before a static text paints, the window it belongs to gets
// WM_CTLCOLORSTATIC (wParam an HDC, lParam the static): a procedure that
// returns a brush (as its result, cast to INT_PTR) has the static's area
// filled with that brush and its text drawn in the context's text colour;
// with the context's background mode left OPAQUE the text's background is
// the context's background colour across the static. Returning 0 keeps the
// layer's colours.
//
// Every static keeps a picture of its client area, so GetDC, BeginPaint and
// InvalidateRect work on it as on a top-level window. A sub-classed static
// gets WM_PAINT when it is invalid; once its procedure has painted inside
// BeginPaint / EndPaint, the static shows its picture instead of its text.

#include "platform/export.h"
#include "platform/win/types.h"

namespace win {

namespace detail {
class StaticText;
// Called when the dialog manager creates a static text.
QV_EXPORT void MakePaintableStatic(StaticText* text);
}  // namespace detail

}  // namespace win
