#pragma once
// Runs every stored input of a fuzz target (its seed corpus and the inputs that once crashed it).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace tirel::test {

inline int replay(const std::string& target, void (*run)(const std::uint8_t*, std::size_t)) {
  namespace fs = std::filesystem;
  int count = 0;
  for (const char* kind : {"corpus", "regressions"}) {
    const fs::path dir = fs::path(TIREL_FUZZ_DIR) / kind / target;
    if (!fs::is_directory(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
      SCOPED_TRACE(entry.path().string());
      run(bytes.data(), bytes.size());
      ++count;
    }
  }
  return count;
}

}  // namespace tirel::test
