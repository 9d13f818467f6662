#pragma once
// A list that the mouse wheel changes only while it has the focus: scrolling over the settings
// page must not change a setting the user never picked.
class QComboBox;

namespace tirel {

void wheel_only_with_focus(QComboBox* list);

}  // namespace tirel
