// A read from the radio is one undo step, and undo waits while the radio is talked to.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QTimer>

#include "blok/default_blok.h"
#include "blok_pattern.h"
#include "scripted_prompter.h"
#include "sim_radio.h"
#include "ui/main_window.h"
#include "window_on_sim.h"

namespace tirel {
namespace {

TEST(WindowReadUndo, AReadIsOneStepUndoneWithItsBandAndLockedMeanwhile) {
  QTemporaryDir dir;
  const Blok radio = test::patterned_blok(3, 2);
  test::SimRadio sim({"--memory", test::SimRadio::memory_file(dir, radio)});
  test::ScriptedPrompter prompts;
  test::WindowOnSim p(sim.path());
  TForm1& w = *p.window;
  w.show();
  w.ComboBox203Change(8);  // squelch 9: a step to undo
  const Blok edited = w.blok();
  bool undone_meanwhile = true;
  QTimer::singleShot(400, [&] {
    w.edit_action("Undo")->trigger();
    undone_meanwhile = w.blok() != edited;
  });
  w.N12Click();
  EXPECT_FALSE(undone_meanwhile);
  ASSERT_EQ(w.ComboBox1->currentIndex(), 3);
  EXPECT_EQ(w.edit_action("Undo")->text(), QString::fromUtf8("Отменить: чтение параметров"));

  w.UndoClick();
  EXPECT_EQ(w.blok(), edited);
  EXPECT_EQ(w.ComboBox1->currentIndex(), 1);
  EXPECT_EQ(w.band_limits().lower, 136000000);
  EXPECT_TRUE(w.modified());
  w.RedoClick();
  EXPECT_EQ(w.ComboBox1->currentIndex(), 3);
  for (int r = 1; r <= 32; ++r)
    for (int i = 0; i < 12; ++i) ASSERT_EQ(record(w.blok(), r)[i], record(radio, r)[i]) << "record " << r;
  w.UndoClick();
  w.UndoClick();
  EXPECT_EQ(w.blok(), new_blok(1));
}

}  // namespace
}  // namespace tirel
