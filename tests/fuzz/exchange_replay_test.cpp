// Runs the stored radio answers through the real read and write on the fuzzer's clock.
#include "fuzz/exchange_target.h"
#include "replay.h"

TEST(FuzzReplay, StoredRadioAnswersKeepTheExchangesSound) {
  EXPECT_GT(tirel::test::replay("exchange", tirel::fuzz::exchange), 10);
}
