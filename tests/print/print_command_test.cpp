// "Печать" in the main window: the sheet carries what the window shows, the parameter set is
// left alone, and an engine error leaves the next "Печать" working.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QTemporaryDir>
#include <memory>

#include "blok/layout.h"
#include "blok/report_params.h"
#include "fixed_setup.h"
#include "pdf_words.h"
#include "print/sheet_painter.h"
#include "scripted_prompter.h"
#include "sheet_expectation.h"
#include "ui/main_window.h"

namespace tirel::test {
namespace {

class PrintCommand : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  ScriptedPrompter prompter;  // outlives the window
  FixedSetup setup;
  std::unique_ptr<TForm1> window;

  QString path(const QString& name) const { return dir.filePath(name); }
  TForm1& open_window() {
    window = std::make_unique<TForm1>(dir.path());
    return *window;
  }

  TForm1& window_with_edits() {
    TForm1& w = open_window();
    w.RvSystem1.set_setup(&setup);
    Blok b = w.blok();
    set_channel_flag(b, 4, layout::ChannelFlag::on, false);
    set_channel_flag(b, 11, layout::ChannelFlag::tx_enabled, false);
    w.blok() = b;
    w.print_wind_blok();
    w.set_current_file_name(path("Save/set.t12"));
    w.set_modified(true);
    return w;
  }
};

TEST_F(PrintCommand, SheetShowsTheWindowAndLeavesTheSetAlone) {
  TForm1& w = window_with_edits();
  const Blok before = w.blok();
  const QString pdf = path("sheet.pdf");
  setup.answer = FixedSetup::pdf(pdf);

  w.N8Click();

  EXPECT_TRUE(prompter.messages.empty());
  ASSERT_EQ(pdf_page_count(pdf), 1);
  const QStringList faults = check_sheet_words(pdf_words(pdf), expected_sheet(w.shown_view(), print::print_date_text()));
  EXPECT_TRUE(faults.isEmpty()) << faults.join('\n').toStdString();
  // The widgets read back give the same 173 texts as the set itself would.
  EXPECT_EQ(report_params(w.shown_view()), report_params(view_after_open(before, ",")));
  EXPECT_TRUE(w.channel_off_box(4)->isChecked());
  EXPECT_EQ(w.blok(), before);
  EXPECT_TRUE(w.modified());
  EXPECT_EQ(w.current_file_name(), path("Save/set.t12"));
  EXPECT_FALSE(w.RvProject1.is_open());
}

TEST_F(PrintCommand, PrintingAnUnmodifiedSetDoesNotMarkItModified) {
  TForm1& w = open_window();
  w.RvSystem1.set_setup(&setup);
  setup.answer = FixedSetup::pdf(path("plain.pdf"));
  w.N8Click();
  EXPECT_FALSE(w.modified());
  EXPECT_EQ(w.current_file_name(), "");
  EXPECT_EQ(pdf_page_count(path("plain.pdf")), 1);
}

TEST_F(PrintCommand, MenuCommandPrintsAndAnEngineErrorLeavesTheNextPrintWorking) {
  TForm1& w = window_with_edits();
  QAction* print = nullptr;
  for (QAction* a : w.findChildren<QAction*>())
    if (a->text() == "Печать") print = a;
  ASSERT_NE(print, nullptr);

  setup.answer = FixedSetup::pdf(path("no folder/sheet.pdf"));
  print->trigger();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(w.RvProject1.is_open());
  EXPECT_TRUE(w.modified());

  setup.answer = FixedSetup::pdf(path("sheet.pdf"));
  print->trigger();
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(pdf_page_count(path("sheet.pdf")), 1);
  EXPECT_EQ(setup.asked, 2);
}

}  // namespace
}  // namespace tirel::test
