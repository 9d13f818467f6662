#pragma once
// The processor time this process has used, for tests and benchmarks that check a wait sleeps.
#include <ctime>

namespace tirel::test {

inline double cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

}  // namespace tirel::test
