// The programming software of the Тирель-12 radio.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

#include "blok/report_params.h"

#include "app/startup.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  // Answered before anything else: no lock, no window, no files.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("%s\n%s\n", tirel::kProgramLine, tirel::kVersionLine);
    return 0;
  }
  QApplication app(argc, argv);
  tirel::SingleInstance instance;
  tirel::StartupOptions options;
  options.working_folder = QDir::currentPath();
  std::unique_ptr<TForm1> main_window = tirel::start_program(instance, options);
  if (!main_window) return 1;
  main_window->show();
  return app.exec();
}
