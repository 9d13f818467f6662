#include "link/exchanges.h"

#include "blok/layout.h"

namespace tirel {

namespace {

// "rEAD" or "pROGRAM" up to four times, until the radio answers two bytes within 200 ms.
// Ends in no_answer when every attempt went unanswered, cable_lost when the device went away.
ExchangeResult handshake(Port& port, Waits& waits, const QByteArray& command, QByteArray& answer) {
  for (int attempt = 0; attempt < wire::kAttempts; ++attempt) {
    port.send(command);
    waits.arm_timeout(wire::kAnswerTimeoutMs);
    answer.clear();
    while (answer.size() < 2) {
      std::uint8_t byte = 0;
      const auto got = waits.wait_byte(port, byte);
      if (got == Waits::Byte::lost) return ExchangeResult::cable_lost;
      if (got == Waits::Byte::timed_out) break;
      answer.append(static_cast<char>(byte));
    }
    if (answer.size() == 2) return ExchangeResult::ok;
    waits.pause(wire::kRetryPauseMs);
  }
  return ExchangeResult::no_answer;
}

// A byte that did not come: the time-out window ended, or the device went away.
ExchangeResult missing(Waits::Byte got) {
  return got == Waits::Byte::lost ? ExchangeResult::cable_lost : ExchangeResult::timed_out;
}

ExchangeResult finish(Port& port, ExchangeResult r) {
  port.close();
  return r;
}

}  // namespace

ExchangeResult read_radio(Port& port, Waits& waits, ProgressSink& progress, ReadBuffer& rb) {
  waits.pause(wire::kOpenSettleMs);
  port.purge();
  if (const auto r = handshake(port, waits, wire::kReadCommand, rb.answer); r != ExchangeResult::ok)
    return finish(port, r);
  port.send(wire::kGoAhead);

  progress.begin(Operation::read, wire::kReadRecords);
  waits.arm_timeout(wire::kReadTimeoutMs);
  for (int p = 1; p <= wire::kReadRecords; ++p) {
    for (int i = 0; i < kRecordSize; ++i) {
      std::uint8_t byte = 0;
      if (const auto got = waits.wait_byte(port, byte); got != Waits::Byte::arrived)
        return finish(port, missing(got));
      rb.records[static_cast<std::size_t>((p - 1) * kRecordSize + i)] = byte;
    }
    progress.advance(p, wire::percent_text(p, wire::kReadRecords));
  }
  return finish(port, ExchangeResult::ok);
}

ExchangeResult write_radio(Port& port, Waits& waits, ProgressSink& progress, const Blok& b, QByteArray* answer_out) {
  waits.pause(wire::kOpenSettleMs);
  port.purge();
  QByteArray answer;
  if (const auto r = handshake(port, waits, wire::kProgramCommand, answer); r != ExchangeResult::ok)
    return finish(port, r);
  if (answer_out) *answer_out = answer;
  if (static_cast<std::uint8_t>(answer[1]) > 2) return finish(port, ExchangeResult::unsupported_model);
  if (static_cast<std::uint8_t>(answer[0]) != band_code(b)) return finish(port, ExchangeResult::wrong_band);

  progress.begin(Operation::write, wire::kWriteSends);
  waits.arm_timeout(wire::kWriteTimeoutMs);
  int position = 0;
  for (const wire::Send& s : wire::write_sends()) {
    waits.pause(wire::kRecordGapMs);
    port.send(wire::record_for_radio(b, s.record));
    ++position;
    progress.advance(position, wire::percent_text(position, wire::kWriteSends));
    // A cable pulled mid-write would otherwise leave the user waiting out the whole window.
    if (port.lost()) return finish(port, ExchangeResult::cable_lost);
    if (s.check_timeout && waits.timed_out()) return finish(port, ExchangeResult::timed_out);
    waits.process_pending();
  }

  // Whatever the radio sent since its handshake answer is taken as its final word.
  QByteArray final_answer;
  while (final_answer.size() < 2) {
    std::uint8_t byte = 0;
    if (const auto got = waits.wait_byte(port, byte); got != Waits::Byte::arrived) return finish(port, missing(got));
    final_answer.append(static_cast<char>(byte));
  }
  return finish(port, final_answer == wire::kWriteDone ? ExchangeResult::ok : ExchangeResult::not_confirmed);
}

}  // namespace tirel
