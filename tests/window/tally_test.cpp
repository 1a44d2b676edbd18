// SPDX-License-Identifier: GPL-3.0-or-later
// The tally and the test of the die: the chi-square tail against known
// quantiles, and the verdicts.
#include <gtest/gtest.h>

#include "window/dialogs/tally.h"

using namespace skarpo;

TEST(Tally, ChiSquareTailWithFiveDegreesOfFreedom) {
    // quantiles of the chi-square distribution with five degrees of freedom
    EXPECT_NEAR(chiSquareP5(0.554300), 0.99, 1e-5);
    EXPECT_NEAR(chiSquareP5(4.351460), 0.50, 1e-5);
    EXPECT_NEAR(chiSquareP5(11.070498), 0.05, 1e-6);
    EXPECT_NEAR(chiSquareP5(15.086272), 0.01, 1e-6);
    EXPECT_NEAR(chiSquareP5(20.515006), 0.001, 1e-7);
    EXPECT_EQ(chiSquareP5(0), 1);
    EXPECT_LT(chiSquareP5(1e6), 1e-100);
}

TEST(Tally, CountsThrowsAndCelebrationsOnly) {
    Tally t;
    t.count({Happening::Kind::Threw, 3, 6});
    t.count({Happening::Kind::Threw, 1, 6});
    t.count({Happening::Kind::AllHome, 4});
    t.count({Happening::Kind::Home, 2, 4});
    t.count({Happening::Kind::Captured, 2, 3});
    t.count({Happening::Kind::Threw, 1, 7});  // no such face
    EXPECT_EQ(t.faces[6], 2u);
    EXPECT_EQ(t.throws(), 2u);
    EXPECT_EQ(t.allHome, (std::array<std::uint64_t, 5>{0, 0, 0, 0, 1}));
}

TEST(Tally, VerdictOnTheDie) {
    EXPECT_EQ(judgeDie({0, 4, 5, 5, 5, 5, 5}).kind, DieVerdict::Kind::TooFew);
    const DieVerdict even = judgeDie({0, 100, 100, 100, 100, 100, 100});
    EXPECT_EQ(even.kind, DieVerdict::Kind::Fair);
    EXPECT_DOUBLE_EQ(even.p, 1);
    // chi-square 11.52 with 600 throws: between the 5% and the 1% quantile
    const DieVerdict doubtful = judgeDie({0, 124, 100, 100, 100, 100, 76});
    EXPECT_EQ(doubtful.kind, DieVerdict::Kind::Doubtful);
    EXPECT_NEAR(doubtful.p, 0.042, 0.001);
    EXPECT_EQ(judgeDie({0, 200, 100, 100, 100, 100, 0}).kind, DieVerdict::Kind::Unfair);
}
