#pragma once
// Where an exchange reports how far its data phase has come: the progress window, the
// command-line tool's bar on stderr, or a test.
#include <QString>

namespace tirel {

// The two exchanges with the radio; a check of the radio is a read.
enum class Operation { read, write };

class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  // The data phase of `op` begins; `total` records are to come or go.
  virtual void begin(Operation op, int total) = 0;
  // One more record: the count so far and the percentage text ("50%").
  virtual void advance(int position, const QString& percent) = 0;
};

}  // namespace tirel
