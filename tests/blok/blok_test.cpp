#include <gtest/gtest.h>
#include "blok/default_blok.h"
TEST(Blok, Builds) { EXPECT_EQ(tirel::new_blok(1)[0], 0x57); }
