#include "ui/channel_edit.h"

#include "blok/frequency.h"
#include "blok/subtone.h"
#include "prompt/prompter.h"
#include "ui/texts.h"
#include "ui/vvod.h"
#include "ui/vvod_tona.h"

namespace tirel {

void in_frq(Blok& b, int n, Dir d, BandLimits limits, TForm3& dialog) {
  dialog.setWindowTitle(QString::fromUtf8(d == Dir::rx ? text::kRxFrqCaption : text::kTxFrqCaption));
  dialog.exec();
  const FrqResult r = store_frq(b, n, d, dialog.frq, limits);
  if (r.what == FrqStore::out_of_range)
    prompter().message(dialog.parentWidget(), QMessageBox::Warning, QString::fromUtf8(text::kInputErrorCaption),
                       QString::fromUtf8(text::kFrqOutOfRange), QMessageBox::Ok);
  else if (r.what == FrqStore::stored)
    dialog.frq = r.stored_hz;
}

void in_tone(Blok& b, int n, Dir d, TForm4& dialog) {
  dialog.setWindowTitle(QString::fromUtf8(d == Dir::rx ? text::kRxToneCaption : text::kTxToneCaption));
  dialog.preset(tone_type(b, n, d), tone_value(b, n, d));
  dialog.exec();
  if (dialog.tone_ok != 1) return;
  const ToneStoreResult r = store_tone(b, n, d, dialog.choice());
  if (!r.ok)
    prompter().message(dialog.parentWidget(), QMessageBox::Warning, QString::fromUtf8(text::kInputErrorCaption),
                       QString::fromStdString(r.error) + QLatin1Char('\r') + QString::fromUtf8(text::kToneNotANumber),
                       QMessageBox::Ok);
}

}  // namespace tirel
