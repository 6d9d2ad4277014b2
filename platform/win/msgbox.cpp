// SPDX-License-Identifier: MIT
#include "platform/win/msgbox.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <utility>

namespace win {
namespace {

struct State {
  std::mutex mutex;
  MessageBoxHook hook;
  MessageBoxImpl gui;
  std::string title;
};

State& state() {
  static State s;
  return s;
}

int default_answer(unsigned style) {
  switch (style & MB_TYPEMASK) {
    case MB_YESNO: return IDNO;
    case MB_OKCANCEL: return IDOK;
    default: return IDOK;
  }
}

int headless_box(const MessageBoxRequest& r) {
  std::fprintf(stderr, "[%s] %s\n", r.caption.c_str(), r.text.c_str());
  std::fflush(stderr);
  return default_answer(r.style);
}

MessageBoxImpl gui_box() {
  std::lock_guard lock(state().mutex);
  return state().gui;
}

// A process that has Qt Widgets but not the user-interface layer: the layer,
// beside this library, is loaded for good and installs its box. A process
// without Qt loads nothing.
MessageBoxImpl load_gui_box() {
  void* qt = dlopen(QV_MSGBOX_QT_WIDGETS, RTLD_LAZY | RTLD_NOLOAD);
  if (qt == nullptr) return {};
  dlclose(qt);
  Dl_info self{};
  if (dladdr(&state(), &self) == 0 || self.dli_fname == nullptr) return {};
  const auto layer = std::filesystem::path(self.dli_fname).parent_path() / QV_MSGBOX_GUI_LIBRARY;
  // Its initialisation calls SetGuiMessageBox: no lock is held here.
  if (dlopen(layer.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE) == nullptr) return {};
  return gui_box();
}

std::string program_file_name() {
  std::ifstream in("/proc/self/comm");
  std::string name;
  std::getline(in, name);
  return name;
}

int Show(MessageBoxRequest request) {
  MessageBoxHook hook;
  {
    std::lock_guard lock(state().mutex);
    hook = state().hook;
  }
  if (hook) return hook(request);
  MessageBoxImpl gui = gui_box();
  if (!gui) gui = load_gui_box();
  if (gui) {
    if (const std::optional<int> answer = gui(request)) return *answer;
  }
  return headless_box(request);
}

}  // namespace

void SetProgramTitle(std::string_view title) {
  std::lock_guard lock(state().mutex);
  state().title = title;
}

std::string ProgramTitle() {
  {
    std::lock_guard lock(state().mutex);
    if (!state().title.empty()) return state().title;
  }
  return program_file_name();
}

int MessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned style) {
  MessageBoxRequest request{owner, std::string(text), std::string(caption), style};
  if (request.caption.empty()) request.caption = ProgramTitle();
  return Show(std::move(request));
}

int MessageBoxExactCaption(HWND owner, std::string_view text, std::string_view caption, unsigned style) {
  return Show(MessageBoxRequest{owner, std::string(text), std::string(caption), style});
}

ScopedMessageBoxHook::ScopedMessageBoxHook(MessageBoxHook hook) {
  std::lock_guard lock(state().mutex);
  previous_ = std::exchange(state().hook, std::move(hook));
}

ScopedMessageBoxHook::~ScopedMessageBoxHook() {
  std::lock_guard lock(state().mutex);
  state().hook = std::move(previous_);
}

void SetGuiMessageBox(MessageBoxImpl impl) {
  std::lock_guard lock(state().mutex);
  state().gui = std::move(impl);
}

}  // namespace win
