// CHIRP lists through "Импорт из CSV…" and "Экспорт в CSV…": the choice of rows, "Отмена", and the
// export's kind of file chosen in the save dialog.
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "blok/default_blok.h"
#include "blok/frequency.h"
#include "blok/layout.h"
#include "modal.h"
#include "ui/chirp_rows_dialog.h"
#include "window_fixture.h"

namespace tirel::test {
namespace {

const QString kLists = QStringLiteral(TIREL_CHIRP_LISTS);

class ChirpCommands : public WindowTest {
 protected:
  void import_list(TForm1& w, const QString& name, std::function<void(ChirpRowsDialog*)> act) {
    bool shown = false;
    when_modal<ChirpRowsDialog>([&](ChirpRowsDialog* d) {
      shown = true;
      act(d);
    });
    prompter.open_names = {kLists + QLatin1Char('/') + name};
    w.CsvImportClick();
    EXPECT_TRUE(shown) << "the choice of rows was not shown";
  }
  static int ticked(ChirpRowsDialog* d) {
    int n = 0;
    for (int r = 0; r < d->table()->rowCount(); ++r) n += d->table()->item(r, 0)->checkState() == Qt::Checked;
    return n;
  }
};

TEST_F(ChirpCommands, MarineListShowsEveryRowTicksSixteenAndFillsChosenChannels) {
  TForm1& w = open_window();
  const Blok before = w.blok();
  import_list(w, QStringLiteral("marine_vhf.csv"), [&](ChirpRowsDialog* d) {
    QTableWidget* t = d->table();
    EXPECT_EQ(t->rowCount(), 22);
    EXPECT_EQ(ticked(d), 16);
    EXPECT_EQ(t->item(0, 1)->text(), QStringLiteral("1"));
    EXPECT_EQ(t->item(0, 2)->text(), QStringLiteral("SEA 01"));
    EXPECT_EQ(t->item(0, 3)->text(), QStringLiteral("160.650000"));
    EXPECT_EQ(t->item(0, 4)->text(), QStringLiteral("156.050000"));
    EXPECT_EQ(t->item(0, 7)->text(), QStringLiteral("25 кГц"));
    EXPECT_EQ(t->item(3, 0)->flags() & Qt::ItemIsUserCheckable, Qt::NoItemFlags) << "AM at 121.5 MHz";
    EXPECT_EQ(t->item(3, 8)->text(), QStringLiteral("частота приёма 121.500000 МГц вне диапазона 136.000000 – "
                                                    "175.000000 МГц; Mode «AM» — радиостанция работает только в FM "
                                                    "(25 кГц) и NFM (12,5 кГц)"));
    EXPECT_TRUE(t->item(6, 8)->text().startsWith(QStringLiteral("метку приоритета Skip \"P\"")));
    EXPECT_EQ(t->item(17, 0)->checkState(), Qt::Unchecked) << "the 17th importable row";
    EXPECT_EQ(d->count_label()->text(), QStringLiteral("Отмечено строк: 16, каналы 1–16"));

    // A seventeenth tick does not stay.
    t->item(18, 0)->setCheckState(Qt::Checked);
    EXPECT_EQ(t->item(18, 0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(d->count_label()->text(), QStringLiteral("Больше 16 строк с канала 1 не поместится"));

    t->item(0, 0)->setCheckState(Qt::Unchecked);
    t->item(1, 0)->setCheckState(Qt::Unchecked);
    t->item(2, 0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(d->first_channel_box()->maximum(), 4);
    d->first_channel_box()->setValue(3);
    EXPECT_EQ(d->count_label()->text(), QStringLiteral("Отмечено строк: 13, каналы 3–15; каналы 16 будут выключены"));
    d->import_button()->click();
  });
  EXPECT_TRUE(prompter.messages.empty());
  EXPECT_TRUE(w.modified());
  for (int i = 0; i < layout::channel_base(3); ++i)
    ASSERT_EQ(w.blok()[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)]) << "channels 1 and 2 kept";
  EXPECT_EQ(w.StringGrid101->item(2, 1)->text(), QStringLiteral("  156,450000")) << "SEA 09, the first still ticked";
  EXPECT_EQ(w.StringGrid101->item(2, 3)->text(), QStringLiteral("  156,450000"));
  EXPECT_EQ(w.StringGrid101->item(3, 7)->text(), QStringLiteral("  Выключен")) << "SEA 13 is left out of scanning";
  EXPECT_EQ(w.StringGrid101->item(14, 1)->text(), QStringLiteral("  156,475000")) << "SEA 69 in channel 15";
  EXPECT_TRUE(w.channel_off_box(16)->isChecked());
  EXPECT_TRUE(w.StringGrid101->item(15, 1)->text().isEmpty());
  for (int i = layout::channel_base(17); i < kBlokSize; ++i)
    ASSERT_EQ(w.blok()[static_cast<std::size_t>(i)], before[static_cast<std::size_t>(i)]) << "settings, offset " << i;
}

TEST_F(ChirpCommands, CancelChangesNothingAndAListWithNothingToTakeCannotBeImported) {
  TForm1& w = open_window();
  const Blok before = w.blok();
  import_list(w, QStringLiteral("tone_modes.csv"), [](ChirpRowsDialog* d) {
    d->table()->item(0, 0)->setCheckState(Qt::Unchecked);
    d->reject();
  });
  EXPECT_EQ(w.blok(), before);
  EXPECT_FALSE(w.modified());

  w.select_band(0);
  w.blok() = new_blok(0);
  w.print_wind_blok();
  const Blok band0 = w.blok();
  import_list(w, QStringLiteral("pmr446_lpd.csv"), [](ChirpRowsDialog* d) {
    EXPECT_EQ(d->table()->rowCount(), 14);
    EXPECT_EQ(ticked(d), 0);
    EXPECT_FALSE(d->import_button()->isEnabled());
    EXPECT_EQ(d->count_label()->text(), QStringLiteral("Не отмечено ни одной строки"));
    EXPECT_EQ(d->table()->item(6, 8)->text(),
              QStringLiteral("частота приёма 446.006250 МГц вне диапазона 135.000000 – 151.000000 МГц"));
    d->reject();
  });
  EXPECT_EQ(w.blok(), band0);
  EXPECT_FALSE(w.modified());
  EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(ChirpCommands, ExportOffersBothKindsAndTheChirpKindWritesTheListAndTellsWhatIsLeftOut) {
  TForm1& w = open_window();
  std::uint8_t& type = w.blok()[static_cast<std::size_t>(layout::tone_type_byte(4, Dir::rx))];
  type = static_cast<std::uint8_t>((type & 0x0F) | 0x60);
  set_channel_flag(w.blok(), 5, layout::ChannelFlag::on, false);
  prompter.save_names = {path("Save/list.csv")};
  prompter.save_kinds = {QStringLiteral("Список каналов CHIRP (*.csv)")};
  w.CsvExportClick();
  EXPECT_EQ(prompter.last_filter, QStringLiteral("Таблица каналов CSV (*.csv);;Список каналов CHIRP (*.csv)"));
  const QString text = QString::fromUtf8(read_file(path("Save/list.csv")));
  EXPECT_TRUE(text.startsWith(QStringLiteral("Location,Name,Frequency,Duplex,Offset,Tone,")));
  EXPECT_EQ(text.count(QStringLiteral("\r\n")), 16) << "the header and fifteen channels that are on";
  EXPECT_TRUE(text.contains(QStringLiteral("\r\n4,,150.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,")));
  EXPECT_FALSE(text.contains(QStringLiteral("\r\n5,")));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(prompter.messages[0].text.contains(
      QStringLiteral("канал 4: субтон приёма (тип 6, значение 0000) не из таблиц")))
      << prompter.messages[0].text.toStdString();
  EXPECT_FALSE(w.modified());
}

}  // namespace
}  // namespace tirel::test
