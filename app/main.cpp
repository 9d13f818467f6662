// The programming software of the Тирель-12 radio.
#include <QApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

#include "blok/texts.h"

#include "app/file_handover.h"
#include "app/startup.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  // Answered before anything else: no lock, no window, no files.
  if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
    std::printf("%s\n%s\n", tirel::blok_text::kProgramLine, tirel::blok_text::kVersionLine);
    return 0;
  }
  QApplication app(argc, argv);
  tirel::SingleInstance instance;
  // Started with a file while a copy runs: that copy opens it, and this one ends quietly.
  const QString file = tirel::file_argument(QCoreApplication::arguments());
  if (!file.isEmpty() && !instance.acquire() && tirel::hand_over_file(tirel::handover_socket(), file)) return 0;
  tirel::StartupOptions options;
  options.working_folder = QDir::currentPath();
  std::unique_ptr<TForm1> main_window = tirel::start_program(instance, options);
  if (!main_window) return 1;
  tirel::FileReceiver receiver(tirel::handover_socket(),
                               [w = main_window.get()](const QString& f) { w->open_from_outside(f); });
  main_window->show();
  if (!file.isEmpty()) main_window->open_from_outside(file);
  return app.exec();
}
