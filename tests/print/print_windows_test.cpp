// The engine's own windows: the setup window answered through its widgets, the status window
// while a page is generated, and the preview at full size.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "blok/default_blok.h"
#include "fixed_setup.h"
#include "pdf_words.h"
#include "print/status_window.h"
#include "print/report_project.h"
#include "print/sheet_command.h"
#include "scripted_prompter.h"

namespace tirel {
namespace {

// Runs `act` on the first modal window titled `title` once it is up; gives up after 5 s.
void when_window_opens(const QString& title, std::function<void(QWidget*)> act, bool* seen) {
  auto* timer = new QTimer;
  auto started = std::make_shared<QElapsedTimer>();
  started->start();
  QObject::connect(timer, &QTimer::timeout, [=] {
    QWidget* w = QApplication::activeModalWidget();
    if (w && w->windowTitle() == title && w->isVisible()) {
      timer->stop();
      timer->deleteLater();
      *seen = true;
      act(w);
    } else if (started->elapsed() > 5000) {
      timer->stop();
      timer->deleteLater();
      if (w) w->close();
    }
  });
  timer->start(20);
}

// Records every line a window titled "Подготовка" shows, from the moment it is first shown.
class StatusWatcher : public QObject {
 public:
  QStringList lines;
  StatusWatcher() { qApp->installEventFilter(this); }
  ~StatusWatcher() override { qApp->removeEventFilter(this); }
  bool eventFilter(QObject* o, QEvent* e) override {
    if (e->type() == QEvent::Show) {
      auto* w = qobject_cast<print::StatusWindow*>(o);
      if (w && w->windowTitle() == "Подготовка") {
        if (!watched_.contains(w)) {
          watched_.insert(w);
          connect(w, &print::StatusWindow::line_shown, this, [this](const QString& line) { add(line); });
        }
        add(w->text());
      }
    }
    return false;
  }

 private:
  void add(const QString& line) {
    if (lines.value(lines.size() - 1) != line) lines << line;
  }
  QSet<QObject*> watched_;
};

class PrintWindows : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  test::ScriptedPrompter prompter;
  print::ReportSystem system;
  print::ReportProject project{system};
  WindowView view = view_after_open(new_blok(1), ",");
};

TEST_F(PrintWindows, SetupWindowChoosesAPdfFileThroughItsWidgets) {
  const QString pdf = dir.filePath("chosen.pdf");
  bool seen = false;
  bool ok_enabled_without_name = true;
  when_window_opens("Печать", [&](QWidget* w) {
    auto* file = w->findChild<QRadioButton*>("fileChoice");
    auto* name = w->findChild<QLineEdit*>("fileName");
    auto* ok = w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QTest::mouseClick(file, Qt::LeftButton);
    ok_enabled_without_name = ok->isEnabled();
    name->setText(pdf);
    w->findChild<QSpinBox*>("copies")->setValue(1);
    QTest::mouseClick(ok, Qt::LeftButton);
  }, &seen);
  print::print_sheet(project, view, nullptr);
  EXPECT_TRUE(seen);
  EXPECT_FALSE(ok_enabled_without_name);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(test::pdf_page_count(pdf), 1);
}

TEST_F(PrintWindows, SetupWindowWithoutPrintersOffersThePreview) {
  bool seen = false;
  bool printer_enabled = false, preview_checked = false, printer_checked = false;
  int printers = -1;
  when_window_opens("Печать", [&](QWidget* w) {
    printer_enabled = w->findChild<QRadioButton*>("printerChoice")->isEnabled();
    printer_checked = w->findChild<QRadioButton*>("printerChoice")->isChecked();
    preview_checked = w->findChild<QRadioButton*>("previewChoice")->isChecked();
    printers = w->findChild<QComboBox*>("printerList")->count();
    QTest::mouseClick(w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel), Qt::LeftButton);
  }, &seen);
  print::print_sheet(project, view, nullptr);
  ASSERT_TRUE(seen);
  EXPECT_EQ(printers, int(QPrinterInfo::availablePrinterNames().size()));
  if (printers == 0) {
    EXPECT_FALSE(printer_enabled);
    EXPECT_TRUE(preview_checked);
  } else {
    EXPECT_TRUE(printer_checked);  // the printer is the first choice whenever there is one
  }
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_FALSE(project.is_open());
}

TEST_F(PrintWindows, BrowseButtonAsksForAPdfNameThroughThePrompter) {
  const QString pdf = dir.filePath("browsed.pdf");
  prompter.save_names.push_back(pdf);
  bool seen = false;
  when_window_opens("Печать", [&](QWidget* w) {
    QTest::mouseClick(w->findChild<QPushButton*>("browseButton"), Qt::LeftButton);
    QTest::mouseClick(w->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
  }, &seen);
  print::print_sheet(project, view, nullptr);
  EXPECT_TRUE(seen);
  EXPECT_EQ(prompter.save_dialogs, 1);
  EXPECT_EQ(prompter.last_suffix, "pdf");
  EXPECT_EQ(test::pdf_page_count(pdf), 1);
}

TEST_F(PrintWindows, StatusWindowNamesThePageBeingGeneratedAndPrinted) {
  test::FixedSetup setup;
  setup.answer = test::FixedSetup::pdf(dir.filePath("status.pdf"));
  system.set_setup(&setup);
  StatusWatcher watcher;
  print::print_sheet(project, view, nullptr);
  EXPECT_TRUE(watcher.lines.contains("Generating page 1")) << watcher.lines.join('|').toStdString();
  EXPECT_TRUE(watcher.lines.contains("Printing page 1")) << watcher.lines.join('|').toStdString();
}

TEST_F(PrintWindows, PreviewOpensAtFullSizeAndClosesBackToTheWindow) {
  test::FixedSetup setup;
  setup.answer = print::PrintChoice{};
  setup.answer->destination = print::Destination::preview;
  system.set_setup(&setup);
  bool seen = false;
  double zoom = 0;
  QImage shot;
  when_window_opens("Просмотр", [&](QWidget* w) {
    auto* preview = w->findChild<QPrintPreviewWidget*>();
    ASSERT_NE(preview, nullptr);
    zoom = preview->zoomFactor();
    EXPECT_EQ(preview->pageCount(), 1);
    shot = w->grab().toImage();
    w->close();
  }, &seen);
  print::print_sheet(project, view, nullptr);
  ASSERT_TRUE(seen);
  EXPECT_DOUBLE_EQ(zoom, 1.0);
  EXPECT_FALSE(shot.isNull());
  if (const QByteArray keep = qgetenv("TIREL_PREVIEW_PNG"); !keep.isEmpty()) shot.save(QString::fromUtf8(keep));
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_FALSE(project.is_open());
}

}  // namespace
}  // namespace tirel
