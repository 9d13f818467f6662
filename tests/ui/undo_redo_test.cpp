// Undo and redo in the main window: every kind of change is one step that Ctrl+Z takes back
// and Ctrl+Y or Ctrl+Shift+Z does again; what changed nothing is no step; a new set starts a
// new history.
#include "qstring_print.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "blok/default_blok.h"
#include "edit_fixture.h"
#include "ui/vvod.h"
#include "ui/vvod_tona.h"

namespace tirel::test {
namespace {

class UndoRedo : public ShownWindowTest {
 protected:
  void type_frequency(int n, int col, const char* text) {
    click_and_answer<TForm3>(n, col, [text](TForm3* f) {
      QTest::keyClicks(f->AdvEdit1, text);
      QTest::keyClick(f->AdvEdit1, Qt::Key_Return);
    });
  }
  QByteArray bytes(int from, int count) const {
    return blok_bytes(window->blok()).mid(from, count);
  }
};

TEST_F(UndoRedo, EveryKindOfStepIsUndoneWithItsBandAndRedone) {
  TForm1& w = *window;
  const QString csv = path(QStringLiteral("ch2.csv"));
  ASSERT_TRUE(write_file(csv, QByteArray("№,Канал выключен,Запрет передачи,Частота ПРМ (МГц),Субтон ПРМ,"
                                         "Частота ПРД (МГц),Субтон ПРД,Сдвиг частоты,Ширина канала,Сканирование,"
                                         "Запрет передачи на занятом канале\r\n"
                                         "2,no,no,440.000000,off,440.000000,off,off,25,on,off\r\n")));
  const struct {
    const char* label;
    std::function<void()> act;
  } steps[] = {
      {"частота приема, канал 3", [&] { type_frequency(3, 1, "146.0125"); }},
      {"субтон передачи, канал 3",
       [&] {
         click_and_answer<TForm4>(3, 4, [](TForm4* f) {
           f->RadioGroup1Items->button(0)->click();
           f->ComboBox1->setCurrentIndex(f->ComboBox1->findText(QStringLiteral("123,0")));
           f->Button1->click();
         });
       }},
      {"ширина канала, канал 3", [&] { click(3, 6); }},
      {"выключение канала 4", [&] { click_box(w.channel_off_box(4)); }},
      {"запрет передачи, канал 5", [&] { click_box(w.tx_inhibit_box(5)); }},
      {"уровень шумоподавителя", [&] { choose(w.setting_list(203), 8); }},
      {"частотный диапазон",
       [&] {
         prompter.answers = {QMessageBox::Yes};
         choose(w.ComboBox1, 3);
       }},
      {"импорт из CSV",
       [&] {
         prompter.open_names = {csv};
         w.CsvImportClick();
       }},
  };
  int redo_key = 0;
  for (const auto& s : steps) {
    SCOPED_TRACE(s.label);
    const Blok before = w.blok();
    const int band = w.ComboBox1->currentIndex();
    s.act();
    const Blok after = w.blok();
    const int band_after = w.ComboBox1->currentIndex();
    ASSERT_NE(after, before);
    EXPECT_EQ(item_text("Undo"), QString::fromUtf8("Отменить: ") + QString::fromUtf8(s.label));
    EXPECT_TRUE(item_enabled("Undo"));
    EXPECT_FALSE(item_enabled("Redo"));
    w.set_current_file_name(path(QStringLiteral("Save/kept.t12")));
    w.set_modified(false);

    key(Qt::Key_Z);
    EXPECT_EQ(w.blok(), before);
    EXPECT_EQ(w.ComboBox1->currentIndex(), band);
    // As an opened file of that band would have them (band 1: 136..175 MHz, band 3: 436..472 MHz).
    EXPECT_EQ(w.band_limits().lower, band == 1 ? 136000000 : 436000000);
    EXPECT_EQ(w.band_limits().upper, band == 1 ? 175000000 : 472000000);
    EXPECT_TRUE(w.modified());
    EXPECT_EQ(w.current_file_name(), path(QStringLiteral("Save/kept.t12")));
    EXPECT_EQ(item_text("Redo"), QString::fromUtf8("Повторить: ") + QString::fromUtf8(s.label));

    w.set_modified(false);
    if (redo_key++ % 2) key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    else key(Qt::Key_Y);
    EXPECT_EQ(w.blok(), after);
    EXPECT_EQ(w.ComboBox1->currentIndex(), band_after);
    EXPECT_TRUE(w.modified());
    EXPECT_FALSE(item_enabled("Redo"));
  }
  // The band change came back with its limits, and the file's row with it.
  EXPECT_EQ(w.ComboBox1->currentIndex(), 3);
  EXPECT_EQ(w.band_limits().lower, 436000000);
  EXPECT_EQ(w.band_limits().upper, 472000000);
  EXPECT_EQ(grid->item(1, 1)->text(), QString::fromUtf8("  440,000000"));

  // Back through all eight: the start-up set of band 1, with the band list and limits it had.
  for (int i = 0; i < 8; ++i) key(Qt::Key_Z);
  EXPECT_EQ(w.blok(), new_blok(1));
  EXPECT_EQ(w.ComboBox1->currentIndex(), 1);
  EXPECT_EQ(w.band_limits().lower, 136000000);
  EXPECT_EQ(grid->item(2, 1)->text(), QString::fromUtf8("  150,000000"));
  EXPECT_EQ(item_text("Undo"), QString::fromUtf8("Отменить"));
  EXPECT_FALSE(item_enabled("Undo"));
  EXPECT_EQ(item_text("Redo"), QString::fromUtf8("Повторить: частота приема, канал 3"));
  key(Qt::Key_Y);
  EXPECT_EQ(bytes(52, 3), QByteArray("\x42\x5B\x0C", 3));  // 146,0125 MHz in 6,25 kHz steps, channel on
  EXPECT_EQ(grid->item(2, 1)->text(), QString::fromUtf8("  146,012500"));
}

TEST_F(UndoRedo, AFlagClickUndoneSavesTheFileUnchangedAndRedoneSavesTheFlag) {
  TForm1& w = *window;
  const QString file = path(QStringLiteral("Save/set.t12"));
  ASSERT_TRUE(write_file(file, blok_bytes(new_blok(1))));
  prompter.open_names = {file};
  key(Qt::Key_O);
  const QByteArray opened = read_file(file);
  click(1, 6);
  key(Qt::Key_Z);
  key(Qt::Key_S);
  EXPECT_EQ(read_file(file), opened);
  key(Qt::Key_Y);
  key(Qt::Key_S);
  const QByteArray saved = read_file(file);
  ASSERT_EQ(saved.size(), 1536);
  EXPECT_EQ(static_cast<unsigned char>(saved[18]), 0x01);  // channel 1: 12,5 kHz
  EXPECT_EQ(saved.left(18), opened.left(18));
  EXPECT_EQ(saved.mid(19), opened.mid(19));
  EXPECT_FALSE(w.modified());
  EXPECT_EQ(prompter.save_dialogs, 0);
}

TEST_F(UndoRedo, WhatChangedNothingIsNoStep) {
  TForm1& w = *window;
  type_frequency(3, 1, "");                   // entry left empty
  type_frequency(3, 1, "140");                // refused: outside the band
  click_and_answer<TForm4>(3, 2, [](TForm4* f) { f->Button2->click(); });  // "Нет"
  click_box(w.channel_off_box(6));
  click(6, 5);                                // a channel that is off takes no clicks
  prompter.answers = {QMessageBox::No};
  choose(w.ComboBox1, 4);                     // band change refused
  choose(w.setting_list(203), 4);             // "5", as it was
  prompter.open_names = {QString()};
  w.CsvImportClick();                         // dialog cancelled
  EXPECT_EQ(w.history().undo_count(), 1u);
  EXPECT_EQ(item_text("Undo"), QString::fromUtf8("Отменить: выключение канала 6"));
  w.UndoClick();
  EXPECT_EQ(item_text("Undo"), QString::fromUtf8("Отменить"));
  ASSERT_EQ(prompter.messages.size(), 2u);    // the refused frequency and the band question
}

TEST_F(UndoRedo, OpenAndConfirmedNewStartANewHistoryAndARefusedNewDoesNot) {
  TForm1& w = *window;
  Blok set = new_blok(2);
  set[779] = 0x21;
  const QString file = path(QStringLiteral("Save/set.t12"));
  ASSERT_TRUE(write_file(file, blok_bytes(set)));
  click(1, 5);
  click(2, 5);
  prompter.answers = {QMessageBox::No};
  w.N2Click();
  EXPECT_EQ(w.history().undo_count(), 2u);

  prompter.open_names = {file};
  w.N3Click();
  EXPECT_EQ(w.blok(), set);
  EXPECT_FALSE(item_enabled("Undo"));
  key(Qt::Key_Z);
  EXPECT_EQ(w.blok(), set);  // the old set does not come back under this file's name
  EXPECT_EQ(w.current_file_name(), file);

  click(1, 7);
  prompter.answers = {QMessageBox::Yes};
  w.N2Click();
  EXPECT_FALSE(item_enabled("Undo"));
  EXPECT_EQ(w.blok(), new_blok(2));
}

TEST_F(UndoRedo, AHundredStepsAreKeptAndANewStepEndsTheRedos) {
  TForm1& w = *window;
  for (int i = 0; i < 150; ++i) click(1 + i % 16, 6);
  int undone = 0;
  while (item_enabled("Undo") && undone < 1000) {
    w.UndoClick();
    ++undone;
  }
  EXPECT_GE(undone, 100);
  EXPECT_EQ(w.history().undo_count(), 0u);
  key(Qt::Key_Y);
  key(Qt::Key_Y);
  click(9, 5);
  EXPECT_FALSE(item_enabled("Redo"));
  EXPECT_EQ(item_text("Undo"), QString::fromUtf8("Отменить: сдвиг частоты, канал 9"));
}

}  // namespace
}  // namespace tirel::test
