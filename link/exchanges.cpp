#include "link/exchanges.h"

#include "blok/layout.h"

namespace tirel {

namespace {

// "rEAD" or "pROGRAM" up to four times, until the radio answers two bytes within 200 ms.
// Returns false when every attempt went unanswered or the device went away.
bool handshake(Port& port, Waits& waits, const QByteArray& command, QByteArray& answer) {
  for (int attempt = 0; attempt < wire::kAttempts; ++attempt) {
    port.send(command);
    waits.arm_timeout(wire::kAnswerTimeoutMs);
    answer.clear();
    while (answer.size() < 2) {
      std::uint8_t byte = 0;
      const auto got = waits.wait_byte(port, byte);
      if (got == Waits::Byte::lost) return false;
      if (got == Waits::Byte::timed_out) break;
      answer.append(static_cast<char>(byte));
    }
    if (answer.size() == 2) return true;
    waits.pause(wire::kRetryPauseMs);
  }
  return false;
}

ExchangeResult finish(Port& port, ExchangeResult r) {
  port.close();
  return r;
}

}  // namespace

ExchangeResult read_radio(Port& port, Waits& waits, ProgressSink& progress, ReadBuffer& rb) {
  waits.pause(wire::kOpenSettleMs);
  port.purge();
  if (!handshake(port, waits, wire::kReadCommand, rb.answer)) return finish(port, ExchangeResult::failed);
  port.send(wire::kGoAhead);

  progress.begin(QString::fromUtf8(kReadCaption), QString::fromUtf8(kReadLabel), wire::kReadRecords);
  waits.arm_timeout(wire::kReadTimeoutMs);
  for (int p = 1; p <= wire::kReadRecords; ++p) {
    for (int i = 0; i < kRecordSize; ++i) {
      std::uint8_t byte = 0;
      if (waits.wait_byte(port, byte) != Waits::Byte::arrived) return finish(port, ExchangeResult::failed);
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
  if (!handshake(port, waits, wire::kProgramCommand, answer)) return finish(port, ExchangeResult::failed);
  if (answer_out) *answer_out = answer;
  if (static_cast<std::uint8_t>(answer[1]) > 2) return finish(port, ExchangeResult::unsupported_model);
  if (static_cast<std::uint8_t>(answer[0]) != band_code(b)) return finish(port, ExchangeResult::wrong_band);

  progress.begin(QString::fromUtf8(kWriteCaption), QString::fromUtf8(kWriteLabel), wire::kWriteSends);
  waits.arm_timeout(wire::kWriteTimeoutMs);
  int position = 0;
  for (const wire::Send& s : wire::write_sends()) {
    waits.pause(wire::kRecordGapMs);
    port.send(wire::record_for_radio(b, s.record));
    ++position;
    progress.advance(position, wire::percent_text(position, wire::kWriteSends));
    // A cable pulled mid-write would otherwise leave the user waiting out the whole window.
    if (port.lost()) return finish(port, ExchangeResult::failed);
    if (s.check_timeout && waits.timed_out()) return finish(port, ExchangeResult::failed);
    waits.process_pending();
  }

  // Whatever the radio sent since its handshake answer is taken as its final word.
  QByteArray final_answer;
  while (final_answer.size() < 2) {
    std::uint8_t byte = 0;
    if (waits.wait_byte(port, byte) != Waits::Byte::arrived) return finish(port, ExchangeResult::failed);
    final_answer.append(static_cast<char>(byte));
  }
  return finish(port, final_answer == wire::kWriteDone ? ExchangeResult::ok : ExchangeResult::failed);
}

}  // namespace tirel
