#pragma once
// The CHIRP lists of tests/files/chirp, shaped like real ones: a PMR446 list with LPD rows before
// it, a marine VHF list with "-" duplex, and a list with every tone mode and cross mode.
#include <fstream>
#include <iterator>
#include <string>

namespace tirel::test {

inline std::string chirp_list_path(const std::string& name) { return std::string(TIREL_CHIRP_LISTS) + "/" + name; }

inline std::string chirp_list(const std::string& name) {
  std::ifstream in(chirp_list_path(name), std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace tirel::test
