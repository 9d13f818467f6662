#pragma once
// Reading the radio back and comparing it with a parameter set, for verify and write --verify.
#include <QString>
#include <string>

#include "blok/blok.h"
#include "cli/command.h"

namespace tirel::cli {

// Reads the radio on `device` and prints the answer in words: 0 when it matches `set`, 1 when it
// differs or could not be read (told on the error stream).
int check_radio(Invocation& inv, const QString& device, const Blok& set, const std::string& decimal_sep);

}  // namespace tirel::cli
