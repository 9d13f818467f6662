// The main window as the user first sees it in a fresh working folder.
#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QDir>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolBar>
#include <algorithm>
#include <vector>

#include "blok/default_blok.h"
#include "window_fixture.h"

namespace tirel::test {
namespace {

using FirstStart = WindowTest;

TEST_F(FirstStart, CreatesSaveFolderAndConfigWithDefaultsAndOpensAtTenTen) {
  TForm1& w = open_window();
  EXPECT_TRUE(QDir(path("Save")).exists());
  const QByteArray expected = QByteArray::fromHex(
      "5bcee1f9e8e55d0d0a"          // [Общие]
      "d1cecc2f5553423d310d0a"      // СОМ/USB=1
      "d1cecc2defeef0f23d300d0a"    // СОМ-порт=0
      "d53d31300d0a"                // Х=10
      "d33d31300d0a");              // У=10
  EXPECT_EQ(read_file(path("config.ini")).toHex(), expected.toHex());
  EXPECT_EQ(w.pos(), QPoint(10, 10));
  EXPECT_EQ(w.programmer_mode, 1);
  EXPECT_EQ(w.port_index, 0);
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(FirstStart, ReadsTheFourValuesOfAnExistingConfig) {
  const QByteArray config = QByteArray::fromHex(
      "5bcee1f9e8e55d0d0a"
      "d1cecc2f5553423d300d0a"          // СОМ/USB=0
      "d1cecc2defeef0f23d320d0a"        // СОМ-порт=2
      "d53d2d350d0a"                    // Х=-5
      "d33d3132330d0a");                // У=123
  ASSERT_TRUE(write_file(path("config.ini"), config));
  TForm1& w = open_window();
  EXPECT_EQ(w.programmer_mode, 0);
  EXPECT_EQ(w.port_index, 2);
  EXPECT_EQ(w.pos(), QPoint(-5, 123));
  EXPECT_EQ(read_file(path("config.ini")), config);  // read, not rewritten, at start
}

TEST_F(FirstStart, ShowsDefaultBlokOfBandOneWithStartupLimitsAndNoFile) {
  TForm1& w = open_window();
  EXPECT_EQ(w.windowTitle(), QString::fromUtf8("ПО Тирель-12   Версия 1.1"));
  EXPECT_EQ(w.blok(), new_blok(1));
  EXPECT_FALSE(w.modified());
  EXPECT_EQ(w.ComboBox1->currentIndex(), 1);
  EXPECT_EQ(w.ComboBox1->currentText(), QString::fromUtf8("146МГц - 174МГц (Р17)"));
  EXPECT_EQ(w.band_limits().lower, 146000000);
  EXPECT_EQ(w.band_limits().upper, 174000000);
  EXPECT_EQ(w.remembered_band(), 1);
  EXPECT_TRUE(w.current_file_name().isEmpty());
  EXPECT_EQ(w.PageControl1->currentIndex(), 0);
  EXPECT_EQ(w.PageControl1->tabText(0), QString::fromUtf8("Параметры каналов"));
  EXPECT_EQ(w.PageControl1->tabText(1), QString::fromUtf8("Основные настройки"));
}

TEST_F(FirstStart, ChannelTableShowsNumbersAndDefaultChannels) {
  TForm1& w = open_window();
  QTableWidget* t = w.StringGrid101;
  const char* expected[8] = {"  150,000000", nullptr, "  150,000000", nullptr,
                             "  Выключен",   "   25 кГц", "   Включен",   "  Выключен"};
  for (int r = 0; r < 16; ++r) {
    const QString number = r < 9 ? QStringLiteral(" %1").arg(r + 1) : QString::number(r + 1);
    EXPECT_EQ(t->item(r, 0)->text(), number);
    for (int c = 1; c <= 8; ++c) {
      EXPECT_EQ(t->item(r, c)->text().toStdString(), w.view().rows[static_cast<std::size_t>(r)].cells[static_cast<std::size_t>(c - 1)]);
      if (expected[c - 1]) {
        EXPECT_EQ(t->item(r, c)->text(), QString::fromUtf8(expected[c - 1])) << r << "," << c;
      }
    }
    EXPECT_FALSE(w.channel_off_box(r + 1)->isChecked());
    EXPECT_FALSE(w.tx_inhibit_box(r + 1)->isChecked());
    EXPECT_TRUE(w.tx_inhibit_box(r + 1)->isEnabled());
  }
}

TEST_F(FirstStart, ChannelTableHasTheFixedShape) {
  TForm1& w = open_window();
  QTableWidget* t = w.StringGrid101;
  EXPECT_EQ(t->objectName(), QStringLiteral("StringGrid101"));
  EXPECT_EQ(t->geometry(), QRect(54, 78, 571, 292));
  EXPECT_EQ(t->rowCount(), 16);
  EXPECT_EQ(t->columnCount(), 9);
  EXPECT_FALSE(t->horizontalHeader()->isVisible() && t->isVisible());
  EXPECT_TRUE(t->horizontalHeader()->isHidden());
  EXPECT_TRUE(t->verticalHeader()->isHidden());
  EXPECT_EQ(t->editTriggers(), QAbstractItemView::NoEditTriggers);
  EXPECT_TRUE(t->font().bold());
  // Every cell lies inside the visible area, so nothing needs a scroll bar.
  const QRect last = t->visualItemRect(t->item(15, 8));
  EXPECT_LE(last.right(), t->viewport()->width());
  EXPECT_LE(last.bottom(), t->viewport()->height());
  EXPECT_EQ(t->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(t->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  // Column 0 is fixed: it cannot be selected.
  EXPECT_FALSE(t->item(3, 0)->flags() & Qt::ItemIsSelectable);
  EXPECT_TRUE(t->item(3, 1)->flags() & Qt::ItemIsSelectable);
  // Each row stands beside its pair of boxes.
  for (int n = 1; n <= 16; ++n) {
    const int row_top = t->y() + t->viewport()->y() + t->visualItemRect(t->item(n - 1, 1)).top();
    EXPECT_EQ(w.channel_off_box(n)->geometry(), QRect(8, 80 + 18 * (n - 1), 17, 17));
    EXPECT_EQ(w.tx_inhibit_box(n)->geometry(), QRect(32, 80 + 18 * (n - 1), 17, 17));
    EXPECT_EQ(row_top, 80 + 18 * (n - 1)) << n;
    EXPECT_EQ(w.channel_off_box(n)->objectName(), QStringLiteral("CheckBox%1").arg(n));
    EXPECT_EQ(w.tx_inhibit_box(n)->objectName(), QStringLiteral("CheckBox%1").arg(20 + n));
  }
}

TEST_F(FirstStart, TabGoesDownTheOffBoxesThenUpTheInhibitBoxesThenToTheTable) {
  TForm1& w = open_window();
  std::vector<QWidget*> expected;
  for (int n = 1; n <= 16; ++n) expected.push_back(w.channel_off_box(n));
  for (int n = 16; n >= 1; --n) expected.push_back(w.tx_inhibit_box(n));
  expected.push_back(w.StringGrid101);
  std::vector<QWidget*> met;
  QWidget* next = expected.front();
  for (int steps = 0; steps < 2000 && met.size() < expected.size(); ++steps) {
    if (std::find(expected.begin(), expected.end(), next) != expected.end()) met.push_back(next);
    next = next->nextInFocusChain();
  }
  EXPECT_EQ(met, expected);
}

TEST_F(FirstStart, MenuAndToolBarOfferEveryCommand) {
  TForm1& w = open_window();
  QStringList menus;
  for (QAction* a : w.menuBar()->actions()) menus << a->text();
  EXPECT_EQ(menus, (QStringList{QString::fromUtf8("Файл"), QString::fromUtf8("Правка"), QString::fromUtf8("Операции"),
                                QString::fromUtf8("Опции"), QString::fromUtf8("Программатор"),
                                QString::fromUtf8("Помощь")}));
  QStringList file_items;
  for (QAction* a : w.menuBar()->actions()[0]->menu()->actions()) file_items << (a->isSeparator() ? "-" : a->text());
  EXPECT_EQ(file_items, (QStringList{QString::fromUtf8("Новый"), QString::fromUtf8("Открыть"), "-",
                                     QString::fromUtf8("Сохранить"), QString::fromUtf8("Сохранить как ..."), "-",
                                     QString::fromUtf8("Экспорт в CSV…"), QString::fromUtf8("Импорт из CSV…"), "-",
                                     QString::fromUtf8("Печать"), "-", QString::fromUtf8("Выход")}));
  EXPECT_EQ(w.menuBar()->actions()[4]->menu(), nullptr);  // "Программатор" runs at once
  QAction* help = w.findChild<QAction*>(QStringLiteral("N20"));
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->shortcut(), QKeySequence(Qt::Key_F1));
  // The file commands' keys, shown in the menu as the toolkit writes them.
  const std::pair<const char*, const char*> keys[] = {{"N2", "Ctrl+N"}, {"N3", "Ctrl+O"},  {"N5", "Ctrl+S"},
                                                      {"N6", "Ctrl+Shift+S"}, {"N8", "Ctrl+P"}, {"N10", "Ctrl+Q"}};
  for (const auto& [name, key] : keys) {
    QAction* item = w.findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(item, nullptr) << name;
    EXPECT_EQ(item->shortcut().toString(QKeySequence::PortableText), QString::fromLatin1(key)) << name;
  }
  QStringList edit_items;
  for (QAction* a : w.menuBar()->actions()[1]->menu()->actions())
    edit_items << (a->isSeparator() ? QStringLiteral("-") : a->text() + QLatin1Char('\t') + a->shortcut().toString());
  EXPECT_EQ(edit_items, (QStringList{QString::fromUtf8("Отменить\tCtrl+Z"), QString::fromUtf8("Повторить\tCtrl+Y"), "-",
                                     QString::fromUtf8("Копировать канал\tCtrl+C"),
                                     QString::fromUtf8("Вставить канал\tCtrl+V")}));
  EXPECT_EQ(w.edit_action("Redo")->shortcuts().value(1), QKeySequence(QStringLiteral("Ctrl+Shift+Z")));

  QStringList hints;
  for (QAction* a : w.findChild<QToolBar*>(QStringLiteral("ToolBar1"))->actions())
    if (!a->toolTip().isEmpty() && !a->isSeparator() && !a->icon().isNull()) hints << a->toolTip();
  EXPECT_EQ(hints, (QStringList{QString::fromUtf8("Новый файл"), QString::fromUtf8("Открыть файл"),
                                QString::fromUtf8("Сохранить файл"), QString::fromUtf8("Печать параметров"),
                                QString::fromUtf8("Чтение параметров"), QString::fromUtf8("Запись параметров")}));
}

TEST_F(FirstStart, ToolBarButtonRunsTheSameCommandAsTheMenu) {
  TForm1& w = open_window();
  QAction* tool_new = nullptr;
  for (QAction* a : w.findChild<QToolBar*>(QStringLiteral("ToolBar1"))->actions())
    if (a->toolTip() == QString::fromUtf8("Новый файл")) tool_new = a;
  ASSERT_NE(tool_new, nullptr);
  tool_new->trigger();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, QString::fromUtf8("Новый файл"));
}

TEST_F(FirstStart, OptionsMenuSwitchesPagesAndSettingsPageFocusesItsFirstFrame) {
  TForm1& w = open_window();
  w.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
  w.N16Click();
  EXPECT_EQ(w.PageControl1->currentIndex(), 1);
  EXPECT_TRUE(w.GroupBox201->hasFocus());
  w.N15Click();
  EXPECT_EQ(w.PageControl1->currentIndex(), 0);
}

TEST_F(FirstStart, WindowHasTheFixedClientSize) {
  TForm1& w = open_window();
  w.show();
  EXPECT_EQ(w.centralWidget()->size(), QSize(636, 479));
  EXPECT_EQ(w.minimumSize(), w.maximumSize());
  EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
  // Both pages have room for their 628 x 370 panel.
  EXPECT_GE(w.PageControl1->widget(0)->width(), 628);
  EXPECT_GE(w.PageControl1->widget(0)->height(), 370);
}

}  // namespace
}  // namespace tirel::test
