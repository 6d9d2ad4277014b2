// SPDX-License-Identifier: MIT
// Colour selection with the platform's colour chooser, and the colour range:
// a start colour, an end colour and a number of steps, previewed as a row
// of colour bands.

#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/color_chooser.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "platform/win/owner_list.h"  // SetWindowProc, CallWindowProc
#include "platform/win/window.h"
#include "platform/win/window_class.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

namespace kestrin {
namespace {

// The custom colours, kept for the life of the library.
std::array<win::COLORREF, win::kCustomColorCount>& CustomColours() {
  static std::array<win::COLORREF, win::kCustomColorCount> colours = [] {
    std::array<win::COLORREF, win::kCustomColorCount> c;
    c.fill(win::RGB(255, 255, 255));
    return c;
  }();
  return colours;
}

// Control ids of COLORRANGE.
enum : int {
  kStartButton = 8000,
  kEndButton = 8001,
  kPreview = 8002,
  kStepsField = 8005,
};
constexpr std::size_t kStepsLimit = 255;

struct RangeState {
  short steps = 0;
  short max_steps = 0;
  RGBColor from{};
  RGBColor to{};
  win::WNDPROC preview_proc{};  // the preview's own procedure
  bool rewriting = false;     // ValidateColorSteps is restoring the field
};

// The 8-bit screen value of a running 16-bit channel.
unsigned ScreenValue(double channel) {
  if (channel >= 65535) return 255;
  return static_cast<unsigned>(std::lround(channel)) >> 8;
}

void PaintColorRange(const RangeState& s, win::HDC dc, const win::RECT& r) {
  int width = r.right - r.left;
  int n = std::max(std::min<int>(s.steps, width), 2);
  int f = std::max(width / n, 1);
  std::array<double, 3> value{double(s.from.red), double(s.from.green), double(s.from.blue)};
  const std::array<double, 3> step{(double(s.to.red) - s.from.red) / (n - 1),
                                   (double(s.to.green) - s.from.green) / (n - 1),
                                   (double(s.to.blue) - s.from.blue) / (n - 1)};
  win::HGDIOBJ old_pen = win::SelectObject(dc, win::GetStockObject(win::NULL_PEN));
  int band = 1;
  for (int x = r.left; r.right - f >= x && band <= n; x += f, ++band) {
    int right = band == n ? r.right : x + f + 1;
    win::Brush brush(win::RGB(ScreenValue(value[0]), ScreenValue(value[1]), ScreenValue(value[2])));
    win::HGDIOBJ old_brush = win::SelectObject(dc, brush.get());
    win::Rectangle(dc, x, r.top, right, r.bottom);
    win::SelectObject(dc, old_brush);
    for (std::size_t c = 0; c < value.size(); ++c) value[c] = std::max(value[c] + step[c], 0.0);
  }
  win::SelectObject(dc, old_pen);
}

win::LRESULT ColorRangePreviewProc(const RangeState& s, win::HWND preview, win::UINT msg, win::WPARAM wparam,
                                   win::LPARAM lparam) {
  if (msg == win::WM_PAINT) {
    win::PAINTSTRUCT ps;
    if (win::HDC dc = win::BeginPaint(preview, &ps)) {
      win::RECT r;
      win::GetClientRect(preview, &r);
      r.bottom -= 1;
      int edge = r.right - 1;
      win::HGDIOBJ old_pen = win::SelectObject(dc, win::GetStockObject(win::BLACK_PEN));
      win::MoveToEx(dc, r.left, r.top, nullptr);
      win::LineTo(dc, edge, r.top);
      win::LineTo(dc, edge, r.bottom);
      win::LineTo(dc, r.left, r.bottom);
      win::LineTo(dc, r.left, r.top);
      PaintColorRange(s, dc, win::RECT{r.left + 1, r.top + 1, r.right, r.bottom});
      win::SelectObject(dc, win::GetStockObject(win::BLACK_PEN));
      win::MoveToEx(dc, edge, r.top, nullptr);
      win::LineTo(dc, edge, r.bottom);
      win::SelectObject(dc, old_pen);
      win::EndPaint(preview, &ps);
    }
  }
  return win::CallWindowProc(s.preview_proc, preview, msg, wparam, lparam);
}

// Accepts the steps field when it holds 1 .. max steps; otherwise beeps and
// shows the last accepted steps again.
void ValidateColorSteps(win::HWND dlg, RangeState& s) {
  if (s.rewriting) return;  // the change that restoring the field makes
  std::array<char, kStepsLimit + 1> text{};
  win::GetDlgItemText(dlg, kStepsField, text);
  long steps = win::ParseDialogInt(text.data(), nullptr, true);
  if (steps > s.max_steps || steps <= 0) {
    win::MessageBeep(0);
    s.rewriting = true;
    win::SetDlgItemText(dlg, kStepsField, std::to_string(s.steps));
    s.rewriting = false;
    return;
  }
  s.steps = static_cast<short>(steps);
  win::InvalidateRect(win::GetDlgItem(dlg, kPreview), nullptr, true);
}

win::INT_PTR ColorRangeProc(RangeState& s, win::HWND dlg, win::UINT msg, win::WPARAM wparam) {
  switch (msg) {
    case win::WM_INITDIALOG:
      CentreDialog(dlg);
      SetDialogFont(dlg, GetHostDialogFont());
      s.preview_proc = win::SetWindowProc(win::GetDlgItem(dlg, kPreview),
                                          [&s](win::HWND preview, win::UINT msg, win::WPARAM wparam,
                                               win::LPARAM lparam) {
                                            return ColorRangePreviewProc(s, preview, msg, wparam, lparam);
                                          });
      win::SetDlgItemText(dlg, kStepsField, std::to_string(s.steps));
      win::SetFocus(win::GetDlgItem(dlg, kStepsField));
      return 0;  // the focus is set
    case win::WM_COMMAND:
      ValidateColorSteps(dlg, s);
      switch (wparam) {  // the whole command word: clicks only
        case win::IDOK:
        case win::IDCANCEL: win::EndDialog(dlg, static_cast<win::INT_PTR>(wparam)); return 1;
        case kStartButton:
        case kEndButton:
          DLOG_SelectRGB(dlg, wparam == kStartButton ? &s.from : &s.to, 0);
          ValidateColorSteps(dlg, s);
          return 1;
        case kPreview: ValidateColorSteps(dlg, s); return 1;
        default: return 1;
      }
    default: return 0;
  }
}

}  // namespace
}  // namespace kestrin

extern "C" {

int DLOG_SelectRGB(win::HWND owner, RGBColor* colour, int) {
  using namespace kestrin;
  if (colour == nullptr) return 0;
  auto& custom = CustomColours();
  win::CHOOSECOLOR request;
  request.hwndOwner = owner;
  request.rgbResult = win::RGB(colour->red >> 8, colour->green >> 8, colour->blue >> 8);
  custom[0] = request.rgbResult;
  request.lpCustColors = custom.data();
  request.Flags = win::CC_RGBINIT | win::CC_FULLOPEN;
  if (!win::ChooseColor(&request)) return 0;
  colour->red = static_cast<unsigned short>(win::GetRValue(request.rgbResult) * 256);
  colour->green = static_cast<unsigned short>(win::GetGValue(request.rgbResult) * 256);
  colour->blue = static_cast<unsigned short>(win::GetBValue(request.rgbResult) * 256);
  return 1;
}

int ColorRangeDlog(short* steps, RGBColor* from, RGBColor* to, int maxSteps) {
  using namespace kestrin;
  if (steps == nullptr || from == nullptr || to == nullptr) return 0;
  RangeState s{.steps = *steps, .max_steps = Switch(maxSteps), .from = *from, .to = *to};
  auto proc = [&s](win::HWND dlg, win::UINT msg, win::WPARAM wparam, win::LPARAM) {
    return ColorRangeProc(s, dlg, msg, wparam);
  };
  if (OpenDialog("COLORRANGE", proc, win::GetActiveWindow()) != win::IDOK) return 0;
  *steps = s.steps;
  *from = s.from;
  *to = s.to;
  return 1;
}

}  // extern "C"
