#pragma once
// Counts in Russian words: the noun takes one of three forms after a number.
#include <string>

namespace tirel {

// "1 столбец", "3 столбца", "11 столбцов", "21 столбец": `one`, `few` and `many` are the noun's
// forms after 1, 2..4 and 5..20.
std::string count_of(long n, const char* one, const char* few, const char* many);

}  // namespace tirel
