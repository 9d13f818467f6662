// The programming software of the Тирель-12 radio.
#include <QApplication>
#include <QDir>

#include "app/startup.h"
#include "ui/main_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  tirel::SingleInstance instance;
  tirel::StartupOptions options;
  options.working_folder = QDir::currentPath();
  std::unique_ptr<TForm1> main_window = tirel::start_program(instance, options);
  if (!main_window) return 1;
  main_window->show();
  return app.exec();
}
