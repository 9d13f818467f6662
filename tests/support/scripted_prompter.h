#pragma once
// A prompter for tests: records every question and answers from a script.
#include <deque>
#include <functional>
#include <vector>

#include "prompt/prompter.h"

namespace tirel::test {

struct AskedMessage {
  QMessageBox::Icon icon;
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons;
};

class ScriptedPrompter final : public Prompter {
 public:
  ScriptedPrompter() { set_prompter(this); }
  ~ScriptedPrompter() override { set_prompter(nullptr); }

  // Answers for message boxes, in order; with none left, Yes/No questions get No and others OK.
  std::deque<QMessageBox::StandardButton> answers;
  std::deque<QString> open_names;  // empty string = Cancel
  std::deque<QString> save_names;
  std::deque<QString> save_kinds;  // the filter chosen in a dialog offering several; none = the first
  std::vector<AskedMessage> messages;
  // Runs while a message is "on the screen", to look at what the program has done by then.
  std::function<void(const AskedMessage&)> while_shown;
  int open_dialogs = 0;
  int save_dialogs = 0;
  QString last_dir, last_filter, last_suffix;

  QMessageBox::StandardButton message(QWidget*, QMessageBox::Icon icon, const QString& caption, const QString& text,
                                      QMessageBox::StandardButtons buttons) override {
    messages.push_back({icon, caption, text, buttons});
    if (while_shown) while_shown(messages.back());
    if (!answers.empty()) {
      auto a = answers.front();
      answers.pop_front();
      return a;
    }
    return buttons.testFlag(QMessageBox::No) ? QMessageBox::No : QMessageBox::Ok;
  }

  QString open_file_name(QWidget*, const QString& dir, const QString& filter) override {
    ++open_dialogs;
    last_dir = dir;
    last_filter = filter;
    return take(open_names);
  }

  QString save_file_name(QWidget*, const QString& dir, const QString& filter, const QString& suffix) override {
    ++save_dialogs;
    last_dir = dir;
    last_filter = filter;
    last_suffix = suffix;
    return take(save_names);
  }

  QString save_file_name_of_kind(QWidget* parent, const QString& dir, const QString& filters, const QString& suffix,
                                 QString& chosen) override {
    chosen = save_kinds.empty() ? filters.section(QStringLiteral(";;"), 0, 0) : take(save_kinds);
    return save_file_name(parent, dir, filters, suffix);
  }

 private:
  static QString take(std::deque<QString>& q) {
    if (q.empty()) return {};
    QString s = q.front();
    q.pop_front();
    return s;
  }
};

}  // namespace tirel::test
