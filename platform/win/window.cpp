// SPDX-License-Identifier: MIT
#include "platform/win/window.h"

#include "platform/win/internal.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

namespace win {
namespace detail {

POINT& PinnedScreen() {
  static POINT size;
  return size;
}

}  // namespace detail

int GetSystemMetrics(int index) {
  POINT size = detail::PinnedScreen();
  if (size.x <= 0 || size.y <= 0) {
    size = {1024, 768};
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
      if (QScreen* screen = QGuiApplication::primaryScreen()) size = {screen->size().width(), screen->size().height()};
    }
  }
  switch (index) {
    case SM_CXSCREEN: return size.x;
    case SM_CYSCREEN: return size.y;
    default: return 0;
  }
}

bool GetWindowRect(HWND window, RECT* rect) {
  WindowHandle* h = detail::Live(window);
  if (!h || !rect) return false;
  QRect g = h->widget->geometry();
  if (h->kind == WindowKind::Control) g.moveTopLeft(h->widget->mapTo(h->widget->window(), QPoint(0, 0)) +
                                                    h->widget->window()->geometry().topLeft());
  *rect = RECT{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
  return true;
}

bool GetClientRect(HWND window, RECT* rect) {
  WindowHandle* h = detail::Live(window);
  if (!h || !rect) return false;
  *rect = RECT{0, 0, h->widget->width(), h->widget->height()};
  return true;
}

bool MoveWindow(HWND window, int x, int y, int width, int height, bool repaint) {
  WindowHandle* h = detail::Live(window);
  if (!h) return false;
  if (h->kind == WindowKind::Dialog) h->widget->setFixedSize(width, height);
  h->widget->setGeometry(x, y, width, height);
  if (repaint) h->widget->update();
  return true;
}

bool SetWindowPos(HWND window, HWND, int x, int y, int width, int height, unsigned flags) {
  WindowHandle* h = detail::Live(window);
  if (!h) return false;
  QRect g = h->widget->geometry();  // the window's own area, for windows without the frame
  if (!(flags & SWP_NOSIZE)) {
    if (h->kind == WindowKind::Dialog) h->widget->setFixedSize(width, height);
    g.setSize(QSize(width, height));
  }
  if (!(flags & SWP_NOMOVE)) g.moveTopLeft(QPoint(x, y));
  h->widget->setGeometry(g);
  return true;
}

void MessageBeep(unsigned type) {
  if (auto& hook = detail::Automation().beep; hook && hook(type)) return;
  if (detail::HaveGuiApplication()) QApplication::beep();
}

}  // namespace win

#include <QCursor>

namespace win {

WaitCursor::WaitCursor() : active_(detail::HaveGuiApplication()) {
  if (active_) QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor() {
  if (active_ && detail::HaveGuiApplication()) QApplication::restoreOverrideCursor();
}

void ProcessPendingEvents() {
  if (QCoreApplication::instance()) QCoreApplication::processEvents();
}

}  // namespace win
