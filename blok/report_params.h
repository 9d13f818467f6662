#pragma once
// The 173 named texts the parameter sheet prints, taken from what the window shows.
#include <string>
#include <utility>
#include <vector>

#include "blok/version.h"
#include "blok/window_view.h"

namespace tirel {

using ReportParams = std::vector<std::pair<std::string, std::string>>;

inline constexpr const char* kModelName = "Тирель-12";
inline constexpr const char* kProgramLine = "ПО Тирель-12";
inline constexpr const char* kVersionLine = "Версия " TIREL12_VERSION;
inline constexpr const char* kWindowCaption = "ПО Тирель-12   Версия " TIREL12_VERSION;
inline constexpr const char* kSheetProgramLine = "ПО Тирель-12  Версия " TIREL12_VERSION;

// In the order the print command sets them: model, frq, po, ten per channel, then the settings.
ReportParams report_params(const WindowView& view);

}  // namespace tirel
