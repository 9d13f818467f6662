#include "ui/tool_icons.h"

#include <QPainter>
#include <QPainterPath>

namespace tirel {
namespace {

constexpr int kSize = 16;

void draw_sheet(QPainter& p) {
  QPainterPath sheet;
  sheet.moveTo(3, 1);
  sheet.lineTo(10, 1);
  sheet.lineTo(13, 4);
  sheet.lineTo(13, 15);
  sheet.lineTo(3, 15);
  sheet.closeSubpath();
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawPath(sheet);
  p.drawLine(10, 1, 10, 4);
  p.drawLine(10, 4, 13, 4);
}

void draw_folder(QPainter& p) {
  p.setPen(QPen(QColor(96, 64, 0), 1));
  p.setBrush(QColor(240, 200, 80));
  p.drawRect(1, 4, 13, 10);
  p.drawRect(1, 2, 5, 2);
  p.setBrush(QColor(255, 230, 130));
  QPolygon front({QPoint(3, 7), QPoint(15, 7), QPoint(13, 14), QPoint(1, 14)});
  p.drawPolygon(front);
}

void draw_disk(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(40, 60, 160));
  p.drawRect(1, 1, 13, 13);
  p.setBrush(Qt::white);
  p.drawRect(4, 1, 7, 5);
  p.setBrush(QColor(200, 200, 200));
  p.drawRect(4, 9, 7, 5);
}

void draw_printer(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(Qt::white);
  p.drawRect(4, 1, 7, 6);
  p.setBrush(QColor(170, 170, 170));
  p.drawRect(1, 6, 13, 6);
  p.setBrush(Qt::white);
  p.drawRect(4, 10, 7, 5);
  p.setPen(QColor(0, 160, 0));
  p.drawPoint(12, 8);
}

// A hand-held radio with its aerial; the arrow says which way the data goes.
void draw_radio(QPainter& p, bool to_radio) {
  p.setPen(QPen(Qt::black, 1));
  p.drawLine(3, 0, 3, 5);
  p.setBrush(QColor(60, 60, 60));
  p.drawRect(1, 5, 6, 10);
  p.setBrush(QColor(120, 200, 120));
  p.drawRect(2, 7, 4, 2);
  QColor arrow = to_radio ? QColor(200, 0, 0) : QColor(0, 120, 0);
  p.setPen(QPen(arrow, 2));
  p.drawLine(9, 10, 15, 10);
  p.setPen(Qt::NoPen);
  p.setBrush(arrow);
  if (to_radio)
    p.drawPolygon(QPolygon({QPoint(8, 10), QPoint(11, 7), QPoint(11, 13)}));
  else
    p.drawPolygon(QPolygon({QPoint(16, 10), QPoint(13, 7), QPoint(13, 13)}));
}

void draw_exit(QPainter& p) {
  p.setPen(QPen(Qt::black, 1));
  p.setBrush(QColor(150, 90, 40));
  p.drawRect(2, 1, 8, 14);
  p.setBrush(QColor(230, 200, 60));
  p.drawEllipse(QPoint(8, 8), 1, 1);
  p.setPen(QPen(QColor(200, 0, 0), 2));
  p.drawLine(10, 8, 15, 8);
  p.drawLine(13, 5, 15, 8);
  p.drawLine(13, 11, 15, 8);
}

}  // namespace

QIcon tool_icon(ToolIcon which) {
  QPixmap pm(kSize, kSize);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  switch (which) {
    case ToolIcon::new_file: draw_sheet(p); break;
    case ToolIcon::open: draw_folder(p); break;
    case ToolIcon::save: draw_disk(p); break;
    case ToolIcon::read_radio: draw_radio(p, false); break;
    case ToolIcon::write_radio: draw_radio(p, true); break;
    case ToolIcon::exit: draw_exit(p); break;
    case ToolIcon::print: draw_printer(p); break;
  }
  p.end();
  return QIcon(pm);
}

QPixmap about_picture() {
  QPixmap pm(90, 53);
  pm.fill(QColor(0, 0, 128));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::white, 2));
  p.drawLine(18, 4, 18, 16);
  p.setBrush(QColor(40, 40, 40));
  p.drawRoundedRect(10, 15, 20, 34, 3, 3);
  p.setBrush(QColor(120, 210, 120));
  p.setPen(Qt::NoPen);
  p.drawRect(14, 20, 12, 7);
  p.setPen(QPen(QColor(255, 210, 0), 2));
  for (int r = 8; r <= 20; r += 6) p.drawArc(QRect(18 - r, 6 - r, 2 * r, 2 * r), 20 * 16, 50 * 16);
  p.setPen(Qt::white);
  QFont f(QStringLiteral("Arial"));
  f.setBold(true);
  f.setPixelSize(14);
  p.setFont(f);
  p.drawText(QRect(36, 10, 52, 20), Qt::AlignCenter, QString::fromUtf8("Т-12"));
  f.setPixelSize(9);
  p.setFont(f);
  p.drawText(QRect(36, 30, 52, 14), Qt::AlignCenter, QString::fromUtf8("Тирель"));
  p.end();
  return pm;
}

}  // namespace tirel
