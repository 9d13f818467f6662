#include "print/report_project.h"

#include <QDir>

#include "print/texts.h"

// Resources of a static library must be registered by hand, outside any namespace.
static void register_print_resources() { Q_INIT_RESOURCE(print); }

namespace tirel::print {

ReportProject::ReportProject(ReportSystem& system, QString layout_path)
    : system_(system), layout_path_(std::move(layout_path)) {
  register_print_resources();
}

Outcome ReportProject::open() {
  if (layout_) return {};
  LayoutResult loaded = load_layout(layout_path_);
  if (!loaded.error.isEmpty()) return {loaded.error};
  layout_ = std::move(loaded.layout);
  return {};
}

void ReportProject::set_parameter(const QString& name, const QString& text) { values_.insert(name, text); }

Outcome ReportProject::execute(QWidget* parent) {
  if (!layout_) return {print_text::kProjectNotOpen};
  return system_.run(*layout_, values_, parent);
}

Outcome ReportProject::export_pdf(const QString& path) const {
  if (!layout_) return {print_text::kProjectNotOpen};
  return system_.write_pdf(*layout_, values_, path);
}

void ReportProject::close() {
  layout_.reset();
  values_.clear();
}

}  // namespace tirel::print
