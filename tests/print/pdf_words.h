#pragma once
// Reads back a PDF the way a reader would: every word with its box in millimetres
// (pdftotext -bbox), and pages rendered to grey pixels (pdftoppm).
#include <QImage>
#include <QString>
#include <vector>

namespace tirel::test {

struct PdfWord {
  QString text;
  double x_min, y_min, x_max, y_max;  // mm from the paper's top left corner
  int page;                            // 1-based
};

std::vector<PdfWord> pdf_words(const QString& pdf);
int pdf_page_count(const QString& pdf);
QString pdf_info(const QString& pdf, const QString& key);  // e.g. "Title", "Page size"
// The page rendered in greys at `dpi`.
QImage pdf_page_image(const QString& pdf, int page, int dpi);

}  // namespace tirel::test
