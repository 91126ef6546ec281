#include <gtest/gtest.h>

#include "runtime/numbers.h"
#include "venturi/calculation.h"

TEST(VenturiCalculation, WorkedTable)
{
    const struct {
        int q;
        const char *cabal, *v1, *v2, *difference;
    } rows[] = {
        {0, " 0", " 0", " 0", " 0"},
        {1, " 1", " .001", " .008", " 0"},
        {50, " 50", " .027", " .424", " 9"},
        {100, " 100", " .053", " .849", " 36"},
        {250, " 250", " .133", " 2.122", " 228"},
        {500, " 500", " .265", " 4.244", " 915"},
    };
    for (const auto& r : rows) {
        const venturi::Results res = venturi::calculate(r.q);
        EXPECT_EQ(rt::shortNumber(res.cabal), r.cabal) << r.q;
        EXPECT_EQ(rt::shortNumber(res.speed1), r.v1) << r.q;
        EXPECT_EQ(rt::shortNumber(res.speed2), r.v2) << r.q;
        EXPECT_EQ(rt::shortNumber(res.difference), r.difference) << r.q;
    }
    float largest = 0;
    for (int q = 0; q <= 500; ++q) {
        const venturi::Results res = venturi::calculate(q);
        EXPECT_LT(res.speed1, 1.0f) << q;  // always written without a zero before the point
        EXPECT_GE(res.difference, largest) << q;
        largest = res.difference;
    }
    EXPECT_EQ(largest, 915);
}

TEST(VenturiCalculation, SpeedsRoundHalfUpOnTheFourthDecimal)
{
    const struct {
        float v;
        float rounded;
    } cases[] = {{0.2655f, 0.266f}, {0.26549f, 0.265f}, {0.2651f, 0.265f},
                 {0.2659f, 0.266f}, {4.24434f, 4.244f}, {0, 0}};
    for (const auto& c : cases) EXPECT_EQ(venturi::roundSpeed(c.v), c.rounded) << c.v;
}
