#include "fuzz/exchange_target.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  tirel::fuzz::exchange(data, size);
  return 0;
}
