#pragma once
// A report layout: pages of labels, value fields, rules and lines placed in millimetres.
// Layouts are stored as JSON in the program's resources; bands of rows are expanded on loading.
#include <QString>
#include <QStringList>
#include <vector>

namespace tirel::print {

struct TextStyle {
  QString family = "Arial";
  double size_pt = 8;
  bool bold = true;
};

enum class ItemKind { label, field, date, line };

// A label prints its text, a field the parameter it names, a date the day of printing.
// A line runs through its points (a rule is a line of two points).
struct LayoutItem {
  ItemKind kind = ItemKind::label;
  QString text;   // label text, or the parameter name of a field (without "param.")
  double x = 0;   // mm from the left edge of the paper to the left edge of the text
  double y = 0;   // mm from the top of the paper to the top of the text line
  TextStyle style;
  std::vector<std::pair<double, double>> points;  // lines only, mm
  double width = 0.25;                            // lines only, pen width in mm
};

struct LayoutPage {
  QString name;
  double width_mm = 210;
  double height_mm = 297;
  // Text that would run past this edge is moved left to end on it, so nothing leaves the paper.
  double right_edge_mm = 200;
  std::vector<LayoutItem> items;
};

struct ReportLayout {
  QString report_name;
  std::vector<LayoutPage> pages;
};

struct LayoutResult {
  ReportLayout layout;
  QString error;  // empty when the layout loaded
};

// The parameter a field prints is written "param." + name in the layout.
inline constexpr const char* kParamPrefix = "param.";

[[nodiscard]] LayoutResult parse_layout(const QByteArray& json);
[[nodiscard]] LayoutResult load_layout(const QString& path);

}  // namespace tirel::print
