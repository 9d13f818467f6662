#pragma once
// The 173 named texts the parameter sheet prints, taken from what the window shows.
#include <string>
#include <utility>
#include <vector>

#include "blok/texts.h"
#include "blok/window_view.h"

namespace tirel {

using ReportParams = std::vector<std::pair<std::string, std::string>>;

// In the order the print command sets them: model, frq, po, ten per channel, then the settings.
ReportParams report_params(const WindowView& view);

}  // namespace tirel
