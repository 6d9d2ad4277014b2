// SPDX-License-Identifier: MIT
#pragma once
// Paint events of an idle program: what the event loop paints while nothing
// happens. A window that has been shown paints nothing more until something
// changes.

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QTimer>

#include <chrono>

namespace qvtest {

// Lets what was just shown finish painting (the event loop runs until a
// stretch of `quiet` passes without a paint, for at most 20 stretches), then
// counts the paint events of every widget while the loop runs for `watch`.
inline int PaintsWhileIdle(std::chrono::milliseconds quiet = std::chrono::milliseconds(150),
                           std::chrono::milliseconds watch = std::chrono::milliseconds(400)) {
  class Counter final : public QObject {
   public:
    Counter() { QCoreApplication::instance()->installEventFilter(this); }
    ~Counter() override { QCoreApplication::instance()->removeEventFilter(this); }
    int paints = 0;

   protected:
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::Paint) ++paints;
      return false;
    }
  };
  const auto paints_during = [](std::chrono::milliseconds span) {
    Counter counter;
    QEventLoop loop;
    QTimer::singleShot(span, &loop, &QEventLoop::quit);
    loop.exec();
    return counter.paints;
  };
  // A focused edit field's caret blinks, which is no idle paint: it is held still.
  const int flash_time = QApplication::cursorFlashTime();
  QApplication::setCursorFlashTime(0);
  for (int i = 0; i < 20 && paints_during(quiet) > 0; ++i) {
  }
  const int paints = paints_during(watch);
  QApplication::setCursorFlashTime(flash_time);
  return paints;
}

}  // namespace qvtest
