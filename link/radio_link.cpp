#include "link/radio_link.h"

#include <QDir>

#include "link/messages.h"
#include "link/port_names.h"

namespace tirel {

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
    show_message(msg::kUsbCableMissing);
    return false;
  }
  port_.close();
  port_.set_device(*device);
  (void)port_.open();
  return true;
}

bool RadioLink::read(const std::function<void(const ReadBuffer&)>& apply) {
  return run_read(read_buffer_, [&](const ReadBuffer& rb) {
    if (apply) apply(rb);
    show_message(msg::kReadDone);
  });
}

bool RadioLink::read_for_check(const std::function<void(const ReadBuffer&)>& check) {
  ReadBuffer scratch;
  return run_read(scratch, check);
}

bool RadioLink::run_read(ReadBuffer& rb, const std::function<void(const ReadBuffer&)>& done) {
  lock_.blok_btn(window_);
  const std::uint8_t polling = stop_usb_polling_;
  if (programmer_mode_ == 0) stop_usb_polling_ = 1;  // no look at the USB bus while the cable works
  bool ok = false;
  if (open_port()) {
    ok = read_radio(port_, waits_, *progress_, rb) == ExchangeResult::ok;
    if (ok) {
      progress_->hide();
      if (done) done(rb);
    } else {
      show_message(msg::kReadFailed);
      progress_->hide();
    }
  }
  port_.close();
  stop_usb_polling_ = polling;
  lock_.razblok_btn();
  return ok;
}

bool RadioLink::write(const Blok& b) {
  lock_.blok_btn(window_);
  const std::uint8_t polling = stop_usb_polling_;
  if (programmer_mode_ == 0) stop_usb_polling_ = 1;
  ExchangeResult r = ExchangeResult::failed;
  if (open_port()) {
    r = write_radio(port_, waits_, *progress_, b);
    if (r == ExchangeResult::ok) {
      progress_->hide();
    } else {
      switch (r) {
        case ExchangeResult::unsupported_model: show_message(msg::kUnsupportedModel); break;
        case ExchangeResult::wrong_band: show_message(msg::kWrongBand); break;
        default: show_message(msg::kWriteFailed); break;
      }
      progress_->hide();
    }
  }
  port_.close();
  stop_usb_polling_ = polling;
  lock_.razblok_btn();
  if (r == ExchangeResult::ok) show_message(msg::kWriteDone);
  return r == ExchangeResult::ok;
}

void RadioLink::choose_programmer() { dialog_.exec(); }

}  // namespace tirel
