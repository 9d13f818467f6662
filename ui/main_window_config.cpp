// config.ini: read or created at start-up, written when the window closes.
#include <QDir>

#include "files/config_ini.h"
#include "prompt/prompter.h"
#include "ui/file_path.h"
#include "ui/main_window.h"
#include "ui/texts.h"
#include "prompt/window_place.h"

void TForm1::read_config() {
  tirel::Config c;
  c.programmer_mode = programmer_mode;
  c.port_index = port_index;
  c.x = 10;
  c.y = 10;
  tirel::FileResult r = tirel::read_or_create_config(tirel::to_path(config_path()), c);
  programmer_mode = c.programmer_mode;
  port_index = c.port_index;
  start_position_ = QPoint(c.x, c.y);
  if (!r.ok) warn_config_not_saved(QString::fromStdString(r.error));
}

// "Х" and "У" are the frame's left and top. A position that would leave the title bar out of
// reach (a monitor taken away, a hand-edited file) brings the window wholly onto the nearest screen.
void TForm1::place_at_start() {
  adjustSize();
  const QMargins m = tirel::expected_frame_margins(this);
  const QPoint p = tirel::reachable_frame_position(start_position_, size().grownBy(m), m.top(),
                                                   tirel::available_screen_areas());
  tirel::move_frame_to(this, p);
}

void TForm1::write_config_at_close() {
  tirel::Config c;
  c.programmer_mode = programmer_mode;
  c.port_index = port_index;
  // Where the frame is, title bar included: the next start puts the frame there again.
  const QPoint frame = frameGeometry().topLeft();
  c.x = frame.x();
  c.y = frame.y();
  tirel::FileResult r = tirel::write_config(tirel::to_path(config_path()), c);
  if (!r.ok) warn_config_not_saved(QString::fromStdString(r.error), true);
}

// A folder or file without write access costs the user only the remembered settings; the
// program says so once per run and goes on.
void TForm1::warn_config_not_saved(const QString& error, bool closing) {
  if (config_warned_) return;
  config_warned_ = true;
  tirel::prompter().message(isVisible() ? this : nullptr, QMessageBox::Warning,
                            QString::fromUtf8(tirel::text::kConfigCaption),
                            QString::fromUtf8(closing ? tirel::text::kConfigNotSavedAtClose : tirel::text::kConfigNotSaved)
                                .arg(QDir::toNativeSeparators(config_path()), error),
                            QMessageBox::Ok);
}
