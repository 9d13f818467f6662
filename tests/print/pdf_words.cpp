#include "pdf_words.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextDocumentFragment>

namespace tirel::test {
namespace {

QString run(const QString& program, const QStringList& args) {
  QProcess p;
  p.start(program, args);
  p.waitForFinished(30000);
  return QString::fromUtf8(p.readAllStandardOutput());
}

constexpr double kMmPerPt = 25.4 / 72.0;

}  // namespace

std::vector<PdfWord> pdf_words(const QString& pdf) {
  const QString html = run("pdftotext", {"-bbox", pdf, "-"});
  std::vector<PdfWord> words;
  int page = 0;
  static const QRegularExpression token(
      R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
  for (auto it = token.globalMatch(html); it.hasNext();) {
    const auto m = it.next();
    if (m.captured(0) == "<page ") {
      ++page;
      continue;
    }
    words.push_back({QTextDocumentFragment::fromHtml(m.captured(5)).toPlainText(), m.captured(1).toDouble() * kMmPerPt,
                     m.captured(2).toDouble() * kMmPerPt, m.captured(3).toDouble() * kMmPerPt,
                     m.captured(4).toDouble() * kMmPerPt, page});
  }
  return words;
}

QString pdf_info(const QString& pdf, const QString& key) {
  for (const QString& line : run("pdfinfo", {pdf}).split('\n'))
    if (line.startsWith(key + ":")) return line.mid(key.size() + 1).trimmed();
  return {};
}

int pdf_page_count(const QString& pdf) { return pdf_info(pdf, "Pages").toInt(); }

QImage pdf_page_image(const QString& pdf, int page, int dpi) {
  QTemporaryDir dir;
  const QString base = dir.filePath("page");
  run("pdftoppm", {"-gray", "-r", QString::number(dpi), "-f", QString::number(page), "-l", QString::number(page),
                   "-singlefile", pdf, base});
  return QImage(base + ".pgm");
}

}  // namespace tirel::test
