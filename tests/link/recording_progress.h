#pragma once
// A progress sink that keeps what it was told.
#include <QString>
#include <vector>

#include "link/progress_sink.h"

namespace tirel::test {

struct RecordingProgress final : ProgressSink {
  Operation op{};
  int maximum = -1;
  int begun = 0;
  std::vector<int> positions;
  std::vector<QString> percents;
  void begin(Operation o, int total) override {
    op = o;
    maximum = total;
    ++begun;
  }
  void advance(int p, const QString& t) override {
    positions.push_back(p);
    percents.push_back(t);
  }
};

}  // namespace tirel::test
