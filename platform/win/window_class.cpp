// SPDX-License-Identifier: MIT
#include "platform/win/window_class.h"

#include "platform/win/internal.h"
#include "platform/win/owner_list.h"  // MK_ flags, MAKELPARAM

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>

#include <cctype>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace win {

struct CursorHandle {
  Qt::CursorShape shape;
};

namespace {

using detail::Deliver;
using detail::PaintCanvas;
using detail::ResizeCanvas;

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

struct RegisteredClass {
  WNDCLASS wc;
  std::string name;
  ATOM atom = 0;
};

using ClassKey = std::pair<HINSTANCE, std::string>;

std::map<ClassKey, std::unique_ptr<RegisteredClass>>& Classes() {
  static std::map<ClassKey, std::unique_ptr<RegisteredClass>> classes;
  return classes;
}

const RegisteredClass* FindClass(HINSTANCE module, std::string_view name) {
  auto it = Classes().find({module, Lower(name)});
  return it == Classes().end() ? nullptr : it->second.get();
}

HWND& Captured() {
  static HWND window = nullptr;
  return window;
}

QColor Colour(COLORREF c) {
  return QColor(static_cast<int>(GetRValue(c)), static_cast<int>(GetGValue(c)), static_cast<int>(GetBValue(c)));
}

// A window of a registered class, as a control of a dialog or window.
class ClassWindow final : public QWidget, public WindowHandle {
 public:
  ClassWindow(QWidget* parent, const RegisteredClass& c) : QWidget(parent), WindowHandle(this, WindowKind::Control),
                                                          dblclks_((c.wc.style & CS_DBLCLKS) != 0) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (c.wc.hCursor) setCursor(QCursor(c.wc.hCursor->shape));
    if (c.wc.hbrBackground && c.wc.hbrBackground->kind == GdiObject::Brush && c.wc.hbrBackground->style == 0) {
      QPalette p = palette();
      p.setColor(QPalette::Window, Colour(c.wc.hbrBackground->color));
      setPalette(p);
    }
    WNDPROC proc = c.wc.lpfnWndProc;
    subclass = [proc](HWND w, UINT msg, WPARAM wp, LPARAM lp) { return proc(w, msg, wp, lp); };
  }

  ~ClassWindow() override {
    HWND self = this;
    if (Captured() == self) Captured() = nullptr;
    Deliver(this, WM_DESTROY, 0, 0);
  }

 protected:
  void paintEvent(QPaintEvent*) override { PaintCanvas(this, this); }

  void resizeEvent(QResizeEvent*) override {
    ResizeCanvas(this, size());
    Deliver(this, WM_SIZE, 0, MAKELPARAM(width(), height()));
  }

  void mousePressEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) Mouse(WM_LBUTTONDOWN, e);
  }
  void mouseReleaseEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) Mouse(WM_LBUTTONUP, e);
  }
  void mouseDoubleClickEvent(QMouseEvent* e) override {
    if (e->button() == Qt::LeftButton) Mouse(dblclks_ ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN, e);
  }
  void mouseMoveEvent(QMouseEvent* e) override { Mouse(WM_MOUSEMOVE, e); }

 private:
  void Mouse(UINT msg, QMouseEvent* e) {
    WPARAM flags = 0;
    if (e->buttons() & Qt::LeftButton) flags |= MK_LBUTTON;
    if (e->buttons() & Qt::RightButton) flags |= MK_RBUTTON;
    if (e->buttons() & Qt::MiddleButton) flags |= MK_MBUTTON;
    if (e->modifiers() & Qt::ShiftModifier) flags |= MK_SHIFT;
    if (e->modifiers() & Qt::ControlModifier) flags |= MK_CONTROL;
    QPoint p = e->position().toPoint();
    Deliver(this, msg, flags, MAKELPARAM(p.x(), p.y()));
  }

  bool dblclks_;
};

}  // namespace

HCURSOR LoadCursor(HINSTANCE, int id) {
  static const CursorHandle arrow{Qt::ArrowCursor}, wait{Qt::WaitCursor}, cross{Qt::CrossCursor};
  switch (id) {
    case IDC_ARROW: return &arrow;
    case IDC_WAIT: return &wait;
    case IDC_CROSS: return &cross;
    default: return nullptr;
  }
}

ATOM RegisterClass(const WNDCLASS* wc) {
  if (!wc || !wc->lpfnWndProc || !wc->lpszClassName || !*wc->lpszClassName) return 0;
  ClassKey key{wc->hInstance, Lower(wc->lpszClassName)};
  if (Classes().count(key)) return 0;
  static ATOM next = 0xC000;  // as the platform numbers its classes
  auto c = std::make_unique<RegisteredClass>();
  c->wc = *wc;
  c->name = wc->lpszClassName;
  c->wc.lpszClassName = c->name.c_str();
  c->wc.lpszMenuName = nullptr;
  c->atom = next++;
  ATOM atom = c->atom;
  Classes().emplace(std::move(key), std::move(c));
  return atom;
}

bool GetClassInfo(HINSTANCE module, std::string_view name, WNDCLASS* wc) {
  const RegisteredClass* c = FindClass(module, name);
  if (!c) return false;
  if (wc) *wc = c->wc;
  return true;
}

bool UnregisterClass(std::string_view name, HINSTANCE module) {
  return Classes().erase({module, Lower(name)}) > 0;
}

LRESULT DefWindowProc(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  WindowHandle* h = detail::Live(window);
  if (!h) return 0;
  switch (msg) {
    case WM_SETFONT:
      h->font = reinterpret_cast<HFONT>(wparam);
      if (h->font) h->widget->setFont(h->font->font);
      if (lparam) h->widget->update();
      return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(h->font);
    case WM_PAINT: {  // validates, erasing with the class's background
      PAINTSTRUCT ps;
      if (BeginPaint(window, &ps)) EndPaint(window, &ps);
      return 0;
    }
    default: return 0;
  }
}

HWND SetCapture(HWND window) {
  HWND previous = GetCapture();
  WindowHandle* h = detail::Live(window);
  if (!h) return previous;
  if (previous && previous != window) ReleaseCapture();
  Captured() = window;
  if (h->widget->isVisible()) h->widget->grabMouse();
  return previous;
}

bool ReleaseCapture() {
  WindowHandle* h = detail::Live(std::exchange(Captured(), nullptr));
  if (h && QWidget::mouseGrabber() == h->widget) h->widget->releaseMouse();
  return true;
}

HWND GetCapture() {
  return detail::Live(Captured());
}

HWND GetActiveWindow() {
  if (!detail::HaveGuiApplication()) return nullptr;
  return detail::HandleOf(QApplication::activeWindow());
}

namespace detail {

WindowHandle* CreateClassWindow(QWidget* parent, WindowHandle* owner, const ControlTemplate& t,
                                const DialogFontMetrics& metrics, const ResourceModule* module) {
  const RegisteredClass* c = FindClass(module, t.style.window_class);
  if (!c) c = FindClass(nullptr, t.style.window_class);
  if (!c) return nullptr;
  auto* w = new ClassWindow(parent, *c);
  w->control = t.kind;
  w->styles = t.style;
  w->id = t.id;
  w->owner_window = owner;
  RECT r = DialogUnitsToPixels(metrics, t.x, t.y, t.cx, t.cy);
  w->setGeometry(r.left, r.top, r.width(), r.height());
  ResizeCanvas(w, w->size());
  HWND self = w;
  Deliver(w, WM_CREATE, 0, 0);
  return Live(self) ? w : nullptr;
}

}  // namespace detail
}  // namespace win
