// Copy and paste of channels: Ctrl+C and Ctrl+V between rows of the table, the clipboard text a
// spreadsheet takes, rows pasted back from text, and text that does not fit changing nothing.
#include "qstring_print.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>

#include "blok/default_blok.h"
#include "edit_fixture.h"
#include <QLineEdit>

#include "ui/vvod.h"

namespace tirel::test {
namespace {

const QByteArray kHeader =
    "№,Канал выключен,Запрет передачи,Частота ПРМ (МГц),Субтон ПРМ,Частота ПРД (МГц),Субтон ПРД,"
    "Сдвиг частоты,Ширина канала,Сканирование,Запрет передачи на занятом канале\r\n";

class ChannelClipboard : public ShownWindowTest {
 protected:
  void select(int n, int col = 1) { grid->setCurrentCell(n - 1, col); }
  void paste_text(const QByteArray& utf8, int n) {
    QApplication::clipboard()->setText(QString::fromUtf8(utf8));
    select(n);
    key(Qt::Key_V);
  }
  QString cell(int n, int col) const { return grid->item(n - 1, col)->text(); }
};

TEST_F(ChannelClipboard, ChannelOneCopiedOntoFiveIsSavedByteForByte) {
  TForm1& w = *window;
  click_and_answer<TForm3>(1, 1, [](TForm3* f) {
    QTest::keyClicks(f->AdvEdit1, "146.0125");
    QTest::keyClick(f->AdvEdit1, Qt::Key_Return);
  });
  click(1, 5);
  click(1, 7);
  click_box(w.tx_inhibit_box(1));
  const QString file = path(QStringLiteral("Save/set.t12"));
  w.set_current_file_name(file);
  ASSERT_EQ(w.N5Click(), TForm1::SaveOutcome::saved);
  const QByteArray before = read_file(file);
  ASSERT_EQ(before.size(), 1536);

  select(1);
  key(Qt::Key_C);
  EXPECT_EQ(QApplication::clipboard()->text(),
            QString::fromUtf8(kHeader + "1,no,yes,146.012500,off,150.000000,off,on,25,off,off\r\n"));
  select(5, 3);
  key(Qt::Key_V);
  EXPECT_EQ(item_text("Undo"), QString::fromUtf8("Отменить: вставка канала 5"));
  EXPECT_TRUE(w.modified());
  key(Qt::Key_S);
  const QByteArray after = read_file(file);
  ASSERT_EQ(after.size(), 1536);
  // Channel 5 is records 9 and 10 at offset 96: their headers keep channel 5's addresses, their
  // data bytes are channel 1's; nothing else moved.
  EXPECT_EQ(after.mid(96, 12), QByteArray("\x57\x00\x40\x08\x42\x5B\x0C\x00\x00\x60\xEA\x00", 12));
  EXPECT_EQ(after.mid(108, 12), QByteArray("\x57\x00\x48\x08", 4) + before.mid(16, 8));
  EXPECT_EQ(after.mid(100, 8), before.mid(4, 8));
  EXPECT_EQ(after.left(96), before.left(96));
  EXPECT_EQ(after.mid(120), before.mid(120));
  EXPECT_EQ(cell(5, 1), QString::fromUtf8("  146,012500"));
  EXPECT_EQ(cell(5, 3), QString());  // transmit inhibited, as on channel 1

  key(Qt::Key_Z);
  EXPECT_EQ(blok_bytes(w.blok()), before);
}

TEST_F(ChannelClipboard, RowsFromASpreadsheetFillChannelsDownwardsAsOneStep) {
  TForm1& w = *window;
  paste_text("7;no;no;151,25;67.0;156.000000;D023N;off;12.5;on;on\r\n"
             "\"8\";yes;no;150.000000;off;150.000000;off;off;25;on;off\r\n",
             15);
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_EQ(cell(15, 1), QString::fromUtf8("  151,250000"));
  EXPECT_EQ(cell(15, 4).trimmed(), QString::fromUtf8("DCS 023"));
  EXPECT_EQ(cell(15, 6), QString::fromUtf8("  12,5 кГц"));
  EXPECT_EQ(cell(15, 8), QString::fromUtf8("   Включен"));
  EXPECT_TRUE(w.channel_off_box(16)->isChecked());
  EXPECT_EQ(cell(7, 1), QString::fromUtf8("  150,000000"));  // the row's own number is not where it goes
  EXPECT_EQ(item_text("Undo"), QString::fromUtf8("Отменить: вставка каналов 15–16"));
  key(Qt::Key_Z);
  EXPECT_EQ(w.blok(), new_blok(1));

  paste_text(kHeader + "3,no,no,160.000000,off,160.000000,off,off,25,on,off\r\n", 2);
  EXPECT_EQ(cell(2, 3), QString::fromUtf8("  160,000000"));
  EXPECT_EQ(item_text("Undo"), QString::fromUtf8("Отменить: вставка канала 2"));
}

TEST_F(ChannelClipboard, TextThatDoesNotFitChangesNothing) {
  TForm1& w = *window;
  const struct {
    QByteArray text;
    int at;
    const char* error;
  } cases[] = {
      {"1,no,no,150,off,150,off,off,25,on,off\n2,no,no,150,off,150,off,off,25,on,off\n"
       "3,no,no,150,off,150,off,off,25,on,off\n",
       15, "строка 3: строк больше, чем каналов от 15 до 16"},
      {kHeader + "1,no,no,150,off,999.000000,off,off,25,on,off\r\n", 1,
       "строка 2, столбец 6: частота 999,000000 вне диапазона 136,000000 – 175,000000 МГц"},
      {"1,no,no,150,off,150,off,off,25,on,off\r\n1,no,maybe,150,off,150,off,off,25,on,off\r\n", 3,
       "строка 2, столбец 3: «maybe» — нужно yes или no"},
      {"Частота 150,000 МГц", 1, "строка 1: это не строки таблицы каналов"},
      {kHeader + "1,no,no,150,123.4,150,off,off,25,on,off\r\n", 1, "строка 2, столбец 5: субтон «123.4» не из таблиц"},
      {kHeader, 1, "строка 1: нет ни одной строки канала"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    prompter.messages.clear();
    paste_text(c.text, c.at);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].caption, QString::fromUtf8("Вставка канала"));
    EXPECT_TRUE(prompter.messages[0].text.startsWith(
        QString::fromUtf8("Текст из буфера обмена не вставлен, набор параметров не изменён.\r\r")));
    EXPECT_TRUE(prompter.messages[0].text.contains(QString::fromUtf8(c.error))) << prompter.messages[0].text.toStdString();
    EXPECT_EQ(w.blok(), new_blok(1));
    EXPECT_FALSE(item_enabled("Undo"));
    EXPECT_FALSE(w.modified());
  }
}

TEST_F(ChannelClipboard, ACopyFromAnotherBandIsCheckedAgainstThisOne) {
  TForm1& w = *window;
  select(1);
  key(Qt::Key_C);
  prompter.answers = {QMessageBox::Yes};
  choose(w.ComboBox1, 3);
  const Blok band3 = w.blok();
  select(2);
  key(Qt::Key_V);
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_TRUE(prompter.messages[1].text.contains(QString::fromUtf8("частота 150,000000 вне диапазона")));
  EXPECT_EQ(w.blok(), band3);
}

TEST_F(ChannelClipboard, ARightClickOffersCopyAndPasteAndTogglesNothing) {
  TForm1& w = *window;
  QStringList offered;
  auto* poll = new QTimer(window.get());
  QObject::connect(poll, &QTimer::timeout, [&] {
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
      for (QAction* a : menu->actions()) offered << a->text();
      menu->close();
    }
  });
  poll->start(10);
  click(4, 6, Qt::RightButton);
  // The table asks for its menu as the platform sends it after a right press.
  const QPoint at = grid->visualItemRect(grid->item(3, 6)).center();
  QContextMenuEvent ask(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
  QApplication::sendEvent(grid->viewport(), &ask);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !offered.isEmpty(); }, 3000));
  poll->stop();
  EXPECT_EQ(offered, (QStringList{QString::fromUtf8("Копировать канал"), QString::fromUtf8("Вставить канал")}));
  EXPECT_EQ(grid->currentRow(), 3);
  EXPECT_EQ(w.blok(), new_blok(1));
  EXPECT_FALSE(w.modified());
}

}  // namespace
}  // namespace tirel::test
