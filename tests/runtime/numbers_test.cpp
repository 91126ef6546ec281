#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

#include "runtime/colors.h"
#include "runtime/errors.h"
#include "runtime/numbers.h"
#include "runtime/spoken.h"

using namespace rt;

// Number text and parsing give the same in every C library locale: Qt
// installs the desktop's at start-up, and a Catalan one writes "8,85".
class InLocale : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        saved_ = std::setlocale(LC_ALL, nullptr);
        if (std::setlocale(LC_ALL, GetParam()) == nullptr) GTEST_SKIP() << GetParam() << " is not installed";
    }
    void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

private:
    std::string saved_;
};
INSTANTIATE_TEST_SUITE_P(Numbers, InLocale, ::testing::Values("C", "ca_ES.UTF-8"),
                         [](const auto& info) { return std::string(info.param[0] == 'C' ? "C" : "Catalan"); });

TEST_P(InLocale, ShortNumberSinglePrecisionTable)
{
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {0.0f, " 0"},
        {-0.0f, " 0"},
        {1.0f, " 1"},
        {0.001f, " .001"},
        {0.053f, " .053"},
        {2.652f, " 2.652"},
        {4.43f, " 4.43"},
        {0.45f, " .45"},
        {2122.066f, " 2122.066"},
        {73500.0f, " 73500"},
        {79379.99f, " 79379.99"},
        {1960000.0f, " 1960000"},
        {9999999.0f, " 9999999"},
        {10000000.0f, " 1E+07"},
        {5e7f, " 5E+07"},
        {1.5e8f, " 1.5E+08"},
        {0.1273885f, " .1273885"},
        {63.69427f, " 63.69427"},
        {0.03184713f, " .03184713"},
        {0.0003184713f, " .0003184713"},
        {0.00001f, " 1E-05"},
        {-2.5f, "-2.5"},
        {-0.5f, "-.5"},
        {1.0f / 3.0f, " .3333333"},
        {123456789.0f, " 1.234568E+08"},
    };
    for (const auto& c : cases) EXPECT_EQ(shortNumber(c.value), c.text) << c.value;
}

TEST_P(InLocale, ShortNumberDoublePrecisionKeepsFifteenDigits)
{
    EXPECT_EQ(shortNumber(0.1 * 3), " .3");
    EXPECT_EQ(shortNumber(1.0 / 3.0), " .333333333333333");
    EXPECT_EQ(shortNumber(10000000.0), " 10000000");
    EXPECT_EQ(shortNumber(1e15), " 1E+15");
    EXPECT_EQ(shortNumber(-98000.0), "-98000");
}

TEST(ShortNumber, RefusesValuesThatAreNotNumbers)
{
    EXPECT_THROW(shortNumber(std::numeric_limits<float>::infinity()), RuntimeError);
    EXPECT_THROW(shortNumber(std::nan("")), RuntimeError);
}

TEST(IntegerText, HasNoLeadingBlank)
{
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(200), "200");
    EXPECT_EQ(integerText(-3), "-3");
}

TEST_P(InLocale, DecimalTextShortestFormWithTheGivenSeparator)
{
    const struct {
        double value;
        const char* point;
        const char* text;
    } cases[] = {
        {0.0, ".", "0"},   {0.1, ".", "0.1"}, {0.1, ",", "0,1"},   {1.5, ",", "1,5"},   {20.0, ",", "20"},
        {2.3, ".", "2.3"}, {0.7, ",", "0,7"}, {19.9, ".", "19.9"}, {-1.5, ".", "-1.5"}, {1e20, ".", "1E+20"},
    };
    for (const auto& c : cases) EXPECT_EQ(decimalText(c.value, c.point), c.text) << c.value;
    // The program's own sentences: the short form's digits, in Catalan.
    const struct {
        float value;
        const char* text;
    } spoken[] = {{0.5f, "0,5"}, {8.03f, "8,03"}, {-0.25f, "-0,25"}, {5, "5"}, {0, "0"}, {0.45f, "0,45"}};
    for (const auto& c : spoken) EXPECT_EQ(sentenceNumber(c.value), c.text) << c.value;
    // Every density the scroll bar gives comes out with one decimal at most.
    for (int v = 0; v <= 200; ++v) {
        const std::string text = decimalText(v / 10.0, ".");
        const auto point = text.find('.');
        EXPECT_TRUE(point == std::string::npos || text.size() - point == 2) << text;
    }
}

// What a screen reader is given, as a Catalan voice must hear it: the
// screen's digits with a decimal comma, the units in words.
TEST_P(InLocale, SpokenTextTable)
{
    const struct {
        const char* shown;
        const char* spoken;
    } cases[] = {
        {"4.244", "4,244"},
        {".2182219", "0,2182219"},
        {"-.25", "-0,25"},
        {"1,5 kg/dm3", "1,5 quilograms per decímetre cúbic"},
        {"1.5 kg/dm3", "1,5 quilograms per decímetre cúbic"},
        {"Velocitat fluid en la canonada 2: 4.244 m/seg", "Velocitat fluid en la canonada 2: 4,244 metres per segon"},
        {"Pressió: .2182219 MPascals", "Pressió: 0,2182219 megapascals"},
        {"R= 98945.31 Newtons", "R igual a 98945,31 newtons"},
        {"R= 5E+07 Newtons", "R igual a 5 per 10 elevat a 7 newtons"},
        {"R= 1.234568E+07 Newtons", "R igual a 1,234568 per 10 elevat a 7 newtons"},
        {"3.1E-05", "3,1 per 10 elevat a menys 5"},
        {"Distància: 1 metres", "Distància: 1 metre"},
        {"fins a 1 m.", "fins a 1 metre."},
        {"fins a 0 m.", "fins a 0 metres."},
        {"Temps: .45 segons", "Temps: 0,45 segons"},
        {"Temps: 1 segons", "Temps: 1 segon"},
        {"Cabal = 350 l/min", "Cabal igual a 350 litres per minut"},
        {"El valor del cabal és 1 litres/min", "El valor del cabal és 1 litre per minut"},
        {"Diàmetre èmbol 1: 143 mm", "Diàmetre èmbol 1: 143 mil·límetres"},
        {"a 8,03 m de la paret", "a 8,03 metres de la paret"},
        {"Velocitat 1: 2.652 m/s", "Velocitat 1: 2,652 metres per segon"},
        {"l'empenta de l'aigua de 98.000 N; E > F", "l'empenta de l'aigua de 98000 newtons; E més gran que F"},
        {"E < F, baixa", "E més petit que F, baixa"},
        {"de 200 mm. per tal", "de 200 mil·límetres. per tal"},
        {"-1 m", "-1 metre"},
        // No number: inside a word, a list, a unit with no number.
        {"A1 per v1; D1 i D2", "A1 per v1; D1 i D2"},
        {"diàmetres: 20, 40 i 200 mm", "diàmetres: 20, 40 i 200 mil·límetres"},
        {"T'HAS EQUIVOCAT.Simula", "T'HAS EQUIVOCAT.Simula"},
        {"Pes 1 mostra 5 mmm i 5 ms", "Pes 1 mostra 5 mmm i 5 ms"},
        {"Cal donar valors !!", "Cal donar valors !!"},
        {"menys, No, En m", "menys, No, En m"},
        // A unit with no number before it: alone, in brackets, after "en".
        {"m/seg", "metres per segon"},
        {"MPascals", "megapascals"},
        {"Diferència de pressions (mm)", "Diferència de pressions (mil·límetres)"},
        {"v = velocitat (m/s)", "v igual a velocitat (metres per segon)"},
        {"la seva densitat en kg/dm3. L'altura", "la seva densitat en quilograms per decímetre cúbic. L'altura"},
        // Keys, signs and Greek letters in words; a list's unit in the plural.
        {"Ctrl+Més amplia la finestra, Ctrl+C copia", "Control Més amplia la finestra, Control C copia"},
        {"Ctrl+0 la torna al 100 %.", "Control 0 la torna al 100 per cent."},
        {"També Ctrl+= i el més", "També Control igual i el més"},
        {"E = F, es manté; E= F", "E igual a F, es manté; E igual a F"},
        {"ρa: densitat; ρ per la diferència", "ro a: densitat; ro per la diferència"},
        {"els diàmetres φ1, φ2 i φ3.", "els diàmetres fi 1, fi 2 i fi 3."},
        {"diàmetres dels trams: 50, 100 i 1 mm", "diàmetres dels trams: 50, 100 i 1 mil·límetres"},
        {"de 50 mm, 100 mm i 1 mm", "de 50 mil·límetres, 100 mil·límetres i 1 mil·límetre"},
        {"g val 9,8 m/s²; S, 1 m²; ρa, 1.000 kg/m³; de 0 a 20 kg/dm³; en MPa",
         "g val 9,8 metres per segon al quadrat; S, 1 metre quadrat; ro a, 1000 quilograms per metre cúbic; de 0 a 20 "
         "quilograms per decímetre cúbic; en megapascals"},
    };
    for (const auto& c : cases) EXPECT_EQ(spokenText(c.shown), c.spoken) << c.shown;
    // Said twice, the same: the program's own Catalan sentences pass through.
    for (const auto& c : cases) EXPECT_EQ(spokenText(c.spoken), c.spoken) << c.spoken;
    // A graph's ticks: grouped from five digits, never an exponent.
    const struct {
        double value;
        const char* text;
    } ticks[] = {{1e7, "10.000.000"},    {5e7, "50.000.000"}, {20000, "20.000"}, {123456, "123.456"},
                 {2000, "2000"},         {0.25, "0,25"},      {0, "0"},          {0.2 * 3, "0,6"},
                 {1.2345678, "1,23457"}, {-0.5, "-0,5"}};
    for (const auto& t : ticks) EXPECT_EQ(rt::axisNumber(t.value), t.text) << t.value;
    // A number on its own, and text that is none.
    EXPECT_EQ(spokenNumber(" 79379.99"), "79379,99");
    EXPECT_EQ(spokenNumber(" 0"), "0");
    EXPECT_EQ(spokenNumber("abc"), "abc");
    // In a table, as a Catalan spreadsheet reads numbers.
    for (const auto& [shown, written] : {std::pair{" 4.244", "4,244"},
                                         {" .2182219", "0,2182219"},
                                         {"-.25", "-0,25"},
                                         {" 5E+07", "5E+07"},
                                         {" 1.234568E+07", "1,234568E+07"},
                                         {"98.000", "98000"},
                                         {" 250", "250"},
                                         {"E > F, puja", "E > F, puja"}})
        EXPECT_EQ(writtenNumber(shown), written) << shown;
    EXPECT_EQ(unitWords("mm", true), "mil·límetre");
    EXPECT_EQ(unitWords("abc", false), "");
}

TEST_P(InLocale, ParseLeadingNumberTable)
{
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"", 0},          {"abc", 0},        {"2", 2},       {"2.5", 2.5},  {"3,5", 3.5},    {" 2 5", 25},
        {"10.01", 10.01}, {".5", 0.5},       {"-1", -1},     {"+4", 4},     {"1E2", 100},    {"1e-2", 0.01},
        {"1D3", 1000},    {"1e", 1},         {"1e+", 1},     {"2m", 2},     {"&H10", 16},    {"&hff", 255},
        {"&O17", 15},     {"&17", 15},       {"&", 0},       {"&Hzz", 0},   {"\t7\n", 7},    {"1.2.3", 1.2},
        {"--1", 0},       {".", 0},          {"-", 0},       {"1e-400", 0}, {"5 . 5", 5.5},  {"0010", 10},
        {"1,2,3", 1.2},   {"1.2,3", 1.2},    {"1,2.3", 1.2}, {",5", 0.5},   {"-2,5E1", -25}, {"10,01", 10.01},
        {"1e+2", 100},    {"0.000e9999", 0}, {"-1e-400", 0}, {"12,", 12},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(parseLeadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST_P(InLocale, ParseLeadingNumberTooLargeGivesAnInfinityOfItsSign)
{
    EXPECT_EQ(parseLeadingNumber("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseLeadingNumber("-9D999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseLeadingNumber("1E+400"), std::numeric_limits<double>::infinity());  // a written plus sign
    EXPECT_EQ(parseLeadingNumber("-1e+400"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseLeadingNumber("1E39"), 1e39);  // a double holds it; a single does not
    EXPECT_EQ(parseLeadingNumber("&HFFFFFFFFFF"), 1099511627775.0);
    EXPECT_EQ(parseLeadingNumber(std::string(5000, '9')), std::numeric_limits<double>::infinity());
    EXPECT_EQ(parseLeadingNumber("0." + std::string(400, '0') + "1e700"), 1e299);
    EXPECT_EQ(parseLeadingNumber("-0,00001e99999999999999"), -std::numeric_limits<double>::infinity());
}

TEST(Int, IsFloor)
{
    EXPECT_EQ(Int(2.7f), 2.0f);
    EXPECT_EQ(Int(-2.1f), -3.0f);
    EXPECT_EQ(Int(3.0), 3.0);
    EXPECT_EQ(Int(-0.5), -1.0);
}

TEST(RoundHalfDown, TheDigitAfterRoundsUpOnlyFromSix)
{
    const struct {
        float value;
        int decimals;
        float rounded;
    } cases[] = {
        {1.235f, 2, 1.23f},         {1.236f, 2, 1.24f},   {1.2349f, 2, 1.23f},  {4.427188f, 2, 4.43f},
        {0.451754f, 2, 0.45f},      {9.899495f, 2, 9.9f}, {10.0005f, 2, 10.0f}, {0, 2, 0},
        {2.6525f, 3, 2.652f},       {2.6526f, 3, 2.653f}, {0.0529f, 3, 0.053f}, {0.0525f, 3, 0.052f},
        {2122.0659f, 3, 2122.066f},
    };
    for (const auto& c : cases) EXPECT_EQ(roundHalfDown(c.value, c.decimals), c.rounded) << c.value;
}

TEST(IntegerConversion, HalvesGoToEven)
{
    const struct {
        double value;
        int expected;
    } cases[] = {{0.5, 0}, {1.5, 2}, {2.5, 2}, {3.5, 4}, {-0.5, 0}, {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {2.5001, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(toInt32(c.value), c.expected) << c.value;
        EXPECT_EQ(toInt16(c.value), c.expected) << c.value;
    }
}

TEST(IntegerConversion, OutOfRangeOverflows)
{
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);  // the half goes to the even neighbour
    EXPECT_THROW(toInt16(32767.5), RuntimeError);
    EXPECT_THROW(toInt16(-32769), RuntimeError);
    EXPECT_EQ(toInt32(2147483647.0), 2147483647);
    EXPECT_THROW(toInt32(2147483647.5), RuntimeError);
    EXPECT_THROW(toInt32(std::nan("")), RuntimeError);
}

TEST(Colors, RgbAndPalette)
{
    EXPECT_EQ(RGB(1, 2, 3), 1u + 256u * 2 + 65536u * 3);
    EXPECT_EQ(RGB(255, 255, 255), 0xFFFFFFu);
    EXPECT_EQ(QBColor(0), RGB(0, 0, 0));
    EXPECT_EQ(QBColor(2), RGB(0, 128, 0));
    EXPECT_EQ(QBColor(7), RGB(192, 192, 192));
    EXPECT_EQ(QBColor(15), RGB(255, 255, 255));
    EXPECT_THROW(QBColor(16), RuntimeError);
    EXPECT_THROW(QBColor(-1), RuntimeError);
}
