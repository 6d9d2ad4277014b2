// SPDX-License-Identifier: MIT
#include "platform/win/dialog.h"
#include "platform/win/internal.h"
#include "platform/win/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QMouseEvent>
#include <QPointer>

namespace win {
namespace detail {
namespace {

LPARAM PointParam(const QPoint& p) {
  return static_cast<LPARAM>((p.x() & 0xFFFF) | ((p.y() & 0xFFFF) << 16));
}

class TopWindow final : public QWidget, public WindowHandle {
 public:
  TopWindow(WNDPROC proc) : QWidget(nullptr), WindowHandle(this, WindowKind::TopLevel), proc_(std::move(proc)) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
  }
  ~TopWindow() override {
    for (QWidget* w : findChildren<QWidget*>()) w->blockSignals(true);
  }

  LRESULT Call(UINT msg, WPARAM wparam, LPARAM lparam) {
    if (!proc_) return 0;
    WNDPROC proc = proc_;
    return proc(this, msg, wparam, lparam);
  }

  // Hover over a control: the window hears of it as WM_SETCURSOR.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
      if (WindowHandle* control = HandleOf(qobject_cast<QWidget*>(watched)))
        Deliver(this, WM_SETCURSOR, reinterpret_cast<WPARAM>(static_cast<HWND>(control)),
                static_cast<LPARAM>(1 | (WM_MOUSEMOVE << 16)));
    }
    return false;
  }

  // A control's mouse messages are its own: what it does not handle stays with
  // it instead of reaching the window's background.
  void Watch(WindowHandle* control) {
    control->widget->setMouseTracking(true);
    control->widget->setAttribute(Qt::WA_NoMousePropagation);
    control->widget->installEventFilter(this);
  }

 protected:
  void resizeEvent(QResizeEvent*) override {
    ResizeCanvas(this, size());
    Call(WM_SIZE, 0, PointParam(QPoint(width(), height())));
  }
  void paintEvent(QPaintEvent*) override { PaintCanvas(this, this); }
  bool focusNextPrevChild(bool next) override { return FocusNextTabStop(this, next); }
  void mouseMoveEvent(QMouseEvent* e) override { Call(WM_MOUSEMOVE, 0, PointParam(e->position().toPoint())); }
  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) Call(WM_LBUTTONDOWN, 1, PointParam(e->position().toPoint()));
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) Call(WM_LBUTTONUP, 0, PointParam(e->position().toPoint()));
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) Call(WM_LBUTTONDBLCLK, 1, PointParam(e->position().toPoint()));
  }
  void closeEvent(QCloseEvent* e) override {
    e->ignore();
    Deliver(this, WM_CLOSE, 0, 0);
  }

 private:
  WNDPROC proc_;
};

QPointer<QEventLoop>& MainLoop() {
  static QPointer<QEventLoop> loop;
  return loop;
}

int& QuitCode() {
  static int code = 0;
  return code;
}

HWND Create(const DialogTemplate* t, const ResourceModule* module, std::string_view caption, int width, int height,
            WNDPROC proc) {
  if (!HaveGuiApplication()) return nullptr;
  EnsureGuiMessageBox();
  auto* w = new TopWindow(std::move(proc));  // owned by the layer until DestroyWindow
  DialogFontMetrics m = FontMetrics(t ? t->font_face : "MS Sans Serif", t ? t->font_size : 8);
  w->setFont(TemplateFont(t ? t->font_face : "MS Sans Serif", t ? t->font_size : 8));
  if (t) {
    w->setWindowTitle(Q(t->caption));
    RECT size = DialogUnitsToPixels(m, 0, 0, t->cx, t->cy);
    w->resize(size.width(), size.height());
    QButtonGroup* run = nullptr;
    int order = 0;
    for (const ControlTemplate& c : t->controls) {
      WindowHandle* control = CreateControl(w, w, c, m, module, &run);
      control->order = order++;
      w->Watch(control);
    }
    InstallDialogKeys(w);
  } else {
    w->setWindowTitle(Q(caption));
    w->resize(width, height);
  }
  ResizeCanvas(w, w->size());
  HWND hwnd = w;
  if (w->Call(WM_CREATE, 0, 0) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  return hwnd;
}

}  // namespace

LRESULT CallTopLevel(WindowHandle* h, UINT msg, WPARAM wparam, LPARAM lparam) {
  return static_cast<TopWindow*>(h)->Call(msg, wparam, lparam);
}

}  // namespace detail

HWND CreateMainWindow(std::string_view caption, int width, int height, WNDPROC proc) {
  return detail::Create(nullptr, nullptr, caption, width, height, std::move(proc));
}

HWND CreateWindowFromTemplate(HINSTANCE module, const ResId& name, WNDPROC proc) {
  const DialogTemplate* t = module ? module->dialog(name) : nullptr;
  if (!t) return nullptr;
  return detail::Create(t, module, {}, 0, 0, std::move(proc));
}

bool DestroyWindow(HWND window) {
  WindowHandle* h = detail::Live(window);
  if (!h || h->kind != WindowKind::TopLevel) return false;
  detail::CallTopLevel(h, WM_DESTROY, 0, 0);
  if (!detail::Live(window)) return true;
  std::unique_ptr<QWidget> widget(h->widget);  // unregisters now
  return true;
}

int RunMessageLoop() {
  if (!detail::HaveGuiApplication()) return -1;
  QEventLoop loop;
  detail::MainLoop() = &loop;
  detail::QuitCode() = 0;
  loop.exec();
  return detail::QuitCode();
}

void PostQuitMessage(int code) {
  detail::QuitCode() = code;
  if (QEventLoop* loop = detail::MainLoop()) loop->exit(code);
}

bool SetToolTip(HWND control, std::string_view text) {
  WindowHandle* h = detail::Live(control);
  if (!h) return false;
  h->widget->setToolTip(detail::Q(text));
  return true;
}

}  // namespace win
