// The main window's radio commands, as the user runs them from the menu.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QTimer>

#include "blok/bands.h"
#include "blok/layout.h"
#include "blok_pattern.h"
#include "link/texts.h"
#include "link/programmers.h"
#include "scripted_prompter.h"
#include "sim_radio.h"
#include "ui/main_window.h"
#include "window_on_sim.h"
#include "ui/progress.h"

namespace tirel {
namespace {

using test::ScriptedPrompter;
using test::SimRadio;

using Program = test::WindowOnSim;

TEST(WindowRead, RadioMemoryBandAndLimitsShowAndRecords67To88StayWhileTheWindowWaits) {
  QTemporaryDir dir;
  Blok radio = test::patterned_blok(3, 2);
  radio[layout::kTimeoutTimer] = 0;
  SimRadio sim({"--memory", SimRadio::memory_file(dir, radio)});
  ScriptedPrompter prompts;
  Program p(sim.path());
  TForm1& w = *p.window;
  w.show();
  const Blok before = w.blok();
  bool disabled_meanwhile = false, progress_meanwhile = false;
  QTimer::singleShot(400, [&] {
    disabled_meanwhile = !w.isEnabled();
    progress_meanwhile = w.Form10->isVisible() && w.Form10->isEnabled();
  });
  w.N12Click();
  EXPECT_TRUE(disabled_meanwhile);
  EXPECT_TRUE(progress_meanwhile);
  EXPECT_TRUE(w.isEnabled());
  EXPECT_FALSE(w.Form10->isVisible());
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Чтение данных успешно завершено."));
  EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Чтение"));
  EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Information);

  EXPECT_EQ(w.ComboBox1->currentIndex(), 3);
  EXPECT_EQ(w.band_limits().lower, band_limits(3)->lower);
  EXPECT_EQ(w.band_limits().upper, band_limits(3)->upper);
  for (int r = 67; r <= 88; ++r)
    for (int i = 0; i < 12; ++i) ASSERT_EQ(record(w.blok(), r)[i], record(before, r)[i]) << "record " << r;
  for (int r = 1; r <= 32; ++r)
    for (int i = 0; i < 12; ++i) ASSERT_EQ(record(w.blok(), r)[i], record(radio, r)[i]) << "record " << r;
  EXPECT_EQ(w.blok()[layout::kTimeoutTimer], 0);
  EXPECT_FALSE(w.modified()) << "a read is not an edit";
}

TEST(WindowRead, BandCodeOutsideTheListKeepsTheListButRecord124StillComes) {
  QTemporaryDir dir;
  Blok radio = test::patterned_blok(2, 2);
  radio[layout::kBandCode] = 7;
  SimRadio sim({"--memory", SimRadio::memory_file(dir, radio)});
  ScriptedPrompter prompts;
  Program p(sim.path());
  TForm1& w = *p.window;
  const int shown = w.ComboBox1->currentIndex();
  w.N12Click();
  EXPECT_EQ(w.ComboBox1->currentIndex(), shown);
  EXPECT_EQ(band_code(w.blok()), 7);
}

TEST(WindowRead, FailedReadLeavesTheParameterSetAlone) {
  SimRadio sim({"--fault", "stop-after=200"});
  ScriptedPrompter prompts;
  Program p(sim.path());
  TForm1& w = *p.window;
  const Blok before = w.blok();
  w.N12Click();
  EXPECT_EQ(w.blok(), before);
  ASSERT_EQ(prompts.messages.size(), 1u);
  EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Ошибка чтения данных"));
  EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Warning);
  EXPECT_TRUE(w.isEnabled());
}

TEST(WindowWrite, WritesTheShownSetAndTellsRefusals) {
  {
    SimRadio sim({"--band", "1"});
    ScriptedPrompter prompts;
    Program p(sim.path());
    p.window->N13Click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Запись данных успешно завершена."));
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Запись"));
    EXPECT_EQ(sim.records().size(), 56u);
    EXPECT_EQ(sim.records()[0], std::vector<std::uint8_t>(p.window->blok().begin(), p.window->blok().begin() + 12));
  }
  {
    SimRadio sim({"--band", "0"});
    ScriptedPrompter prompts;
    Program p(sim.path());
    p.window->N13Click();
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Ошибка"));
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("Данная радиостанция не соответствует\rвыбранному диапазону частот"));
    EXPECT_TRUE(sim.records().empty());
  }
}

TEST(WindowProgrammer, DialogChoiceShowsInTheStatusPanelAtTheNextTick) {
  ScriptedPrompter prompts;
  Program p("/dev/null");
  TForm1& w = *p.window;
  w.Timer1Timer();
  EXPECT_EQ(w.programmer_status(), QStringLiteral("Программатор COM1"));
  QTimer::singleShot(50, [&] {
    w.Form2->port_items[2]->click();
    w.Form2->Button1->click();
  });
  w.N18Click();
  EXPECT_EQ(w.port_index, 2);
  EXPECT_EQ(w.programmer_mode, 1);
  w.Timer1Timer();
  EXPECT_EQ(w.programmer_status(), QStringLiteral("Программатор COM3"));
}

}  // namespace
}  // namespace tirel
