#pragma once
// Answers the next modal window of type T: `act` runs on it as soon as it is open.
#include <QApplication>
#include <QTimer>
#include <functional>

namespace tirel::test {

template <class T>
void when_modal(std::function<void(T*)> act) {
  auto* poll = new QTimer;
  auto tries = std::make_shared<int>(0);
  QObject::connect(poll, &QTimer::timeout, [poll, tries, act] {
    auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
    if (w && w->isVisible()) {
      poll->stop();
      poll->deleteLater();
      act(w);
    } else if (++*tries > 500) {  // 5 s: the window never came; the test's checks will say so
      poll->stop();
      poll->deleteLater();
    }
  });
  poll->start(10);
}

}  // namespace tirel::test
