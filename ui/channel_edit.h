#pragma once
// The channel table's two entries: a frequency through the frequency dialog and a sub-tone
// through the sub-tone dialog, each written straight into the blok. Messages appear over the
// dialog's owner. Neither sets the modified flag nor redraws: the table's click does both.
#include "blok/bands.h"
#include "blok/blok.h"

class TForm3;
class TForm4;

namespace tirel {

// Asks for the channel's receive or transmit frequency; an entry outside `limits` is refused
// with a message and changes nothing. After a store the dialog's `frq` holds the stored value.
void in_frq(Blok& b, int n, Dir d, BandLimits limits, TForm3& dialog);

// Asks for the channel's receive or transmit sub-tone, preset from the blok. A typed text that
// cannot be read is reported and the sub-tone stays exactly as it was.
void in_tone(Blok& b, int n, Dir d, TForm4& dialog);

}  // namespace tirel
