// SPDX-License-Identifier: MIT
#pragma once
// Test automation: a test acts as the user inside every modal loop.
//
//   win::testing::GuiApplication app;     // once per test program
//   win::testing::User user;              // while it lives, it is the user
//   user.OnDialog([](HWND dlg) {          // runs when a dialog opens
//     win::testing::Click(dlg, 8002);
//     win::testing::PressKey(dlg, win::testing::Key::Enter);
//   });
//
// Each action is delivered like the user's and returns after the dialog has
// handled it and every message it posted (then the AfterEachStep action runs). A dialog that the action leaves
// open after the hook returns is closed with Escape (counted in left_open()).
// Message boxes, beeps and shell requests are recorded and answered here.

#include "platform/win/color_chooser.h"
#include "platform/win/common_dialogs.h"
#include "platform/win/types.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace win::testing {

// Owns the Qt application object of a test program or host.
class GuiApplication {
 public:
  GuiApplication();
  ~GuiApplication();
  GuiApplication(const GuiApplication&) = delete;
  GuiApplication& operator=(const GuiApplication&) = delete;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Pins the screen size the layer reports (the offscreen platform's own
// differs between Qt versions). 0, 0 returns to the real screen.
void PinScreenSize(int width, int height);

// A colour chooser as it opened.
struct ColorChooserRequest {
  HWND owner = nullptr;
  COLORREF initial = 0;  // rgbResult on entry
  unsigned flags = 0;
  std::vector<COLORREF> custom;  // the custom colours on entry (empty: none)
};

struct ShellRequest {
  std::string verb;
  std::string file;
};

class User {
 public:
  using Action = std::function<void(HWND dialog)>;
  User();
  ~User();
  User(const User&) = delete;
  User& operator=(const User&) = delete;

  void OnDialog(Action action);                             // any dialog without its own action
  void OnDialog(std::string_view template_name, Action action);  // by name, case-insensitive
  // Runs after every action of this file (click, type, key...), with the window acted on.
  void AfterEachStep(Action action);
  // Message boxes: answered by the function (default: IDOK, IDNO for Yes/No).
  void AnswerMessageBoxes(std::function<int(const MessageBoxRequest&)> answer);
  // Shell requests: answered with this result (default 33, success).
  void AnswerShellRequests(int result);
  // Open-file dialogs: the file chosen, or nullopt to cancel (the default).
  void AnswerFileDialogs(std::function<std::optional<std::string>(const OpenFileName&)> answer);
  // Open-file dialogs open for real: the action runs inside the dialog's modal
  // loop (QApplication::activeModalWidget() is the dialog), then it is cancelled.
  void ShowFileDialogs(std::function<void()> action);

  const std::vector<MessageBoxRequest>& message_boxes() const;
  const std::vector<unsigned>& beeps() const;
  const std::vector<ShellRequest>& shell_requests() const;
  const std::vector<std::string>& dialogs_opened() const;  // template names, in order
  const std::vector<OpenFileName>& file_dialogs() const;
  // Colour choosers: the colour chosen, or nullopt to cancel (the default).
  // The function may change the request's custom colours, as the user can.
  void AnswerColorChoosers(std::function<std::optional<COLORREF>(CHOOSECOLOR&)> answer);
  // Colour choosers open for real: the action runs inside the chooser's modal
  // loop (it may grab it with GrabModalPng), then the chooser is cancelled.
  void ShowColorChoosers(std::function<void()> action);
  const std::vector<ColorChooserRequest>& color_choosers() const;
  int left_open() const;

  struct State;

 private:
  std::unique_ptr<State> state_;
};

enum class Key { Enter, Escape, F1, Space, Tab, Up, Down, Left, Right, Home, End };

// Acting. Each returns false when the user could not do it (no such control,
// hidden, disabled, not that kind, index out of range).
bool Click(HWND dialog, int id);
bool Type(HWND dialog, int id, std::string_view text);  // replaces an edit's text, as typing does
bool SelectItem(HWND dialog, int id, int index);         // list or combo entry
bool DoubleClickItem(HWND dialog, int id, int index);    // list entry
bool PressKey(HWND window, Key key);                     // to the control with the focus
bool MouseDown(HWND dialog, int id, POINT at);           // at a point of the control
bool MouseMove(HWND dialog, int id, POINT at);
bool MouseUp(HWND dialog, int id, POINT at);
bool MouseMoveOver(HWND window, POINT at);               // over a window's own area (client coordinates)
bool CloseBox(HWND dialog);                              // the window's close box
void ProcessPosted();                                    // delivers posted messages now

// Reading.
bool Exists(HWND dialog, int id);
bool IsChecked(HWND dialog, int id);
bool IsVisible(HWND dialog, int id);  // shown itself, whatever the dialog's state
bool IsEnabled(HWND dialog, int id);
std::string Text(HWND dialog, int id);
int Selection(HWND dialog, int id);   // list or combo; -1 when none
int Count(HWND dialog, int id);
std::string ItemText(HWND dialog, int id, int index);
bool HasFocus(HWND dialog, int id);

std::string ToolTip(HWND window, int id);

// A picture of the window as it is drawn now.
struct Image {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // row by row
  std::uint32_t at(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
};
Image Grab(HWND window);
bool GrabPng(HWND window, const std::string& path);
// The topmost modal window (a dialog, a message box, a colour chooser) as PNG.
bool GrabModalPng(const std::string& path);

// The screen as the user sees it (a real display, e.g. an X server): first the
// event loop runs as it would while the user pauses (posted messages, paints,
// flushes to the display), then the window's area is read back from the
// screen. Nothing is rendered for the grab, so a part that the window failed
// to repaint shows as it was. Empty where there is no screen to read
// (offscreen) or the window is not shown.
Image ScreenGrab(HWND window);
// The event loop alone, as above: until the window is exposed and painted.
void LetEventLoopRun(HWND window);
// A window's area on the screen (global coordinates).
RECT ScreenRect(HWND window);
// The window system's id of a window's top-level window (on X, its window).
unsigned long NativeWindow(HWND window);
// A control's rectangle in its dialog's client coordinates.
RECT ControlRect(HWND dialog, int id);
// A list item's rectangle in its dialog's client coordinates, as far as the
// list shows it; empty when the list has no such item.
RECT ItemRect(HWND dialog, int id, int index);

// The user's click on an item of a multi-select list: toggles it and
// notifies LBN_SELCHANGE when the list has the notify style. False when the
// list cannot be reached or the index is out of range.
bool ToggleItem(HWND dialog, int id, int index);

}  // namespace win::testing
