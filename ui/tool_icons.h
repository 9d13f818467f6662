#pragma once
// The pictures of the tool bar and the menu, drawn in code: no image files to lose.
#include <QIcon>
#include <QPixmap>

namespace tirel {

enum class ToolIcon { new_file, open, save, read_radio, write_radio, exit, print };

QIcon tool_icon(ToolIcon which);
// The about box's picture: a hand-held radio beside the program's name plate, 90 x 53.
QPixmap about_picture();

}  // namespace tirel
