#include <gtest/gtest.h>
#include "tests/support/test_platform.h"
using namespace skarpo;
TEST(Smoke, Builds) { test::Game g; EXPECT_EQ(g.board.checkInvariants(), ""); }
