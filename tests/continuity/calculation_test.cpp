#include <gtest/gtest.h>

#include "continuity/calculation.h"
#include "runtime/numbers.h"

using namespace continuity;

TEST(ContinuitySpeed, WorkedValues)
{
    const struct {
        float cabal, diametre;
        const char* text;
    } cases[] = {
        {50, 20, " 2.652"},  // 2.65258...: a fourth decimal of 5 rounds down
        {60, 15, " 5.659"},  {30, 25, " 1.018"},    {1, 180, " .001"}, {1, 200, " 0"},
        {100, 200, " .053"}, {100, 1, " 2122.066"}, {0, 1, " 0"},      {50, 40, " .663"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::shortNumber(speed(c.cabal, c.diametre)), c.text) << c.cabal << "/" << c.diametre;
    EXPECT_EQ(pi(), 3.1415927f);
}
