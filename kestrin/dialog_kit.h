// SPDX-License-Identifier: MIT
#pragma once
// Small pieces the option dialogs share on top of the frame: check state,
// numeric fields and the standard dialog procedure.

#include "platform/win/types.h"

#include <cstddef>
#include <functional>
#include <string>

namespace kestrin {

bool Checked(win::HWND dialog, int id);
void Check(win::HWND dialog, int id, bool on);

// At most limit characters of a field.
std::string FieldText(win::HWND dialog, int id, std::size_t limit);
// A number at the start of text: blanks skipped, reading stops at the first
// character that cannot continue it; no digits gives 0.
double ReadDecimal(std::string_view text);
// A 16-bit count field: a signed (from -32768) or unsigned (to 65535) decimal
// kept in 16 bits, so that a count shown either way reads back as it was
// (65535 and -1 alike give -1). Beyond that range the nearest end; no number, 0.
short ReadCount(win::HWND dialog, int id);
// StdFormat into a string.
std::string Formatted(double value, int format);

// What one dialog does beyond the frame. start runs after centring and the
// host font, before the Help button is shown or hidden; command gets every
// WM_COMMAND but the Help button's (id, notification code) and returns
// non-zero when it processed it; message gets every other message (owner
// drawing, colours). help_id 0: the dialog has no help.
struct DialogRules {
  short help_id = 0;
  std::function<void(win::HWND)> start{};
  std::function<win::INT_PTR(win::HWND, int id, unsigned code)> command{};
  std::function<win::INT_PTR(win::HWND, win::UINT, win::WPARAM, win::LPARAM)> message{};
};
win::DLGPROC StandardProc(DialogRules rules);

// The standard procedure over one call's state, which start and command get
// with the dialog; the state must outlive the dialog.
template <class State>
win::DLGPROC StandardProc(short help_id, State& state, void (*start)(win::HWND, State&),
                          win::INT_PTR (*command)(win::HWND, State&, int id, unsigned code)) {
  return StandardProc({.help_id = help_id,
                       .start = [&state, start](win::HWND dlg) { start(dlg, state); },
                       .command = [&state, command](win::HWND dlg, int id, unsigned code) {
                         return command(dlg, state, id, code);
                       }});
}

// The state of the one open dialog of its kind, for what cannot capture it:
// a window class registered once for the module, an export the host calls
// on the open dialog. Current() is the state of the innermost live scope.
template <class State>
class OpenState {
 public:
  explicit OpenState(State& state) : previous_(current_) { current_ = &state; }
  ~OpenState() { current_ = previous_; }
  OpenState(const OpenState&) = delete;
  OpenState& operator=(const OpenState&) = delete;

  // nullptr while no such dialog is open.
  static State* Current() { return current_; }

 private:
  static inline State* current_ = nullptr;
  State* previous_;
};

}  // namespace kestrin
