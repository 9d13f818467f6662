#pragma once
// The read and the write as the radio sees them: send, wait, check, send. Both run on an
// opened port (or one that would not open), end with it closed, and show no dialogs.
#include "blok/blok.h"
#include "link/port.h"
#include "link/progress_sink.h"
#include "link/waits.h"
#include "link/wire.h"

namespace tirel {

enum class ExchangeResult {
  ok,
  no_answer,          // none of the four calls was answered
  timed_out,          // the records or the final answer did not all come in time
  cable_lost,         // the device went away during the exchange
  not_confirmed,      // write: the radio's final answer was not "OK"
  unsupported_model,  // write: the radio's model code is above 2
  wrong_band,         // write: the radio's band differs from the blok's
};

// Reads the radio's 57 records into `rb`. The caller applies them (apply_read) only when
// the result is ok; on failure `rb` may hold part of the new records.
[[nodiscard]] ExchangeResult read_radio(Port& port, Waits& waits, ProgressSink& progress, ReadBuffer& rb);

// Writes the blok's 56 records into the radio. The blok is not changed. `answer`, when given,
// gets the radio's answer to the write command (band code, model code), if it gave one.
[[nodiscard]] ExchangeResult write_radio(Port& port, Waits& waits, ProgressSink& progress, const Blok& b,
                                         QByteArray* answer = nullptr);

}  // namespace tirel
