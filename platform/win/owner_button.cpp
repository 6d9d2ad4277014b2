// SPDX-License-Identifier: MIT
#include "platform/win/owner_button.h"

#include "platform/win/gdi.h"
#include "platform/win/internal.h"

#include <QEvent>
#include <QPainter>

namespace win::detail {
namespace {

// The owner-drawn side of one button: its picture and its draw requests.
class OwnerButton final : public QObject {
 public:
  explicit OwnerButton(PushButton* b) : QObject(b), button(b), self(b) {
    button->installEventFilter(this);
    QObject::connect(button, &QPushButton::pressed, this, [this] { Draw(ODA_SELECT, ODS_SELECTED); });
    QObject::connect(button, &QPushButton::released, this, [this] { Draw(ODA_SELECT, 0); });
  }

 private:
  bool Gone() const { return Live(self) == nullptr; }

  void Draw(UINT action, UINT state) {
    if (Gone()) return;
    if (!button->canvas) ResizeCanvas(button, button->size());
    HDC dc = GetDC(self);
    if (!dc) return;
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = static_cast<UINT>(button->id);
    dis.itemID = 0;
    dis.itemAction = action;
    dis.itemState = state;
    dis.hwndItem = self;
    dis.hDC = dc;
    dis.rcItem = RECT{0, 0, button->width(), button->height()};
    if (button->owner_window)
      Deliver(button->owner_window, WM_DRAWITEM, static_cast<WPARAM>(button->id), reinterpret_cast<LPARAM>(&dis));
    if (Gone()) return;
    ReleaseDC(self, dc);
    if (!button->canvas->painting) button->update();
  }

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched != button || Gone()) return false;
    if (e->type() == QEvent::Resize) {
      ResizeCanvas(button, button->size());
      return false;
    }
    if (e->type() != QEvent::Paint) return false;
    if (!button->canvas) ResizeCanvas(button, button->size());
    Canvas& c = *button->canvas;
    const PaintingScope painting(button);
    if (!c.invalid.isEmpty() && !c.active) {
      if (c.erase) {
        QPainter p(&c.image);
        for (const QRect& r : c.invalid) p.fillRect(r, button->palette().color(QPalette::Window));
      }
      c.invalid = QRegion();
      c.erase = false;
      Draw(ODA_DRAWENTIRE, button->isDown() ? ODS_SELECTED : 0);
      if (Gone()) return true;
    }
    QPainter p(button);
    p.drawImage(0, 0, button->canvas->image);
    // The focus on the button's outline: whatever the owner drew inside shows
    // whole, however thin the button (a line sample keeps its colour).
    if (button->hasFocus()) DrawFocusFrame(p, button->rect());
    return true;  // the owner's picture instead of Qt's button
  }

  PushButton* button;
  HWND self;
};

}  // namespace

void MakeOwnerDrawButton(PushButton* button) {
  new OwnerButton(button);  // a child of the button, deleted with it
  ResizeCanvas(button, button->size());
}

}  // namespace win::detail
