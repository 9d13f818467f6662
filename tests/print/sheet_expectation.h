#pragma once
// Where every text of the parameter sheet belongs for a given window, written out from the
// sheet's design independently of the stored layout, and a check of a PDF against it.
#include <QString>
#include <vector>

#include "blok/window_view.h"
#include "pdf_words.h"

namespace tirel::test {

struct ExpectedText {
  QString text;  // as printed, leading blanks included
  double x, y;   // mm: left edge of the text (blanks included) and top of its line
  double size_pt;
  bool bold;
  // When the text would run past this edge it is moved left to end on it (0: no such edge).
  double right_limit = 0;
};

// Every text the sheet shows for `view`, the date of printing included. Empty values are left out.
std::vector<ExpectedText> expected_sheet(const WindowView& view, const QString& date_text);

// Empty when the page's words are exactly the expected texts, each within `tolerance_mm` of
// its place; otherwise one line per fault.
QStringList check_sheet_words(const std::vector<PdfWord>& words, const std::vector<ExpectedText>& expected,
                              double tolerance_mm = 0.5);

}  // namespace tirel::test
