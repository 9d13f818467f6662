#include "sim/radio.h"

#include <cstdio>

namespace sim {

namespace {
constexpr int kTimerByte = tirel::data_offset(65, 7);
constexpr int kBandByte = tirel::data_offset(124, 0);
}  // namespace

std::vector<int> read_order() {
  std::vector<int> order;
  for (int r = 1; r <= 32; ++r) order.push_back(r);
  for (int r = 65; r <= 88; ++r) order.push_back(r);
  order.push_back(124);
  return order;
}

tirel::Blok to_radio_image(tirel::Blok b) {
  if (b[kTimerByte] == 0) b[kTimerByte] = 0xFF;
  return b;
}

std::string hex(const std::uint8_t* p, std::size_t n) {
  std::string s;
  char buf[4];
  for (std::size_t i = 0; i < n; ++i) {
    std::snprintf(buf, sizeof buf, i ? " %02X" : "%02X", p[i]);
    s += buf;
  }
  return s;
}

Radio::Radio(const tirel::Blok& memory, Options options) : memory_(memory), opt_(options) {}

bool Radio::data_limit_reached(int count) const {
  return (opt_.fault == Fault::stop_after || opt_.fault == Fault::vanish) && count >= opt_.fault_count;
}

void Radio::on_byte(std::uint8_t b) {
  if (state_ == State::taking_records) {
    if (data_limit_reached(data_taken_)) {
      if (opt_.fault == Fault::vanish) vanish();
      return;
    }
    ++data_taken_;
    record_.push_back(b);
    if (record_.size() == tirel::kRecordSize) take_record();
    if (data_limit_reached(data_taken_)) {
      log("stopped after " + std::to_string(data_taken_) + " data bytes");
      if (opt_.fault == Fault::vanish) vanish();
      if (opt_.fault == Fault::stop_after) state_ = State::deaf;
    }
    return;
  }
  if (state_ == State::deaf) return;
  recent_.push_back(static_cast<char>(b));
  if (recent_.size() > 8) recent_.erase(0, recent_.size() - 8);
  for (const char* command : {"rEAD", "pROGRAM"}) {
    const std::string c = command;
    if (recent_.size() >= c.size() && recent_.compare(recent_.size() - c.size(), c.size(), c) == 0) {
      recent_.clear();
      answer(c);
      return;
    }
  }
  if (state_ == State::await_go_ahead && recent_.size() >= 2 && recent_.compare(recent_.size() - 2, 2, "OK") == 0) {
    recent_.clear();
    log("go-ahead");
    send_records();
  }
}

void Radio::answer(const std::string& command) {
  log("cmd " + command);
  if (opt_.fault == Fault::silent) return;
  const std::uint8_t band = static_cast<std::uint8_t>(opt_.band_code >= 0 ? opt_.band_code : memory_[kBandByte]);
  const std::uint8_t model = static_cast<std::uint8_t>(opt_.model_code);
  send(band, false);
  if (opt_.fault == Fault::one_byte) {
    log("answer " + hex(&band, 1));
    return;
  }
  send(model, false);
  const std::uint8_t both[] = {band, model};
  log("answer " + hex(both, 2));
  if (command == "rEAD") {
    state_ = State::await_go_ahead;
  } else {
    state_ = State::taking_records;
    record_.clear();
    records_taken_ = 0;
    data_taken_ = 0;
  }
}

void Radio::send_records() {
  state_ = State::idle;
  data_sent_ = 0;
  int queued = 0;
  for (int r : read_order()) {
    for (int i = 0; i < tirel::kRecordSize; ++i) {
      if (opt_.fault == Fault::stop_after && queued >= opt_.fault_count) return;
      send(memory_[static_cast<std::size_t>(tirel::record_offset(r) + i)], true);
      ++queued;
    }
  }
}

void Radio::on_data_sent() {
  ++data_sent_;
  if (opt_.fault == Fault::vanish && data_sent_ >= opt_.fault_count) {
    log("vanished after " + std::to_string(data_sent_) + " data bytes");
    vanish();
  }
}

void Radio::take_record() {
  ++records_taken_;
  const std::uint8_t* p = record_.data();
  log("rec " + std::to_string(records_taken_) + " " + hex(p, record_.size()));
  const int address = p[1] << 8 | p[2];
  const int r = address / 8 + 1;
  if (p[0] == 'W' && p[3] == 8 && address % 8 == 0 && r >= 1 && r <= tirel::kRecordCount) {
    for (int i = 0; i < tirel::kRecordSize; ++i) memory_[static_cast<std::size_t>(tirel::record_offset(r) + i)] = p[i];
    if (r == opt_.corrupt_record) {
      // A radio whose memory took the record wrongly: the lowest bit of its first data byte flips.
      memory_[static_cast<std::size_t>(tirel::data_offset(r, 0))] ^= 0x01;
      log("corrupted record " + std::to_string(r));
    }
  } else {
    log("bad record");
  }
  record_.clear();
  if (opt_.fault == Fault::byte_per_record) send(0x06, false);
  if (records_taken_ == 56) {
    state_ = State::idle;
    const bool small = opt_.fault == Fault::lowercase_ok;
    send(small ? 'o' : 'O', false);
    send(small ? 'k' : 'K', false);
    log(small ? "final ok" : "final OK");
    if (write_finished) write_finished();
  }
}

void Radio::on_idle() {
  if (state_ != State::idle) {
    log("gave up waiting");
    state_ = State::idle;
  }
  record_.clear();
}

}  // namespace sim
