// SPDX-License-Identifier: MIT
#include "platform/win/testing.h"

#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/internal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QPointer>
#include <QScreen>
#include <QStyleFactory>
#include <QThread>
#include <QWindow>

#include <algorithm>
#include <cctype>
#include <map>
#include <utility>

namespace win::testing {

using detail::Child;
using detail::Live;

struct GuiApplication::Impl {
  int argc = 1;
  char name[16] = "qv-test";
  char* argv[2] = {name, nullptr};
  QApplication app{argc, argv};
};

GuiApplication::GuiApplication() : impl_(std::make_unique<Impl>()) {
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  QApplication::setFont(detail::TemplateFont("MS Sans Serif", 8));
}

GuiApplication::~GuiApplication() = default;

void PinScreenSize(int width, int height) {
  detail::PinnedScreen() = POINT{width, height};
}

// --- The user ---------------------------------------------------------------

namespace {

std::string Lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

int DefaultAnswer(const MessageBoxRequest& r) {
  return (r.style & MB_TYPEMASK) == MB_YESNO ? IDNO : IDOK;
}

}  // namespace

struct User::State {
  Action any;
  std::map<std::string, Action> by_name;
  std::function<int(const MessageBoxRequest&)> answer = DefaultAnswer;
  int shell_result = 33;
  std::vector<MessageBoxRequest> boxes;
  std::vector<unsigned> beeps;
  std::vector<ShellRequest> shell;
  std::vector<std::string> opened;
  std::vector<OpenFileName> files;
  std::function<std::optional<std::string>(const OpenFileName&)> file_answer;
  std::vector<ColorChooserRequest> colors;
  std::function<std::optional<COLORREF>(CHOOSECOLOR&)> color_answer;
  std::function<void()> color_shown;
  std::function<void()> file_shown;
  int left_open = 0;
  Action after_step;
  State* previous_user = nullptr;
  detail::AutomationHooks previous;
  std::unique_ptr<ScopedMessageBoxHook> box_hook;

  void Opened(detail::Dialog* d) {
    QPointer<detail::Dialog> guard(d);
    std::string name = d->template_name();
    opened.push_back(name);
    auto it = by_name.find(Lower(name));
    Action action = it != by_name.end() ? it->second : any;
    if (action) action(d);
    ProcessPosted();
    if (!guard || guard->ended()) return;
    ++left_open;
    guard->PressEscape();
    if (guard && !guard->ended()) guard->End(IDCANCEL);
  }
};

namespace {
User::State*& CurrentUser() {
  static User::State* current = nullptr;
  return current;
}
}  // namespace

User::User() : state_(std::make_unique<State>()) {
  State* s = state_.get();
  s->previous_user = std::exchange(CurrentUser(), s);
  s->previous = detail::Automation();
  detail::Automation().dialog_opened = [s](detail::Dialog* d) { s->Opened(d); };
  detail::Automation().beep = [s](unsigned type) {
    s->beeps.push_back(type);
    return true;
  };
  detail::Automation().shell = [s](std::string_view verb, std::string_view file) {
    s->shell.push_back(ShellRequest{std::string(verb), std::string(file)});
    return s->shell_result;
  };
  detail::Automation().open_file = [s](const OpenFileName& r) -> std::optional<std::string> {
    s->files.push_back(r);
    if (s->file_shown) {
      OpenFileName shown = r;
      detail::RunOpenFileDialog(shown, s->file_shown);
      return std::nullopt;
    }
    return s->file_answer ? s->file_answer(r) : std::nullopt;
  };
  detail::Automation().choose_color = [s](CHOOSECOLOR& r) -> std::optional<COLORREF> {
    ColorChooserRequest seen{r.hwndOwner, r.rgbResult, r.Flags, {}};
    if (r.lpCustColors) seen.custom.assign(r.lpCustColors, r.lpCustColors + kCustomColorCount);
    s->colors.push_back(std::move(seen));
    if (s->color_shown) {
      detail::RunColorChooser(r, s->color_shown);
      return std::nullopt;
    }
    return s->color_answer ? s->color_answer(r) : std::nullopt;
  };
  s->box_hook = std::make_unique<ScopedMessageBoxHook>([s](const MessageBoxRequest& r) {
    s->boxes.push_back(r);
    return s->answer(r);
  });
}

User::~User() {
  CurrentUser() = state_->previous_user;
  state_->box_hook.reset();
  detail::Automation() = state_->previous;
}

void User::OnDialog(Action action) { state_->any = std::move(action); }
void User::AfterEachStep(Action action) { state_->after_step = std::move(action); }
void User::OnDialog(std::string_view name, Action action) { state_->by_name[Lower(name)] = std::move(action); }
void User::AnswerMessageBoxes(std::function<int(const MessageBoxRequest&)> answer) {
  state_->answer = answer ? std::move(answer) : DefaultAnswer;
}
void User::AnswerShellRequests(int result) { state_->shell_result = result; }
void User::AnswerFileDialogs(std::function<std::optional<std::string>(const OpenFileName&)> answer) {
  state_->file_answer = std::move(answer);
}
const std::vector<OpenFileName>& User::file_dialogs() const { return state_->files; }
void User::AnswerColorChoosers(std::function<std::optional<COLORREF>(CHOOSECOLOR&)> answer) {
  state_->color_answer = std::move(answer);
}
void User::ShowColorChoosers(std::function<void()> action) { state_->color_shown = std::move(action); }
void User::ShowFileDialogs(std::function<void()> action) { state_->file_shown = std::move(action); }
const std::vector<ColorChooserRequest>& User::color_choosers() const { return state_->colors; }
const std::vector<MessageBoxRequest>& User::message_boxes() const { return state_->boxes; }
const std::vector<unsigned>& User::beeps() const { return state_->beeps; }
const std::vector<ShellRequest>& User::shell_requests() const { return state_->shell; }
const std::vector<std::string>& User::dialogs_opened() const { return state_->opened; }
int User::left_open() const { return state_->left_open; }

// --- Acting -----------------------------------------------------------------

bool Step(HWND window);

namespace {

// A control the user can reach: live, shown and enabled.
WindowHandle* Reachable(HWND dialog, int id) {
  WindowHandle* h = Child(dialog, id);
  if (!h || h->widget->isHidden() || !h->widget->isEnabled()) return nullptr;
  return h;
}

detail::Dialog* DialogOf(HWND window) {
  WindowHandle* h = Live(window);
  return h && h->kind == WindowKind::Dialog ? static_cast<detail::Dialog*>(h) : nullptr;
}

bool SendMouse(HWND dialog, int id, POINT at, QEvent::Type type) {
  WindowHandle* h = Reachable(dialog, id);
  if (!h) return false;
  QPointF local(at.x, at.y);
  QPointF global = h->widget->mapToGlobal(local);
  Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  if (type == QEvent::MouseMove && QApplication::mouseButtons() == Qt::NoButton) buttons = Qt::NoButton;
  QMouseEvent event(type, local, global, button, buttons, Qt::NoModifier);
  QPointer<QWidget> target(h->widget);
  QApplication::sendEvent(h->widget, &event);
  return Step(dialog);
}

}  // namespace

// The end of every action: posted messages, then the user's after-step action.
bool Step(HWND window) {
  ProcessPosted();
  User::State* user = CurrentUser();
  if (user && user->after_step && Live(window)) {
    User::Action after = user->after_step;
    after(window);
  }
  return true;
}

void ProcessPosted() {
  if (!detail::HaveGuiApplication()) return;
  // Messages posted while delivering are delivered too (a bounded number of rounds).
  for (int round = 0; round < 1000; ++round) {
    long before = detail::PostedDelivered();
    QCoreApplication::sendPostedEvents(detail::PostboxObject());
    if (detail::PostedDelivered() == before) break;
  }
}

bool Click(HWND dialog, int id) {
  WindowHandle* h = Reachable(dialog, id);
  if (!h) return false;
  switch (h->control) {
    case ControlKind::Button:
    case ControlKind::CheckBox:
    case ControlKind::AutoCheckBox:
    case ControlKind::Radio:
    case ControlKind::AutoRadio: dynamic_cast<QAbstractButton*>(h->widget)->click(); break;
    default: return false;
  }
  return Step(dialog);
}

bool Type(HWND dialog, int id, std::string_view text) {
  WindowHandle* h = Reachable(dialog, id);
  if (!h || h->control != ControlKind::Edit) return false;
  auto* e = static_cast<detail::Edit*>(h);
  e->setFocus();
  e->setText(detail::Q(text));
  detail::Notify(e, EN_CHANGE);
  return Step(dialog);
}

bool SelectItem(HWND dialog, int id, int index) {
  WindowHandle* h = Reachable(dialog, id);
  if (!h) return false;
  if (h->control == ControlKind::ComboBox) {
    auto* c = static_cast<detail::ComboBox*>(h);
    if (index < 0 || index >= c->count()) return false;
    c->setCurrentIndex(index);
    detail::Notify(c, CBN_SELCHANGE);
  } else if (h->control == ControlKind::ListBox) {
    auto* l = static_cast<detail::ListBox*>(h);
    if (index < 0 || index >= l->count()) return false;
    l->programmatic = true;
    l->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
    l->programmatic = false;
    if (l->styles.notify) detail::Notify(l, LBN_SELCHANGE);
  } else {
    return false;
  }
  return Step(dialog);
}

bool DoubleClickItem(HWND dialog, int id, int index) {
  WindowHandle* h = Reachable(dialog, id);
  if (!h || h->control != ControlKind::ListBox || !SelectItem(dialog, id, index)) return false;
  if (h->styles.notify && Live(h)) detail::Notify(h, LBN_DBLCLK);
  return Step(dialog);
}

bool PressKey(HWND window, Key key) {
  WindowHandle* h = Live(window);
  if (!h || h->kind == WindowKind::Control) return false;
  QWidget* d = h->widget;
  struct Map {
    Key key;
    int qt;
    const char* text;
  };
  static constexpr Map keys[] = {
      {Key::Enter, Qt::Key_Return, "\r"}, {Key::Escape, Qt::Key_Escape, "\x1b"}, {Key::F1, Qt::Key_F1, ""},
      {Key::Space, Qt::Key_Space, " "},   {Key::Tab, Qt::Key_Tab, "\t"},         {Key::Up, Qt::Key_Up, ""},
      {Key::Down, Qt::Key_Down, ""},      {Key::Left, Qt::Key_Left, ""},         {Key::Right, Qt::Key_Right, ""},
      {Key::Home, Qt::Key_Home, ""},      {Key::End, Qt::Key_End, ""},
  };
  const Map* m = std::find_if(std::begin(keys), std::end(keys), [&](const Map& k) { return k.key == key; });
  QPointer<QWidget> target = d->focusWidget() ? d->focusWidget() : static_cast<QWidget*>(d);
  QKeyEvent press(QEvent::KeyPress, m->qt, Qt::NoModifier, QString::fromLatin1(m->text));
  QApplication::sendEvent(target, &press);
  if (target) {
    QKeyEvent release(QEvent::KeyRelease, m->qt, Qt::NoModifier, QString::fromLatin1(m->text));
    QApplication::sendEvent(target, &release);
  }
  return Step(window);
}

bool MouseDown(HWND dialog, int id, POINT at) { return SendMouse(dialog, id, at, QEvent::MouseButtonPress); }
bool MouseMove(HWND dialog, int id, POINT at) { return SendMouse(dialog, id, at, QEvent::MouseMove); }
bool MouseUp(HWND dialog, int id, POINT at) { return SendMouse(dialog, id, at, QEvent::MouseButtonRelease); }

bool MouseMoveOver(HWND window, POINT at) {
  WindowHandle* h = Live(window);
  if (!h) return false;
  QPointF local(at.x, at.y);
  QMouseEvent event(QEvent::MouseMove, local, h->widget->mapToGlobal(local), Qt::NoButton, Qt::NoButton,
                    Qt::NoModifier);
  QApplication::sendEvent(h->widget, &event);
  return Step(window);
}

bool CloseBox(HWND dialog) {
  detail::Dialog* d = DialogOf(dialog);
  if (!d) return false;
  d->UserClose();
  return Step(dialog);
}

// --- Reading ----------------------------------------------------------------

bool Exists(HWND dialog, int id) { return Child(dialog, id) != nullptr; }
bool IsChecked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }
bool IsVisible(HWND dialog, int id) {
  WindowHandle* h = Child(dialog, id);
  return h && !h->widget->isHidden();
}
bool IsEnabled(HWND dialog, int id) {
  WindowHandle* h = Child(dialog, id);
  return h && h->widget->isEnabled();
}
std::string Text(HWND dialog, int id) { return GetDlgItemText(dialog, id); }

int Selection(HWND dialog, int id) {
  HWND h = GetDlgItem(dialog, id);
  int combo = ComboBox_GetCurSel(h);
  return ComboBox_GetCount(h) != CB_ERR ? combo : ListBox_GetCurSel(h);
}

int Count(HWND dialog, int id) {
  HWND h = GetDlgItem(dialog, id);
  int combo = ComboBox_GetCount(h);
  return combo != CB_ERR ? combo : ListBox_GetCount(h);
}

std::string ItemText(HWND dialog, int id, int index) {
  HWND h = GetDlgItem(dialog, id);
  return ComboBox_GetCount(h) != CB_ERR ? ComboBox_GetText(h, index) : ListBox_GetText(h, index);
}

bool HasFocus(HWND dialog, int id) {
  WindowHandle* h = Child(dialog, id);
  detail::Dialog* d = DialogOf(dialog);
  return h && d && d->focusWidget() == h->widget;
}

std::string ToolTip(HWND window, int id) {
  WindowHandle* h = Child(window, id);
  return h ? detail::S(h->widget->toolTip()) : std::string();
}

namespace {

Image ToImage(const QImage& image) {
  Image out;
  out.width = image.width();
  out.height = image.height();
  out.argb.reserve(static_cast<std::size_t>(out.width) * out.height);
  for (int y = 0; y < out.height; ++y) {
    const auto* line = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
    out.argb.insert(out.argb.end(), line, line + out.width);
  }
  return out;
}

}  // namespace

Image Grab(HWND window) {
  WindowHandle* h = Live(window);
  if (!h) return {};
  return ToImage(h->widget->grab().toImage().convertToFormat(QImage::Format_ARGB32));
}

bool GrabPng(HWND window, const std::string& path) {
  WindowHandle* h = Live(window);
  return h && h->widget->grab().save(detail::Q(path), "PNG");
}

bool GrabModalPng(const std::string& path) {
  QWidget* modal = QApplication::activeModalWidget();
  return modal && modal->grab().save(detail::Q(path), "PNG");
}

namespace {

bool Shown(QWidget* w) {
  QWindow* native = w->window()->windowHandle();
  return w->isVisible() && native && native->isExposed();
}

}  // namespace

namespace {

void RunEventLoopFor(const QPointer<QWidget>& widget, int milliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (widget && clock.elapsed() < milliseconds) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(2);
  }
}

}  // namespace

void LetEventLoopRun(HWND window) {
  WindowHandle* h = Live(window);
  if (!h || !detail::HaveGuiApplication()) return;
  QPointer<QWidget> widget(h->widget);
  // A pause of the user's: the window comes up, then posted messages, update
  // requests (Qt coalesces them on a short timer) and the flush to the display.
  QElapsedTimer clock;
  clock.start();
  while (widget && !Shown(widget) && clock.elapsed() < 5000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
  RunEventLoopFor(widget, 60);
}

RECT ScreenRect(HWND window) {
  WindowHandle* h = Live(window);
  if (!h) return {};
  QPoint origin = h->widget->mapToGlobal(QPoint(0, 0));
  return RECT{origin.x(), origin.y(), origin.x() + h->widget->width(), origin.y() + h->widget->height()};
}

unsigned long NativeWindow(HWND window) {
  WindowHandle* h = Live(window);
  return h ? static_cast<unsigned long>(h->widget->window()->winId()) : 0;
}

Image ScreenGrab(HWND window) {
  LetEventLoopRun(window);
  WindowHandle* h = Live(window);
  if (!h || !Shown(h->widget) || QGuiApplication::platformName() == "offscreen") return {};
  QScreen* screen = h->widget->screen();
  if (!screen) return {};
  QPointer<QWidget> widget(h->widget);
  auto read = [&] {
    RECT r = ScreenRect(window);
    // Window 0 is the whole screen: what the display shows there, whoever drew it.
    return ToImage(screen->grabWindow(0, r.left, r.top, r.width(), r.height()).toImage().convertToFormat(
        QImage::Format_ARGB32));
  };
  // On a busy machine the paint may still be on its way: the screen counts
  // once two readings a moment apart agree.
  Image last = read();
  for (int i = 0; i < 20 && widget; ++i) {
    RunEventLoopFor(widget, 20);
    Image next = read();
    if (next.argb == last.argb) return next;
    last = std::move(next);
  }
  return last;
}

RECT ControlRect(HWND dialog, int id) {
  WindowHandle* h = Child(dialog, id);
  if (!h) return {};
  QRect g = h->widget->geometry();
  return RECT{g.left(), g.top(), g.left() + g.width(), g.top() + g.height()};
}

RECT ItemRect(HWND dialog, int id, int index) {
  WindowHandle* h = Child(dialog, id);
  if (!h || h->control != ControlKind::ListBox) return {};
  auto* l = static_cast<detail::ListBox*>(h);
  if (index < 0 || index >= l->count()) return {};
  QWidget* viewport = l->viewport();
  QRect r = l->visualItemRect(l->item(index)) & viewport->rect();
  if (r.isEmpty()) return {};
  r.translate(viewport->mapTo(l->parentWidget(), QPoint(0, 0)));
  return RECT{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace win::testing
