// SPDX-License-Identifier: MIT
#pragma once
// Handles, message parameters, geometry and the numbers of messages and
// notifications of the user-interface layer. Numbered as the platform's
// values, so that code written against them reads the same.

#include "platform/export.h"
#include "platform/win/msgbox.h"  // HWND, MB_ styles, ID answers

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace win {

using UINT = unsigned;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;
using INT_PTR = std::intptr_t;

class ResourceModule;
using HINSTANCE = const ResourceModule*;  // a loaded resource module, or nullptr
struct FontHandle;
using HFONT = const FontHandle*;          // a font, or nullptr (the default font)

struct QV_EXPORT POINT {
  int x = 0;
  int y = 0;
  friend bool operator==(const POINT&, const POINT&) = default;
};

struct QV_EXPORT RECT {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  friend bool operator==(const RECT&, const RECT&) = default;
};

constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
  return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr unsigned LOWORD(std::uintptr_t v) { return static_cast<unsigned>(v & 0xFFFFu); }
constexpr unsigned HIWORD(std::uintptr_t v) { return static_cast<unsigned>((v >> 16) & 0xFFFFu); }

// A template or string named by text or by number.
class QV_EXPORT ResId {
 public:
  ResId(int number) : number_(number), is_number_(true) {}  // NOLINT: implicit as the platform's
  ResId(const char* name) : name_(name ? name : "") {}       // NOLINT
  ResId(std::string_view name) : name_(name) {}              // NOLINT
  ResId(const std::string& name) : name_(name) {}            // NOLINT
  bool is_number() const { return is_number_; }
  int number() const { return number_; }
  const std::string& name() const { return name_; }
  std::string text() const { return is_number_ ? "#" + std::to_string(number_) : name_; }

 private:
  std::string name_;
  int number_ = 0;
  bool is_number_ = false;
};

// Window and dialog procedures. A dialog procedure returns non-zero when it
// processed the message; a window procedure returns the message's result.
using DLGPROC = std::function<INT_PTR(HWND, UINT, WPARAM, LPARAM)>;
using WNDPROC = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

// Messages.
inline constexpr UINT WM_CREATE = 0x0001;
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_SIZE = 0x0005;          // lParam: client width | height << 16
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_ERASEBKGND = 0x0014;
inline constexpr UINT WM_SETCURSOR = 0x0020;     // wParam: the window under the mouse
inline constexpr UINT WM_DRAWITEM = 0x002B;
inline constexpr UINT WM_SETFONT = 0x0030;       // wParam: HFONT, lParam: redraw
inline constexpr UINT WM_GETFONT = 0x0031;
inline constexpr UINT WM_HELP = 0x0053;          // lParam: const HELPINFO*
inline constexpr UINT WM_KEYDOWN = 0x0100;
inline constexpr UINT WM_INITDIALOG = 0x0110;    // lParam: the caller's init value
inline constexpr UINT WM_COMMAND = 0x0111;       // wParam: id | code << 16, lParam: control
inline constexpr UINT WM_CTLCOLORSTATIC = 0x0138;
inline constexpr UINT WM_MOUSEMOVE = 0x0200;     // lParam: x | y << 16 (client)
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONUP = 0x0202;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_USER = 0x0400;

// Notification codes carried by WM_COMMAND.
inline constexpr unsigned BN_CLICKED = 0;
inline constexpr unsigned EN_CHANGE = 0x0300;
inline constexpr unsigned LBN_SELCHANGE = 1;
inline constexpr unsigned LBN_DBLCLK = 2;
inline constexpr unsigned CBN_SELCHANGE = 1;

// Results of list and combo operations.
inline constexpr int LB_ERR = -1;
inline constexpr int CB_ERR = -1;

// The help request that WM_HELP carries.
struct QV_EXPORT HELPINFO {
  int ctrl_id = 0;        // the control with the focus, or the dialog's 0
  HWND item = nullptr;
};

// Standard control ids beyond IDOK and IDCANCEL.
inline constexpr int IDC_STATIC = -1;

}  // namespace win
