// SPDX-License-Identifier: MIT
// The dialog manager's keys, shared by dialogs and top-level windows: access
// keys ("&" letters) of labels and buttons, arrow keys inside option groups,
// Tab in template order with one stop per option group, Enter on a focused
// push button; and what shows them: the focus frame of every control from the
// start, and the default look on the push button that Enter presses.

#include "platform/win/internal.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>

namespace win::detail {
namespace {

bool IsRadio(const WindowHandle* c) { return c->control == ControlKind::Radio || c->control == ControlKind::AutoRadio; }

bool IsButtonKind(const WindowHandle* c) {
  switch (c->control) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::AutoCheckBox:
    case ControlKind::Radio:
    case ControlKind::AutoRadio: return true;
    default: return false;
  }
}

bool IsLabel(const WindowHandle* c) { return c->control == ControlKind::Static || c->control == ControlKind::GroupBox; }

// A push button that can be the default one (an owner-drawn one never takes Enter).
bool IsPushButton(const WindowHandle* c) { return c->control == ControlKind::Button && !c->styles.owner_draw; }

// The controls of a window in template order.
std::vector<WindowHandle*> Ordered(WindowHandle* window) {
  std::vector<WindowHandle*> all = Children(window);
  std::stable_sort(all.begin(), all.end(), [](const WindowHandle* a, const WindowHandle* b) { return a->order < b->order; });
  return all;
}

bool Usable(WindowHandle* window, const WindowHandle* c) {
  return c->widget->isEnabled() && c->widget->isVisibleTo(window->widget);
}

bool TakesFocus(WindowHandle* window, const WindowHandle* c) {
  // Any focus policy: Qt takes Tab focus from the unchecked buttons of a button group.
  return !IsLabel(c) && c->control != ControlKind::Image && Usable(window, c) &&
         c->widget->focusPolicy() != Qt::NoFocus;
}

// The option group of the radio at index i: the run of consecutive radios
// around it, split where a radio carries the template's group mark.
std::pair<std::size_t, std::size_t> GroupBounds(const std::vector<WindowHandle*>& all, std::size_t i) {
  std::size_t first = i, last = i;
  while (first > 0 && !all[first]->styles.group && IsRadio(all[first - 1])) --first;
  while (last + 1 < all.size() && IsRadio(all[last + 1]) && !all[last + 1]->styles.group) ++last;
  return {first, last};
}

bool Checked(const WindowHandle* c) { return static_cast<const QAbstractButton*>(c->widget)->isChecked(); }

// The one stop of an option group: its selected option, else its first that takes the focus.
WindowHandle* GroupStop(WindowHandle* window, const std::vector<WindowHandle*>& all, std::size_t i) {
  auto [first, last] = GroupBounds(all, i);
  WindowHandle* stop = nullptr;
  for (std::size_t k = first; k <= last; ++k) {
    if (!TakesFocus(window, all[k])) continue;
    if (Checked(all[k])) return all[k];
    if (!stop) stop = all[k];
  }
  return stop;
}

// The stop that the control at index i stands for, or nullptr.
WindowHandle* StopAt(WindowHandle* window, const std::vector<WindowHandle*>& all, std::size_t i) {
  if (!TakesFocus(window, all[i])) return nullptr;
  return IsRadio(all[i]) ? GroupStop(window, all, i) : all[i];
}

// The control of the window that holds the focus widget (a combo box's parts are the combo box).
WindowHandle* FocusedControl(WindowHandle* window) {
  for (QWidget* w = window->widget->focusWidget(); w && w != window->widget; w = w->parentWidget()) {
    WindowHandle* h = HandleOf(w);
    if (h && h->kind == WindowKind::Control && h->owner_window == window) return h;
  }
  return nullptr;
}

std::size_t IndexOf(const std::vector<WindowHandle*>& all, const WindowHandle* c) {
  return static_cast<std::size_t>(std::find(all.begin(), all.end(), c) - all.begin());
}

void Focus(WindowHandle* c, Qt::FocusReason reason) { c->widget->setFocus(reason); }

// The next stop after the control at index from (before it when backwards), wrapping around.
WindowHandle* NextStop(WindowHandle* window, const std::vector<WindowHandle*>& all, std::size_t from, bool forward) {
  std::size_t n = all.size();
  if (n == 0) return nullptr;
  std::size_t skip_first = from, skip_last = from;
  if (from < n && IsRadio(all[from])) std::tie(skip_first, skip_last) = GroupBounds(all, from);
  for (std::size_t step = 1; step <= n; ++step) {
    std::size_t i = forward ? (from + step) % n : (from + n - step % n) % n;
    if (from < n && i >= skip_first && i <= skip_last) continue;
    if (WindowHandle* stop = StopAt(window, all, i)) return stop;
  }
  return nullptr;
}

QChar Mnemonic(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != '&') continue;
    if (text[i + 1] != '&') return text[i + 1].toLower();
    ++i;
  }
  return {};
}

QString RawText(WindowHandle* c) {
  switch (c->control) {
    case ControlKind::Static: return Q(static_cast<StaticText*>(c)->raw);
    case ControlKind::GroupBox: return static_cast<GroupBox*>(c)->title();
    default: return IsButtonKind(c) ? static_cast<QAbstractButton*>(c->widget)->text() : QString();
  }
}

// Alt+letter (or a letter while a button has the focus): the next control
// after the focus whose access key it is.
bool PressAccessKey(WindowHandle* window, QChar letter) {
  if (letter.isNull()) return false;
  letter = letter.toLower();
  std::vector<WindowHandle*> all = Ordered(window);
  std::size_t n = all.size();
  std::size_t from = IndexOf(all, FocusedControl(window));
  for (std::size_t step = 1; step <= n; ++step) {
    WindowHandle* c = all[(from + step) % n];
    if (!Usable(window, c) || Mnemonic(RawText(c)) != letter) continue;
    AccessKeyAction(c);
    return true;
  }
  return false;
}

// Up/Left and Down/Right on an option: the previous / next option of its group, selected.
bool MoveInGroup(WindowHandle* window, WindowHandle* radio, bool forward) {
  std::vector<WindowHandle*> all = Ordered(window);
  std::size_t i = IndexOf(all, radio);
  if (i == all.size()) return false;
  auto [first, last] = GroupBounds(all, i);
  std::size_t size = last - first + 1;
  for (std::size_t step = 1; step < size; ++step) {
    std::size_t k = first + (forward ? (i - first + step) % size : (i - first + size - step) % size);
    WindowHandle* next = all[k];
    if (!TakesFocus(window, next)) continue;
    Focus(next, Qt::TabFocusReason);
    if (Live(next) && !Checked(next)) static_cast<QAbstractButton*>(next->widget)->click();
    return true;
  }
  return true;  // alone in its group: the focus stays
}

QChar LetterOf(const QKeyEvent* e) {
  if (!e->text().isEmpty() && e->text()[0].isLetterOrNumber()) return e->text()[0];
  int k = e->key();
  if ((k >= Qt::Key_A && k <= Qt::Key_Z) || (k >= Qt::Key_0 && k <= Qt::Key_9)) return QChar(k);
  return {};
}

class DialogKeys final : public QObject {
 public:
  explicit DialogKeys(WindowHandle* w) : QObject(w->widget), window(w), self(w) {
    // The focus is drawn from the start, as the access keys are: Qt's styles
    // draw it only after a key moved it.
    window->widget->setAttribute(Qt::WA_KeyboardFocusChange);
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
      connect(app, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (!now || !Live(self) || now->window() != window->widget) return;
        window->widget->setAttribute(Qt::WA_KeyboardFocusChange);
        ShowDefaultButton(window);
      });
  }

  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() != QEvent::KeyPress || !Live(self)) return false;
    auto* k = static_cast<QKeyEvent*>(e);
    Qt::KeyboardModifiers mods = k->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
    WindowHandle* focus = FocusedControl(window);
    if (mods & Qt::AltModifier) {
      if (mods & Qt::ControlModifier) return false;
      return PressAccessKey(window, LetterOf(k));
    }
    if (mods != Qt::NoModifier || !focus) return false;
    switch (k->key()) {
      case Qt::Key_Up:
      case Qt::Key_Left:
      case Qt::Key_Down:
      case Qt::Key_Right:
        if (!IsRadio(focus)) return false;
        return MoveInGroup(window, focus, k->key() == Qt::Key_Down || k->key() == Qt::Key_Right);
      case Qt::Key_Return:
      case Qt::Key_Enter:
        // A dialog's own Enter handling runs after its controls; a window's here.
        return window->kind == WindowKind::TopLevel && PressFocusedButton(window);
      default:
        // A letter on a button, which takes no text: that letter's access key.
        if (IsButtonKind(focus) && !focus->styles.owner_draw && !LetterOf(k).isNull())
          return PressAccessKey(window, LetterOf(k));
        return false;
    }
  }

  WindowHandle* window;
  HWND self;
};

bool RouteShortcut(WindowHandle* control, QEvent* e) {
  if (e->type() != QEvent::Shortcut) return false;
  AccessKeyAction(control);
  return true;
}

}  // namespace

void InstallDialogKeys(WindowHandle* window) {
  auto* keys = new DialogKeys(window);  // a child of the window
  for (WindowHandle* c : Children(window)) c->widget->installEventFilter(keys);
}

bool FocusNextTabStop(WindowHandle* window, bool forward) {
  std::vector<WindowHandle*> all = Ordered(window);
  if (all.empty()) return false;
  WindowHandle* focus = FocusedControl(window);
  std::size_t from = IndexOf(all, focus);
  if (from == all.size()) from = forward ? all.size() - 1 : 0;  // no focus yet: from either end
  WindowHandle* next = focus ? NextStop(window, all, from, forward) : StopAt(window, all, from);
  if (!next && !focus) next = NextStop(window, all, from, forward);
  if (!next) return focus != nullptr;  // the focus stays where it is
  Focus(next, forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
}

WindowHandle* FirstTabStop(WindowHandle* window) {
  std::vector<WindowHandle*> all = Ordered(window);
  for (std::size_t i = 0; i < all.size(); ++i)
    if (WindowHandle* stop = StopAt(window, all, i)) return stop;
  return nullptr;
}

bool PressFocusedButton(WindowHandle* window) {
  WindowHandle* focus = FocusedControl(window);
  if (!focus || !IsPushButton(focus) || !Usable(window, focus)) return false;
  static_cast<PushButton*>(focus)->click();
  return true;
}

WindowHandle* TemplateDefaultButton(WindowHandle* window) {
  for (WindowHandle* c : Ordered(window))
    if (c->control == ControlKind::Button && c->styles.default_button) return c;
  return nullptr;
}

void ShowDefaultButton(WindowHandle* window) {
  WindowHandle* look = FocusedControl(window);
  if (!look || !IsPushButton(look)) look = window->kind == WindowKind::Dialog ? TemplateDefaultButton(window) : nullptr;
  if (look && !IsPushButton(look)) look = nullptr;
  for (WindowHandle* c : Children(window))
    if (IsPushButton(c) && c != look) static_cast<PushButton*>(c)->setDefault(false);
  if (look) static_cast<PushButton*>(look)->setDefault(true);
}

void AccessKeyAction(WindowHandle* control) {
  WindowHandle* window = control->owner_window;
  if (!window || !Live(window)) return;
  if (IsLabel(control)) {
    // A label gives the focus to the next control after it that can take it.
    std::vector<WindowHandle*> all = Ordered(window);
    std::size_t i = IndexOf(all, control);
    for (std::size_t k = i + 1; k < all.size(); ++k) {
      if (WindowHandle* stop = StopAt(window, all, k)) {
        Focus(IsRadio(all[k]) ? stop : all[k], Qt::ShortcutFocusReason);
        return;
      }
    }
    return;
  }
  if (!IsButtonKind(control) || !Usable(window, control)) return;
  HWND self = control;
  Focus(control, Qt::ShortcutFocusReason);
  if (Live(self)) static_cast<QAbstractButton*>(control->widget)->click();
}

QRect ButtonFocusFrame(const QRect& button) {
  int inset = std::max(0, std::min({3, (button.width() - 3) / 2, (button.height() - 3) / 2}));
  return button.adjusted(inset, inset, -inset, -inset);
}

void DrawFocusFrame(QPainter& painter, const QRect& r) {
  if (r.width() < 3 || r.height() < 3) return;
  QRect frame = r.adjusted(0, 0, -1, -1);
  painter.save();
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(Qt::white, 1));
  painter.drawRect(frame);
  painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
  painter.drawRect(frame);
  painter.restore();
}

// Qt's own mnemonic shortcuts of buttons and group boxes do what the dialog manager does.
bool PushButton::event(QEvent* e) { return RouteShortcut(this, e) || QPushButton::event(e); }
bool CheckBox::event(QEvent* e) { return RouteShortcut(this, e) || QCheckBox::event(e); }
bool RadioButton::event(QEvent* e) { return RouteShortcut(this, e) || QRadioButton::event(e); }
bool GroupBox::event(QEvent* e) { return RouteShortcut(this, e) || QGroupBox::event(e); }

void PushButton::paintEvent(QPaintEvent* e) {
  QPushButton::paintEvent(e);
  if (!hasFocus() || styles.owner_draw) return;
  // A dotted frame inside, as the platform draws it; the style's own outline
  // is the default button's too.
  QPainter painter(this);
  DrawFocusFrame(painter, ButtonFocusFrame(rect()));
}

void ListBox::paintEvent(QPaintEvent* e) {
  QListWidget::paintEvent(e);
  if (!hasFocus()) return;
  // Where the keys act: the current item, else the first (an empty list's first line).
  QRect item;
  if (count() > 0) {
    item = visualItemRect(currentItem() ? currentItem() : this->item(0));
  } else {
    QStyleOptionViewItem line;
    initViewItemOption(&line);
    line.features |= QStyleOptionViewItem::HasDisplay;
    line.text = QStringLiteral(" ");
    QSize size = style()->sizeFromContents(QStyle::CT_ItemViewItem, &line, {}, this);
    item = QRect(0, 0, viewport()->width(), size.height());
  }
  QPainter painter(viewport());
  DrawFocusFrame(painter, item);
}

void ListBox::focusInEvent(QFocusEvent* e) {
  QListWidget::focusInEvent(e);
  viewport()->update();
}

void ListBox::focusOutEvent(QFocusEvent* e) {
  QListWidget::focusOutEvent(e);
  viewport()->update();
}

void ListBox::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QListWidget::currentChanged(current, previous);
  viewport()->update();
}

void StaticText::paintEvent(QPaintEvent* e) {
  QChar letter = Mnemonic(Q(raw));
  if (letter.isNull() || frameWidth() != 0 || text().isEmpty()) {
    QLabel::paintEvent(e);
    return;
  }
  // As the label draws plain text, with the access key's letter underlined.
  QPainter painter(this);
  QRect r = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
  QStyleOption option;
  option.initFrom(this);
  int flags = static_cast<int>(alignment()) | Qt::TextShowMnemonic | (wordWrap() ? Qt::TextWordWrap : 0);
  style()->drawItemText(&painter, r, flags, option.palette, isEnabled(), Q(raw), foregroundRole());
}

}  // namespace win::detail
