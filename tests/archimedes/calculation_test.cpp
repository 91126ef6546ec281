#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "archimedes/calculation.h"
#include "runtime/numbers.h"

using namespace archimedes;

TEST(ArchimedesWeight, OnlyFivePairsBalanceTheBuoyancy)
{
    std::set<std::pair<int, int>> balanced;
    for (int density = 0; density <= 200; ++density)
        for (int height = 0; height <= 10; ++height)
            if (weight(density, height) == E) balanced.emplace(density, height);
    const std::set<std::pair<int, int>> expected{{10, 10}, {20, 5}, {25, 4}, {50, 2}, {100, 1}};
    EXPECT_EQ(balanced, expected);
}

TEST(ArchimedesWeight, WorkedValuesWithTheirSinglePrecisionSteps)
{
    const struct {
        int density, height;
        const char* text;
    } cases[] = {
        {9, 9, " 79379.99"},  // not 79380
        {0, 10, " 0"},       {10, 0, " 0"},  {75, 1, " 73500"}, {200, 10, " 1960000"},
        {10, 10, " 98000"},  {1, 1, " 980"}, {3, 7, " 20580"},  {199, 9, " 1755180"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rt::shortNumber(weight(c.density, c.height)), c.text) << c.density << " " << c.height;
    EXPECT_FLOAT_EQ(weight(9, 9), 79379.9921875f);
    EXPECT_LT(weight(9, 9), E);
}

TEST(ArchimedesWeight, CoverHidesTheEmptyPart)
{
    EXPECT_EQ(coverHeight(0), 1000);
    EXPECT_EQ(coverHeight(4), 600);
    EXPECT_EQ(coverHeight(10), 0);
}

TEST(ArchimedesJudgement, TableOfAnswers)
{
    const char* right0 = "MOLT BÉ. El recipient es manté, E=F. Simula el Moviment per comprovar-ho";
    const char* right1 = "MOLT BÉ.  Simula el Moviment per comprovar-ho";
    const char* right2 = "MOLT BÉ. Simula el Moviment per comprovar-ho";
    const char* wrong = "T'HAS EQUIVOCAT. Simula el Moviment per comprovar-ho";
    const char* wrong1 = "T'HAS EQUIVOCAT.Simula el Moviment per comprovar-ho";
    const struct {
        int option;
        const char *below, *equal, *above;
    } rows[] = {
        {0, wrong, right0, wrong},
        {1, right1, wrong1, wrong1},
        {2, wrong, wrong, right2},
    };
    for (const auto& r : rows) {
        EXPECT_STREQ(judgement(r.option, 79379.99f), r.below) << r.option;
        EXPECT_STREQ(judgement(r.option, 0), r.below) << r.option;
        EXPECT_STREQ(judgement(r.option, 98000), r.equal) << r.option;
        EXPECT_STREQ(judgement(r.option, 98000.01f), r.above) << r.option;
    }
}

TEST(ArchimedesResult, TextsAfterTheMotion)
{
    const struct {
        float F;
        const char* text;
    } cases[] = {
        {0, "El pes del recipient és de  0 Newtons i l'empenta de l'aigua de 98.000 N; E > F, flota"},
        {73500, "El pes del recipient és de  73500 Newtons i l'empenta de l'aigua de 98.000 N; E > F, flota"},
        {weight(9, 9), "El pes del recipient és de  79379.99 Newtons i l'empenta de l'aigua de 98.000 N; E > F, flota"},
        {98000, "El pes del recipient és de  98000 Newtons i l'empenta de l'aigua de 98.000 N;  E= F, es manté"},
        {1960000, "El pes del recipient és de  1960000 Newtons i l'empenta de l'aigua de 98.000 N; E < F, s'enfonsa"},
    };
    for (const auto& c : cases) EXPECT_EQ(resultText(c.F), c.text) << c.F;
    EXPECT_EQ(motionDirection(0), -1);
    EXPECT_EQ(motionDirection(98000), 0);
    EXPECT_EQ(motionDirection(98000.01f), 1);
}
