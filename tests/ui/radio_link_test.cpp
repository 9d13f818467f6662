// The window's radio commands: messages, the port dialog loop, the window lock, USB mode.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>

#include "blok/layout.h"
#include "blok_pattern.h"
#include "link/texts.h"
#include "scripted_prompter.h"
#include "sim_radio.h"
#include "ui/radio_link.h"

namespace tirel {
namespace {

using test::ScriptedPrompter;
using test::SimRadio;

struct Window {
  QMainWindow main;
  std::int32_t mode = 1;
  std::int32_t index = 0;
  std::uint8_t stop_polling = 0;
  RadioLink link{&main, mode, index, stop_polling};
  // Port numbers lead to the given devices; any other number is a port that will not open.
  void ports(std::map<int, QString> devices) {
    link.resolve_port = [devices](int n) {
      auto it = devices.find(n);
      return it == devices.end() ? QStringLiteral("/dev/tirel-missing-%1").arg(n) : it->second;
    };
  }
};

void expect_message(const test::AskedMessage& m, const LinkMessage& expected) {
  EXPECT_EQ(m.icon, expected.icon == LinkMessage::Icon::information ? QMessageBox::Information : QMessageBox::Warning);
  EXPECT_EQ(m.caption, expected.caption_text());
  EXPECT_EQ(m.text, expected.body_text());
}

TEST(ReadCommand, SuccessAppliesWhileTheWindowIsLockedThenTellsTheUser) {
  QTemporaryDir dir;
  SimRadio sim({"--memory", SimRadio::memory_file(dir, test::patterned_blok(0, 9))});
  ScriptedPrompter prompts;
  Window w;
  w.ports({{1, sim.path()}});
  w.main.show();
  bool told_while_locked = false;
  prompts.while_shown = [&](const test::AskedMessage&) { told_while_locked = !w.main.isEnabled(); };
  bool applied = false, locked_meanwhile = false;
  const bool ok = w.link.read([&](const ReadBuffer& rb) {
    applied = true;
    locked_meanwhile = !w.main.isEnabled();
    EXPECT_FALSE(w.link.progress().isVisible());
    EXPECT_EQ(answered_band(rb), 0);
    EXPECT_TRUE(prompts.messages.empty()) << "the message follows the redraw";
  });
  EXPECT_TRUE(ok);
  EXPECT_TRUE(applied);
  EXPECT_TRUE(locked_meanwhile);
  EXPECT_TRUE(told_while_locked) << "a read's success is its last step before the unlock";
  EXPECT_TRUE(w.main.isEnabled());
  ASSERT_EQ(prompts.messages.size(), 1u);
  expect_message(prompts.messages[0], link_text::kReadDone);
  EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Чтение данных успешно завершено."));
}

TEST(ReadCommand, PortThatWillNotOpenIsReportedAndNoEndsInTheReadFailure) {
  ScriptedPrompter prompts;
  prompts.answers = {QMessageBox::No};
  Window w;
  w.ports({});
  bool applied = false;
  QElapsedTimer clock;
  clock.start();
  EXPECT_FALSE(w.link.read([&](const ReadBuffer&) { applied = true; }));
  EXPECT_GE(clock.elapsed(), 2800);
  EXPECT_FALSE(applied);
  ASSERT_EQ(prompts.messages.size(), 2u);
  EXPECT_EQ(prompts.messages[0].icon, QMessageBox::Warning);
  EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Предупреждение"));
  EXPECT_EQ(prompts.messages[0].text,
            QStringLiteral("Не удается открыть порт COM1.\rВозможно, порт занят другим приложением или отключен "
                           "аппаратно.\rВыбрать другой COM-порт?"));
  EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
  expect_message(prompts.messages[1], link_text::kReadFailed);
  EXPECT_EQ(prompts.messages[1].text,
            QStringLiteral("Данные не считаны. Проверьте включена ли радиостанция и\rподключение кабеля "
                           "программатора."));
  EXPECT_TRUE(w.main.isEnabled());
  EXPECT_FALSE(w.link.progress().isVisible());
}

// Answers the programmer dialog, once it is up, by picking `item` and pressing Да.
void answer_dialog(TForm2& d, int item) {
  QTimer::singleShot(50, [&d, item] {
    ASSERT_EQ(QApplication::activeModalWidget(), &d);
    ASSERT_TRUE(d.isEnabled()) << "the dialog works while the main window is locked";
    d.port_items[static_cast<std::size_t>(item)]->click();
    d.Button1->click();
  });
}

TEST(ReadCommand, YesLeadsToTheDialogAndTheNewPortIsTriedAtOnce) {
  SimRadio sim;
  ScriptedPrompter prompts;
  prompts.answers = {QMessageBox::Yes, QMessageBox::Yes};
  Window w;
  w.main.show();
  w.ports({{3, sim.path()}});
  // COM1 fails, COM2 is chosen and fails too (the warning names COM2), COM3 is chosen and reads.
  QTimer::singleShot(0, [&] {
    answer_dialog(w.link.dialog(), 1);
  });
  int shown = 0;
  QObject::connect(&w.link.dialog(), &QDialog::finished, [&] {
    if (++shown == 1) answer_dialog(w.link.dialog(), 2);
  });
  EXPECT_TRUE(w.link.read({}));
  EXPECT_EQ(w.index, 2);
  EXPECT_EQ(w.mode, 1);
  ASSERT_EQ(prompts.messages.size(), 3u);
  EXPECT_TRUE(prompts.messages[0].text.startsWith(QStringLiteral("Не удается открыть порт COM1.")));
  EXPECT_TRUE(prompts.messages[1].text.startsWith(QStringLiteral("Не удается открыть порт COM2.")));
  expect_message(prompts.messages[2], link_text::kReadDone);
}

TEST(ComOpen, SamePortChosenAgainOrDialogLeftEndsWithThePortClosed) {
  ScriptedPrompter prompts;
  prompts.answers = {QMessageBox::Yes, QMessageBox::Yes};
  SerialPort port;
  std::int32_t index = 0;
  int dialogs = 0;
  auto resolve = [](int n) { return QStringLiteral("/dev/tirel-missing-%1").arg(n); };
  EXPECT_FALSE(com_open(port, index, resolve, [&] { ++dialogs; }));  // dialog left with Нет
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(prompts.messages.size(), 1u);
  EXPECT_FALSE(com_open(port, index, resolve, [&] { index = 0; }));  // same port confirmed
  EXPECT_EQ(prompts.messages.size(), 2u);
  EXPECT_FALSE(port.is_open());
}

TEST(WriteCommand, RefusalsAndFailuresHaveTheirOwnMessagesAndUnlockTheWindow) {
  struct Case {
    QStringList args;
    LinkMessage expected;
  };
  const Case cases[] = {
      {{"--model", "3"}, link_text::kUnsupportedModel},
      {{"--band", "2"}, link_text::kWrongBand},
      {{"--fault", "silent"}, link_text::kWriteFailed},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    SimRadio sim(c.args);
    ScriptedPrompter prompts;
    Window w;
    w.ports({{1, sim.path()}});
    const Blok b = new_blok(1);
    EXPECT_FALSE(w.link.write(b));
    ASSERT_EQ(prompts.messages.size(), 1u);
    expect_message(prompts.messages[0], c.expected);
    EXPECT_TRUE(w.main.isEnabled());
    EXPECT_FALSE(w.link.progress().isVisible());
    EXPECT_TRUE(sim.records().empty());
  }
  EXPECT_EQ(link_text::kUnsupportedModel.body_text(), QStringLiteral("Данная радиостанция не поддерживается\rПО Тирель-12."));
  EXPECT_EQ(link_text::kWrongBand.body_text(),
            QStringLiteral("Данная радиостанция не соответствует\rвыбранному диапазону частот"));
  EXPECT_EQ(link_text::kWriteFailed.body_text(),
            QStringLiteral("Данные не записаны. Проверьте включена ли радиостанция и\rподключение кабеля "
                           "программатора."));
}

TEST(WriteCommand, SuccessIsToldAfterTheWindowIsUnlocked) {
  SimRadio sim;
  ScriptedPrompter prompts;
  Window w;
  w.ports({{1, sim.path()}});
  w.main.show();
  bool told_while_free = false, progress_gone = false;
  prompts.while_shown = [&](const test::AskedMessage&) {
    told_while_free = w.main.isEnabled();
    progress_gone = !w.link.progress().isVisible();
  };
  EXPECT_TRUE(w.link.write(new_blok(1)));
  EXPECT_TRUE(told_while_free);
  EXPECT_TRUE(progress_gone);
  ASSERT_EQ(prompts.messages.size(), 1u);
  expect_message(prompts.messages[0], link_text::kWriteDone);
  EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Запись данных успешно завершена."));
  EXPECT_EQ(sim.records().size(), 56u);
}

TEST(UsbProgrammer, WithoutTheCableNothingIsExchangedAndNothingChanges) {
  ScriptedPrompter prompts;
  Window w;
  w.mode = 0;
  w.link.find_usb_port = [] { return std::nullopt; };
  bool applied = false;
  EXPECT_FALSE(w.link.read([&](const ReadBuffer&) { applied = true; }));
  EXPECT_FALSE(w.link.write(new_blok(1)));
  EXPECT_FALSE(applied);
  ASSERT_EQ(prompts.messages.size(), 2u);
  for (const auto& m : prompts.messages) expect_message(m, link_text::kUsbCableMissing);
  EXPECT_EQ(w.stop_polling, 0) << "the status panel goes on looking for the cable";
  EXPECT_TRUE(w.main.isEnabled());
}

TEST(UsbProgrammer, TheCablesOwnPortCarriesTheSameExchanges) {
  QTemporaryDir dir;
  Blok radio = test::patterned_blok(2, 4);
  SimRadio sim({"--memory", SimRadio::memory_file(dir, radio)});
  ScriptedPrompter prompts;
  Window w;
  w.mode = 0;
  w.ports({});  // no COM port would do
  const QString cable = sim.path();
  w.link.find_usb_port = [cable]() -> std::optional<QString> { return cable; };
  Blok mine = new_blok(1);
  std::uint8_t polling_during = 0;
  EXPECT_TRUE(w.link.read([&](const ReadBuffer& rb) {
    polling_during = w.stop_polling;
    apply_read(rb, mine);
  }));
  EXPECT_EQ(polling_during, 1) << "no look at the USB bus while the cable works";
  EXPECT_EQ(w.stop_polling, 0);
  EXPECT_EQ(record(mine, 20)[6], radio[record_offset(20) + 6]);
  EXPECT_TRUE(w.link.write(mine));
  ASSERT_EQ(prompts.messages.size(), 2u);
  expect_message(prompts.messages[0], link_text::kReadDone);
  expect_message(prompts.messages[1], link_text::kWriteDone);
}

}  // namespace
}  // namespace tirel
