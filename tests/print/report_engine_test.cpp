// The report engine as the print command uses it: open, parameters, execute, close, and what
// happens when something fails on the way.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <cmath>
#include <QTemporaryDir>

#include "blok/default_blok.h"
#include "blok/settings.h"
#include "file_size_limit.h"
#include "fixed_setup.h"
#include "pdf_words.h"
#include "print/report_layout.h"
#include "print/report_project.h"
#include "print/sheet_command.h"
#include "scripted_prompter.h"

namespace tirel {
namespace {

QByteArray stored_layout() {
  QFile f(print::kSheetLayout);
  print::ReportSystem system;
  print::ReportProject registers_resources(system);
  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
  return f.readAll();
}

void write_file(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
  f.write(bytes);
}

QString words_text(const QString& pdf) {
  QStringList all;
  for (const auto& w : test::pdf_words(pdf)) all << w.text;
  return all.join(' ');
}

class ReportEngine : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  test::ScriptedPrompter prompter;
  test::FixedSetup setup;
  print::ReportSystem system;
  QString layout_path = dir.filePath("report1.json");
  print::ReportProject project{system, layout_path};
  WindowView view = view_after_open(new_blok(1), ",");

  void SetUp() override {
    system.set_setup(&setup);
    write_file(layout_path, stored_layout());
  }
  QString pdf_choice(const QString& name) {
    const QString path = dir.filePath(name);
    setup.answer = test::FixedSetup::pdf(path);
    return path;
  }
};

TEST_F(ReportEngine, OpeningAnOpenProjectKeepsWhatWasLoaded) {
  ASSERT_TRUE(project.open().ok());
  write_file(layout_path, "not a layout");
  EXPECT_TRUE(project.open().ok());
  const QString pdf = pdf_choice("a.pdf");
  ASSERT_TRUE(project.execute(nullptr).ok());
  EXPECT_EQ(test::pdf_page_count(pdf), 1);

  project.close();
  const print::Outcome reopened = project.open();
  EXPECT_FALSE(reopened.ok());
  EXPECT_FALSE(project.is_open());
}

TEST_F(ReportEngine, SettingAParameterAgainPrintsTheLastText) {
  ASSERT_TRUE(project.open().ok());
  project.set_parameter("frq", "первый");
  project.set_parameter("frq", "второй");
  const QString pdf = pdf_choice("b.pdf");
  ASSERT_TRUE(project.execute(nullptr).ok());
  const QString text = words_text(pdf);
  EXPECT_TRUE(text.contains("второй"));
  EXPECT_FALSE(text.contains("первый"));
}

TEST_F(ReportEngine, ExecutingAClosedProjectIsAnErrorNotAnEmptyPrint) {
  pdf_choice("c.pdf");
  EXPECT_FALSE(project.execute(nullptr).ok());
  EXPECT_EQ(setup.asked, 0);
  EXPECT_FALSE(QFile::exists(dir.filePath("c.pdf")));
}

TEST_F(ReportEngine, CancelInTheSetupWindowPrintsNothingAndClosesTheProject) {
  setup.answer.reset();
  print::print_sheet(project, view, nullptr);
  EXPECT_EQ(setup.asked, 1);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_FALSE(project.is_open());
  EXPECT_TRUE(QDir(dir.path()).entryList({"*.pdf"}).isEmpty());
}

TEST_F(ReportEngine, SetupWindowIsAskedForOnePageWithThePrinterFirst) {
  pdf_choice("d.pdf");
  print::print_sheet(project, view, nullptr);
  EXPECT_EQ(setup.last_request.title, "Печать");
  EXPECT_EQ(setup.last_request.page_count, 1);
  EXPECT_EQ(setup.last_request.default_destination, print::Destination::printer);
}

TEST_F(ReportEngine, JobTitleAndCopiesReachTheOutput) {
  const QString pdf = pdf_choice("e.pdf");
  setup.answer->copies = 2;
  print::print_sheet(project, view, nullptr);
  EXPECT_EQ(test::pdf_info(pdf, "Title"), "ReportPrinter Report");
  ASSERT_EQ(test::pdf_page_count(pdf), 2);
  int models = 0;
  for (const auto& w : test::pdf_words(pdf)) models += w.text == "Тирель-12" && std::abs(w.x_min - 111.8) < 0.5;
  EXPECT_EQ(models, 2);  // both copies are complete sheets
}

TEST_F(ReportEngine, UnwritableFileIsReportedAndTheNextPrintRunsOnTheOpenProject) {
  pdf_choice("no such folder/f.pdf");
  print::print_sheet(project, view, nullptr);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(prompter.messages[0].text.contains("no such folder/f.pdf")) << prompter.messages[0].text.toStdString();
  EXPECT_TRUE(project.is_open());

  // The layout is not read again: the project stayed open.
  write_file(layout_path, "not a layout");
  const QString pdf = pdf_choice("g.pdf");
  print::print_sheet(project, view, nullptr);
  EXPECT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(test::pdf_page_count(pdf), 1);
  EXPECT_FALSE(project.is_open());
}

// A PDF that cannot be written in full (here a file-size limit, which binds root as well, stands in
// for a full disk) is an error, and the file that was there stays whole.
TEST_F(ReportEngine, APdfThatCannotBeWrittenInFullIsAnErrorAndTheOldFileStays) {
  const QString pdf = pdf_choice("full.pdf");
  write_file(pdf, "old sheet");
  {
    test::FileSizeLimit limit(1000);
    ASSERT_TRUE(limit.active());
    print::print_sheet(project, view, nullptr);
  }

  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Critical);
  EXPECT_EQ(prompter.messages[0].text, "Не удаётся записать файл PDF — Файл слишком велик для этого диска: " + pdf);
  QFile kept(pdf);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), QByteArray("old sheet"));
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2) << "the layout and the old PDF, no temporary file";
}

TEST_F(ReportEngine, LayoutThatCannotBeLoadedIsReportedBeforeAnyWindow) {
  write_file(layout_path, "{\"report\": \"Report1\", \"pages\": [");
  pdf_choice("h.pdf");
  print::print_sheet(project, view, nullptr);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_TRUE(prompter.messages[0].text.startsWith("Макет отчёта повреждён"));
  EXPECT_EQ(setup.asked, 0);
  EXPECT_FALSE(project.is_open());
}

TEST(SheetLayout, DamagedLayoutsAreRefusedWithTheirReason) {
  const auto refuse = [](const char* json, const char* reason) {
    const print::LayoutResult r = print::parse_layout(json);
    EXPECT_TRUE(r.error.contains(reason)) << json << " -> " << r.error.toStdString();
    EXPECT_TRUE(r.layout.pages.empty());
  };
  const char* page = R"({"report": "R", "pages": [{"name": "P", "paper": "A4", "orientation": "portrait",
                         "styles": {"s": {"size": 8}}, "items": [%1]}]})";
  refuse(QString(page).arg(R"({"type": "field", "param": "model", "x": 1, "y": 1, "style": "s"})").toUtf8(),
         "не называет параметр");
  refuse(QString(page).arg(R"({"type": "label", "text": "a", "x": 1, "y": 1, "style": "big"})").toUtf8(),
         "нет стиля \"big\"");
  refuse(QString(page).arg(R"({"type": "label", "text": "a", "y": 1, "style": "s"})").toUtf8(), "\"x\"");
  refuse(QString(page).arg(R"({"type": "line", "points": [[1, 1]]})").toUtf8(), "две точки");
  refuse(QString(page).arg(R"({"type": "picture"})").toUtf8(), "picture");
  refuse(R"({"report": "R", "pages": [{"paper": "A3", "orientation": "portrait"}]})", "A4");
  refuse(R"({"report": "R", "pages": []})", "нет страниц");
}

TEST(SheetLayout, StoredLayoutHasEveryParameterOnceAndTheSettingsPageLabels) {
  const print::LayoutResult r = print::parse_layout(stored_layout());
  ASSERT_TRUE(r.error.isEmpty()) << r.error.toStdString();
  ASSERT_EQ(r.layout.pages.size(), 1u);
  EXPECT_EQ(r.layout.report_name, "Report1");
  EXPECT_EQ(r.layout.pages[0].name, "Page1");

  QStringList fields, setting_labels;
  for (const auto& item : r.layout.pages[0].items) {
    if (item.kind == print::ItemKind::field) fields << item.text;
    if (item.kind == print::ItemKind::label && item.x == 35.6) setting_labels << item.text;
  }
  QStringList params;
  for (const auto& [name, text] : report_params(view_after_open(new_blok(1), ","))) params << QString::fromStdString(name);
  fields.sort();
  params.sort();
  EXPECT_EQ(fields, params);  // every parameter printed, and each once
  ASSERT_EQ(setting_labels.size(), 10);
  for (int k = 0; k < 10; ++k) EXPECT_EQ(setting_labels[k], settings()[std::size_t(k)].label);
}

}  // namespace
}  // namespace tirel
