// Times a read and a write against the simulated radio: wall time beside the line's floor,
// and the share of that time the program spent on the processor.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <cstdio>

#include "blok/default_blok.h"
#include "cpu_time.h"
#include "link/exchanges.h"
#include "link/serial_port.h"

namespace {

using tirel::test::cpu_seconds;

struct Quiet final : tirel::ProgressSink {
  void begin(tirel::Operation, int) override {}
  void advance(int, const QString&) override {}
};

template <typename F>
void measure(const char* what, double floor_s, const QString& device, F exchange) {
  tirel::SerialPort port;
  port.set_device(device);
  if (!port.open()) {
    std::printf("%s: cannot open %s\n", what, qPrintable(device));
    return;
  }
  tirel::LinkWaits waits;
  Quiet quiet;
  QElapsedTimer clock;
  clock.start();
  const double cpu0 = cpu_seconds();
  const tirel::ExchangeResult r = exchange(port, waits, quiet);
  const double wall = static_cast<double>(clock.nsecsElapsed()) / 1e9;
  const double cpu = cpu_seconds() - cpu0;
  std::printf("%-6s %s  wall %.3f s (floor %.2f s, +%.0f ms)  cpu %.3f s = %.2f%% of wall\n", what,
              r == tirel::ExchangeResult::ok ? "ok    " : "FAILED", wall, floor_s, (wall - floor_s) * 1000, cpu,
              100.0 * cpu / wall);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QProcess sim;
  sim.start(QCoreApplication::applicationDirPath() + "/../tirel12-sim", {});
  if (!sim.waitForStarted() || !sim.waitForReadyRead(5000)) {
    std::printf("simulator did not start\n");
    return 1;
  }
  const QString device = QString::fromUtf8(sim.readLine()).trimmed();
  tirel::ReadBuffer rb;
  measure("read", 684 * 10 / 9600.0, device,
          [&](tirel::Port& p, tirel::LinkWaits& w, tirel::ProgressSink& s) { return tirel::read_radio(p, w, s, rb); });
  const tirel::Blok b = tirel::new_blok(1);
  measure("write", 56 * 0.1, device,
          [&](tirel::Port& p, tirel::LinkWaits& w, tirel::ProgressSink& s) { return tirel::write_radio(p, w, s, b); });
  sim.terminate();
  sim.waitForFinished();
  return 0;
}
