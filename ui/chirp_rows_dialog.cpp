#include "ui/chirp_rows_dialog.h"

#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ui/dialog_place.h"
#include "ui/qs.h"
#include "ui/texts.h"

using namespace tirel;

namespace {

enum Column { kTick, kLocation, kName, kRx, kTx, kRxTone, kTxTone, kWidth, kRemark, kColumns };

QString joined(const std::vector<std::string>& parts) {
  QStringList list;
  for (const std::string& p : parts) list << qs(p);
  return list.join(QStringLiteral("; "));
}

}  // namespace

ChirpRowsDialog::ChirpRowsDialog(const chirp::List& list, const QString& file_name, QWidget* parent)
    : QDialog(parent),
      table_(new QTableWidget(static_cast<int>(list.rows.size()), kColumns, this)),
      first_(new QSpinBox(this)),
      count_(new QLabel(this)),
      import_(new QPushButton(qs(text::kChirpImportButton), this)) {
  setObjectName(QStringLiteral("ChirpRows"));
  setWindowTitle(qs(text::kChirpRowsCaption));
  setFont(dialog_font());

  auto* intro = new QLabel(qs(text::kChirpRowsIntro).arg(QDir::toNativeSeparators(file_name)), this);
  intro->setWordWrap(true);

  QStringList headings;
  for (const char* h : text::kChirpRowsHeadings) headings << qs(h);
  table_->setHorizontalHeaderLabels(headings);
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionMode(QAbstractItemView::NoSelection);
  const auto initial = chirp::default_choice(list, 1);
  for (int r = 0; r < table_->rowCount(); ++r) {
    const chirp::Row& row = list.rows[static_cast<std::size_t>(r)];
    auto* tick = new QTableWidgetItem(QString::number(row.line));
    const bool ok = row.importable();
    tick->setFlags(ok ? Qt::ItemIsEnabled | Qt::ItemIsUserCheckable : Qt::NoItemFlags);
    const bool on = std::find(initial.begin(), initial.end(), static_cast<std::size_t>(r)) != initial.end();
    tick->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    table_->setItem(r, kTick, tick);
    const QString cells[] = {
        qs(row.location),
        qs(row.name),
        ok ? qs(chirp::frequency_text(row.rx_hz)) : QString(),
        ok ? (row.tx_off ? qs(text::kChirpTxOff) : qs(chirp::frequency_text(row.tx_hz))) : QString(),
        ok ? qs(chirp::tone_text(row.rx_tone)) : QString(),
        ok ? qs(chirp::tone_text(row.tx_tone)) : QString(),
        ok ? qs(row.narrow ? text::kChirpNarrow : text::kChirpWide) : QString(),
        ok ? joined(row.notes) : joined(row.refusals),
    };
    for (int c = kLocation; c < kColumns; ++c) {
      auto* item = new QTableWidgetItem(cells[c - kLocation]);
      if (c == kRemark) item->setToolTip(cells[c - kLocation]);
      if (!ok) item->setForeground(QColor(0xA0, 0x00, 0x00));
      table_->setItem(r, c, item);
    }
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);
  connect(table_, &QTableWidget::itemChanged, this, &ChirpRowsDialog::row_ticked);

  first_->setRange(1, kChannelCount);
  first_->setObjectName(QStringLiteral("FirstChannel"));
  connect(first_, &QSpinBox::valueChanged, this, [this] { show_count(); });
  auto* cancel = new QPushButton(qs(text::kChirpCancelButton), this);
  import_->setDefault(true);
  connect(import_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(new QLabel(qs(text::kChirpFirstChannel), this));
  bottom->addWidget(first_);
  bottom->addWidget(count_, 1);
  bottom->addWidget(import_);
  bottom->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(intro);
  layout->addWidget(table_, 1);
  layout->addLayout(bottom);
  resize(900, 480);
  show_count();
}

std::vector<std::size_t> ChirpRowsDialog::chosen() const {
  std::vector<std::size_t> rows;
  for (int r = 0; r < table_->rowCount(); ++r)
    if (table_->item(r, kTick)->checkState() == Qt::Checked) rows.push_back(static_cast<std::size_t>(r));
  return rows;
}

int ChirpRowsDialog::first_channel() const { return first_->value(); }

void ChirpRowsDialog::row_ticked(QTableWidgetItem* item) {
  if (item->column() != kTick || item->checkState() != Qt::Checked) return show_count();
  const int room = chirp::channels_from(first_channel());
  if (static_cast<int>(chosen().size()) <= room) return show_count();
  const QSignalBlocker quiet(table_);
  item->setCheckState(Qt::Unchecked);
  show_count(qs(text::kChirpNoRoom).arg(room).arg(first_channel()));
}

void ChirpRowsDialog::show_count(const QString& refusal) {
  const int ticked = static_cast<int>(chosen().size());
  {
    // The first channel may go no further than leaves room for every ticked row.
    const QSignalBlocker quiet(first_);
    first_->setMaximum(chirp::channels_from(ticked > 0 ? ticked : 1));
  }
  import_->setEnabled(ticked > 0);
  if (!refusal.isEmpty()) {
    count_->setText(refusal);
    return;
  }
  if (ticked == 0) {
    count_->setText(qs(text::kChirpNoneTicked));
    return;
  }
  const int first = first_channel(), last = first + ticked - 1;
  const auto range = [](int from, int to) {
    return from == to ? QString::number(from) : qs(text::kChannelRange).arg(from).arg(to);
  };
  QString t = qs(text::kChirpTicked).arg(ticked).arg(range(first, last));
  if (last < kChannelCount) t += qs(text::kChirpRestOff).arg(range(last + 1, kChannelCount));
  count_->setText(t);
}
