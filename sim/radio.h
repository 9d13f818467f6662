#pragma once
// A Тирель-12 as seen from its programming socket: it answers "rEAD" and "pROGRAM", sends its
// records, takes new ones, and can misbehave in the ways real radios and cables do.
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "blok/blok.h"

namespace sim {

enum class Fault {
  none,
  silent,          // never answers
  one_byte,        // answers a command with its band code only
  stop_after,      // stops after `fault_count` data bytes (sent by a read, taken by a write)
  lowercase_ok,    // ends a write with "ok"
  byte_per_record, // answers every record of a write with a byte of its own
  vanish,          // the cable is pulled after `fault_count` data bytes
};

struct Options {
  int band_code = -1;   // answered band code; -1: the one in memory
  int model_code = 2;
  Fault fault = Fault::none;
  int fault_count = 0;
  int corrupt_record = 0;  // a write stores this record (1..128) with data byte 0 changed; 0: none
};

class Radio {
 public:
  // `memory` is the radio's own image: the timer byte already holds 0xFF for "off".
  Radio(const tirel::Blok& memory, Options options);

  // Something the radio wants to put on the line, or to note in the log.
  std::function<void(std::uint8_t, bool data)> send;  // data: one of a read's 684 bytes
  std::function<void(const std::string&)> log;
  std::function<void()> vanish;           // the cable is gone
  std::function<void()> write_finished;   // a write's 56 records are in

  void on_byte(std::uint8_t b);
  // Called when the line has been quiet for a while: a half-done exchange is given up.
  void on_idle();
  // A data byte of a read has gone out.
  void on_data_sent();

  const tirel::Blok& memory() const { return memory_; }

 private:
  enum class State { idle, await_go_ahead, taking_records, deaf };
  void answer(const std::string& command);
  void send_records();
  void take_record();
  bool data_limit_reached(int count) const;

  tirel::Blok memory_;
  Options opt_;
  State state_ = State::idle;
  std::string recent_;  // the last few bytes, for spotting commands
  std::vector<std::uint8_t> record_;
  int records_taken_ = 0;
  int data_taken_ = 0;
  int data_sent_ = 0;
};

// The radio's records in the order a read sends them: 1..32, 65, 66, 67..88, 124.
std::vector<int> read_order();

// A blok as the program stores it, turned into the radio's own image, and back.
tirel::Blok to_radio_image(tirel::Blok b);

std::string hex(const std::uint8_t* p, std::size_t n);

}  // namespace sim
