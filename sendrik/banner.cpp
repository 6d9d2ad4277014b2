// SPDX-License-Identifier: MIT
#include "sendrik/banner.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace sendrik {
namespace {

// A database drum: three stacked discs.
void DrawDrum(QPainter& p, QRectF box) {
  const qreal disc = box.height() / 4.0;
  QLinearGradient side(box.topLeft(), box.topRight());
  side.setColorAt(0, QColor(0xd8, 0xe6, 0xf0));
  side.setColorAt(0.5, QColor(0xff, 0xff, 0xff));
  side.setColorAt(1, QColor(0x9f, 0xb8, 0xcc));
  p.setPen(QPen(QColor(0x21, 0x4a, 0x6e), 1.5));
  for (int i = 2; i >= 0; --i) {
    const qreal top = box.top() + i * disc;
    QPainterPath body;
    body.moveTo(box.left(), top + disc / 2);
    body.lineTo(box.left(), top + disc * 1.5);
    body.arcTo(QRectF(box.left(), top + disc, box.width(), disc), 180, 180);
    body.lineTo(box.right(), top + disc / 2);
    body.arcTo(QRectF(box.left(), top, box.width(), disc), 0, -180);
    p.setBrush(side);
    p.drawPath(body);
    p.setBrush(QColor(0xee, 0xf4, 0xf8));
    p.drawEllipse(QRectF(box.left(), top, box.width(), disc));
  }
}

// An arrow pointing into the drum.
void DrawArrow(QPainter& p, QPointF from, QPointF to) {
  p.setPen(QPen(QColor(0xff, 0xc8, 0x3d), 4, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to);
  QPainterPath head;
  head.moveTo(to + QPointF(6, 0));
  head.lineTo(to + QPointF(-4, -7));
  head.lineTo(to + QPointF(-4, 7));
  head.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xff, 0xc8, 0x3d));
  p.drawPath(head);
}

}  // namespace

win::Bitmap DrawBanner() {
  QImage image(kBannerWidth, kBannerHeight, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);

  QLinearGradient sky(0, 0, kBannerWidth, kBannerHeight);
  sky.setColorAt(0, QColor(0x0f, 0x2c, 0x4c));
  sky.setColorAt(0.6, QColor(0x1f, 0x5c, 0x85));
  sky.setColorAt(1, QColor(0x3a, 0x8d, 0xb0));
  p.fillRect(image.rect(), sky);
  p.setPen(QPen(QColor(255, 255, 255, 40), 1));
  for (int x = -kBannerHeight; x < kBannerWidth; x += 14) p.drawLine(x, kBannerHeight, x + kBannerHeight, 0);

  DrawArrow(p, QPointF(14, 31.5), QPointF(34, 31.5));
  DrawDrum(p, QRectF(44, 8, 34, 47));

  // The dialogs' face; where it is missing, the one the font configuration offers instead.
  QFont title("DejaVu Sans");
  title.setStyleHint(QFont::SansSerif);
  title.setPixelSize(30);
  title.setBold(true);
  p.setFont(title);
  p.setPen(QColor(0, 0, 0, 90));
  p.drawText(QPointF(97, 36), "Sendrik");
  p.setPen(Qt::white);
  p.drawText(QPointF(95, 34), "Sendrik");

  QFont subtitle("DejaVu Sans");
  subtitle.setStyleHint(QFont::SansSerif);
  subtitle.setPixelSize(12);
  p.setFont(subtitle);
  p.setPen(QColor(0xd6, 0xea, 0xf5));
  p.drawText(QPointF(97, 52), QString::fromUtf8("Atualização da Base de Dados"));
  p.end();

  win::Bitmap banner(kBannerWidth, kBannerHeight, win::RGB(0, 0, 0));
  for (int y = 0; y < kBannerHeight; ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < kBannerWidth; ++x)
      banner.set_pixel(x, y, win::RGB(qRed(row[x]), qGreen(row[x]), qBlue(row[x])));
  }
  return banner;
}

}  // namespace sendrik
