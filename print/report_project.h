#pragma once
// The report project of the main window: loads the stored layout, keeps the named texts its
// fields print, and runs the report on the output system.
#include <QString>
#include <optional>

#include "print/report_layout.h"
#include "print/report_system.h"
#include "print/sheet_painter.h"

class QWidget;

namespace tirel::print {

// The parameter sheet's layout in the program's resources.
inline constexpr const char* kSheetLayout = ":/print/report1.json";

class ReportProject {
 public:
  explicit ReportProject(ReportSystem& system, QString layout_path = kSheetLayout);

  // Loads the layout. Opening a project that is already open does nothing.
  Outcome open();
  bool is_open() const { return layout_.has_value(); }
  // Setting a name again replaces its text.
  void set_parameter(const QString& name, const QString& text);
  QString parameter(const QString& name) const { return values_.value(name); }
  // Shows the setup window, then prints, previews or writes the report.
  Outcome execute(QWidget* parent);
  // Writes the report into a PDF file without any window.
  Outcome export_pdf(const QString& path) const;
  // Releases the layout and the parameters.
  void close();

 private:
  ReportSystem& system_;
  QString layout_path_;
  std::optional<ReportLayout> layout_;
  ReportValues values_;
};

}  // namespace tirel::print
