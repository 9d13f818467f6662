// The band bar: the band list, its limits and the change of band.
#include <QComboBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>

#include "blok/default_blok.h"
#include "prompt/prompter.h"
#include "ui/main_window.h"
#include "ui/texts.h"

QWidget* TForm1::build_band_bar() {
  auto* bar = new QFrame(this);
  bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bar->setFixedHeight(34);
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(8, 2, 8, 2);
  auto* label = new QLabel(QString::fromUtf8(tirel::text::kBandLabel), bar);
  QFont bold = font();
  bold.setBold(true);
  label->setFont(bold);
  row->addWidget(label);

  ComboBox1 = new QComboBox(bar);
  ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
  for (const tirel::Band& band : tirel::kBands) ComboBox1->addItem(QString::fromUtf8(band.text));
  ComboBox1->setCurrentIndex(tirel::kStartupBand);
  ComboBox1->setFixedWidth(200);
  label->setBuddy(ComboBox1);
  // activated: only the user's pick runs the change handler, never a selection made by the program.
  connect(ComboBox1, &QComboBox::activated, this, [this](int) { ComboBox1Change(); });
  row->addWidget(ComboBox1);
  row->addStretch(1);
  return bar;
}

void TForm1::frq_set() {
  const int index = ComboBox1->currentIndex();
  if (auto limits = tirel::band_limits(index)) {
    limits_ = *limits;
    remembered_band_ = index;
  }
}

void TForm1::ComboBox1Change() {
  const int index = ComboBox1->currentIndex();
  if (index != remembered_band_) {
    const auto answer = tirel::prompter().message(
        this, QMessageBox::Warning, QString::fromUtf8(tirel::text::kBandQuestionCaption),
        QString::fromUtf8(tirel::text::kBandQuestion), QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::Yes) {
      frq_set();
      edit_step(QString::fromUtf8(tirel::text::kStepBand), [&] { blok_ = tirel::new_blok(index); });
      set_current_file_name({});
    } else {
      const QSignalBlocker quiet(ComboBox1);
      ComboBox1->setCurrentIndex(remembered_band_);
    }
  }
  print_wind_blok();
}

// An opened file or a read radio names its band by the band code. A code the list does not
// have leaves the list and the limits as they were, so entry keeps a sensible range.
void TForm1::select_band(int code) {
  if (code < 0 || code >= tirel::kBandCount) return;
  {
    const QSignalBlocker quiet(ComboBox1);
    ComboBox1->setCurrentIndex(code);
  }
  frq_set();
}
