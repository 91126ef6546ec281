#include <gtest/gtest.h>

#include "pascal/calculation.h"
#include "runtime/numbers.h"

TEST(PascalPress, WorkedValues)
{
    const struct {
        float F, D1, D2;
        const char *pressure, *result;
    } cases[] = {
        {10, 10, 200, " .1273885", " 4000"},     {1000, 50, 500, " .5095541", " 100000"},
        {5000, 10, 1000, " 63.69427", " 5E+07"}, {5000, 200, 200, " .1592357", " 5000"},
        {10, 20, 200, " .03184713", " 1000"},    {10, 200, 200, " .0003184713", " 10"},
    };
    for (const auto& c : cases) {
        const pascal::Press p = pascal::press(c.F, c.D1, c.D2);
        EXPECT_EQ(rt::shortNumber(p.pressure), c.pressure) << c.F << "/" << c.D1 << "/" << c.D2;
        EXPECT_EQ(rt::shortNumber(p.result), c.result) << c.F << "/" << c.D1 << "/" << c.D2;
    }
}
