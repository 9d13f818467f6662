#include "sheet_expectation.h"

#include <QRegularExpression>
#include <cmath>
#include <set>

#include "blok/report_params.h"
#include "blok/settings.h"

namespace tirel::test {
namespace {

struct Column {
  const char* heading;
  double heading_x, heading_y;
  double value_x;
};

// Left to right; the number column's value is the row number itself.
const Column kColumns[] = {
    {"Номер канала", 36.0, 56.6, 31.5},
    {"Канал выключен", 43.4, 61.7, 38.1},
    {"Запрет передачи", 50.5, 66.8, 45.7},
    {"Частота ПРМ (МГц)", 60.2, 71.9, 50.8},
    {"Субтон ПРМ", 60.2, 77.0, 69.6},
    {"Частота ПРД (МГц)", 96.0, 71.9, 86.4},
    {"Субтон ПРД", 96.3, 77.0, 105.2},
    {"Сдвиг частоты", 136.4, 61.7, 123.4},
    {"Ширина канала", 152.1, 66.8, 141.5},
    {"Сканирование", 163.6, 72.1, 154.9},
    {"Запрет передачи на занятом канале", 132.6, 56.9, 173.2},
};

// Arial's blank is 569/2048 of the font size, bold or not.
double blank_mm(double size_pt) { return 569.0 / 2048.0 * size_pt * 25.4 / 72.0; }

QString utf8(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

std::vector<ExpectedText> expected_sheet(const WindowView& view, const QString& date_text) {
  std::vector<ExpectedText> e;
  e.push_back({"ПО Тирель-12  Версия 1.1", 164.8, 5.1, 8, false});
  e.push_back({"Модель :", 71.1, 20.3, 10, true});
  e.push_back({"Тирель-12", 111.8, 20.3, 10, true});
  e.push_back({"Частотный диапазон :", 71.1, 25.4, 10, true});
  e.push_back({utf8(band_text(view)), 111.8, 25.4, 10, true});
  e.push_back({"Параметры каналов", 88.9, 43.2, 12, true});
  for (const Column& c : kColumns) e.push_back({c.heading, c.heading_x, c.heading_y, 8, true});
  for (int n = 1; n <= kChannelCount; ++n) {
    const ChannelRow& row = view.rows[std::size_t(n - 1)];
    const double y = 83.8 + 5.08 * (n - 1);
    e.push_back({QString::number(n), n < 10 ? 31.5 : 30.5, y, 8, true});
    e.push_back({row.off_ticked ? "V" : "", kColumns[1].value_x, y, 8, true});
    e.push_back({row.inhibit_ticked ? "V" : "", kColumns[2].value_x, y, 8, true});
    for (int c = 0; c < 8; ++c) e.push_back({utf8(row.cells[std::size_t(c)]), kColumns[3 + c].value_x, y, 8, true});
  }
  e.push_back({"Основные настройки радиостанции", 76.7, 180.3, 12, true});
  const char* labels[] = {"Таймер ограничения непрерывной передачи :",
                          "Звуковая сигнализация :",
                          "Уровень шумоподавителя :",
                          "Режим энергосбережения :",
                          "Кнопка \"ШПД\" :",
                          "Режим сканирования :",
                          "Приоритетный канал :",
                          "Период контроля приоритетного канала :",
                          "Канал передачи при сканировании :",
                          "Таймер возобновления сканирования после окончания приёма :"};
  for (int k = 0; k < 10; ++k) {
    const double y = 193.0 + 5.08 * k;
    e.push_back({labels[k], 35.6, y, 8, true});
    e.push_back({utf8(setting_entry_text(view, k)), 134.6, y, 8, true});
  }
  // A long date (the weekday comes first) is moved left so that it ends with the rule above it.
  e.push_back({date_text, 177.8, 287.0, 8, false, 200.6});
  std::erase_if(e, [](const ExpectedText& t) { return t.text.trimmed().isEmpty(); });
  return e;
}

QStringList check_sheet_words(const std::vector<PdfWord>& words, const std::vector<ExpectedText>& expected,
                              double tol) {
  QStringList faults;
  std::set<std::size_t> used;
  for (const ExpectedText& t : expected) {
    const QStringList parts = t.text.simplified().split(' ');
    const int blanks = int(t.text.size() - QString(t.text).remove(QRegularExpression("^ +")).size());
    const double x0 = t.x + blanks * blank_mm(t.size_pt);
    // The first word must start at the text's place; the others follow it on the same line.
    bool found = false;
    for (std::size_t i = 0; i < words.size() && !found; ++i) {
      const PdfWord& w = words[i];
      const bool may_shift = t.right_limit > 0;
      if (used.count(i) || (!may_shift && std::abs(w.x_min - x0) > tol) || std::abs(w.y_min - t.y) > tol ||
          w.text != parts[0])
        continue;
      std::vector<std::size_t> phrase{i};
      for (int p = 1; p < parts.size(); ++p) {
        const PdfWord& last = words[phrase.back()];
        std::size_t next = words.size();
        for (std::size_t j = 0; j < words.size(); ++j) {
          const PdfWord& c = words[j];
          if (used.count(j) || std::abs(c.y_min - last.y_min) > 0.2 || c.x_min < last.x_max - 0.05 ||
              c.x_min > last.x_max + 2 * blank_mm(t.size_pt) + 0.2)
            continue;
          next = j;
        }
        if (next == words.size() || words[next].text != parts[p]) break;
        phrase.push_back(next);
      }
      if (int(phrase.size()) != parts.size()) continue;
      if (t.right_limit > 0) {
        const double end = words[phrase.back()].x_max;
        const bool in_place = std::abs(w.x_min - x0) <= tol && end <= t.right_limit + tol;
        const bool moved_to_edge = w.x_min < x0 && std::abs(end - t.right_limit) <= tol;
        if (!in_place && !moved_to_edge) continue;
      }
      found = true;
      used.insert(phrase.begin(), phrase.end());
    }
    if (!found) faults << QString("missing \"%1\" at %2, %3 mm").arg(t.text).arg(t.x).arg(t.y);
  }
  for (std::size_t i = 0; i < words.size(); ++i)
    if (!used.count(i))
      faults << QString("unexpected \"%1\" at %2, %3 mm").arg(words[i].text).arg(words[i].x_min).arg(words[i].y_min);
  return faults;
}

}  // namespace tirel::test
