// A short soak among the tests: seeded games under injected events must keep
// every rule, and the soak must notice when one is broken.
#include <gtest/gtest.h>

#include <iostream>

#include "tests/soak/soak.h"

using namespace skarpo;

TEST(Soak, ShortRunUnderInjectedEventsKeepsTheGameWhole) {
    soak::Options o;
    o.turns = 30000;
    o.seeds = 6;
    const soak::Figures f = soak::run(o);
    std::cout << soak::summary(f);
    EXPECT_EQ(f.violations, 0);
    EXPECT_GE(f.turns, o.turns);
    // every kind of event was delivered inside the animations
    for (int k = 0; k < soak::eventKinds; ++k)
        EXPECT_GT(f.duringPauses[static_cast<std::size_t>(k)], 0) << soak::eventName(static_cast<soak::Event>(k));
    EXPECT_GT(f.interruptedRolls, 0);
    EXPECT_GT(f.interruptedOpenings, 0);
    EXPECT_GT(f.interruptedCelebrations, 0);
    EXPECT_GT(f.windows, o.seeds);  // a window was closed and another opened
    for (int p = 1; p <= 4; ++p) EXPECT_GT(f.celebrations[static_cast<std::size_t>(p)], 0) << "player " << p;
}

// A fault planted in the middle of an animation is reported: a table cell
// at the very pause, a colour nothing in a game touches once the handler has
// returned, and a picture of the waiting counters when the turn is over.
TEST(Soak, ReportsAFaultPlantedInAGame) {
    struct Plant {
        const char* what;
        std::function<void(Board&)> act;
        const char* report;
    };
    const Plant plants[] = {
        {"look-ahead copy", [](Board& b) { b.squares(63) = static_cast<std::int16_t>(b.squares(3) + 1); },
         "at a pause"},
        {"final place colour", [](Board& b) { b.home(27).back = colour::yellow; }, "home(27) has a foreign background"},
        {"waiting counter", [](Board& b) { b.start(13).picture = b.counterPicture(2); }, "start(13)"},
    };
    for (const Plant& plant : plants) {
        soak::Options o;
        o.turns = 3000;
        o.seeds = 1;
        o.sabotage = [&](Board& b, long pause) {
            if (pause == 20000) plant.act(b);
        };
        const soak::Figures f = soak::run(o);
        EXPECT_EQ(f.violations, 1) << plant.what;
        ASSERT_FALSE(f.reports.empty()) << plant.what;
        EXPECT_NE(f.reports[0].find(plant.report), std::string::npos) << plant.what << ": " << f.reports[0];
    }
}
