#pragma once
// The "Печать" command: hands the 173 texts the window shows to the report project and runs
// the parameter sheet. Changes nothing in the parameter set.
#include "blok/report_params.h"

class QWidget;

namespace tirel::print {

class ReportProject;

// Each pair of `params` becomes a report parameter, in the order given.
void set_report_params(ReportProject& project, const ReportParams& params);

// Open, set the parameters, execute, close. An engine error is shown to the user and ends the
// command with the project still open, so the next print runs on it.
void print_sheet(ReportProject& project, const WindowView& view, QWidget* parent);

}  // namespace tirel::print
