// SPDX-License-Identifier: MIT
#pragma once
// The message box. With a Qt application object it is a real modal box;
// without one it writes caption and text to standard error and answers OK
// (No for a Yes/No box). Tests intercept every box with ScopedMessageBoxHook.
// The library itself links no Qt: the Qt box is the user-interface layer's
// (libqv_win), reached only when the process already has Qt.

#include "platform/export.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace win {

using HWND = struct WindowHandle*;  // a window of the platform layer, or nullptr

// Styles, numbered as the platform's MB_ flags.
inline constexpr unsigned MB_OK = 0x0;
inline constexpr unsigned MB_OKCANCEL = 0x1;
inline constexpr unsigned MB_YESNO = 0x4;
inline constexpr unsigned MB_ICONSTOP = 0x10;
inline constexpr unsigned MB_ICONERROR = MB_ICONSTOP;
inline constexpr unsigned MB_ICONQUESTION = 0x20;
inline constexpr unsigned MB_ICONEXCLAMATION = 0x30;
inline constexpr unsigned MB_ICONWARNING = MB_ICONEXCLAMATION;
inline constexpr unsigned MB_ICONINFORMATION = 0x40;
inline constexpr unsigned MB_TYPEMASK = 0xF;
inline constexpr unsigned MB_ICONMASK = 0xF0;

// Answers, numbered as the platform's ID values.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;
inline constexpr int IDYES = 6;
inline constexpr int IDNO = 7;

struct QV_EXPORT MessageBoxRequest {
  HWND owner = nullptr;
  std::string text;     // UTF-8
  std::string caption;  // UTF-8; empty: the program's title
  unsigned style = MB_OK;
};

// Shows the box and returns the button that closed it.
QV_EXPORT int MessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned style);
// The same, but an empty caption stays empty instead of becoming the program's title.
QV_EXPORT int MessageBoxExactCaption(HWND owner, std::string_view text, std::string_view caption, unsigned style);

// The program's title, used when a box has no caption (default: the program's file name).
QV_EXPORT void SetProgramTitle(std::string_view title);
QV_EXPORT std::string ProgramTitle();

// Tests: every box goes to the hook, which returns the answer.
using MessageBoxHook = std::function<int(const MessageBoxRequest&)>;
class QV_EXPORT ScopedMessageBoxHook {
 public:
  explicit ScopedMessageBoxHook(MessageBoxHook hook);
  ~ScopedMessageBoxHook();
  ScopedMessageBoxHook(const ScopedMessageBoxHook&) = delete;
  ScopedMessageBoxHook& operator=(const ScopedMessageBoxHook&) = delete;

 private:
  MessageBoxHook previous_;
};

// The Qt implementation, installed by the user-interface layer when it is
// loaded; a process that has Qt Widgets but not the layer gets the layer
// loaded at its first box. The implementation answers nullopt when it cannot
// show a window (no Qt application object, or not on its thread): the box
// then goes to standard error.
using MessageBoxImpl = std::function<std::optional<int>(const MessageBoxRequest&)>;
QV_EXPORT void SetGuiMessageBox(MessageBoxImpl impl);

}  // namespace win
