#include "print/sheet_painter.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>
#include <algorithm>

namespace tirel::print {
namespace {

class MmScale {
 public:
  explicit MmScale(const QPaintDevice& d) : x_(d.logicalDpiX() / 25.4), y_(d.logicalDpiY() / 25.4) {}
  double x(double mm) const { return mm * x_; }
  double y(double mm) const { return mm * y_; }
  double to_mm_x(double px) const { return px / x_; }

 private:
  double x_, y_;
};

QFont font_for(const TextStyle& style) {
  QFont f(style.family);
  f.setPointSizeF(style.size_pt);
  f.setBold(style.bold);
  return f;
}

void draw_text(QPainter& p, const MmScale& mm, const LayoutPage& page, const LayoutItem& item, const QString& text) {
  if (text.isEmpty()) return;
  p.setFont(font_for(item.style));
  const QFontMetricsF fm(p.font(), p.device());
  double x = item.x;
  const double width_mm = mm.to_mm_x(fm.horizontalAdvance(text));
  if (x + width_mm > page.right_edge_mm) x = std::max(0.0, page.right_edge_mm - width_mm);
  // The layout gives the top of the text line; Qt draws from the baseline.
  p.drawText(QPointF(mm.x(x), mm.y(item.y) + fm.ascent()), text);
}

void draw_line(QPainter& p, const MmScale& mm, const LayoutItem& item) {
  QPen pen(Qt::black);
  pen.setWidthF(mm.x(item.width));
  pen.setCapStyle(Qt::FlatCap);
  pen.setJoinStyle(Qt::MiterJoin);
  p.setPen(pen);
  QPolygonF line;
  for (const auto& [x, y] : item.points) line << QPointF(mm.x(x), mm.y(y));
  p.drawPolyline(line);
}

}  // namespace

void paint_page(QPainter& p, const LayoutPage& page, const ReportValues& values, const QString& date_text) {
  const MmScale mm(*p.device());
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  for (const LayoutItem& item : page.items) {
    p.setPen(Qt::black);
    switch (item.kind) {
      case ItemKind::label: draw_text(p, mm, page, item, item.text); break;
      case ItemKind::field: draw_text(p, mm, page, item, values.value(item.text)); break;
      case ItemKind::date: draw_text(p, mm, page, item, date_text); break;
      case ItemKind::line: draw_line(p, mm, item); break;
    }
  }
  p.restore();
}

QString print_date_text() { return QLocale::system().toString(QDate::currentDate(), QLocale::LongFormat); }

}  // namespace tirel::print
