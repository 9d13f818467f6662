#pragma once
// blok_btn / razblok_btn: the main window, its menu, tool bar and pages take no input, and
// it cannot be closed, while the radio is talked to. Its dialogs and message boxes still work.
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace tirel {

class WindowLock final : public QObject {
 public:
  void blok_btn(QWidget* window);
  void razblok_btn();
  bool locked() const { return !window_.isNull(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  QPointer<QWidget> window_;
};

}  // namespace tirel
