#pragma once
// A main window on a fresh working folder, with every question answered by the test.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFile>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "scripted_prompter.h"
#include "ui/main_window.h"

namespace tirel::test {

inline QByteArray read_file(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

inline bool write_file(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  return f.write(bytes) == bytes.size();
}

inline QByteArray blok_bytes(const Blok& b) {
  return QByteArray(reinterpret_cast<const char*>(b.data()), static_cast<qsizetype>(b.size()));
}

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    folder = dir.path();
  }

  TForm1& open_window() {
    window = std::make_unique<TForm1>(folder);
    return *window;
  }

  QString path(const QString& name) const { return folder + QLatin1Char('/') + name; }

  // Picks entry `index` of a list the way the user does, with the arrow keys on the closed
  // list; an entry already shown is left and chosen again.
  static void pick(QComboBox* list, int index) {
    if (list->currentIndex() == index) QTest::keyClick(list, index > 0 ? Qt::Key_Up : Qt::Key_Down);
    const int from = list->currentIndex();
    for (int i = from; i < index; ++i) QTest::keyClick(list, Qt::Key_Down);
    for (int i = from; i > index; --i) QTest::keyClick(list, Qt::Key_Up);
  }

  // Chooses entry `index` in the open list, as a click in its drop-down does.
  static void choose(QComboBox* list, int index) {
    list->setCurrentIndex(index);
    emit list->activated(index);
  }

  QTemporaryDir dir;
  QString folder;
  ScriptedPrompter prompter;  // declared before the window so it outlives it
  std::unique_ptr<TForm1> window;
};

}  // namespace tirel::test
