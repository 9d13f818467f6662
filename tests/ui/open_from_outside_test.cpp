// Sets opened without the open dialog: a file named from outside (the command line, another
// copy of the program) and the list of recent files in "Файл".
#include "qstring_print.h"

#include <QDir>
#include <QFile>
#include <QMenuBar>

#include "blok/default_blok.h"
#include "edit_fixture.h"
#include "ui/recent_files_menu.h"
#include <QLineEdit>

#include "ui/vvod.h"

namespace tirel::test {
namespace {

class OpenFromOutside : public ShownWindowTest {
 protected:
  QString write_set(const QString& name, int band) {
    const QString p = path(QStringLiteral("Save/") + name);
    EXPECT_TRUE(write_file(p, blok_bytes(new_blok(band))));
    return p;
  }
  QStringList recent_items() const {
    QStringList items;
    for (QAction* a : window->menuBar()->actions()[0]->menu()->actions())
      if (a->objectName().startsWith(QLatin1String("Recent"))) items << a->text();
    return items;
  }
};

TEST_F(OpenFromOutside, AFileHandedOverOpensAsOpenWouldAfterTheSaveQuestion) {
  TForm1& w = *window;
  const QString file = write_set(QStringLiteral("handed.t12"), 4);
  click(2, 6);
  prompter.answers = {QMessageBox::No};
  w.open_from_outside(file);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.current_file_name() == file; }, 3000));
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].text, QString::fromUtf8("Параметры были изменены. Сохранить файл параметров?"));
  EXPECT_EQ(w.blok(), new_blok(4));
  EXPECT_EQ(w.ComboBox1->currentIndex(), 4);
  EXPECT_FALSE(item_enabled("Undo"));

  // A file that cannot be read is told as "Открыть" tells it, and the set stays.
  w.set_modified(false);
  w.open_from_outside(path(QStringLiteral("Save/none.t12")));
  ASSERT_TRUE(QTest::qWaitFor([&] { return prompter.messages.size() == 2u; }, 3000));
  EXPECT_TRUE(prompter.messages[1].text.startsWith(QString::fromUtf8("Не удалось открыть файл параметров")));
  EXPECT_EQ(w.current_file_name(), file);
}

TEST_F(OpenFromOutside, AFileHandedOverWaitsForAnOpenDialog) {
  TForm1& w = *window;
  const QString file = write_set(QStringLiteral("later.t12"), 2);
  bool opened_during_dialog = true;
  when_modal<TForm3>([&](TForm3* f) {
    w.open_from_outside(file);
    QTest::qWait(400);
    opened_during_dialog = w.current_file_name() == file;
    QTest::keyClicks(f->AdvEdit1, "151");
    QTest::keyClick(f->AdvEdit1, Qt::Key_Return);
  });
  click(1, 1);
  EXPECT_FALSE(opened_during_dialog);
  ASSERT_TRUE(QTest::qWaitFor([&] { return w.current_file_name() == file; }, 3000));
  EXPECT_EQ(w.blok(), new_blok(2));  // the entry went into the old set, not into this one
}

TEST_F(OpenFromOutside, RecentFilesAreListedKeptAndAGoneOneIsDropped) {
  TForm1& w = *window;
  const QString a = write_set(QStringLiteral("a.t12"), 0);
  const QString b = write_set(QStringLiteral("b.t12"), 5);
  prompter.open_names = {a, b};
  w.N3Click();
  w.N3Click();
  prompter.save_names = {path(QStringLiteral("Save/c.t12"))};
  w.N6Click();
  const QString c = path(QStringLiteral("Save/c.t12"));
  EXPECT_EQ(recent_items(), (QStringList{QStringLiteral("&1 ") + QDir::toNativeSeparators(c),
                                         QStringLiteral("&2 ") + QDir::toNativeSeparators(b),
                                         QStringLiteral("&3 ") + QDir::toNativeSeparators(a)}));
  w.findChild<QAction*>(QStringLiteral("Recent3"))->trigger();
  EXPECT_EQ(w.current_file_name(), a);
  EXPECT_EQ(w.blok(), new_blok(0));

  ASSERT_TRUE(QFile::remove(b));
  w.findChild<QAction*>(QStringLiteral("Recent3"))->trigger();
  ASSERT_EQ(prompter.messages.size(), 1u);
  EXPECT_EQ(prompter.messages[0].caption, QString::fromUtf8("Недавние файлы"));
  EXPECT_EQ(prompter.messages[0].text,
            QString::fromUtf8("Файл\r%1\rне найден. Он удалён из списка недавних файлов.").arg(QDir::toNativeSeparators(b)));
  EXPECT_EQ(w.current_file_name(), a);
  EXPECT_EQ(recent_items().size(), 2);

  // A path Windows-1251 cannot hold is not listed; the list survives the close.
  const QString greek = write_set(QString::fromUtf8("Ωmega.t12"), 1);
  prompter.open_names = {greek};
  w.N3Click();
  EXPECT_EQ(w.current_file_name(), greek);
  EXPECT_EQ(recent_items().size(), 2);
  window->close();
  window.reset();
  const QByteArray config = read_file(path(QStringLiteral("config.ini")));
  const QByteArray section("[\xCD\xE5\xE4\xE0\xE2\xED\xE8\xE5 \xF4\xE0\xE9\xEB\xFB]\r\n");
  EXPECT_TRUE(config.endsWith(section + "1=" + a.toLocal8Bit() + "\r\n2=" + c.toLocal8Bit() + "\r\n"))
      << config.toStdString();
  open_window();
  EXPECT_EQ(window->recent_files()->files(), (QStringList{a, c}));
}

}  // namespace
}  // namespace tirel::test
