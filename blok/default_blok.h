#pragma once
// The default parameter set of a band: sixteen identical channels, default settings, fixed table.
#include "blok/blok.h"

namespace tirel {

// Builds the whole blok for band list index `band`. An index outside 0..5 leaves the
// channel frequencies and the band code zero, as the radio's own program does.
Blok new_blok(int band);

}  // namespace tirel
