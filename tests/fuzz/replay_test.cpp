// Runs every stored fuzz input (seed corpora and inputs that once crashed) through its target.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/targets.h"

namespace fs = std::filesystem;

namespace {

int replay(const std::string& target, void (*run)(const std::uint8_t*, std::size_t)) {
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

}  // namespace

TEST(FuzzReplay, StoredParameterFilesGoThroughToTheSheet) {
  EXPECT_GT(replay("param_file", tirel::fuzz::param_file), 0);
}

TEST(FuzzReplay, StoredConfigFilesSurviveReadWriteRead) {
  EXPECT_GT(replay("config_ini", tirel::fuzz::config_ini), 0);
}

TEST(FuzzReplay, StoredEntryTextsStoreOrLeaveTheBlokAlone) {
  EXPECT_GT(replay("entry_texts", tirel::fuzz::entry_texts), 0);
}
