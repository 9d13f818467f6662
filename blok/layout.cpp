#include "blok/layout.h"

namespace tirel {

bool get_bit(const Blok& b, layout::Bit bit) { return (b[bit.offset] & bit.mask) != 0; }

void set_bit(Blok& b, layout::Bit bit, bool on) {
  if (on)
    b[bit.offset] = static_cast<std::uint8_t>(b[bit.offset] | bit.mask);
  else
    b[bit.offset] = static_cast<std::uint8_t>(b[bit.offset] & ~bit.mask);
}

bool channel_flag(const Blok& b, int n, layout::ChannelFlag f) { return get_bit(b, layout::flag_bit(n, f)); }

void set_channel_flag(Blok& b, int n, layout::ChannelFlag f, bool on) { set_bit(b, layout::flag_bit(n, f), on); }

void toggle_channel_flag(Blok& b, int n, layout::ChannelFlag f) {
  set_channel_flag(b, n, f, !channel_flag(b, n, f));
}

}  // namespace tirel
