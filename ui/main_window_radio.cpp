// Radio commands and the programmer status: read, write, programmer choice, status tick.
#include <QTimer>

#include "ui/texts.h"
#include "ui/main_window.h"
#include "ui/radio_link.h"

void TForm1::N12Click() {
  if (!radio_) return;
  edit_step(QString::fromUtf8(tirel::text::kStepRead), [&] {
    radio_->read([this](const tirel::ReadBuffer& rb) {
      tirel::apply_read(rb, blok_);
      if (const auto band = tirel::answered_band(rb))
        select_band(*band);
      else
        frq_set();
      print_wind_blok();
      // The copy is on disk before the user is told the read worked.
      back_up(true);
    });
  });
}

void TForm1::N13Click() {
  if (!radio_) return;
  back_up(false);
  radio_->write(blok_);
}

void TForm1::N18Click() {
  if (radio_) radio_->choose_programmer();
}

void TForm1::Timer1Timer() {
  if (Timer1) Timer1->start();  // the next tick a second after this one began
  set_programmer_status(programmer_tick_.tick(programmer_mode, port_index, stop_usb_polling != 0, status_blink,
                                              programmer_status()));
}
