// The parameter sheet as a reader of the PDF sees it: every text in its place for several
// parameter sets, the rules and leader lines on the rendered page.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "blok/default_blok.h"
#include "blok/layout.h"
#include "blok/settings.h"
#include "blok/subtone.h"
#include "fixed_setup.h"
#include "pdf_words.h"
#include "print/report_project.h"
#include "print/sheet_command.h"
#include "print/sheet_painter.h"
#include "scripted_prompter.h"
#include "sheet_expectation.h"

namespace tirel {
namespace {

using layout::ChannelFlag;

class SheetPdf : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  test::ScriptedPrompter prompter;
  test::FixedSetup setup;
  print::ReportSystem system;
  print::ReportProject project{system};

  void SetUp() override { system.set_setup(&setup); }

  // Prints `view` the way the "Печать" command does, into a PDF file.
  QString print_to_pdf(const WindowView& view, const QString& name = "sheet.pdf") {
    const QString path = dir.filePath(name);
    setup.answer = test::FixedSetup::pdf(path);
    print::print_sheet(project, view, nullptr);
    return path;
  }

  void expect_sheet(const WindowView& view) {
    const QString pdf = print_to_pdf(view);
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(project.is_open());
    ASSERT_EQ(test::pdf_page_count(pdf), 1);
    EXPECT_TRUE(test::pdf_info(pdf, "Page size").contains("(A4)")) << test::pdf_info(pdf, "Page size").toStdString();
    const QStringList faults =
        test::check_sheet_words(test::pdf_words(pdf), test::expected_sheet(view, print::print_date_text()));
    EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
  }
};

TEST_F(SheetPdf, DefaultSetPrintsEveryTextInItsPlace) { expect_sheet(view_after_open(new_blok(1), ",")); }

TEST_F(SheetPdf, ChannelThatIsOffPrintsOnlyItsMark) {
  Blok b = new_blok(1);
  set_channel_flag(b, 3, ChannelFlag::on, false);
  const WindowView view = view_after_open(b, ",");
  ASSERT_TRUE(view.rows[2].off_ticked);
  expect_sheet(view);
}

TEST_F(SheetPdf, InhibitedTransmitterLeavesTransmitValuesEmpty) {
  Blok b = new_blok(1);
  set_channel_flag(b, 5, ChannelFlag::tx_enabled, false);
  set_channel_flag(b, 5, ChannelFlag::narrow, true);
  set_channel_flag(b, 5, ChannelFlag::shift, true);
  const WindowView view = view_after_open(b, ",");
  ASSERT_TRUE(view.rows[4].cells[2].empty());
  ASSERT_FALSE(view.rows[4].cells[4].empty());
  expect_sheet(view);
}

TEST_F(SheetPdf, SubTonesAndBandTextArePrintedAsShown) {
  Blok b = new_blok(5);
  ASSERT_TRUE(store_tone(b, 7, Dir::tx, {ToneKind::dcs, "", "754", true}).ok);
  ASSERT_TRUE(store_tone(b, 7, Dir::rx, {ToneKind::dcs, "", "023", false}).ok);
  ASSERT_TRUE(store_tone(b, 16, Dir::rx, {ToneKind::ctcss, "67,0", "", false}).ok);
  const WindowView view = view_after_open(b, ",");
  ASSERT_EQ(view.rows[6].cells[3], "  -DCS 754");
  expect_sheet(view);
}

TEST_F(SheetPdf, SettingsWithNoEntrySelectedPrintOnlyTheirLabels) {
  Blok b = new_blok(1);
  for (const Setting& s : settings()) store_setting(b, s, int(s.entries.size()) - 1);
  WindowView view = view_after_open(b, ",");
  view.setting_index[2].reset();
  view.setting_index[6].reset();
  view.setting_index[9].reset();
  expect_sheet(view);
}

// Rules and leader lines are not text; they are looked for on the page rendered at 10 dots/mm.
class SheetDrawing : public SheetPdf {
 protected:
  QImage page;
  void SetUp() override {
    SheetPdf::SetUp();
    page = test::pdf_page_image(print_to_pdf(view_after_open(new_blok(1), ",")), 1, 254);
    ASSERT_EQ(page.width(), 2100);
  }
  bool ink(double x_mm, double y_mm) const {
    for (int dy = -1; dy <= 1; ++dy)
      if (qGray(page.pixel(int(x_mm * 10), int(y_mm * 10) + dy)) < 128) return true;
    return false;
  }
};

TEST_F(SheetDrawing, RulesRunFullLengthAtTopAndFoot) {
  for (double y : {10.2, 287.0}) {
    for (double x = 20.6; x <= 200.3; x += 0.5) ASSERT_TRUE(ink(x, y)) << x << ", " << y;
    EXPECT_FALSE(ink(19.9, y));
    EXPECT_FALSE(ink(201.0, y));
    EXPECT_FALSE(ink(100.0, y - 0.8));
  }
}

TEST_F(SheetDrawing, EveryColumnHeadingHasALeaderDownToItsColumn) {
  // Just above the first row, each column's leader crosses the gap between headings and rows.
  int leaders = 0;
  bool previous = false;
  for (double x = 25.0; x < 200.0; x += 0.1) {
    const bool here = ink(x, 82.0);
    if (here && !previous) ++leaders;
    previous = here;
  }
  EXPECT_EQ(leaders, 11);
  EXPECT_FALSE(ink(100.0, 83.3));  // the leaders stop short of the first row
}

}  // namespace
}  // namespace tirel
