#include <gtest/gtest.h>

#include <map>

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

TEST(ContinuityProfile, WallsTenTwipsPerMillimetre)
{
    EXPECT_EQ(wall(200, 1), 8480);
    EXPECT_EQ(wall(200, -1), 4480);
    EXPECT_EQ(wall(1, 1), 6490);
    EXPECT_EQ(wall(1, -1), 6470);
    EXPECT_EQ(wall(7, 1), 6550);
}

TEST(ContinuityFill, LimitsOfTheColumns)
{
    EXPECT_EQ(straightLimit(1), -10);
    EXPECT_EQ(straightLimit(2), 0);
    EXPECT_EQ(straightLimit(3), 10);
    EXPECT_EQ(straightLimit(200), 1980);
    // The last column of each transition, widening from 1 mm to 200 mm.
    std::map<int, int> limit;  // x -> how far its dots reach
    fill(1, 200, 200, [&](int x, int y) { limit[x] = std::max(limit[x], y - 6480); });
    EXPECT_EQ(limit.at(890), 2091);   // limit -10 + 19 * 199 / 1.8, rounded
    EXPECT_EQ(limit.count(370), 0u);  // no dots in a section of 1 mm
    std::map<int, int> second;
    fill(200, 1, 200, [&](int x, int y) { second[x] = std::max(second[x], y - 6480); });
    EXPECT_EQ(second.at(1570), 2041);  // limit -10 + 31 * 199 / 3 = 2046
}

TEST(ContinuityFill, DotCounts)
{
    const struct {
        float d1, d2, d3;
        long dots;
    } cases[] = {
        {200, 200, 200, 174636},  // 441 columns of 198 dots a side
        {1, 1, 1, 0},             // after the warning
        {2, 2, 2, 0},
        {3, 3, 3, 441 * 2},
    };
    for (const auto& c : cases) {
        long dots = 0;
        fill(c.d1, c.d2, c.d3, [&](int, int) { ++dots; });
        EXPECT_EQ(dots, c.dots) << c.d1;
    }
    std::map<int, int> perColumn;
    int lowest = 1 << 30, highest = 0;
    fill(3, 3, 3, [&](int x, int y) {
        ++perColumn[x];
        lowest = std::min(lowest, y), highest = std::max(highest, y);
    });
    EXPECT_EQ(lowest, 6479);
    EXPECT_EQ(highest, 6481);
    EXPECT_EQ(perColumn.size(), 437u);  // 441 sweeps' columns, four of them shared
    EXPECT_EQ(perColumn.at(800), 4);    // drawn by both neighbouring sweeps
    EXPECT_EQ(perColumn.at(805), 2);
}
