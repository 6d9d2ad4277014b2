// SPDX-License-Identifier: MIT
// The pie feeler: the label line of a pie slice, shaped by dragging three
// handles on a drawing of one slice (a control of the window class
// "PieFeelerClass"). The handles' places are three percentages.

#include "kestrin/dialog_kit.h"
#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/gdi.h"
#include "platform/win/owner_list.h"  // GET_X_LPARAM
#include "platform/win/window.h"
#include "platform/win/window_class.h"

#include <string>

namespace kestrin {
namespace {

constexpr const char* kClassName = "PieFeelerClass";
constexpr short kHelpId = 534;
// Control ids of DLOG_PieFeeler.
enum : int {
  kDrawing = 8000,
  kFlagBox = 8001,
  kLengthText = 3028,  // p3
  kBendText = 3029,    // p2
  kStartText = 3030,   // p1
};
constexpr int kHalf = 4;           // a handle's half-width and half-height
constexpr int kFeelerEnd = 150;    // the horizontal part's longest length
constexpr int kBendReach = 40;     // how far handle B may go beyond the slice
constexpr win::COLORREF kErase = win::RGB(192, 192, 192);

struct Point {
  int x = 0;
  int y = 0;
};

enum class Handle { None, A, B, C };

struct FeelerState {
  short p1 = 0, p2 = 0, p3 = 0;
  int flag = 0;
  // The drawing's geometry, from its height when it is created.
  int radius = 0, cx = 0, cy = 0, k = 0;
  Point a{}, b{}, c{};
  Handle drag = Handle::None;
  Point last{};
};

// The window class is registered once for the module, so its procedure
// reaches the open dialog's state through this.
using OpenFeeler = OpenState<FeelerState>;

void Layout(FeelerState& s, int height) {
  s.radius = (height - 50) / 2;
  s.cx = s.radius + 13;
  s.cy = s.radius + 32;
  s.k = static_cast<int>(s.radius * 0.71);
  int e = s.k * s.p1 / 100;
  s.a = {s.cx + e, s.cy - e};
  s.b.x = s.a.x + (s.k - e + kBendReach) * s.p2 / 100;
  s.b.y = s.cx + s.cy - s.b.x;
  s.c = {s.b.x + s.p3 * kFeelerEnd / 100, s.b.y};
}

void ShowPercent(win::HWND dlg, int id, short value) {
  win::SetDlgItemText(dlg, id, Formatted(value, 0) + "%");
}

// --- Drawing -----------------------------------------------------------------------

void HandleAt(win::HDC dc, Point p) { win::Ellipse(dc, p.x - kHalf, p.y - kHalf, p.x + kHalf, p.y + kHalf); }

void Line(win::HDC dc, Point from, Point to) {
  win::MoveToEx(dc, from.x, from.y, nullptr);
  win::LineTo(dc, to.x, to.y);
}

void SliceOutline(win::HDC dc, const FeelerState& s, win::HBRUSH fill) {
  win::SelectObject(dc, fill);
  int r = s.radius;
  win::Pie(dc, s.cx - r, s.cy - r, s.cx + r, s.cy + r, s.cx + r, s.cy, s.cx, s.cy - r);
}

void Handles(win::HDC dc, const FeelerState& s) {
  HandleAt(dc, s.a);
  HandleAt(dc, s.b);
  HandleAt(dc, s.c);
}

void PaintPieFeeler(const FeelerState& s, win::HWND drawing) {
  win::PAINTSTRUCT ps;
  win::HDC dc = win::BeginPaint(drawing, &ps);
  if (!dc) return;
  win::RECT client;
  win::GetClientRect(drawing, &client);
  win::FillRect(dc, client, win::GetStockObject(win::LTGRAY_BRUSH));
  win::HGDIOBJ old_pen = win::SelectObject(dc, win::GetStockObject(win::BLACK_PEN));
  win::HGDIOBJ old_brush = win::SelectObject(dc, win::GetStockObject(win::BLACK_BRUSH));
  // The rest of the pie, counterclockwise from straight up to straight right.
  int r = s.radius, x = s.cx - 8, y = s.cy + 8;
  win::Pie(dc, x - r, y - r, x + r, y + r, x, y - r, x + r, y);
  SliceOutline(dc, s, win::GetStockObject(win::LTGRAY_BRUSH));
  win::SelectObject(dc, win::GetStockObject(win::BLACK_BRUSH));
  HandleAt(dc, s.a);
  Line(dc, s.a, s.b);
  HandleAt(dc, s.b);
  Line(dc, {s.b.x + kHalf, s.b.y}, {s.c.x - kHalf, s.b.y});
  HandleAt(dc, s.c);
  win::SelectObject(dc, old_pen);
  win::SelectObject(dc, old_brush);
  win::EndPaint(drawing, &ps);
}

// The parts a handle's move takes along, in the current pen and brush.
void MovingParts(win::HDC dc, const FeelerState& s, Handle h) {
  if (h == Handle::A || h == Handle::B) Line(dc, s.a, s.b);
  if (h == Handle::A) HandleAt(dc, s.a);
  if (h == Handle::B) HandleAt(dc, s.b);
  if (h == Handle::B || h == Handle::C) {
    Line(dc, {s.b.x + kHalf, s.b.y}, {s.c.x - kHalf, s.b.y});
    HandleAt(dc, s.c);
  }
}

// One allowed drag step of dx pixels.
void DrawPieFeeler(FeelerState& s, win::HWND drawing, int dx) {
  win::HDC dc = win::GetDC(drawing);
  if (!dc) return;
  win::HGDIOBJ old_pen = win::SelectObject(dc, win::GetStockObject(win::BLACK_PEN));
  win::HGDIOBJ old_brush = win::SelectObject(dc, win::GetStockObject(win::BLACK_BRUSH));
  {
    win::Pen grey_pen(win::PS_SOLID, 1, kErase);
    win::Brush grey_brush(kErase);
    win::SelectObject(dc, grey_pen.get());
    win::SelectObject(dc, grey_brush.get());
    MovingParts(dc, s, s.drag);
    win::SelectObject(dc, win::GetStockObject(win::BLACK_PEN));
    win::SelectObject(dc, win::GetStockObject(win::BLACK_BRUSH));
  }
  win::HWND dlg = win::GetParent(drawing);
  switch (s.drag) {
    case Handle::C:
      s.c.x += dx;
      s.p3 = static_cast<short>((s.c.x - s.b.x) * 100 / kFeelerEnd);
      ShowPercent(dlg, kLengthText, s.p3);
      break;
    case Handle::B:
      s.b = {s.b.x + dx, s.b.y - dx};
      s.c = {s.c.x + dx, s.c.y - dx};
      if (int reach = s.cx + s.k + kBendReach - s.a.x; reach > 0)
        s.p2 = static_cast<short>((s.b.x - s.a.x) * 100 / reach);
      ShowPercent(dlg, kBendText, s.p2);
      break;
    case Handle::A:
      s.a = {s.a.x + dx, s.a.y - dx};
      s.p1 = static_cast<short>(s.k > 0 ? (s.a.x - s.cx) * 100 / s.k : 0);
      ShowPercent(dlg, kStartText, s.p1);
      break;
    case Handle::None: break;
  }
  MovingParts(dc, s, s.drag);
  SliceOutline(dc, s, win::GetStockObject(win::HOLLOW_BRUSH));
  win::SelectObject(dc, win::GetStockObject(win::BLACK_BRUSH));
  Handles(dc, s);
  win::SelectObject(dc, old_pen);
  win::SelectObject(dc, old_brush);
  win::ReleaseDC(drawing, dc);
}

// --- The drawing control -------------------------------------------------------------

bool Inside(Point handle, int x, int y) {
  return x >= handle.x - kHalf && x < handle.x + kHalf && y >= handle.y - kHalf && y < handle.y + kHalf;
}

bool Allowed(const FeelerState& s, int dx) {
  switch (s.drag) {
    case Handle::C: return s.c.x + dx >= s.b.x && s.c.x + dx <= s.b.x + kFeelerEnd;
    case Handle::B: return s.b.x + dx >= s.a.x && s.b.x + dx <= s.cx + s.k + kBendReach;
    case Handle::A: return s.a.x + dx >= s.cx && s.a.x + dx <= s.cx + s.k && s.a.x + dx <= s.b.x;
    case Handle::None: return false;
  }
  return false;
}

win::LRESULT PieFeelerWndProc(win::HWND drawing, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
  FeelerState* open = OpenFeeler::Current();
  if (open == nullptr) return win::DefWindowProc(drawing, msg, wparam, lparam);
  FeelerState& s = *open;
  int x = win::GET_X_LPARAM(lparam), y = win::GET_Y_LPARAM(lparam);
  switch (msg) {
    case win::WM_CREATE: {
      win::RECT client;
      win::GetClientRect(drawing, &client);
      Layout(s, client.height());
      s.drag = Handle::None;
      return 0;
    }
    case win::WM_PAINT: PaintPieFeeler(s, drawing); return 0;
    case win::WM_LBUTTONDOWN:
      s.drag = Inside(s.c, x, y) ? Handle::C : Inside(s.b, x, y) ? Handle::B : Inside(s.a, x, y) ? Handle::A
                                                                                                : Handle::None;
      if (s.drag != Handle::None) {
        s.last = {x, y};
        win::SetCapture(drawing);
      }
      return 0;
    case win::WM_MOUSEMOVE: {
      if (s.drag == Handle::None) return 0;
      int dx = x - s.last.x;
      s.last = {x, y};
      if (dx != 0 && Allowed(s, dx)) DrawPieFeeler(s, drawing, dx);
      return 0;
    }
    case win::WM_LBUTTONUP:
      if (s.drag != Handle::None) {
        s.drag = Handle::None;
        win::ReleaseCapture();
      }
      return 0;
    case win::WM_DESTROY:
      s.drag = Handle::None;
      return 0;
    default: return win::DefWindowProc(drawing, msg, wparam, lparam);
  }
}

void RegisterPieFeelerClass() {
  win::HINSTANCE module = library().module;
  if (win::GetClassInfo(module, kClassName, nullptr)) return;
  win::WNDCLASS wc;
  wc.style = win::CS_DBLCLKS;
  wc.lpfnWndProc = PieFeelerWndProc;
  wc.hInstance = module;
  wc.hCursor = win::LoadCursor(nullptr, win::IDC_ARROW);
  wc.hbrBackground = win::GetStockObject(win::WHITE_BRUSH);
  wc.lpszClassName = kClassName;
  win::RegisterClass(&wc);
}

// --- The dialog ----------------------------------------------------------------------

win::INT_PTR PieFeelerDlgProc(FeelerState& s, win::HWND dlg, win::UINT msg, win::WPARAM wparam,
                              win::LPARAM lparam) {
  switch (msg) {
    case win::WM_INITDIALOG:
      CentreDialog(dlg);
      ShowPercent(dlg, kLengthText, s.p3);
      ShowPercent(dlg, kBendText, s.p2);
      ShowPercent(dlg, kStartText, s.p1);
      SetDialogFont(dlg, GetHostDialogFont());
      Check(dlg, kFlagBox, s.flag != 0);
      ShowHelpButton(dlg);
      return 1;
    case win::WM_CTLCOLORSTATIC: {
      auto dc = reinterpret_cast<win::HDC>(wparam);
      win::SetBkColor(dc, win::RGB(255, 255, 255));
      win::SetBkMode(dc, win::TRANSPARENT);
      if (win::GetDlgCtrlID(reinterpret_cast<win::HWND>(lparam)) == kDrawing)
        win::SetTextColor(dc, win::RGB(255, 255, 255));
      return reinterpret_cast<win::INT_PTR>(win::GetStockObject(win::LTGRAY_BRUSH));
    }
    case win::WM_HELP: return HandleHelp(msg, wparam, kHelpId) ? 1 : 0;
    case win::WM_COMMAND: {
      if (HandleHelp(msg, wparam, kHelpId)) return 1;
      int id = static_cast<int>(win::LOWORD(wparam));
      switch (id) {
        case win::IDOK:
          s.flag = Checked(dlg, kFlagBox) ? 1 : 0;
          win::EndDialog(dlg, id);
          return 1;
        case win::IDCANCEL: win::EndDialog(dlg, id); return 1;
        case kFlagBox:
          if (win::HIWORD(wparam) != win::BN_CLICKED) return 0;
          ToggleBox(dlg, kFlagBox);
          return 1;
        default: return 0;
      }
    }
    default: return 0;
  }
}

}  // namespace
}  // namespace kestrin

extern "C" {

int DLOG_PieFeeler(short* p1, short* p2, short* p3, int* flag) {
  using namespace kestrin;
  if (p1 == nullptr || p2 == nullptr || p3 == nullptr || flag == nullptr) return 0;
  if (library().module == nullptr || library().host == nullptr) return 0;
  FeelerState s{.p1 = *p1, .p2 = *p2, .p3 = *p3, .flag = *flag};
  RegisterPieFeelerClass();
  OpenFeeler open(s);
  auto proc = [&s](win::HWND dlg, win::UINT msg, win::WPARAM wparam, win::LPARAM lparam) {
    return PieFeelerDlgProc(s, dlg, msg, wparam, lparam);
  };
  if (OpenDialog("DLOG_PieFeeler", proc, library().frame) != win::IDOK) return 0;
  *p1 = s.p1;
  *p2 = s.p2;
  *p3 = s.p3;
  *flag = s.flag;
  return 1;
}

}  // extern "C"
