#pragma once
// Copying one channel onto another, and pasting channel rows that come as text from the
// clipboard (a spreadsheet, or another window of the program).
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "blok/blok.h"
#include "files/csv.h"

namespace tirel {

// The sixteen data bytes of a channel: its frequencies, sub-tones and every flag. The record
// headers hold the channel's address in the radio and stay with the channel.
using ChannelData = std::array<std::uint8_t, 16>;
ChannelData channel_data(const Blok& b, int n);
void set_channel_data(Blok& b, int n, const ChannelData& data);

// One way of reading pasted text as channel rows. `recognises` looks at the text alone;
// `enter` puts its rows into channels first, first + 1, ... of a copy of `base`, all or nothing.
struct PasteFormat {
  std::string name;
  std::function<bool(std::string_view text)> recognises;
  std::function<CsvImport(std::string_view text, const Blok& base, int first_channel)> enter;
};

// The formats a paste tries, in this order; the program's own CSV rows come first.
std::vector<PasteFormat>& paste_formats();

// Enters pasted text with the first format that recognises it; an error when none does.
[[nodiscard]] CsvImport paste_rows(std::string_view text, const Blok& base, int first_channel);

}  // namespace tirel
