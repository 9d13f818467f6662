#pragma once
// import-csv for a CHIRP list: the rows chosen by --locations (or the first that fit), the rest
// listed on stderr with why.
#include <string>

#include "cli/command.h"

namespace tirel::cli {

// Exit 0 when at least one row went in, 1 when none did, 2 for a file that is not a list or a
// wrong --locations / --first-channel.
int import_chirp_list(Invocation& inv, const ParsedArgs& p, const std::string& csv_path, const std::string& csv_text,
                      const Blok& base);

}  // namespace tirel::cli
