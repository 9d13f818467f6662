#include "cli_soak.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "blok/default_blok.h"
#include "files/param_file.h"
#include "sim_process.h"

namespace tirel::soak {

struct CliSoak::Run {
  Outcome outcome;
  const Fault* fault = nullptr;
  QStringList sim_args;
  QTemporaryDir dir;
  std::unique_ptr<SimProcess> sim;
  QProcess cli;
  QElapsedTimer clock;
};

CliSoak::CliSoak(const QString& sim_program, const QString& cli_program, int jobs,
                 std::function<void(const Outcome&)> done)
    : sim_program_(sim_program), cli_program_(cli_program), jobs_(std::max(1, jobs)), done_(std::move(done)) {}

CliSoak::~CliSoak() = default;

void CliSoak::add(Op op, const Fault& f, std::mt19937& rng) {
  auto run = std::make_unique<Run>();
  run->outcome.via = QStringLiteral("cli");
  run->outcome.op = op;
  run->outcome.fault = QString::fromLatin1(f.name);
  run->fault = &f;
  run->sim_args = sim_arguments(f, rng);
  run->outcome.sim_args = run->sim_args.join(QLatin1Char(' '));
  waiting_.push_back(std::move(run));
  QTimer::singleShot(0, [this] { start_more(); });
}

void CliSoak::start_more() {
  while (running_ < jobs_ && !waiting_.empty()) {
    active_.push_back(std::move(waiting_.front()));
    waiting_.pop_front();
    Run* run = active_.back().get();
    ++running_;

    // The set a write sends is also the radio's own memory, so the bands agree.
    const QString set = run->dir.filePath(QStringLiteral("set.t12"));
    if (!save_param_file(set.toStdString(), new_blok(1)).ok) {
      Outcome o = run->outcome;
      o.problem = QStringLiteral("cannot write ") + set;
      QTimer::singleShot(0, [this, run, o] { finish(run, o); });
      continue;
    }
    QStringList args = {QStringLiteral("--memory"), set};
    args << run->sim_args;
    run->sim = std::make_unique<SimProcess>(sim_program_, args);
    run->sim->start([this, run, set](const QString& terminal) {
      if (terminal.isEmpty()) {
        Outcome o = run->outcome;
        o.problem = QStringLiteral("the simulator did not start");
        QTimer::singleShot(0, [this, run, o] { finish(run, o); });
        return;
      }
      QStringList cli_args;
      if (run->outcome.op == Op::read)
        cli_args << QStringLiteral("read") << QStringLiteral("--port") << terminal << QStringLiteral("-o")
                 << run->dir.filePath(QStringLiteral("read.t12"));
      else
        cli_args << QStringLiteral("write") << QStringLiteral("--port") << terminal << set;
      QObject::connect(&run->cli, &QProcess::finished, &run->cli, [this, run](int code, QProcess::ExitStatus status) {
        Outcome o = run->outcome;
        o.seconds = run->clock.elapsed() / 1000.0;
        const QString out = QString::fromUtf8(run->cli.readAllStandardOutput());
        QString err = QString::fromUtf8(run->cli.readAllStandardError());
        // The error stream also carries the progress bar, redrawn in place; the message is its last line.
        err = err.trimmed().section(QLatin1Char('\n'), -1);
        const LinkMessage& want = expected_message(*run->fault, o.op);
        const bool good_end = expected_result(*run->fault, o.op) == ExchangeResult::ok;
        // The command line also says why an exchange failed.
        const QString text = QString::fromStdString(want.one_line());
        const QString reason = QString::fromUtf8(link_text::failure_reason(expected_result(*run->fault, o.op)));
        o.message = good_end ? out.trimmed() : err.trimmed();
        o.right_message = status == QProcess::NormalExit && (code == 0) == good_end && o.message.contains(text) &&
                          o.message.contains(reason);
        if (status != QProcess::NormalExit) o.problem = QStringLiteral("tirel12-cli crashed");
        // The radio held the default set of band 1; a good read brings exactly that back.
        Blok got{};
        const bool read_back =
            load_param_file(run->dir.filePath(QStringLiteral("read.t12")).toStdString(), got).ok && got == new_blok(1);
        if (good_end && o.op == Op::read && !read_back) o.problem = QStringLiteral("the file read is not the radio's set");
        if (!good_end && o.op == Op::read && QFile::exists(run->dir.filePath(QStringLiteral("read.t12"))))
          o.problem = QStringLiteral("a failed read left a file");
        QTimer::singleShot(0, [this, run, o] { finish(run, o); });
      });
      QObject::connect(&run->cli, &QProcess::errorOccurred, &run->cli, [this, run](QProcess::ProcessError e) {
        if (e != QProcess::FailedToStart) return;
        Outcome o = run->outcome;
        o.problem = QStringLiteral("tirel12-cli did not start");
        QTimer::singleShot(0, [this, run, o] { finish(run, o); });
      });
      // No exchange lasts half a minute; one that does is stuck.
      QTimer::singleShot(30000, &run->cli, [run] {
        if (run->cli.state() != QProcess::NotRunning) run->cli.kill();
      });
      run->clock.start();
      run->cli.start(cli_program_, cli_args);
    });
  }
}

void CliSoak::finish(Run* run, Outcome o) {
  run->sim.reset();
  --running_;
  const auto it = std::find_if(active_.begin(), active_.end(), [run](const auto& r) { return r.get() == run; });
  if (it != active_.end()) active_.erase(it);
  done_(o);
  start_more();
}

}  // namespace tirel::soak
