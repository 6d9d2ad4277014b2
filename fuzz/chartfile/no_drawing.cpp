// SPDX-License-Identifier: MIT
// The drawing that the SDK's DibBlt does, which the readers under test never
// reach: each of these stops the run if it is.
#include <cstdlib>

#include "platform/win/gdi.h"

namespace win {

struct Bitmap::Impl {};
Bitmap::Bitmap(int, int, COLORREF) { std::abort(); }
Bitmap::~Bitmap() = default;
void Bitmap::set_pixel(int, int, COLORREF) { std::abort(); }
bool StretchBitmap(HDC, int, int, int, int, const Bitmap&) { std::abort(); }

}  // namespace win
