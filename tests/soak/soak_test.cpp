// A short soak: seeded games under injected events keep every rule, and a
// fault planted in the middle of an animation is noticed.
#include <gtest/gtest.h>

#include <iostream>

#include "tests/soak/soak.h"

TEST(Soak, ShortRunUnderInjectedEventsKeepsTheGameWhole) {
    const skarpo::soak::Figures f = skarpo::soak::run({.turns = 30000, .seeds = 6});
    std::cout << skarpo::soak::summary(f);
    EXPECT_EQ(f.violations, 0);
    for (long n : f.inPauses) EXPECT_GT(n, 0);  // every kind of event, inside the animations
    EXPECT_TRUE(f.cutRolls && f.cutOpenings && f.cutCelebrations && f.windows > 6);  // cut short; windows reopened
    for (int p = 1; p <= 4; ++p) EXPECT_GT(f.celebrations[p], 0) << "player " << p;
    for (auto plant : {+[](skarpo::Board& b) { b.squares(63) = static_cast<std::int16_t>(b.squares(3) + 1); },
                       +[](skarpo::Board& b) { b.start(13).picture = b.counterPicture(2); }}) {
        const auto sabotage = [&](skarpo::Board& b, long pause) { if (pause == 20000) plant(b); };
        EXPECT_EQ(skarpo::soak::run({.turns = 3000, .seeds = 1, .sabotage = sabotage}).violations, 1);
    }
}
