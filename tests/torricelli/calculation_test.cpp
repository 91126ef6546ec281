#include <gtest/gtest.h>

#include "runtime/numbers.h"
#include "torricelli/calculation.h"

using namespace torricelli;

TEST(TorricelliResults, WorkedValuesAsShown)
{
    const struct {
        float liquidMetres, holeMetres;
        const char *speed, *distance, *time;
    } cases[] = {
        {2, 1, " 4.43", " 2", " .45"}, {10, 5, " 9.9", " 10", " 1.01"}, {10, 0, " 14", " 0", " 0"},
        {3, 3, " 0", " 0", " .78"},    {0, 0, " 0", " 0", " 0"},        {10, 10, " 0", " 0", " 1.43"},
        {5, 2.5, " 7", " 5", " .71"},
    };
    for (const auto& c : cases) {
        const Results r = results(c.liquidMetres * kTwipsPerMetre, c.holeMetres * kTwipsPerMetre);
        EXPECT_EQ(rt::shortNumber(r.speed), c.speed) << c.liquidMetres << "/" << c.holeMetres;
        EXPECT_EQ(rt::shortNumber(r.distance), c.distance) << c.liquidMetres << "/" << c.holeMetres;
        EXPECT_EQ(rt::shortNumber(r.time), c.time) << c.liquidMetres << "/" << c.holeMetres;
    }
}

TEST(TorricelliReading, LiquidHeights)
{
    const struct {
        const char* text;
        float twips;
        Refusal refusal;
    } cases[] = {
        {"10", 5000, Refusal::None},
        {"10.01", 0, Refusal::LiquidTooHigh},
        {"3,5", 1750, Refusal::None},  // a decimal comma, as a Catalan pupil writes it
        {"10,01", 0, Refusal::LiquidTooHigh},
        {"9,9,9", 4950, Refusal::None},  // a second separator ends the number
        {" 2 5", 0, Refusal::LiquidTooHigh},
        {"abc", 0, Refusal::None},
        {"", 0, Refusal::None},
        {"&H5", 2500, Refusal::None},
        {"0.5E1", 2500, Refusal::None},
        {"-1", 0, Refusal::NegativeLiquid},
        {"-0.001", 0, Refusal::NegativeLiquid},
        {"1E39", 0, Refusal::LiquidTooHigh},
        {"-1E39", 0, Refusal::NegativeLiquid},
        {"9E99", 0, Refusal::LiquidTooHigh},
        {"1E400", 0, Refusal::LiquidTooHigh},
        {"-1E400", 0, Refusal::NegativeLiquid},
        {"1E-400", 0, Refusal::None},
    };
    for (const auto& c : cases) {
        const Liquid l = readLiquid(c.text);
        EXPECT_EQ(l.twips, c.twips) << '"' << c.text << '"';
        EXPECT_EQ(l.refusal, c.refusal) << '"' << c.text << '"';
    }
    EXPECT_NEAR(readLiquid("2.001").twips, 1000.5f, 0.001f);
}

TEST(TorricelliReading, HoleHeightsAgainstTheLiquid)
{
    const struct {
        const char* text;
        float liquid;
        float twips;
        Refusal refusal;
    } cases[] = {
        {"1", 1000, 500, Refusal::None},
        {"2", 1000, 1000, Refusal::None},
        {"2.01", 1000, 0, Refusal::BelowHole},
        {"0.1", 0, 0, Refusal::BelowHole},  // before any filling
        {"0", 0, 0, Refusal::None},
        {"x", 0, 0, Refusal::None},
        {"-1", 1000, 0, Refusal::NegativeHole},
        {"1E39", 5000, 0, Refusal::BelowHole},
        {"-1E39", 5000, 0, Refusal::NegativeHole},
        {"9E99", 5000, 0, Refusal::BelowHole},
        {"1E400", 5000, 0, Refusal::BelowHole},
        {"-1E400", 5000, 0, Refusal::NegativeHole},
    };
    for (const auto& c : cases) {
        const Hole h = readHole(c.text, c.liquid);
        EXPECT_EQ(h.twips, c.twips) << '"' << c.text << '"';
        EXPECT_EQ(h.refusal, c.refusal) << '"' << c.text << '"';
    }
}

TEST(TorricelliReading, Messages)
{
    EXPECT_STREQ(message(Refusal::LiquidTooHigh), "L'altura del líquid ha de ser inferior 10 metres");
    EXPECT_STREQ(message(Refusal::BelowHole), "L'altura ha de ser superior a l'altura del forat");
    EXPECT_STREQ(message(Refusal::NegativeLiquid), "L'altura del líquid no pot ser negativa");
    EXPECT_STREQ(message(Refusal::NegativeHole), "L'altura del forat no pot ser negativa");
    EXPECT_STREQ(message(Refusal::None), "");
}

TEST(TorricelliJet, ReachOfTheJet)
{
    // 2 m of liquid over a hole at 1 m: the first jet lands 2 m from the wall.
    EXPECT_NEAR(500 * jetReach(500, -1000, 500), 1000, 1);
    EXPECT_EQ(jetReach(0, -1000, 500), 0);   // at the hole
    EXPECT_EQ(jetReach(500, -500, 500), 0);  // surface at the hole: straight down
    EXPECT_EQ(jetReach(100, -499, 500), 0);  // never the root of a negative number
}
