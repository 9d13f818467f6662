#pragma once
// What travels on the programming cable: the commands, the records the read brings and the
// records the write sends, and the one byte whose meaning differs between radio and blok.
#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "blok/blok.h"

namespace tirel::wire {

inline const QByteArray kReadCommand = QByteArrayLiteral("rEAD");
inline const QByteArray kProgramCommand = QByteArrayLiteral("pROGRAM");
inline const QByteArray kGoAhead = QByteArrayLiteral("OK");
inline const QByteArray kWriteDone = QByteArrayLiteral("OK");

inline constexpr int kAttempts = 4;
inline constexpr int kAnswerTimeoutMs = 200;
inline constexpr int kRetryPauseMs = 500;
inline constexpr int kOpenSettleMs = 20;
inline constexpr int kReadTimeoutMs = 7000;
inline constexpr int kWriteTimeoutMs = 10000;
inline constexpr int kRecordGapMs = 100;

inline constexpr int kReadRecords = 57;
inline constexpr int kReadBytes = kReadRecords * kRecordSize;  // 684
inline constexpr int kWriteSends = 56;

// The blok record that read buffer position p (1..57) lands in; none for 35..56, which the
// radio sends (its records 67..88) but the program keeps only in the read buffer.
std::optional<int> blok_record_for_position(int p);

// The radio's record at read position p (1..57): 1..32, 65, 66, 67..88, 124.
int radio_record_for_position(int p);

struct Send {
  int record;         // blok record
  bool check_timeout; // whether the time-out window is looked at after this send
};
// The 56 sends of a write, in order: records 1..32, 65, 66, 69..88, 124, 124.
const std::array<Send, kWriteSends>& write_sends();

// The radio keeps 0xFF for "timer off" where the blok keeps 0.
std::uint8_t timer_byte_from_radio(std::uint8_t radio);
std::uint8_t timer_byte_to_radio(std::uint8_t blok);

// The record as it goes to the radio: the blok's 12 bytes with the timer byte translated.
QByteArray record_for_radio(const Blok& b, int record);

// "N%" for the bar at `position` of `maximum`.
QString percent_text(int position, int maximum);

}  // namespace tirel::wire

namespace tirel {

// What a read has received: the radio's two-byte answer and the 57 records by position.
struct ReadBuffer {
  QByteArray answer;
  std::array<std::uint8_t, wire::kReadBytes> records{};
};

// Copies positions 1..32, 33, 34 and 57 into blok records 1..32, 65, 66 and 124 (whole
// records, headers included) and turns the radio's 0xFF timer byte into 0.
void apply_read(const ReadBuffer& rb, Blok& b);

// The band list entry the radio's answer names, if its band code is 0..5.
std::optional<int> answered_band(const ReadBuffer& rb);

}  // namespace tirel
