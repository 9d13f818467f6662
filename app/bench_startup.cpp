// Start-up time and memory: from process start to the main window first shown and painted,
// and the peak resident memory. Runs five fresh processes and prints each and the median.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "app/startup.h"
#include "ui/main_window.h"

namespace {

double ms_since_process_start() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), {});
  std::istringstream rest(text.substr(text.rfind(')') + 2));
  std::string field;
  for (int i = 3; i <= 22; ++i) rest >> field;  // field 22: start time in clock ticks after boot
  const double started = std::stod(field) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6 - started;
}

long peak_kb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
  return -1;
}

class FirstPaint : public QObject {
 public:
  double shown = -1, painted = -1;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Show && shown < 0) shown = ms_since_process_start();
    if (e->type() == QEvent::Paint && painted < 0) {
      painted = ms_since_process_start();
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }
};

int run_once(int argc, char** argv) {
  if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  QTemporaryDir folder;
  QDir::setCurrent(folder.path());
  tirel::SingleInstance instance(QStringLiteral("tirel12-startup-bench-%1").arg(getpid()));
  tirel::StartupOptions options;
  options.working_folder = QDir::currentPath();
  auto window = tirel::start_program(instance, options);
  if (!window) return 1;
  FirstPaint probe;
  window->installEventFilter(&probe);
  window->show();
  QTimer::singleShot(3000, &app, &QCoreApplication::quit);
  app.exec();
  std::printf("%.1f %.1f %ld\n", probe.shown, probe.painted, peak_kb());
  window.reset();
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string(argv[1]) == "--once") return run_once(argc, argv);
  constexpr int kRuns = 5;
  std::vector<double> shown, painted;
  std::vector<long> peak;
  const std::string command = std::string("'") + argv[0] + "' --once";
  for (int i = 0; i < kRuns; ++i) {
    FILE* p = popen(command.c_str(), "r");
    double s = -1, pt = -1;
    long kb = -1;
    if (!p || std::fscanf(p, "%lf %lf %ld", &s, &pt, &kb) != 3) {
      std::fprintf(stderr, "start-up run %d failed\n", i + 1);
      if (p) pclose(p);
      return 1;
    }
    pclose(p);
    std::printf("run %d: window shown %.0f ms, first painted %.0f ms, peak memory %.1f MB\n", i + 1, s, pt,
                static_cast<double>(kb) / 1024.0);
    shown.push_back(s);
    painted.push_back(pt);
    peak.push_back(kb);
  }
  auto median = [](auto v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
  };
  std::printf("median: window shown %.0f ms (goal < 250 ms), first painted %.0f ms, peak memory %.1f MB (goal < 80 MB)\n",
              median(shown), median(painted), static_cast<double>(median(peak)) / 1024.0);
  return 0;
}
