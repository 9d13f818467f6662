// Runs every stored fuzz input (seed corpora and inputs that once crashed) through its target.
#include "fuzz/targets.h"
#include "replay.h"

using tirel::test::replay;

TEST(FuzzReplay, StoredParameterFilesGoThroughToTheSheet) {
  EXPECT_GT(replay("param_file", tirel::fuzz::param_file), 0);
}

TEST(FuzzReplay, StoredConfigFilesSurviveReadWriteRead) {
  EXPECT_GT(replay("config_ini", tirel::fuzz::config_ini), 0);
}

TEST(FuzzReplay, StoredEntryTextsStoreOrLeaveTheBlokAlone) {
  EXPECT_GT(replay("entry_texts", tirel::fuzz::entry_texts), 0);
}
