#include "platform/win/msgbox.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
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

int qt_box(const MessageBoxRequest& r) {
  QMessageBox box;
  box.setWindowTitle(QString::fromStdString(r.caption));
  box.setText(QString::fromStdString(r.text));
  switch (r.style & MB_ICONMASK) {
    case MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: break;
  }
  switch (r.style & MB_TYPEMASK) {
    case MB_YESNO: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return IDOK;
  }
}

std::string program_file_name() {
  std::ifstream in("/proc/self/comm");
  std::string name;
  std::getline(in, name);
  return name;
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

namespace {
int Show(MessageBoxRequest request);
}  // namespace

int MessageBox(HWND owner, std::string_view text, std::string_view caption, unsigned style) {
  MessageBoxRequest request{owner, std::string(text), std::string(caption), style};
  if (request.caption.empty()) request.caption = ProgramTitle();
  return Show(std::move(request));
}

int MessageBoxExactCaption(HWND owner, std::string_view text, std::string_view caption, unsigned style) {
  return Show(MessageBoxRequest{owner, std::string(text), std::string(caption), style});
}

namespace {
int Show(MessageBoxRequest request) {
  MessageBoxHook hook;
  MessageBoxImpl gui;
  {
    std::lock_guard lock(state().mutex);
    hook = state().hook;
    gui = state().gui;
  }
  if (hook) return hook(request);
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return headless_box(request);
  return gui ? gui(request) : qt_box(request);
}
}  // namespace

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
