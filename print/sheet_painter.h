#pragma once
// Draws one layout page at its exact millimetre positions on any paint device whose origin is
// the top left corner of the paper (printer with full page, PDF, preview, image).
#include <QHash>
#include <QString>

#include "print/report_layout.h"

class QPainter;

namespace tirel::print {

// Parameter name (without "param.") -> text. A field whose parameter is missing prints nothing.
using ReportValues = QHash<QString, QString>;

void paint_page(QPainter& painter, const LayoutPage& page, const ReportValues& values, const QString& date_text);

// The day of printing as the system writes dates in full.
QString print_date_text();

}  // namespace tirel::print
