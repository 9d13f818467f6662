#include "print/report_layout.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>

#include "print/texts.h"

namespace tirel::print {
namespace {

using Vars = QMap<QString, QString>;

// Layout errors name the page and what is wrong; they reach the user as the engine's message.
struct Loader {
  QString error;
  QMap<QString, TextStyle> styles;

  bool fail(const QString& what) {
    if (error.isEmpty()) error = what;
    return false;
  }

  static QString substitute(QString text, const Vars& vars) {
    for (auto it = vars.begin(); it != vars.end(); ++it) text.replace('{' + it.key() + '}', it.value());
    return text;
  }

  bool number(const QJsonObject& o, const char* key, double& out) {
    const QJsonValue v = o.value(key);
    if (!v.isDouble()) return fail(QString(print_text::kLayoutNoNumber).arg(key));
    out = v.toDouble();
    return true;
  }

  bool read_styles(const QJsonObject& o) {
    for (auto it = o.begin(); it != o.end(); ++it) {
      const QJsonObject s = it.value().toObject();
      TextStyle style;
      style.family = s.value("family").toString(style.family);
      style.size_pt = s.value("size").toDouble(style.size_pt);
      style.bold = s.value("bold").toBool(style.bold);
      if (style.size_pt <= 0) return fail(QString(print_text::kLayoutBadFontSize).arg(it.key()));
      styles.insert(it.key(), style);
    }
    return true;
  }

  bool read_text_item(const QJsonObject& o, const Vars& vars, double y0, LayoutItem& item) {
    const QString style = o.value("style").toString();
    if (!styles.contains(style)) return fail(QString(print_text::kLayoutNoStyle).arg(style));
    item.style = styles.value(style);
    double y = 0;
    if (!number(o, "x", item.x)) return false;
    if (o.contains("y") && !number(o, "y", y)) return false;
    item.y = y0 + y;
    if (item.kind == ItemKind::label) item.text = substitute(o.value("text").toString(), vars);
    if (item.kind == ItemKind::field) {
      const QString param = substitute(o.value("param").toString(), vars);
      if (!param.startsWith(kParamPrefix) || param.size() == int(qstrlen(kParamPrefix)))
        return fail(QString(print_text::kLayoutFieldUnnamed).arg(param));
      item.text = param.mid(int(qstrlen(kParamPrefix)));
    }
    return true;
  }

  bool read_line(const QJsonObject& o, double y0, LayoutItem& item) {
    const QJsonArray points = o.value("points").toArray();
    if (points.size() < 2) return fail(print_text::kLayoutLineTooShort);
    for (const QJsonValue& p : points) {
      const QJsonArray xy = p.toArray();
      if (xy.size() != 2 || !xy[0].isDouble() || !xy[1].isDouble()) return fail(print_text::kLayoutBadPoint);
      item.points.emplace_back(xy[0].toDouble(), y0 + xy[1].toDouble());
    }
    item.width = o.value("width").toDouble(item.width);
    return true;
  }

  bool read_item(const QJsonObject& o, const Vars& vars, double y0, std::vector<LayoutItem>& out) {
    const QString type = o.value("type").toString();
    if (type == "band") return read_band(o, out);
    LayoutItem item;
    if (type == "label") item.kind = ItemKind::label;
    else if (type == "field") item.kind = ItemKind::field;
    else if (type == "date") item.kind = ItemKind::date;
    else if (type == "line") item.kind = ItemKind::line;
    else return fail(QString(print_text::kLayoutUnknownItem).arg(type));
    if (!(item.kind == ItemKind::line ? read_line(o, y0, item) : read_text_item(o, vars, y0, item))) return false;
    out.push_back(std::move(item));
    return true;
  }

  // A band repeats its items once per row, `step` mm apart: rows 1..count with {n} as the row
  // number, or the listed rows with their own {names}. An item's "rows": [first, last] limits it.
  bool read_band(const QJsonObject& o, std::vector<LayoutItem>& out) {
    double y = 0, step = 0;
    if (!number(o, "y", y) || !number(o, "step", step)) return false;
    std::vector<Vars> rows;
    if (o.contains("count")) {
      const int count = o.value("count").toInt();
      for (int n = 1; n <= count; ++n) rows.push_back({{"n", QString::number(n)}});
    } else {
      for (const QJsonValue& r : o.value("rows").toArray()) {
        Vars vars;
        const QJsonObject row = r.toObject();
        for (auto it = row.begin(); it != row.end(); ++it) vars.insert(it.key(), it.value().toString());
        rows.push_back(vars);
      }
    }
    if (rows.empty()) return fail(print_text::kLayoutBandEmpty);
    const QJsonArray items = o.value("items").toArray();
    for (int r = 0; r < int(rows.size()); ++r) {
      for (const QJsonValue& v : items) {
        const QJsonObject item = v.toObject();
        const QJsonArray only = item.value("rows").toArray();
        if (only.size() == 2 && (r + 1 < only[0].toInt() || r + 1 > only[1].toInt())) continue;
        if (!read_item(item, rows[std::size_t(r)], y + r * step, out)) return false;
      }
    }
    return true;
  }

  bool read_page(const QJsonObject& o, LayoutPage& page) {
    page.name = o.value("name").toString();
    if (o.value("paper").toString() != "A4" || o.value("orientation").toString() != "portrait")
      return fail(QString(print_text::kLayoutNotA4).arg(page.name));
    page.width_mm = 210;
    page.height_mm = 297;
    page.right_edge_mm = o.value("right_edge").toDouble(page.width_mm);
    styles.clear();
    if (!read_styles(o.value("styles").toObject())) return false;
    for (const QJsonValue& v : o.value("items").toArray())
      if (!read_item(v.toObject(), {}, 0, page.items)) return false;
    return true;
  }
};

}  // namespace

LayoutResult parse_layout(const QByteArray& json) {
  LayoutResult result;
  QJsonParseError parse_error;
  const QJsonDocument doc = QJsonDocument::fromJson(json, &parse_error);
  if (!doc.isObject()) {
    result.error = print_text::kLayoutBroken + parse_error.errorString();
    return result;
  }
  const QJsonObject root = doc.object();
  Loader loader;
  result.layout.report_name = root.value("report").toString();
  for (const QJsonValue& v : root.value("pages").toArray()) {
    LayoutPage page;
    if (!loader.read_page(v.toObject(), page)) break;
    result.layout.pages.push_back(std::move(page));
  }
  if (loader.error.isEmpty() && result.layout.pages.empty()) loader.error = print_text::kLayoutNoPages;
  if (!loader.error.isEmpty()) {
    result.layout = {};
    result.error = print_text::kLayoutBroken + loader.error;
  }
  return result;
}

LayoutResult load_layout(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    LayoutResult result;
    result.error = QString(print_text::kLayoutNotLoaded).arg(path, file.errorString());
    return result;
  }
  return parse_layout(file.readAll());
}

}  // namespace tirel::print
