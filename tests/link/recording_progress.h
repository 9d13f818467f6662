#pragma once
// A progress sink that keeps what it was told.
#include <QString>
#include <vector>

#include "link/progress_sink.h"

namespace tirel::test {

struct RecordingProgress final : ProgressSink {
  QString caption, label;
  int maximum = -1;
  int begun = 0;
  std::vector<int> positions;
  std::vector<QString> percents;
  void begin(const QString& c, const QString& l, int m) override {
    caption = c;
    label = l;
    maximum = m;
    ++begun;
  }
  void advance(int p, const QString& t) override {
    positions.push_back(p);
    percents.push_back(t);
  }
};

}  // namespace tirel::test
