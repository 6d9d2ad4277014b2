#pragma once
// Kestrin: the chart engine's option dialogs, one exported C function each.
// The chart engine (the host) initialises the library with its host object,
// its resource module and the help switch, then calls the dialogs. Every
// dialog takes the caller's values through pointers, writes them back only
// when the user confirms, and returns 1 for OK and 0 otherwise.

#include "platform/win/types.h"

namespace kestrin {

// What the library asks of the chart engine.
class Host {
 public:
  virtual ~Host() = default;
  // Context help for a dialog, called as Help(contextId, kHelpContext).
  virtual void Help(int context_id, int command) = 0;
  // The dialog font, read at every dialog start; nullptr when there is none.
  virtual win::HFONT DialogFont() const = 0;
};

inline constexpr int kHelpContext = 11;

// The main window of the library's application object, owner of MSG_Box
// (none until a host registers one).
void SetApplicationMainWindow(win::HWND window);

}  // namespace kestrin

extern "C" {

// Set-up. Each stores its arguments and returns its (first) argument.
kestrin::Host* InitDialogsDLL(kestrin::Host* host, win::HINSTANCE module, int help);
win::HWND SetDialogsDLLFrameWnd(win::HWND frame);
int EnableDialogsHelp(int help);

// A message box with the text of string textId and the caption of string
// 3018 + type: 0 exclamation, 1 stop, 2 information, 3 question with Yes/No;
// any other type a plain OK box with an empty caption. Returns the button.
int MSG_Box(int type, int textId);

// Data-label options: flags, label position (0-4), number format (1-based),
// then the dialog's own switches (low 16 bits count).
int DLOG_ScatOpt(short* flags, short* position, short* format);
int DLOG_SpecOpt(short* flags, short* position, short* format);
int DLOG_BarOpt(short* flags, short* position, short* format, int hideBox8002, int hideBox8001);
int DLOG_HistOpt(short* flags, short* position, short* format, int hideBox8101);
int DLOG_LineOpt(short* flags, short* position, short* format, int notRead, int hideBox8001);
int DLOG_AreaOpt(short* flags, short* position, short* format);
int DLOG_HiloOpt(short* flags, short* position, short* format, short* style, int hideBox8003,
                 int allowRadio8010, int allowRadio8011);

}  // extern "C"
