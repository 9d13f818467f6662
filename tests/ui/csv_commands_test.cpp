// "Экспорт в CSV…" and "Импорт из CSV…" of the File menu: what the dialogs offer, edits made in
// the text coming back into the window, and a wrong file that changes nothing.
#include <QCheckBox>
#include <QDir>
#include <QStringEncoder>
#include <QTableWidget>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "blok/texts.h"
#include "files/csv.h"
#include "window_fixture.h"

namespace tirel::test {
namespace {

class CsvCommands : public WindowTest {
 protected:
  QString export_to(TForm1& w, const QString& name) {
    prompter.save_names = {path("Save/" + name)};
    w.CsvExportClick();
    return path("Save/" + name);
  }
  void import_from(TForm1& w, const QString& file) {
    prompter.open_names = {file};
    w.CsvImportClick();
  }
};

TEST_F(CsvCommands, ExportedTableEditedAsTextComesBackIntoTheWindow) {
  TForm1& w = open_window();
  w.select_band(3);
  w.blok() = new_blok(3);
  w.print_wind_blok();
  const QString file = export_to(w, QStringLiteral("channels.csv"));
  EXPECT_EQ(prompter.last_dir, w.save_folder());
  EXPECT_TRUE(prompter.last_filter.contains(QStringLiteral("*.csv")));
  EXPECT_EQ(prompter.last_suffix, QStringLiteral("csv"));
  QByteArray text = read_file(file);
  EXPECT_EQ(text.toStdString(), export_csv(w.blok()));
  EXPECT_TRUE(prompter.messages.empty());

  const int at = text.indexOf("\n3,");
  ASSERT_GT(at, 0);
  const int end = text.indexOf('\n', at + 1);
  text.replace(at + 1, end - at - 1, "3,no,yes,451.250000,67.0,452.500000,D023N,off,12.5,off,on");
  ASSERT_TRUE(write_file(file, text));
  const Blok before = w.blok();
  import_from(w, file);
  EXPECT_EQ(prompter.last_dir, w.save_folder());
  EXPECT_TRUE(prompter.messages.empty()) << prompter.messages[0].text.toStdString();

  EXPECT_TRUE(w.StringGrid101->item(2, 1)->text().contains(QStringLiteral("451,25"))) << w.StringGrid101->item(2, 1)->text().toStdString();
  EXPECT_TRUE(w.StringGrid101->item(2, 2)->text().contains(QStringLiteral("67")));
  EXPECT_TRUE(w.StringGrid101->item(2, 3)->text().isEmpty()) << "the channel may not transmit now";
  EXPECT_NE(blok_to_frq_str(w.blok(), 3, Dir::tx).find("452,5"), std::string::npos);
  EXPECT_EQ(w.StringGrid101->item(2, 6)->text(), QString::fromUtf8(blok_text::kNarrowText));
  EXPECT_TRUE(w.tx_inhibit_box(3)->isChecked());
  EXPECT_FALSE(w.channel_off_box(3)->isChecked());
  EXPECT_TRUE(w.modified());
  EXPECT_EQ(w.ComboBox1->currentIndex(), 3) << "the band stays";
  for (int n = 1; n <= kChannelCount; ++n) {
    if (n == 3) continue;
    for (int i = layout::channel_base(n); i < layout::channel_base(n) + 24; ++i)
      ASSERT_EQ(w.blok()[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)]) << "channel " << n;
  }
  for (int i = layout::channel_base(17); i < kBlokSize; ++i)
    ASSERT_EQ(w.blok()[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)]) << "offset " << i;
}

TEST_F(CsvCommands, AWrongFileListsEveryBadCellInOneMessageAndChangesNothing) {
  TForm1& w = open_window();
  const QString file = export_to(w, QStringLiteral("bad.csv"));
  QByteArray text = read_file(file);
  text.replace("\n2,no,no,150.000000,", "\n2,no,no,15O.000000,");
  text.replace("\n5,no,no,150.000000,off,", "\n5,no,no,150.000000,77.7,");
  ASSERT_TRUE(write_file(file, text));
  const Blok before = w.blok();
  const QString cell = w.StringGrid101->item(1, 1)->text();
  import_from(w, file);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Warning);
  EXPECT_EQ(prompter.messages[0].caption, QStringLiteral("Импорт из CSV"));
  const QString m = prompter.messages[0].text;
  EXPECT_TRUE(m.contains(QStringLiteral("строка 3, столбец 4"))) << m.toStdString();
  EXPECT_TRUE(m.contains(QStringLiteral("строка 6, столбец 5"))) << m.toStdString();
  EXPECT_TRUE(m.contains(QStringLiteral("набор параметров не изменён")));
  EXPECT_EQ(w.blok(), before);
  EXPECT_EQ(w.StringGrid101->item(1, 1)->text(), cell);
  EXPECT_FALSE(w.modified());
}

TEST_F(CsvCommands, ASpreadsheetsWindows1251FileIsReadAndTheUserIsToldItsEncoding) {
  TForm1& w = open_window();
  const QString file = export_to(w, QStringLiteral("sheet.csv"));
  QString text = QString::fromUtf8(read_file(file));
  text.replace(QLatin1Char(','), QLatin1Char(';'));
  text.replace(QStringLiteral("\n4;no;no;150.000000;"), QStringLiteral("\n4;no;no;151,250000;"));
  QStringEncoder to_1251("windows-1251");
  ASSERT_TRUE(write_file(file, to_1251(text)));
  import_from(w, file);
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Information);
  EXPECT_EQ(prompter.messages[0].caption, QStringLiteral("Импорт из CSV"));
  EXPECT_EQ(prompter.messages[0].text, QStringLiteral("Файл CSV прочитан в кодировке Windows-1251."));
  EXPECT_TRUE(w.StringGrid101->item(3, 1)->text().contains(QStringLiteral("151,25"))) << w.StringGrid101->item(3, 1)->text().toStdString();
  EXPECT_TRUE(w.modified());

  text.replace(QStringLiteral("\n4;no;no;151,250000;"), QStringLiteral("\n4;no;no;191,250000;"));
  ASSERT_TRUE(write_file(file, to_1251(text)));
  import_from(w, file);
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_EQ(prompter.messages[1].text.split(QLatin1Char('\r')).mid(1, 4),
            (QStringList{QDir::toNativeSeparators(file), QStringLiteral("Файл CSV прочитан в кодировке Windows-1251."),
                         QString(),
                         QStringLiteral("строка 5, столбец 4: частота 191,250000 вне диапазона 136,000000 – 175,000000 МГц")}));
}

TEST_F(CsvCommands, CancelledDialogsAndUnreadableFilesLeaveTheSetAlone) {
  TForm1& w = open_window();
  const Blok before = w.blok();
  prompter.save_names = {QString()};
  w.CsvExportClick();
  prompter.open_names = {QString()};
  w.CsvImportClick();
  EXPECT_TRUE(prompter.messages.empty());

  import_from(w, path("Save/missing.csv"));
  prompter.save_names = {path("no-such-folder/x.csv")};
  w.CsvExportClick();
  ASSERT_EQ(prompter.messages.size(), 2u);
  EXPECT_TRUE(prompter.messages[0].text.startsWith(QStringLiteral("Не удалось открыть файл CSV")));
  EXPECT_TRUE(prompter.messages[1].text.startsWith(QStringLiteral("Не удалось записать файл CSV")));
  EXPECT_EQ(w.blok(), before);
  EXPECT_FALSE(w.modified());
}

}  // namespace
}  // namespace tirel::test
