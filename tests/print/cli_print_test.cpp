// tirel12-cli print: the real program writes the same sheet the window prints.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>

#include "blok/default_blok.h"
#include "blok/layout.h"
#include "files/param_file.h"
#include "pdf_words.h"
#include "print/sheet_painter.h"
#include "sheet_expectation.h"

namespace tirel {
namespace {

struct CliRun {
  int exit_code;
  QString err;
};

CliRun run_cli(const QStringList& args) {
  QProcess p;
  p.start(TIREL12_CLI, args);
  p.waitForFinished(30000);
  return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

TEST(CliPrint, WritesTheSheetOfAParameterFile) {
  QTemporaryDir dir;
  Blok b = new_blok(4);
  set_channel_flag(b, 2, layout::ChannelFlag::on, false);
  set_channel_flag(b, 9, layout::ChannelFlag::tx_enabled, false);
  const QString t12 = dir.filePath("set.t12"), pdf = dir.filePath("set.pdf");
  ASSERT_TRUE(save_param_file(t12.toStdString(), b).ok);

  const CliRun r = run_cli({"print", t12, "--pdf", pdf, "--decimal-separator", ","});
  ASSERT_EQ(r.exit_code, 0) << r.err.toStdString();
  ASSERT_EQ(test::pdf_page_count(pdf), 1);
  EXPECT_EQ(test::pdf_info(pdf, "Title"), "ReportPrinter Report");
  const QStringList faults = test::check_sheet_words(test::pdf_words(pdf),
                                                     test::expected_sheet(view_after_open(b, ","), print::print_date_text()));
  EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
}

TEST(CliPrint, FailuresEndWithAReasonAndNoFile) {
  QTemporaryDir dir;
  const QString t12 = dir.filePath("set.t12");
  ASSERT_TRUE(save_param_file(t12.toStdString(), new_blok(1)).ok);

  const CliRun unwritable = run_cli({"print", t12, "--pdf", dir.filePath("missing/out.pdf")});
  EXPECT_EQ(unwritable.exit_code, 1);
  EXPECT_TRUE(unwritable.err.contains("missing/out.pdf")) << unwritable.err.toStdString();

  const CliRun no_pdf = run_cli({"print", t12});
  EXPECT_EQ(no_pdf.exit_code, 2);
  EXPECT_TRUE(no_pdf.err.contains("--pdf"));

  const CliRun no_file = run_cli({"print", dir.filePath("none.t12"), "--pdf", dir.filePath("x.pdf")});
  EXPECT_EQ(no_file.exit_code, 1);
  EXPECT_FALSE(QFile::exists(dir.filePath("x.pdf")));
}

}  // namespace
}  // namespace tirel
