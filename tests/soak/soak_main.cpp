// tirel12-soak: hundreds of reads and writes against simulated radios that fail in every way
// the simulator knows, through the command-line tool and through the main window's commands.
// Tells how each fault ended, what the program's memory did, and exits 1 on any wrong end.
#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "cli_soak.h"
#include "process_state.h"
#include "window_soak.h"

namespace {

using namespace tirel::soak;

struct Plan {
  Op op;
  const Fault* fault;
};

void print_outcome(int done, int total, const Outcome& o) {
  std::printf("[%3d/%d] %-6s %-5s %-24s %5.1fs  %s%s\n", done, total, o.via.toUtf8().constData(), op_name(o.op),
              (o.sim_args.isEmpty() ? QStringLiteral("(no fault)") : o.sim_args).toUtf8().constData(), o.seconds,
              o.sound() ? "ok" : "WRONG: ", o.sound() ? "" : o.message.left(60).replace(QLatin1Char('\r'), QLatin1Char(' ')).toUtf8().constData());
  if (!o.sound()) {
    if (!o.window_enabled) std::printf("        the window stayed disabled\n");
    if (!o.port_closed) std::printf("        the port stayed open\n");
    if (!o.problem.isEmpty()) std::printf("        %s\n", o.problem.toUtf8().constData());
  }
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QElapsedTimer elapsed;
  elapsed.start();
  QCommandLineParser args;
  args.setApplicationDescription(QStringLiteral("Reads and writes against misbehaving simulated radios."));
  args.addHelpOption();
  args.addOption({QStringLiteral("count"), QStringLiteral("exchanges in all (default 300)"), QStringLiteral("n"), QStringLiteral("300")});
  args.addOption({QStringLiteral("window-share"), QStringLiteral("percent run through the window (default 50)"),
                  QStringLiteral("p"), QStringLiteral("50")});
  args.addOption({QStringLiteral("jobs"), QStringLiteral("command-line runs at a time (default 3)"), QStringLiteral("n"), QStringLiteral("3")});
  args.addOption({QStringLiteral("seed"), QStringLiteral("random seed (default: from the clock)"), QStringLiteral("n")});
  args.addOption({QStringLiteral("sim"), QStringLiteral("simulator"), QStringLiteral("path"), QStringLiteral(TIREL_SIM)});
  args.addOption({QStringLiteral("cli"), QStringLiteral("command-line tool"), QStringLiteral("path"), QStringLiteral(TIREL_CLI)});
  args.process(app);

  const int total = std::max(2, args.value(QStringLiteral("count")).toInt());
  const int window_runs = std::clamp(total * args.value(QStringLiteral("window-share")).toInt() / 100, 2, total);
  const auto seed = args.isSet(QStringLiteral("seed"))
                        ? args.value(QStringLiteral("seed")).toUInt()
                        : static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
  std::mt19937 rng(seed);
  std::printf("soak: %d exchanges, %d through the window, %d through tirel12-cli; seed %u\n", total, window_runs,
              total - window_runs, seed);

  const auto& all = faults();
  std::uniform_int_distribution<std::size_t> pick_fault(0, all.size() - 1);
  std::bernoulli_distribution pick_write(0.5);
  auto random_plan = [&] { return Plan{pick_write(rng) ? Op::write : Op::read, &all[pick_fault(rng)]}; };

  Tally tally;
  int done = 0;
  CliSoak cli(args.value(QStringLiteral("sim")), args.value(QStringLiteral("cli")), args.value(QStringLiteral("jobs")).toInt(),
              [&](const Outcome& o) {
                tally.add(o);
                print_outcome(++done, total, o);
              });

  const long rss_before = resident_kb();
  WindowSoak window(args.value(QStringLiteral("sim")));
  auto run_window = [&](const Plan& p) {
    const Outcome o = window.run(p.op, *p.fault, rng);
    tally.add(o);
    print_outcome(++done, total, o);
  };
  // A good read and a good write first: what they load once (fonts, the progress window's
  // paint, the serial port's plumbing) is not growth.
  run_window({Op::read, &all[0]});
  run_window({Op::write, &all[0]});
  QApplication::processEvents();
  const long rss_start = resident_kb();
  const int files_start = open_files();

  // The command-line runs go on in the background while the window waits for its radios.
  for (int i = window_runs; i < total; ++i) {
    const Plan p = random_plan();
    cli.add(p.op, *p.fault, rng);
  }
  for (int i = 2; i < window_runs; ++i) {
    run_window(random_plan());
    QApplication::processEvents();
  }
  while (!cli.idle()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  QApplication::processEvents();
  const long rss_end = resident_kb();
  const int files_end = open_files();

  tally.print();
  // Heap fragmentation and Qt's caches move by a few hundred kilobytes; a leak per exchange
  // over this many exchanges does not hide under a megabyte.
  const long growth = rss_end - rss_start;
  const bool memory_ok = growth < 1024;
  std::printf("\nmemory (RSS): %ld kB before the window, %ld kB after the first read and write, %ld kB at the end "
              "(%+ld kB) %s\n",
              rss_before, rss_start, rss_end, growth, memory_ok ? "ok" : "GREW");
  std::printf("open files:   %d after the first read and write, %d at the end %s\n", files_start, files_end,
              files_end <= files_start ? "ok" : "MORE");
  std::printf("wrong ends:   %d of %d, in %.0f s\n", tally.wrong(), total, elapsed.elapsed() / 1000.0);
  return tally.wrong() == 0 && memory_ok && files_end <= files_start ? 0 : 1;
}
