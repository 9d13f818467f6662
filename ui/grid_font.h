#pragma once
// The channel table's bold face. The cell texts keep their leading blanks and the columns their
// widths, so the face is chosen for width: a narrow one where installed, and in every case a size
// at which the widest text each column can show fits its cell.
#include <QFont>
#include <QStringList>
#include <array>

namespace tirel {

inline constexpr int kGridColumns = 9;

// The widest texts each table column can show: frequencies at the top of the highest band,
// every kind of sub-tone and both states of every flag.
std::array<QStringList, kGridColumns> widest_cell_texts();

// `room` is the width each column has for its text (cell width less the grid line and the
// cell's text margins). `window_font` serves when no narrow face is installed.
QFont grid_font(const QFont& window_font, const std::array<int, kGridColumns>& room);

}  // namespace tirel
