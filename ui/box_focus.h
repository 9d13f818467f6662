#pragma once
// Calls back when a widget receives the input focus from the user, by a mouse press or the Tab
// key, the way a channel check box marks the parameter set as edited. Focus coming back with
// the window or set by the program does not count.
#include <QObject>
#include <functional>

class QWidget;

namespace tirel {

class BoxFocusFilter : public QObject {
  Q_OBJECT

 public:
  BoxFocusFilter(QWidget* box, std::function<void()> on_enter);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  std::function<void()> on_enter_;
};

}  // namespace tirel
