// SPDX-License-Identifier: MIT
#include "platform/win/dialog.h"

#include "platform/win/owner_button.h"
#include "platform/win/static_paint.h"
#include "platform/win/window_class.h"
#include "platform/win/internal.h"
#include "platform/win/window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QEvent>
#include <QKeyEvent>
#include <QPixmap>
#include <QPointer>
#include <QShowEvent>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <unordered_set>

namespace win {
namespace detail {
namespace {

std::unordered_set<const WindowHandle*>& Registry() {
  static std::unordered_set<const WindowHandle*> live;
  return live;
}

// Posted messages travel as events to one receiver, which checks that the
// target still lives before delivering.
constexpr QEvent::Type kPostedMessage = static_cast<QEvent::Type>(QEvent::User + 71);

struct PostedMessage final : QEvent {
  PostedMessage(HWND t, UINT m, WPARAM w, LPARAM l) : QEvent(kPostedMessage), target(t), msg(m), wparam(w), lparam(l) {}
  HWND target;
  UINT msg;
  WPARAM wparam;
  LPARAM lparam;
};

class Postbox final : public QObject {
 public:
  long delivered = 0;
  bool event(QEvent* e) override {
    if (e->type() != kPostedMessage) return QObject::event(e);
    auto* m = static_cast<PostedMessage*>(e);
    ++delivered;
    if (WindowHandle* target = Live(m->target)) Deliver(target, m->msg, m->wparam, m->lparam);
    return true;
  }
};

}  // namespace

QObject* PostboxObject() {
  static QPointer<QObject> box;
  if (!box) {
    box = new Postbox;
    box->setParent(QCoreApplication::instance());  // dies with the application
  }
  return box;
}

long PostedDelivered() {
  auto* box = static_cast<Postbox*>(PostboxObject());
  return box->delivered;
}

WindowHandle* Live(HWND hwnd) {
  return Registry().count(hwnd) ? hwnd : nullptr;
}

WindowHandle* HandleOf(QWidget* widget) {
  return widget ? dynamic_cast<WindowHandle*>(widget) : nullptr;
}

std::vector<WindowHandle*> Children(WindowHandle* parent) {
  std::vector<WindowHandle*> out;
  if (!parent) return out;
  for (QObject* child : parent->widget->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    WindowHandle* h = HandleOf(w);
    if (h && h->kind == WindowKind::Control) out.push_back(h);
  }
  return out;
}

WindowHandle* Child(HWND parent, int id) {
  WindowHandle* p = Live(parent);
  if (!p) return nullptr;
  for (WindowHandle* c : Children(p))
    if (c->id == id) return c;
  return nullptr;
}

bool HaveGuiApplication() {
  return qobject_cast<QApplication*>(QCoreApplication::instance()) != nullptr;
}

QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::string S(const QString& text) {
  return text.toStdString();
}

QFont TemplateFont(std::string_view face, int point_size) {
  DialogFontMetrics m = FontMetrics(face, point_size);
  QFont f(Q(m.draw_face));
  f.setPixelSize(m.pixel_size);
  f.setStyleHint(QFont::SansSerif);
  return f;
}

LRESULT Deliver(WindowHandle* target, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (!target) return 0;
  HWND hwnd = target;
  if (target->kind == WindowKind::Control && target->subclass) {
    WNDPROC proc = target->subclass;  // the procedure may sub-class again
    return proc(hwnd, msg, wparam, lparam);
  }
  LRESULT r = 0;
  if (target->kind == WindowKind::TopLevel) {
    r = CallTopLevel(target, msg, wparam, lparam);
    if (msg == WM_CLOSE && r == 0 && Live(hwnd)) {
      DestroyWindow(hwnd);
      return 0;
    }
    if (r != 0 || !Live(hwnd) || msg != WM_SETFONT) return r;
  }
  if (target->kind == WindowKind::Dialog) {
    auto* d = static_cast<Dialog*>(target);
    r = d->CallProc(msg, wparam, lparam);
    if (r != 0 || !Live(hwnd)) return r;
    if (msg == WM_CLOSE) {
      d->PressEscape();
      return 0;
    }
  }
  // Default processing common to every window.
  if (msg == WM_SETFONT) {
    auto font = reinterpret_cast<HFONT>(wparam);
    target->font = font;
    if (font) target->widget->setFont(font->font);
    else if (target->kind == WindowKind::Control && target->owner_window &&
             target->owner_window->kind == WindowKind::Dialog)
      target->widget->setFont(static_cast<Dialog*>(target->owner_window)->template_font);
    if (lparam) target->widget->update();
    return 0;
  }
  if (msg == WM_GETFONT) return reinterpret_cast<LRESULT>(target->font);
  return r;
}

void Notify(WindowHandle* control, unsigned code) {
  if (!Live(control) || !Live(control->owner_window)) return;
  Deliver(control->owner_window, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(control->id), code),
          reinterpret_cast<LPARAM>(static_cast<HWND>(control)));
}

AutomationHooks& Automation() {
  static AutomationHooks hooks;
  return hooks;
}

// --- Controls ---------------------------------------------------------------

namespace {

QString LabelText(std::string_view raw) {
  // "&&" is an ampersand, a single "&" marks the mnemonic and is not drawn.
  QString in = Q(raw), out;
  for (qsizetype i = 0; i < in.size(); ++i) {
    if (in[i] == '&') {
      if (i + 1 < in.size() && in[i + 1] == '&') {
        out += '&';
        ++i;
      }
      continue;
    }
    out += in[i];
  }
  return out;
}

}  // namespace

void SetControlText(WindowHandle* h, std::string_view text) {
  switch (h->control) {
    case ControlKind::Static: {
      auto* s = static_cast<detail::StaticText*>(h);
      s->raw = std::string(text);
      s->setText(LabelText(text));
      break;
    }
    case ControlKind::Edit: static_cast<Edit*>(h)->setText(Q(text)); break;
    case ControlKind::GroupBox: static_cast<GroupBox*>(h)->setTitle(Q(text)); break;
    case ControlKind::Button: static_cast<PushButton*>(h)->setText(Q(text)); break;
    case ControlKind::CheckBox:
    case ControlKind::AutoCheckBox: static_cast<CheckBox*>(h)->setText(Q(text)); break;
    case ControlKind::Radio:
    case ControlKind::AutoRadio: static_cast<RadioButton*>(h)->setText(Q(text)); break;
    case ControlKind::ComboBox:
    case ControlKind::ListBox:
    case ControlKind::Image:
    case ControlKind::Custom: h->widget->setWindowTitle(Q(text)); break;
  }
}

std::string ControlText(WindowHandle* h) {
  switch (h->control) {
    case ControlKind::Static: return static_cast<detail::StaticText*>(h)->raw;
    case ControlKind::Edit: return S(static_cast<Edit*>(h)->text());
    case ControlKind::GroupBox: return S(static_cast<GroupBox*>(h)->title());
    case ControlKind::Button: return S(static_cast<PushButton*>(h)->text());
    case ControlKind::CheckBox:
    case ControlKind::AutoCheckBox: return S(static_cast<CheckBox*>(h)->text());
    case ControlKind::Radio:
    case ControlKind::AutoRadio: return S(static_cast<RadioButton*>(h)->text());
    case ControlKind::ComboBox: return S(static_cast<ComboBox*>(h)->currentText());
    case ControlKind::ListBox: {
      auto* l = static_cast<ListBox*>(h);
      return l->currentItem() && l->currentItem()->isSelected() ? S(l->currentItem()->text()) : std::string();
    }
    case ControlKind::Image:
    case ControlKind::Custom: return S(h->widget->windowTitle());
  }
  return {};
}

WindowHandle* CreateControl(QWidget* parent, WindowHandle* owner, const ControlTemplate& t,
                            const DialogFontMetrics& metrics, const ResourceModule* module,
                            QButtonGroup** radio_run) {
  WindowHandle* h = nullptr;
  if (t.kind != ControlKind::AutoRadio || t.style.group) *radio_run = nullptr;
  switch (t.kind) {
    case ControlKind::Button: {
      auto* b = new PushButton(parent);
      b->setAutoDefault(false);
      b->setDefault(t.style.default_button && !t.style.owner_draw);  // drawn as the default button
      QObject::connect(b, &QPushButton::clicked, b, [b] { Notify(b, BN_CLICKED); });
      if (t.style.owner_draw) MakeOwnerDrawButton(b);
      h = b;
      break;
    }
    case ControlKind::CheckBox:
    case ControlKind::AutoCheckBox: {
      auto* c = new CheckBox(parent, t.kind == ControlKind::AutoCheckBox);
      QObject::connect(c, &QCheckBox::clicked, c, [c] { Notify(c, BN_CLICKED); });
      h = c;
      break;
    }
    case ControlKind::Radio:
    case ControlKind::AutoRadio: {
      auto* r = new RadioButton(parent, t.kind == ControlKind::AutoRadio);
      if (t.kind == ControlKind::AutoRadio) {
        if (*radio_run == nullptr) {
          *radio_run = new QButtonGroup(parent);
          (*radio_run)->setExclusive(true);
        }
        (*radio_run)->addButton(r);
      }
      QObject::connect(r, &QRadioButton::clicked, r, [r] { Notify(r, BN_CLICKED); });
      h = r;
      break;
    }
    case ControlKind::GroupBox: h = new GroupBox(parent); break;
    case ControlKind::Static: {
      auto* s = new detail::StaticText(parent);
      Qt::Alignment a = t.style.center ? Qt::AlignHCenter : t.style.right ? Qt::AlignRight : Qt::AlignLeft;
      s->setAlignment(a | Qt::AlignTop);
      s->setWordWrap(true);
      s->setTextFormat(Qt::PlainText);
      if (t.style.border) s->setFrameStyle(QFrame::Panel | QFrame::Sunken);
      MakePaintableStatic(s);
      h = s;
      break;
    }
    case ControlKind::Edit: {
      auto* e = new Edit(parent);
      if (t.style.password) e->setEchoMode(QLineEdit::Password);
      e->setReadOnly(t.style.read_only);
      QObject::connect(e, &QLineEdit::textEdited, e, [e] { Notify(e, EN_CHANGE); });
      h = e;
      break;
    }
    case ControlKind::ComboBox: {
      auto* c = new ComboBox(parent);
      c->setMaxVisibleItems(std::max(1, (t.cy - 12) * metrics.base_y / 8 / 14));
      QObject::connect(c, &QComboBox::activated, c, [c](int) { Notify(c, CBN_SELCHANGE); });
      h = c;
      break;
    }
    case ControlKind::ListBox: {
      auto* l = new ListBox(parent);
      l->setSelectionMode(t.style.multi_select ? QAbstractItemView::MultiSelection
                                               : QAbstractItemView::SingleSelection);
      l->setVerticalScrollBarPolicy(t.style.vscroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
      l->setHorizontalScrollBarPolicy(t.style.hscroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
      if (t.style.notify) {
        QObject::connect(l, &QListWidget::itemSelectionChanged, l, [l] {
          if (!l->programmatic) Notify(l, LBN_SELCHANGE);
        });
        QObject::connect(l, &QListWidget::itemDoubleClicked, l, [l] { Notify(l, LBN_DBLCLK); });
      }
      h = l;
      break;
    }
    case ControlKind::Image: {
      auto* i = new detail::Image(parent);
      // No file: the program gives the picture (Image_SetBitmap).
      if (!t.text.empty()) {
        std::string path = module && !module->folder().empty() ? module->folder() + "/" + t.text : t.text;
        i->setPixmap(QPixmap(Q(path)));
      }
      i->setScaledContents(true);
      h = i;
      break;
    }
    case ControlKind::Custom: {
      if ((h = CreateClassWindow(parent, owner, t, metrics, module))) break;  // a registered class
      auto* w = new detail::StaticText(parent);  // a plain area until window classes exist
      h = w;
      break;
    }
  }
  h->control = t.kind;
  h->styles = t.style;
  h->id = t.id;
  h->owner_window = owner;
  if (t.kind != ControlKind::Image) SetControlText(h, t.text);
  RECT r = DialogUnitsToPixels(metrics, t.x, t.y, t.cx, t.cy);
  int height = r.height();
  if (t.kind == ControlKind::ComboBox) height = std::min(height, (12 * metrics.base_y + 4) / 8 + 2);
  h->widget->setGeometry(r.left, r.top, r.width(), height);
  if (t.style.disabled) h->widget->setEnabled(false);
  if (t.style.hidden) h->widget->hide();
  return h;
}

// --- Dialogs ----------------------------------------------------------------

Dialog::Dialog(QWidget* parent, const DialogTemplate& t, const ResourceModule& module, DLGPROC proc)
    : QDialog(parent), WindowHandle(this, WindowKind::Dialog), proc_(std::move(proc)), template_name_(t.name.text()) {
  setWindowTitle(Q(t.caption));
  setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
  template_font = TemplateFont(t.font_face, t.font_size);
  setFont(template_font);
  DialogFontMetrics m = FontMetrics(t.font_face, t.font_size);
  RECT size = DialogUnitsToPixels(m, 0, 0, t.cx, t.cy);
  setFixedSize(size.width(), size.height());
  RECT position = DialogUnitsToPixels(m, t.x, t.y, 0, 0);
  template_position_ = QPoint(position.left, position.top);
  QButtonGroup* run = nullptr;
  int order = 0;
  for (const ControlTemplate& c : t.controls) CreateControl(this, this, c, m, &module, &run)->order = order++;
  InstallDialogKeys(this);
}

Dialog::~Dialog() {
  // Children die after this part of the dialog: they must not notify it any more.
  for (QWidget* w : findChildren<QWidget*>()) w->blockSignals(true);
}

LRESULT Dialog::CallProc(UINT msg, WPARAM wparam, LPARAM lparam) {
  if (!proc_) return 0;
  DLGPROC proc = proc_;  // keeps the procedure alive while it runs
  return proc(this, msg, wparam, lparam);
}

INT_PTR Dialog::Run(LPARAM init) {
  HWND self = this;
  LRESULT focus = CallProc(WM_INITDIALOG, 0, init);
  if (!Live(self) || ended_) return result_;
  if (focus != 0) {
    // The first tab stop (an option group's selected option).
    if (WindowHandle* first = FirstTabStop(this)) first->widget->setFocus();
  }
  ShowDefaultButton(this);
  if (!testAttribute(Qt::WA_Moved)) PlaceOverOwner();
  if (auto& hook = Automation().dialog_opened) {
    QPointer<Dialog> guard(this);
    auto opened = hook;
    QTimer::singleShot(0, this, [guard, opened] {
      if (guard) opened(guard);
    });
  }
  running_ = true;
  exec();
  running_ = false;
  return result_;
}

// A dialog its procedure did not move opens at its template's position from
// the owner's client area, as the owner stands on the screen. An owner just
// shown is first placed by the window manager: the dialog waits for that (a
// little).
void Dialog::PlaceOverOwner() {
  QWidget* owner = parentWidget();
  if (owner == nullptr) return;
  if (QWindow* shown = owner->windowHandle(); shown && shown->isVisible() && !shown->isExposed()) {
    constexpr int kPlacingMs = 2000;
    QElapsedTimer waited;
    waited.start();
    while (!shown->isExposed() && waited.elapsed() < kPlacingMs) {
      QCoreApplication::processEvents();
      if (!shown->isExposed()) QThread::msleep(5);
    }
  }
  move(PlaceOnOwner());
  placed_on_owner_ = true;
}

QPoint Dialog::PlaceOnOwner() const { return ScreenOrigin(parentWidget()) + template_position_; }

// A window manager may still place the dialog its own way (a position it
// judged off the screen, an owner it had not finished placing): once the
// dialog is on the screen, it is put back where PlaceOverOwner meant it.
void Dialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (placed_on_owner_ && windowHandle() != nullptr) windowHandle()->installEventFilter(this);
}

bool Dialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed()) {
    windowHandle()->removeEventFilter(this);
    KeepPlaceOnOwner();
  }
  return QDialog::eventFilter(watched, event);
}

void Dialog::KeepPlaceOnOwner() {
  placed_on_owner_ = false;
  const QMargins frame = windowHandle()->frameMargins();
  const QPoint meant = PlaceOnOwner();
  if (ScreenOrigin(this) - QPoint(frame.left(), frame.top()) != meant) windowHandle()->setFramePosition(meant);
}

void Dialog::End(INT_PTR result) {
  result_ = result;
  ended_ = true;
  if (running_) done(0);
}

void Dialog::PressEnter() {
  if (PressFocusedButton(this)) return;
  WindowHandle* button = TemplateDefaultButton(this);
  int id = button ? button->id : IDOK;
  if (!button) button = Child(this, id);
  if (button && !button->widget->isEnabled()) {
    QApplication::beep();
    return;
  }
  Deliver(this, WM_COMMAND, MAKEWPARAM(static_cast<unsigned>(id), BN_CLICKED),
          reinterpret_cast<LPARAM>(static_cast<HWND>(button)));
}

void Dialog::PressEscape() {
  WindowHandle* button = Child(this, IDCANCEL);
  if (button && !button->widget->isEnabled()) return;
  Deliver(this, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), reinterpret_cast<LPARAM>(static_cast<HWND>(button)));
}

void Dialog::PressHelp() {
  HELPINFO info;
  if (WindowHandle* focus = HandleOf(focusWidget())) {
    info.ctrl_id = focus->id;
    info.item = focus;
  } else {
    info.item = this;
  }
  Deliver(this, WM_HELP, 0, reinterpret_cast<LPARAM>(&info));
}

void Dialog::keyPressEvent(QKeyEvent* event) {
  if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) {
    QDialog::keyPressEvent(event);
    return;
  }
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: PressEnter(); break;
    case Qt::Key_Escape: PressEscape(); break;
    case Qt::Key_F1: PressHelp(); break;
    default: QDialog::keyPressEvent(event); return;
  }
  event->accept();
}

void Dialog::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (!ended_) Deliver(this, WM_CLOSE, 0, 0);
}

void Dialog::reject() {
  if (!ended_) PressEscape();
}

}  // namespace detail

WindowHandle::WindowHandle(QWidget* w, WindowKind k) : widget(w), kind(k) {
  detail::Registry().insert(this);
}

WindowHandle::~WindowHandle() { detail::Registry().erase(this); }

INT_PTR DialogBoxParam(HINSTANCE module, const ResId& name, HWND owner, DLGPROC proc, LPARAM init) {
  if (module == nullptr || !detail::HaveGuiApplication()) return -1;
  const DialogTemplate* t = module->dialog(name);
  if (t == nullptr) return -1;
  QWidget* parent = nullptr;
  if (WindowHandle* o = detail::Live(owner)) parent = o->widget->window();
  detail::EnsureGuiMessageBox();
  auto dialog = std::make_unique<detail::Dialog>(parent, *t, *module, std::move(proc));
  return dialog->Run(init);
}

bool EndDialog(HWND dialog, INT_PTR result) {
  WindowHandle* h = detail::Live(dialog);
  if (!h || h->kind != WindowKind::Dialog) return false;
  static_cast<detail::Dialog*>(h)->End(result);
  return true;
}

HWND GetDlgItem(HWND dialog, int id) {
  return detail::Child(dialog, id);
}

int GetDlgCtrlID(HWND control) {
  WindowHandle* h = detail::Live(control);
  return h ? h->id : 0;
}

HWND GetParent(HWND window) {
  WindowHandle* h = detail::Live(window);
  if (!h) return nullptr;
  if (h->kind == WindowKind::Control) return h->owner_window;
  return detail::HandleOf(h->widget->parentWidget());
}

void EnumChildWindows(HWND parent, const std::function<bool(HWND)>& f) {
  for (WindowHandle* c : detail::Children(detail::Live(parent))) {
    if (!detail::Live(c)) continue;
    if (!f(c)) break;
  }
}

LRESULT SendMessage(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  return detail::Deliver(detail::Live(window), msg, wparam, lparam);
}

LRESULT SendDlgItemMessage(HWND dialog, int id, UINT msg, WPARAM wparam, LPARAM lparam) {
  return detail::Deliver(detail::Child(dialog, id), msg, wparam, lparam);
}

bool PostMessage(HWND window, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (!detail::Live(window) || !detail::HaveGuiApplication()) return false;
  QCoreApplication::postEvent(detail::PostboxObject(), new detail::PostedMessage(window, msg, wparam, lparam));
  return true;
}

std::string DialogTemplateName(HWND dialog) {
  WindowHandle* h = detail::Live(dialog);
  if (!h || h->kind != WindowKind::Dialog) return {};
  return static_cast<detail::Dialog*>(h)->template_name();
}

}  // namespace win
