#pragma once
// The window's texts live in ui/texts.h; this name stays only for the radio commands' source.
#include "ui/texts.h"
