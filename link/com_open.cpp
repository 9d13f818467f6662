#include "link/com_open.h"

#include <QEvent>

#include "link/messages.h"
#include "prompt/prompter.h"

namespace tirel {

bool com_open(SerialPort& port, const std::int32_t& port_index, const PortResolver& resolve,
              const std::function<void()>& choose_port) {
  for (;;) {
    const std::int64_t tried = static_cast<std::int64_t>(port_index) + 1;
    port.close();
    port.set_device(resolve(static_cast<int>(tried)));
    if (port.open()) return true;
    const auto answer =
        prompter().message(nullptr, QMessageBox::Warning, QString::fromUtf8(kPortWarningCaption),
                           port_warning_text(static_cast<int>(tried), port.refused() ? port.device() : QString()),
                           QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) choose_port();
    if (static_cast<std::int64_t>(port_index) + 1 == tried) return false;
  }
}

void WindowLock::blok_btn(QWidget* window) {
  if (!window) return;
  window_ = window;
  window->setEnabled(false);
  // The dialogs the window owns would go grey with it; they must stay usable.
  for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (child->isWindow()) child->setEnabled(true);
  window->installEventFilter(this);
}

void WindowLock::razblok_btn() {
  if (!window_) return;
  window_->removeEventFilter(this);
  window_->setEnabled(true);
  window_.clear();
}

bool WindowLock::eventFilter(QObject* watched, QEvent* e) {
  if (watched == window_ && e->type() == QEvent::Close) {
    e->ignore();
    return true;
  }
  return QObject::eventFilter(watched, e);
}

}  // namespace tirel
