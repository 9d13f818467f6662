#include "files/plural.h"

namespace tirel {

std::string count_of(long n, const char* one, const char* few, const char* many) {
  const long tens = (n < 0 ? -n : n) % 100;
  const long units = tens % 10;
  const char* form = many;
  if (tens < 11 || tens > 14) {
    if (units == 1) form = one;
    else if (units >= 2 && units <= 4) form = few;
  }
  return std::to_string(n) + " " + form;
}

}  // namespace tirel
