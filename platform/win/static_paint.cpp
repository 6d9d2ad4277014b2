// SPDX-License-Identifier: MIT
#include "platform/win/static_paint.h"

#include "platform/win/gdi.h"
#include "platform/win/internal.h"

#include <QEvent>
#include <QPainter>

namespace win::detail {
namespace {

QColor Colour(COLORREF c) {
  return QColor(static_cast<int>(GetRValue(c)), static_cast<int>(GetGValue(c)), static_cast<int>(GetBValue(c)));
}

// The painting side of one static: a child of it.
class PaintableStatic final : public QObject {
 public:
  explicit PaintableStatic(StaticText* s) : QObject(s), text(s), self(s) {
    text->installEventFilter(this);
    ResizeCanvas(text, text->size());
  }

 private:
  bool Gone() const { return Live(self) == nullptr; }

  // WM_PAINT to a sub-classed static; true when its procedure painted.
  bool PaintBySubclass() {
    Canvas& c = *text->canvas;
    if (c.invalid.isEmpty() || c.active) return painted;
    Deliver(text, WM_PAINT, 0, 0);
    if (Gone()) return false;
    if (c.invalid.isEmpty()) {
      painted = true;
    } else if (!c.active) {  // not painted: validated as the default procedure does
      c.invalid = QRegion();
      c.erase = false;
    }
    return painted;
  }

  // The owner's colours; false when it keeps the layer's.
  bool Colours(QPainter& painter) {
    if (!text->owner_window || !Live(text->owner_window)) return false;
    HDC dc = GetDC(self);
    if (!dc) return false;
    LRESULT r = Deliver(text->owner_window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                        reinterpret_cast<LPARAM>(static_cast<HWND>(text)));
    if (Gone()) return false;
    // Read the context's colours back by setting them.
    COLORREF background = SetBkColor(dc, 0);
    COLORREF foreground = SetTextColor(dc, 0);
    int mode = SetBkMode(dc, OPAQUE);
    ReleaseDC(self, dc);
    // A procedure that answers "processed" (a small number) gave no brush.
    if (r >= -4096 && r <= 4096) return false;
    auto brush = reinterpret_cast<HBRUSH>(r);
    if (brush->kind != GdiObject::Brush) return false;
    if (brush->style == 0) painter.fillRect(text->rect(), Colour(brush->color));
    if (mode == OPAQUE) painter.fillRect(text->contentsRect(), Colour(background));
    QPalette palette = text->palette();
    if (palette.color(QPalette::WindowText) != Colour(foreground)) {
      palette.setColor(QPalette::WindowText, Colour(foreground));
      text->setPalette(palette);
    }
    return true;
  }

  bool eventFilter(QObject* watched, QEvent* e) override {
    if (watched != text || Gone()) return false;
    if (e->type() == QEvent::Resize) {
      ResizeCanvas(text, text->size());
      return false;
    }
    if (e->type() != QEvent::Paint) return false;
    if (!text->canvas) ResizeCanvas(text, text->size());
    const PaintingScope painting(text);
    if (text->subclass && PaintBySubclass()) {
      if (Gone()) return true;
      QPainter p(text);
      p.drawImage(0, 0, text->canvas->image);
      return true;
    }
    if (Gone()) return true;
    {
      QPainter p(text);
      Colours(p);
    }
    return !Live(self);  // the text on top, as the static draws it
  }

  StaticText* text;
  HWND self;
  bool painted = false;
};

}  // namespace

void MakePaintableStatic(StaticText* text) {
  new PaintableStatic(text);  // a child of the static, deleted with it
}

}  // namespace win::detail
