// SPDX-License-Identifier: MIT
#include "platform/win/gdi.h"

#include "platform/win/internal.h"

#include <QAbstractScrollArea>
#include <QPixmap>

#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace win {

struct DeviceContext {
  WindowHandle* window = nullptr;
  QPainter painter;
  HGDIOBJ pen = nullptr;
  HGDIOBJ brush = nullptr;
  HFONT font = nullptr;
  QPoint position;
  COLORREF background = RGB(255, 255, 255);
  COLORREF text = RGB(0, 0, 0);
  int background_mode = OPAQUE;
};

struct Bitmap::Impl {
  QImage image;
};

namespace {

QColor Colour(COLORREF c) {
  return QColor(static_cast<int>(GetRValue(c)), static_cast<int>(GetGValue(c)), static_cast<int>(GetBValue(c)));
}

const GdiObject* Stock(int which) {
  static const std::array<GdiObject, 9> stock{{
      {GdiObject::Brush, 0, 1, RGB(255, 255, 255)},
      {GdiObject::Brush, 0, 1, RGB(192, 192, 192)},
      {GdiObject::Brush, 0, 1, RGB(128, 128, 128)},
      {GdiObject::Brush, 0, 1, RGB(64, 64, 64)},
      {GdiObject::Brush, 0, 1, RGB(0, 0, 0)},
      {GdiObject::Brush, 1, 1, 0},
      {GdiObject::Pen, PS_SOLID, 1, RGB(255, 255, 255)},
      {GdiObject::Pen, PS_SOLID, 1, RGB(0, 0, 0)},
      {GdiObject::Pen, PS_NULL, 1, 0},
  }};
  return which >= 0 && which < static_cast<int>(stock.size()) ? &stock[static_cast<std::size_t>(which)] : nullptr;
}

bool HasPen(const DeviceContext* dc) { return dc->pen && dc->pen->style != PS_NULL; }
bool HasBrush(const DeviceContext* dc) { return dc->brush && dc->brush->style == 0; }

// A one-pixel pen in the current pen's colour and style.
QPen ThinPen(const DeviceContext* dc) {
  QPen pen(Colour(dc->pen->color));
  pen.setWidth(1);
  pen.setCosmetic(true);
  pen.setStyle(dc->pen->style == PS_DOT ? Qt::DotLine : Qt::SolidLine);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

int PenWidth(const DeviceContext* dc) { return std::max(1, dc->pen->width); }

// The widget that shows a window's picture: a scrolled control (an owner-drawn
// list) shows it in its viewport, which an update of the control itself does
// not repaint.
QWidget* Surface(WindowHandle* h) {
  if (auto* area = qobject_cast<QAbstractScrollArea*>(h->widget)) return area->viewport();
  return h->widget;
}

DeviceContext* Begin(WindowHandle* h) {
  if (!h || !h->canvas || h->canvas->active) return nullptr;
  h->canvas->active = std::make_unique<DeviceContext>();  // until EndPaint / ReleaseDC
  DeviceContext* dc = h->canvas->active.get();
  dc->window = h;
  dc->pen = Stock(BLACK_PEN);
  dc->brush = Stock(WHITE_BRUSH);
  dc->painter.begin(&h->canvas->image);
  dc->painter.setRenderHint(QPainter::Antialiasing, false);
  dc->painter.setFont(h->widget->font());
  return dc;
}

void End(WindowHandle* h) {
  h->canvas->active->painter.end();
  h->canvas->active.reset();
  if (!h->canvas->painting) Surface(h)->update();
}

}  // namespace

Canvas::Canvas() = default;
Canvas::~Canvas() {
  if (active) active->painter.end();
}

namespace detail {

PaintingScope::PaintingScope(WindowHandle* window) : window_(window) {
  if (!window->canvas) return;
  was_ = window->canvas->painting;
  window->canvas->painting = true;
}

PaintingScope::~PaintingScope() {
  WindowHandle* h = Live(window_);
  if (h && h->canvas) h->canvas->painting = was_;
}

void ResizeCanvas(WindowHandle* h, QSize size) {
  if (!h->canvas) h->canvas = std::make_unique<Canvas>();
  Canvas& c = *h->canvas;
  if (c.active || c.image.size() == size) return;
  QImage next(size, QImage::Format_RGB32);
  next.fill(h->widget->palette().color(QPalette::Window));
  if (!c.image.isNull()) {
    QPainter p(&next);
    p.drawImage(0, 0, c.image);
  }
  c.image = std::move(next);
  c.invalid = QRegion(0, 0, size.width(), size.height());
  c.erase = true;
}

void PaintCanvas(WindowHandle* h, QWidget* widget) {
  if (!h->canvas) ResizeCanvas(h, widget->size());
  Canvas& c = *h->canvas;
  const PaintingScope painting(h);
  if (!c.invalid.isEmpty() && !c.active) {
    HWND self = h;
    Deliver(h, WM_PAINT, 0, 0);
    if (!Live(self)) return;
    if (!c.invalid.isEmpty() && !c.active) {  // not painted: validate as the default procedure does
      if (c.erase) {
        QPainter p(&c.image);
        for (const QRect& r : c.invalid) p.fillRect(r, widget->palette().color(QPalette::Window));
      }
      c.invalid = QRegion();
      c.erase = false;
    }
  }
  QPainter p(widget);
  p.drawImage(0, 0, c.image);
}

}  // namespace detail

Font::Font(std::string_view face, int point_size, int weight, bool italic)
    : handle_(std::make_unique<FontHandle>()) {
  handle_->font = detail::TemplateFont(face, point_size);
  handle_->font.setWeight(weight >= FW_BOLD ? QFont::Bold : QFont::Normal);
  handle_->font.setItalic(italic);
}
Font::~Font() = default;
HFONT Font::get() const { return handle_.get(); }

Pen::Pen(int style, int width, COLORREF color)
    : object_(std::make_unique<GdiObject>(GdiObject{GdiObject::Pen, style, width, color})) {}
Pen::~Pen() = default;
HPEN Pen::get() const { return object_.get(); }

Brush::Brush(COLORREF color) : object_(std::make_unique<GdiObject>(GdiObject{GdiObject::Brush, 0, 1, color})) {}
Brush::~Brush() = default;
HBRUSH Brush::get() const { return object_.get(); }

HGDIOBJ GetStockObject(int which) { return Stock(which); }

Bitmap::Bitmap() : impl_(std::make_unique<Impl>()) {}
Bitmap::Bitmap(int width, int height, COLORREF fill) : impl_(std::make_unique<Impl>()) {
  impl_->image = QImage(width, height, QImage::Format_RGB32);
  impl_->image.fill(Colour(fill));
}
Bitmap::~Bitmap() = default;
Bitmap::Bitmap(Bitmap&&) noexcept = default;
Bitmap& Bitmap::operator=(Bitmap&&) noexcept = default;
Bitmap Bitmap::Load(const std::string& path) {
  Bitmap b;
  b.impl_->image = QImage(detail::Q(path)).convertToFormat(QImage::Format_RGB32);
  return b;
}
bool Bitmap::empty() const { return !impl_ || impl_->image.isNull(); }
int Bitmap::width() const { return empty() ? 0 : impl_->image.width(); }
int Bitmap::height() const { return empty() ? 0 : impl_->image.height(); }
void Bitmap::set_pixel(int x, int y, COLORREF color) {
  if (!empty() && impl_->image.valid(x, y)) impl_->image.setPixelColor(x, y, Colour(color));
}

bool Image_SetBitmap(HWND image, const Bitmap& picture) {
  WindowHandle* w = detail::Live(image);
  if (!w || w->kind != WindowKind::Control || w->control != ControlKind::Image) return false;
  static_cast<detail::Image*>(w)->setPixmap(picture.empty() ? QPixmap() : QPixmap::fromImage(picture.impl()->image));
  return true;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
  WindowHandle* h = detail::Live(window);
  if (!h || !h->canvas || !paint) return nullptr;
  Canvas& c = *h->canvas;
  DeviceContext* dc = Begin(h);
  if (!dc) return nullptr;
  QRect bounds = c.invalid.boundingRect();
  paint->hdc = dc;
  paint->erase = c.erase;
  paint->paint = RECT{bounds.left(), bounds.top(), bounds.left() + bounds.width(), bounds.top() + bounds.height()};
  if (c.erase)
    for (const QRect& r : c.invalid) dc->painter.fillRect(r, h->widget->palette().color(QPalette::Window));
  c.invalid = QRegion();
  c.erase = false;
  return dc;
}

bool EndPaint(HWND window, const PAINTSTRUCT* paint) {
  WindowHandle* h = detail::Live(window);
  if (!h || !h->canvas || !paint || h->canvas->active.get() != paint->hdc || !paint->hdc) return false;
  End(h);
  return true;
}

HDC GetDC(HWND window) {
  return Begin(detail::Live(window));
}

int ReleaseDC(HWND window, HDC dc) {
  WindowHandle* h = detail::Live(window);
  if (!h || !h->canvas || !dc || h->canvas->active.get() != dc) return 0;
  End(h);
  return 1;
}

bool InvalidateRect(HWND window, const RECT* rect, bool erase) {
  WindowHandle* h = detail::Live(window);
  if (!h || !h->canvas) return false;
  QRect r = rect ? QRect(rect->left, rect->top, rect->width(), rect->height()) : h->canvas->image.rect();
  h->canvas->invalid += r;
  h->canvas->erase = h->canvas->erase || erase;
  Surface(h)->update(r);
  return true;
}

bool UpdateWindow(HWND window) {
  WindowHandle* h = detail::Live(window);
  if (!h) return false;
  Surface(h)->repaint();
  return true;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
  if (!dc || !object) return nullptr;
  HGDIOBJ& slot = object->kind == GdiObject::Pen ? dc->pen : dc->brush;
  return std::exchange(slot, object);
}

COLORREF SetBkColor(HDC dc, COLORREF color) { return dc ? std::exchange(dc->background, color) : 0; }
int SetBkMode(HDC dc, int mode) { return dc ? std::exchange(dc->background_mode, mode) : 0; }
COLORREF SetTextColor(HDC dc, COLORREF color) { return dc ? std::exchange(dc->text, color) : 0; }

HFONT SelectFont(HDC dc, HFONT font) {
  if (!dc) return nullptr;
  HFONT previous = std::exchange(dc->font, font);
  dc->painter.setFont(font ? font->font : dc->window->widget->font());
  return previous;
}

int FillRect(HDC dc, const RECT& rect, HBRUSH brush) {
  if (!dc || !brush || brush->kind != GdiObject::Brush) return 0;
  if (brush->style == 0) dc->painter.fillRect(QRect(rect.left, rect.top, rect.width(), rect.height()), Colour(brush->color));
  return 1;
}

bool Rectangle(HDC dc, int left, int top, int right, int bottom) {
  if (!dc || right <= left || bottom <= top) return dc != nullptr;
  if (HasBrush(dc)) dc->painter.fillRect(QRect(left, top, right - left, bottom - top), Colour(dc->brush->color));
  if (HasPen(dc)) {
    dc->painter.setPen(ThinPen(dc));
    dc->painter.setBrush(Qt::NoBrush);
    for (int k = 0; k < PenWidth(dc) && left + 2 * k < right && top + 2 * k < bottom; ++k)
      dc->painter.drawRect(QRect(left + k, top + k, right - left - 2 * k - 1, bottom - top - 2 * k - 1));
  }
  return true;
}

bool Ellipse(HDC dc, int left, int top, int right, int bottom) {
  if (!dc) return false;
  dc->painter.setPen(HasPen(dc) ? ThinPen(dc) : QPen(Qt::NoPen));
  dc->painter.setBrush(HasBrush(dc) ? QBrush(Colour(dc->brush->color)) : QBrush(Qt::NoBrush));
  dc->painter.drawEllipse(QRect(left, top, right - left - 1, bottom - top - 1));
  return true;
}

bool Pie(HDC dc, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2) {
  if (!dc) return false;
  double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
  auto angle = [&](int x, int y) { return std::atan2(cy - y, x - cx) * 180.0 / M_PI; };
  double start = angle(x1, y1), span = angle(x2, y2) - start;
  while (span <= 0) span += 360.0;
  dc->painter.setPen(HasPen(dc) ? ThinPen(dc) : QPen(Qt::NoPen));
  dc->painter.setBrush(HasBrush(dc) ? QBrush(Colour(dc->brush->color)) : QBrush(Qt::NoBrush));
  dc->painter.drawPie(QRect(left, top, right - left - 1, bottom - top - 1), static_cast<int>(std::lround(start * 16)),
                      static_cast<int>(std::lround(span * 16)));
  return true;
}

bool MoveToEx(HDC dc, int x, int y, POINT* previous) {
  if (!dc) return false;
  if (previous) *previous = POINT{dc->position.x(), dc->position.y()};
  dc->position = QPoint(x, y);
  return true;
}

bool LineTo(HDC dc, int x, int y) {
  if (!dc) return false;
  QPoint from = dc->position, to(x, y);
  dc->position = to;
  if (!HasPen(dc)) return true;
  if (PenWidth(dc) > 1) {
    QPen pen(Colour(dc->pen->color), PenWidth(dc));
    dc->painter.setPen(pen);
    dc->painter.drawLine(from, to);
    return true;
  }
  // One-pixel lines: every point but the last, as the platform draws them.
  dc->painter.setPen(QPen(Colour(dc->pen->color), 1));
  int dx = std::abs(to.x() - from.x()), dy = -std::abs(to.y() - from.y());
  int sx = from.x() < to.x() ? 1 : -1, sy = from.y() < to.y() ? 1 : -1;
  int err = dx + dy, px = from.x(), py = from.y(), n = 0;
  while (px != to.x() || py != to.y()) {
    if (dc->pen->style != PS_DOT || n % 2 == 0) dc->painter.drawPoint(px, py);
    ++n;
    int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      px += sx;
    }
    if (e2 <= dx) {
      err += dx;
      py += sy;
    }
  }
  return true;
}

bool TextOut(HDC dc, int x, int y, std::string_view text) {
  if (!dc) return false;
  QString s = detail::Q(text);
  QFontMetrics m(dc->painter.font());
  if (dc->background_mode == OPAQUE)
    dc->painter.fillRect(QRect(x, y, m.horizontalAdvance(s), m.height()), Colour(dc->background));
  dc->painter.setPen(Colour(dc->text));
  dc->painter.drawText(x, y + m.ascent(), s);
  return true;
}

bool StretchBitmap(HDC dc, int x, int y, int width, int height, const Bitmap& bitmap) {
  if (!dc || bitmap.empty()) return false;
  dc->painter.drawImage(QRect(x, y, width, height), bitmap.impl()->image);
  return true;
}

COLORREF GetPixel(HDC dc, int x, int y) {
  if (!dc || !dc->window->canvas->image.valid(x, y)) return 0xFFFFFFFFu;
  QRgb p = dc->window->canvas->image.pixel(x, y);
  return RGB(static_cast<unsigned>(qRed(p)), static_cast<unsigned>(qGreen(p)), static_cast<unsigned>(qBlue(p)));
}

}  // namespace win
