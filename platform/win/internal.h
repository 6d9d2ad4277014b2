// SPDX-License-Identifier: MIT
#pragma once
// Inside the layer: every window of the layer is a Qt widget that is also a
// WindowHandle; HWND is the WindowHandle's address, valid while it is live.

#include "platform/export.h"
#include "platform/win/common_dialogs.h"
#include "platform/win/color_chooser.h"
#include "platform/win/resource.h"
#include "platform/win/types.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRegion>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include <cstdint>
#include <functional>
#include <optional>
#include <memory>
#include <string>
#include <vector>

namespace win {

struct QV_EXPORT FontHandle {
  QFont font;
};

struct QV_EXPORT GdiObject {
  enum Kind { Pen, Brush } kind = Pen;
  int style = 0;  // pens: PS_ styles; brushes: 0 solid, 1 hollow
  int width = 1;
  std::uint32_t color = 0;
};

struct DeviceContext;

// The picture of a window's client area that its procedure paints into.
struct QV_EXPORT Canvas {
  Canvas();
  ~Canvas();
  QImage image;
  QRegion invalid;
  bool erase = false;
  bool painting = false;  // its widget is handling a paint event: it shows the picture then
  std::unique_ptr<DeviceContext> active;  // the one context drawing into it
};

enum class WindowKind { Dialog, TopLevel, Control };

struct QV_EXPORT WindowHandle {
  WindowHandle(QWidget* widget, WindowKind kind);
  virtual ~WindowHandle();
  WindowHandle(const WindowHandle&) = delete;
  WindowHandle& operator=(const WindowHandle&) = delete;

  QWidget* widget;
  WindowKind kind;
  ControlKind control = ControlKind::Static;  // for controls
  ControlStyle styles;  // from the template
  int id = 0;
  int order = 0;                         // place in the template: the dialog manager's order
  WindowHandle* owner_window = nullptr;  // the dialog or window a control belongs to
  HFONT font = nullptr;                  // the font last set with WM_SETFONT
  WNDPROC subclass;                      // a control's procedure, when sub-classed
  std::unique_ptr<Canvas> canvas;        // windows that paint themselves
};

namespace detail {

// Lookup of live handles; nullptr when the handle is not (or no longer) a window.
QV_EXPORT WindowHandle* Live(HWND hwnd);
QV_EXPORT WindowHandle* HandleOf(QWidget* widget);
QV_EXPORT WindowHandle* Child(HWND parent, int id);
QV_EXPORT std::vector<WindowHandle*> Children(WindowHandle* parent);

// Delivers a message to the window's procedure with the layer's default processing.
QV_EXPORT LRESULT Deliver(WindowHandle* target, UINT msg, WPARAM wparam, LPARAM lparam);
// WM_COMMAND from a control to the window it belongs to.
QV_EXPORT void Notify(WindowHandle* control, unsigned code);

QV_EXPORT bool HaveGuiApplication();
QV_EXPORT void EnsureGuiMessageBox();  // installs the Qt message box behind win::MessageBox
QV_EXPORT QObject* PostboxObject();
// Marks a window's canvas as being shown by its widget's paint event. A
// context released meanwhile schedules no update: the paint in progress shows
// the picture, and painting must never ask for another paint. The window may
// go while it paints.
class PaintingScope {
 public:
  explicit PaintingScope(WindowHandle* window);
  ~PaintingScope();
  PaintingScope(const PaintingScope&) = delete;
  PaintingScope& operator=(const PaintingScope&) = delete;

 private:
  HWND window_;
  bool was_ = false;
};

// Paints a window's canvas: WM_PAINT when something is invalid, then the picture.
QV_EXPORT void PaintCanvas(WindowHandle* window, QWidget* widget);
QV_EXPORT void ResizeCanvas(WindowHandle* window, QSize size);
QV_EXPORT LRESULT CallTopLevel(WindowHandle* window, UINT msg, WPARAM wparam, LPARAM lparam);
QV_EXPORT long PostedDelivered();  // messages the postbox has delivered so far
QV_EXPORT POINT& PinnedScreen();  // 0, 0: the real screen
QV_EXPORT void SetControlText(WindowHandle* control, std::string_view text);
QV_EXPORT std::string ControlText(WindowHandle* control);
QV_EXPORT QFont TemplateFont(std::string_view face, int point_size);
QV_EXPORT QString Q(std::string_view text);
QV_EXPORT std::string S(const QString& text);

// The dialog manager's keys (keyboard.cpp), for dialogs and top-level windows:
// access keys, arrow keys in option groups, Tab by template order.
void InstallDialogKeys(WindowHandle* window);
// Tab / Shift+Tab: the focus to the next (previous) tab stop; false when there is none.
bool FocusNextTabStop(WindowHandle* window, bool forward);
// The control that takes the focus first: the first tab stop of the window.
WindowHandle* FirstTabStop(WindowHandle* window);
// Enter on a focused push button presses it (an owner-drawn one never takes Enter).
bool PressFocusedButton(WindowHandle* window);
// The push button of the template's `default` style (the first), or nullptr.
WindowHandle* TemplateDefaultButton(WindowHandle* window);
// The default look on the push button Enter presses now: the focused one, else
// (in a dialog) the template's default; no other button has it.
void ShowDefaultButton(WindowHandle* window);
// The dotted focus frame, drawn inside r.
void DrawFocusFrame(QPainter& painter, const QRect& r);
// Where a button's focus frame goes: a few pixels inside, thin buttons too.
QRect ButtonFocusFrame(const QRect& button);
// What the access key of a control does (its "&" letter was typed).
void AccessKeyAction(WindowHandle* control);

// Asks the window manager not to offer the close function for a top-level
// window (its close box, its menu's Close), in the Motif hints that window
// managers read; creates the native window. Nothing off an X server.
void OfferNoCloseFunction(QWidget* window);
// Where a top-level window's own area begins on the screen: asked of the X
// server (the window manager's last move reaches Qt a little later), else Qt's.
QPoint ScreenOrigin(QWidget* window);

// The dialog of the layer.
class QV_EXPORT Dialog final : public QDialog, public WindowHandle {
 public:
  Dialog(QWidget* parent, const DialogTemplate& t, const ResourceModule& module, DLGPROC proc);
  ~Dialog() override;
  INT_PTR Run(LPARAM init);
  void End(INT_PTR result);
  bool ended() const { return ended_; }
  const std::string& template_name() const { return template_name_; }
  void PressEnter();
  void PressEscape();
  void PressHelp();
  void UserClose() { close(); }
  LRESULT CallProc(UINT msg, WPARAM wparam, LPARAM lparam);
  QFont template_font;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void reject() override;
  void accept() override {}
  bool focusNextPrevChild(bool next) override { return FocusNextTabStop(this, next); }

 private:
  void PlaceOverOwner();
  QPoint PlaceOnOwner() const;
  void KeepPlaceOnOwner();

  DLGPROC proc_;
  INT_PTR result_ = 0;
  bool ended_ = false;
  bool running_ = false;
  std::string template_name_;
  QPoint template_position_;  // pixels from the owner's client area
  bool placed_on_owner_ = false;  // by PlaceOverOwner, checked once shown
};

// Creates one control of a template as a child of parent.
QV_EXPORT WindowHandle* CreateControl(QWidget* parent, WindowHandle* owner, const ControlTemplate& t,
                            const DialogFontMetrics& metrics, const ResourceModule* module,
                            QButtonGroup** radio_run);

class QV_EXPORT PushButton final : public QPushButton, public WindowHandle {
 public:
  explicit PushButton(QWidget* parent) : QPushButton(parent), WindowHandle(this, WindowKind::Control) {}

 protected:
  bool event(QEvent* e) override;
  void paintEvent(QPaintEvent* e) override;  // with the focus frame inside while focused
};

class QV_EXPORT CheckBox final : public QCheckBox, public WindowHandle {
 public:
  CheckBox(QWidget* parent, bool automatic)
      : QCheckBox(parent), WindowHandle(this, WindowKind::Control), automatic_(automatic) {}

 protected:
  void nextCheckState() override {
    if (automatic_) QCheckBox::nextCheckState();
  }
  // The whole control takes the click, as the platform's does (Qt's only its box and text).
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
  bool event(QEvent* e) override;

 private:
  bool automatic_;
};

class QV_EXPORT RadioButton final : public QRadioButton, public WindowHandle {
 public:
  RadioButton(QWidget* parent, bool automatic)
      : QRadioButton(parent), WindowHandle(this, WindowKind::Control), automatic_(automatic) {
    setAutoExclusive(false);
  }
  bool automatic() const { return automatic_; }

 protected:
  void nextCheckState() override {
    if (automatic_) QRadioButton::nextCheckState();
  }
  bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
  bool event(QEvent* e) override;

 private:
  bool automatic_;
};

class QV_EXPORT GroupBox final : public QGroupBox, public WindowHandle {
 public:
  explicit GroupBox(QWidget* parent) : QGroupBox(parent), WindowHandle(this, WindowKind::Control) {}

 protected:
  bool event(QEvent* e) override;
};

class QV_EXPORT StaticText final : public QLabel, public WindowHandle {
 public:
  explicit StaticText(QWidget* parent) : QLabel(parent), WindowHandle(this, WindowKind::Control) {}
  std::string raw;  // the text as set, with its "&"

 protected:
  void paintEvent(QPaintEvent* e) override;  // the access key's letter underlined
};

class QV_EXPORT Edit final : public QLineEdit, public WindowHandle {
 public:
  explicit Edit(QWidget* parent) : QLineEdit(parent), WindowHandle(this, WindowKind::Control) {}
};

class QV_EXPORT ComboBox final : public QComboBox, public WindowHandle {
 public:
  explicit ComboBox(QWidget* parent) : QComboBox(parent), WindowHandle(this, WindowKind::Control) {}
};

class QV_EXPORT ListBox final : public QListWidget, public WindowHandle {
 public:
  explicit ListBox(QWidget* parent) : QListWidget(parent), WindowHandle(this, WindowKind::Control) {}
  bool programmatic = false;  // set while the layer changes the selection

 protected:
  // While focused, the dotted frame on the current item (the first when
  // there is none), over the highlight too.
  void paintEvent(QPaintEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
};

class QV_EXPORT Image final : public QLabel, public WindowHandle {
 public:
  explicit Image(QWidget* parent) : QLabel(parent), WindowHandle(this, WindowKind::Control) {}
};

// Automation hooks, set by win::testing.
struct QV_EXPORT AutomationHooks {
  std::function<void(Dialog*)> dialog_opened;    // runs inside the dialog's modal loop
  std::function<bool(unsigned)> beep;            // true: recorded, no sound
  std::function<int(std::string_view, std::string_view)> shell;  // verb, file -> result
  std::function<std::optional<std::string>(const OpenFileName&)> open_file;  // nullopt: cancelled
  std::function<std::optional<COLORREF>(CHOOSECOLOR&)> choose_color;       // nullopt: cancelled
};
QV_EXPORT AutomationHooks& Automation();

// The real colour chooser; `inside` (when set) runs inside its modal loop, and
// a chooser still open after it is cancelled.
QV_EXPORT bool RunColorChooser(CHOOSECOLOR& request, const std::function<void()>& inside);
// Runs a modal dialog; `inside`, when given, runs in its loop once it shows,
// then the dialog is cancelled. The dialog's result.
QV_EXPORT int ExecWith(QDialog& dialog, const std::function<void()>& inside);
// The open-file dialog, with `inside` run in its modal loop once it shows
// (then it is cancelled) when given.
QV_EXPORT bool RunOpenFileDialog(OpenFileName& request, const std::function<void()>& inside);

}  // namespace detail
}  // namespace win
