#include "window_soak.h"

#include <QElapsedTimer>
#include <QFile>

#include "files/param_file.h"
#include "process_state.h"
#include "sim_process.h"
#include "ui/main_window.h"
#include "ui/progress.h"

namespace tirel::soak {

namespace {
QString radio_link_path(const QTemporaryDir& folder) { return folder.filePath(QStringLiteral("radio")); }
}  // namespace

WindowSoak::WindowSoak(const QString& sim_program) : sim_program_(sim_program) {
  // Every simulator of the soak links its terminal to the same name, so COM1 stays put.
  QFile ini(folder_.filePath(QStringLiteral("config.ini")));
  if (ini.open(QIODevice::WriteOnly)) ini.write("[Ports]\r\nCOM1=" + radio_link_path(folder_).toUtf8() + "\r\n");
  ini.close();
  window_ = std::make_unique<TForm1>(folder_.path());
  window_->create_dialogs();
  window_->show();
}

WindowSoak::~WindowSoak() = default;

Outcome WindowSoak::run(Op op, const Fault& f, std::mt19937& rng) {
  TForm1& w = *window_;
  Outcome o;
  o.via = QStringLiteral("window");
  o.op = op;
  o.fault = QString::fromLatin1(f.name);

  // The radio holds what the window shows, so a write meets its own band unless told otherwise.
  const QString memory = folder_.filePath(QStringLiteral("memory.t12"));
  if (const FileResult saved = save_param_file(memory.toStdString(), w.blok()); !saved.ok) {
    o.problem = QString::fromStdString(saved.error);
    return o;
  }
  QStringList args = {QStringLiteral("--link"), radio_link_path(folder_), QStringLiteral("--memory"), memory};
  args << sim_arguments(f, rng);
  o.sim_args = args.mid(4).join(QLatin1Char(' '));
  SimProcess sim(sim_program_, args);
  const QString terminal = sim.start_and_wait();
  if (terminal.isEmpty()) {
    o.problem = QStringLiteral("the simulator did not start");
    return o;
  }

  // The radio holds the window's own set, so no exchange, good or bad, may change the blok.
  const Blok before = w.blok();
  prompts_.messages.clear();
  QElapsedTimer clock;
  clock.start();
  if (op == Op::read) w.N12Click();
  else w.N13Click();
  o.seconds = clock.elapsed() / 1000.0;

  const LinkMessage& want = expected_message(f, op);
  if (prompts_.messages.size() == 1) {
    const test::AskedMessage& m = prompts_.messages.front();
    o.message = m.text;
    o.right_message = m.text == want.body_text() && m.caption == want.caption_text() &&
                     m.icon == (want.icon == LinkMessage::Icon::information ? QMessageBox::Information : QMessageBox::Warning);
  } else {
    o.message = QStringLiteral("%1 messages").arg(prompts_.messages.size());
  }
  o.window_enabled = w.isEnabled();
  o.port_closed = !holds_open(terminal);
  if (w.Form10->isVisible()) o.problem = QStringLiteral("the progress window stayed up");
  if (w.blok() != before) o.problem = QStringLiteral("the blok changed");
  sim.stop();
  return o;
}

}  // namespace tirel::soak
