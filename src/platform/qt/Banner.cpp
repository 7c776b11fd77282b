#include "platform/qt/Banner.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {
void PaintGround(QPainter& painter, const QRect& area, const QPointF& flare) {
  QLinearGradient ground(area.topLeft(), area.bottomRight());
  ground.setColorAt(0, QColor(0x06, 0x33, 0x3d));
  ground.setColorAt(1, QColor(0x0e, 0x5a, 0x62));
  painter.fillRect(area, ground);
  QRadialGradient light(flare, area.height() * 1.6);
  light.setColorAt(0, QColor(255, 255, 255, 150));
  light.setColorAt(0.25, QColor(190, 240, 235, 60));
  light.setColorAt(1, QColor(255, 255, 255, 0));
  painter.fillRect(area, light);
}
}  // namespace

QPixmap AliasBanner(const QString& heading) {
  QPixmap banner(369, 54);
  QPainter painter(&banner);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintGround(painter, banner.rect(), QPointF(330, 14));
  QFont font = painter.font();
  font.setPixelSize(24);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(banner.rect().adjusted(14, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, heading);
  return banner;
}

QPixmap AboutBanner() {
  QPixmap banner(244, 67);
  QPainter painter(&banner);
  painter.setRenderHint(QPainter::Antialiasing);
  PaintGround(painter, banner.rect(), QPointF(214, 16));
  // A prompt sign beside the name.
  QPen pen(QColor(0x9c, 0xe8, 0xdc), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  painter.setPen(pen);
  painter.drawPolyline(QPolygonF({QPointF(14, 20), QPointF(30, 33.5), QPointF(14, 47)}));
  painter.drawLine(QPointF(36, 47), QPointF(50, 47));
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(22);
  painter.setFont(font);
  painter.setPen(Qt::white);
  painter.drawText(QRect(62, 8, 180, 30), Qt::AlignLeft | Qt::AlignVCenter, "Vell");
  font.setBold(false);
  font.setPixelSize(16);
  painter.setFont(font);
  painter.drawText(QRect(62, 34, 180, 24), Qt::AlignLeft | Qt::AlignVCenter, "Command Line");
  return banner;
}
