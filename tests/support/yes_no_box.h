// SPDX-License-Identifier: MIT
#pragma once
// A user who tries to get rid of a Yes/No message box: once a box is up (it
// is looked for from the event loop), Escape, then its close box, then Yes.
// open_after() tells whether the box was still open after Escape and after
// the close box; a Yes/No box has no Cancel, so both should leave it open.

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <string>
#include <vector>

namespace qvtest {

class YesNoBoxUser {
 public:
  YesNoBoxUser() {
    timer_.setInterval(20);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Act(); });
    timer_.start();
  }

  const std::vector<bool>& open_after() const { return open_after_; }
  const std::string& text() const { return text_; }

 private:
  void Act() {
    QPointer<QMessageBox> box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    timer_.stop();
    text_ = box->text().toStdString();
    QWidget* focus = box->focusWidget() ? box->focusWidget() : box.data();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(focus, &escape);
    QApplication::processEvents();
    open_after_.push_back(box && box->isVisible());
    if (box) box->close();
    QApplication::processEvents();
    open_after_.push_back(box && box->isVisible());
    if (box) box->button(QMessageBox::Yes)->click();
  }

  QTimer timer_;
  std::vector<bool> open_after_;
  std::string text_;
};

}  // namespace qvtest
