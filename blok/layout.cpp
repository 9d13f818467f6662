#include "blok/layout.h"

#include <stdexcept>
#include <string>

namespace tirel {
namespace {

int checked_offset(layout::Field f, int n) {
  const layout::Place& p = layout::place(f);
  if (p.per_channel() && (n < 1 || n > kChannelCount))
    throw std::out_of_range(std::string(p.name) + ": no channel " + std::to_string(n));
  return layout::offset_of(f, n);
}

// The bytes from `at` on as one little-endian word.
std::uint32_t load_word(const Blok& b, int at, int bytes) {
  std::uint32_t word = 0;
  for (int k = 0; k < bytes; ++k) word |= std::uint32_t{b[static_cast<std::size_t>(at + k)]} << (8 * k);
  return word;
}

}  // namespace

std::uint32_t get_field(const Blok& b, layout::Field f, int n) {
  const layout::Place& p = layout::place(f);
  return layout::take_bits(load_word(b, checked_offset(f, n), p.bytes()), p);
}

void set_field(Blok& b, layout::Field f, std::uint32_t value, int n) {
  const layout::Place& p = layout::place(f);
  const int at = checked_offset(f, n);
  const std::uint32_t word = layout::put_bits(load_word(b, at, p.bytes()), p, value);
  for (int k = 0; k < p.bytes(); ++k) b[static_cast<std::size_t>(at + k)] = static_cast<std::uint8_t>(word >> (8 * k));
}

bool get_bit(const Blok& b, layout::Bit bit) { return (b[bit.offset] & bit.mask) != 0; }

void set_bit(Blok& b, layout::Bit bit, bool on) {
  if (on)
    b[bit.offset] = static_cast<std::uint8_t>(b[bit.offset] | bit.mask);
  else
    b[bit.offset] = static_cast<std::uint8_t>(b[bit.offset] & ~bit.mask);
}

bool channel_flag(const Blok& b, int n, layout::ChannelFlag f) { return get_field(b, layout::flag_field(f), n) != 0; }

void set_channel_flag(Blok& b, int n, layout::ChannelFlag f, bool on) {
  set_field(b, layout::flag_field(f), on ? 1 : 0, n);
}

void toggle_channel_flag(Blok& b, int n, layout::ChannelFlag f) {
  set_channel_flag(b, n, f, !channel_flag(b, n, f));
}

}  // namespace tirel
