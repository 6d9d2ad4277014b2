// SPDX-License-Identifier: MIT
// The Qt message box behind win::MessageBox: owned by the caller's window,
// drawn in the layer's font, its buttons with their texts alone.

#include "platform/win/internal.h"
#include "platform/win/msgbox.h"

#include <QAbstractButton>
#include <QApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QMessageBox>
#include <QThread>

namespace win::detail {
namespace {

// A Yes/No box has no Cancel: Escape and the close box do not answer it (the
// window manager is asked not to offer the close box; not all of them listen).
class NoEscape final : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Close) {
      e->ignore();
      return true;
    }
    if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride) return false;
    return static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape;
  }
};

// No window without an application object, nor from another thread than its own.
std::optional<int> QtMessageBox(const MessageBoxRequest& r) {
  const auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (app == nullptr || QThread::currentThread() != app->thread()) return std::nullopt;
  QWidget* parent = nullptr;
  if (WindowHandle* owner = Live(r.owner)) parent = owner->widget->window();
  QMessageBox box(parent);
  box.setFont(TemplateFont("MS Sans Serif", 8));
  box.setWindowTitle(Q(r.caption));
  box.setText(Q(r.text));
  switch (r.style & MB_ICONMASK) {
    case MB_ICONSTOP: box.setIcon(QMessageBox::Critical); break;
    case MB_ICONQUESTION: box.setIcon(QMessageBox::Question); break;
    case MB_ICONEXCLAMATION: box.setIcon(QMessageBox::Warning); break;
    case MB_ICONINFORMATION: box.setIcon(QMessageBox::Information); break;
    default: box.setIcon(QMessageBox::NoIcon); break;
  }
  switch (r.style & MB_TYPEMASK) {
    case MB_YESNO:
      box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
      box.setWindowFlag(Qt::WindowCloseButtonHint, false);
      box.installEventFilter(new NoEscape(&box));
      OfferNoCloseFunction(&box);
      break;
    case MB_OKCANCEL: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    default: box.setStandardButtons(QMessageBox::Ok); break;
  }
  // Some platform themes give the standard buttons icons (a tick on OK).
  for (QAbstractButton* button : box.buttons()) button->setIcon(QIcon());
  switch (box.exec()) {
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    default: return IDOK;
  }
}

}  // namespace

void EnsureGuiMessageBox() {
  static const bool installed = [] {
    SetGuiMessageBox(QtMessageBox);
    return true;
  }();
  (void)installed;
}

}  // namespace win::detail

namespace {
// Installed when the layer is loaded, so that every box of a Qt program is the Qt one.
[[maybe_unused]] const bool kGuiBoxInstalled = (win::detail::EnsureGuiMessageBox(), true);
}  // namespace
