#include "ui/radio_link.h"

#include <QDir>

#include "link/port_names.h"
#include "link/texts.h"
#include "prompt/prompter.h"

namespace tirel {
namespace {

void show_message(const LinkMessage& m) {
  const auto icon = m.icon == LinkMessage::Icon::information ? QMessageBox::Information : QMessageBox::Warning;
  prompter().message(nullptr, icon, m.caption_text(), m.body_text(), QMessageBox::Ok);
}

}  // namespace

RadioLink::RadioLink(QWidget* main_window, std::int32_t& programmer_mode, std::int32_t& port_index,
                     std::uint8_t& stop_usb_polling)
    : resolve_port([](int n) { return port_device_from_config(n, QDir::currentPath()); }),
      find_usb_port([] { return find_usb_programmer_port(); }),
      window_(main_window),
      programmer_mode_(programmer_mode),
      port_index_(port_index),
      stop_usb_polling_(stop_usb_polling),
      dialog_(main_window),
      progress_(std::make_unique<TForm10>(main_window)) {
  dialog_.bind(&programmer_mode_, &port_index_);
}

bool RadioLink::open_port() {
  if (programmer_mode_ != 0) {
    // A port that stayed closed sends nothing, so the exchange ends in its own time-out.
    (void)com_open(port_, port_index_, resolve_port, [this] { choose_programmer(); });
    return true;
  }
  // The USB cable is a serial port of its own; it is found by its description, not by number.
  const auto device = find_usb_port ? find_usb_port() : std::nullopt;
  if (!device) {
    show_message(link_text::kUsbCableMissing);
    return false;
  }
  port_.close();
  port_.set_device(*device);
  (void)port_.open();
  return true;
}

bool RadioLink::framed(Operation op, bool tell_success, const std::function<ExchangeResult()>& exchange,
                       const std::function<void()>& apply) {
  lock_.blok_btn(window_);
  const std::uint8_t polling = stop_usb_polling_;
  if (programmer_mode_ == 0) stop_usb_polling_ = 1;  // no look at the USB bus while the cable works
  std::optional<ExchangeResult> r;                  // none when the exchange could not begin
  if (open_port()) r = exchange();
  const bool ok = r == ExchangeResult::ok;
  const LinkMessage* told = r && (!ok || tell_success) ? &link_text::end_message(op, *r) : nullptr;
  // A read tells its success as its last step before the window is free again; a write after.
  const bool told_when_free = ok && op == Operation::write;
  if (ok) {
    progress_->hide();
    if (apply) apply();
  }
  // A failure is told with the progress window, if it came up, still behind the message.
  if (told && !told_when_free) show_message(*told);
  progress_->hide();
  port_.close();
  stop_usb_polling_ = polling;
  lock_.razblok_btn();
  if (told && told_when_free) show_message(*told);
  return ok;
}

bool RadioLink::read(const std::function<void(const ReadBuffer&)>& apply) {
  return framed(
      Operation::read, true, [this] { return read_radio(port_, waits_, *progress_, read_buffer_); },
      [&] {
        if (apply) apply(read_buffer_);
      });
}

bool RadioLink::read_for_check(const std::function<void(const ReadBuffer&)>& check) {
  ReadBuffer scratch;
  return framed(
      Operation::read, false, [&] { return read_radio(port_, waits_, *progress_, scratch); },
      [&] {
        if (check) check(scratch);
      });
}

bool RadioLink::write(const Blok& b) {
  return framed(Operation::write, true, [&] { return write_radio(port_, waits_, *progress_, b); }, {});
}

void RadioLink::choose_programmer() { dialog_.exec(); }

}  // namespace tirel
