#pragma once
// A main window in a folder of its own whose config.ini puts COM1 on the simulated radio.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "ui/main_window.h"

namespace tirel::test {

struct WindowOnSim {
  QTemporaryDir folder;
  std::unique_ptr<TForm1> window;
  explicit WindowOnSim(const QString& com1) {
    QFile ini(folder.filePath("config.ini"));
    EXPECT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("[Ports]\r\nCOM1=" + com1.toUtf8() + "\r\n");
    ini.close();
    window = std::make_unique<TForm1>(folder.path());
    window->create_dialogs();
  }
};

}  // namespace tirel::test
