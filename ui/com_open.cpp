#include "ui/com_open.h"

#include "link/texts.h"
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
        prompter().message(nullptr, QMessageBox::Warning, QString::fromUtf8(link_text::kPortWarningCaption),
                           link_text::port_warning_text(static_cast<int>(tried), port.refused() ? port.device() : QString()),
                           QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) choose_port();
    if (static_cast<std::int64_t>(port_index) + 1 == tried) return false;
  }
}

}  // namespace tirel
