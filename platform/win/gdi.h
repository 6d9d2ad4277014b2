// SPDX-License-Identifier: MIT
#pragma once
// Fonts, pens, brushes, bitmaps and the device context over QPainter.
//
// Every window that paints keeps a picture of its client area: BeginPaint
// (inside WM_PAINT) and GetDC draw into that picture, and the window shows
// it, so what a procedure draws stays until it draws again (the update
// program's background needs exactly that). InvalidateRect asks for a
// WM_PAINT; with erase, BeginPaint first fills the area with the window's
// background colour. Drawing is not antialiased: pixels are exact.
// The templates' face "MS Sans Serif" (and other faces) is drawn with
// DejaVu Sans at a pixel size from a fixed table, the same on every machine.

#include "platform/export.h"
#include "platform/win/types.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace win {

using COLORREF = std::uint32_t;
constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
  return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr unsigned GetRValue(COLORREF c) { return c & 0xFFu; }
constexpr unsigned GetGValue(COLORREF c) { return (c >> 8) & 0xFFu; }
constexpr unsigned GetBValue(COLORREF c) { return (c >> 16) & 0xFFu; }

inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;

// An owned font; its handle is valid while it lives.
class QV_EXPORT Font {
 public:
  Font(std::string_view face, int point_size, int weight = FW_NORMAL, bool italic = false);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  HFONT get() const;

 private:
  std::unique_ptr<FontHandle> handle_;
};

// Pens and brushes, owned by their objects; stock ones live for ever.
struct GdiObject;
using HGDIOBJ = const GdiObject*;
using HPEN = HGDIOBJ;
using HBRUSH = HGDIOBJ;

inline constexpr int PS_SOLID = 0;
inline constexpr int PS_DOT = 2;
inline constexpr int PS_NULL = 5;
inline constexpr int PS_INSIDEFRAME = 6;

class QV_EXPORT Pen {
 public:
  Pen(int style, int width, COLORREF color);
  ~Pen();
  Pen(const Pen&) = delete;
  Pen& operator=(const Pen&) = delete;
  HPEN get() const;

 private:
  std::unique_ptr<GdiObject> object_;
};

class QV_EXPORT Brush {
 public:
  explicit Brush(COLORREF color);  // solid
  ~Brush();
  Brush(const Brush&) = delete;
  Brush& operator=(const Brush&) = delete;
  HBRUSH get() const;

 private:
  std::unique_ptr<GdiObject> object_;
};

inline constexpr int WHITE_BRUSH = 0;
inline constexpr int LTGRAY_BRUSH = 1;
inline constexpr int BLACK_BRUSH = 4;
inline constexpr int NULL_BRUSH = 5;
inline constexpr int HOLLOW_BRUSH = NULL_BRUSH;
inline constexpr int WHITE_PEN = 6;
inline constexpr int BLACK_PEN = 7;
inline constexpr int NULL_PEN = 8;
QV_EXPORT HGDIOBJ GetStockObject(int which);

// A picture (from a file, or pixels).
class QV_EXPORT Bitmap {
 public:
  Bitmap();
  Bitmap(int width, int height, COLORREF fill);
  ~Bitmap();
  Bitmap(Bitmap&&) noexcept;
  Bitmap& operator=(Bitmap&&) noexcept;
  static Bitmap Load(const std::string& path);  // empty when unreadable
  bool empty() const;
  int width() const;
  int height() const;
  void set_pixel(int x, int y, COLORREF color);

  struct Impl;
  const Impl* impl() const { return impl_.get(); }

 private:
  std::unique_ptr<Impl> impl_;
};

// An image control shows a copy of the picture, scaled to the control (the
// program's own picture, as STM_SETIMAGE gives one); false when the handle is
// not an image control.
QV_EXPORT bool Image_SetBitmap(HWND image, const Bitmap& picture);

// The device context.
struct DeviceContext;
using HDC = DeviceContext*;

struct QV_EXPORT PAINTSTRUCT {
  HDC hdc = nullptr;
  bool erase = false;
  RECT paint;  // the area to paint
};

QV_EXPORT HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
QV_EXPORT bool EndPaint(HWND window, const PAINTSTRUCT* paint);
QV_EXPORT HDC GetDC(HWND window);
QV_EXPORT int ReleaseDC(HWND window, HDC dc);
QV_EXPORT bool InvalidateRect(HWND window, const RECT* rect, bool erase);  // nullptr: the whole client area
QV_EXPORT bool UpdateWindow(HWND window);  // paints now what is invalid

QV_EXPORT HGDIOBJ SelectObject(HDC dc, HGDIOBJ object);  // returns the previous pen or brush
inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;
QV_EXPORT COLORREF SetBkColor(HDC dc, COLORREF color);
QV_EXPORT int SetBkMode(HDC dc, int mode);
QV_EXPORT COLORREF SetTextColor(HDC dc, COLORREF color);
QV_EXPORT HFONT SelectFont(HDC dc, HFONT font);

// Shapes: right and bottom edges excluded, as the platform draws them; the
// outline in the pen (inside-frame pens inside the rectangle), the inside in
// the brush.
QV_EXPORT int FillRect(HDC dc, const RECT& rect, HBRUSH brush);
QV_EXPORT bool Rectangle(HDC dc, int left, int top, int right, int bottom);
QV_EXPORT bool Ellipse(HDC dc, int left, int top, int right, int bottom);
// A pie wedge of the ellipse, counterclockwise from the radial through
// (x1, y1) to the radial through (x2, y2).
QV_EXPORT bool Pie(HDC dc, int left, int top, int right, int bottom, int x1, int y1, int x2, int y2);
QV_EXPORT bool MoveToEx(HDC dc, int x, int y, POINT* previous);
QV_EXPORT bool LineTo(HDC dc, int x, int y);  // the last point is not drawn
QV_EXPORT bool TextOut(HDC dc, int x, int y, std::string_view text);
QV_EXPORT bool StretchBitmap(HDC dc, int x, int y, int width, int height, const Bitmap& bitmap);
QV_EXPORT COLORREF GetPixel(HDC dc, int x, int y);

}  // namespace win
