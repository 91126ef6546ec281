#include "numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "errors.h"

namespace rt {
namespace {

// Significant digits of |value| rounded to `precision` digits, trailing
// zeros dropped, with the decimal exponent of the first digit.
struct Digits {
    std::string digits;
    int exponent = 0;
};

Digits significantDigits(double value, int precision)
{
    if (!std::isfinite(value)) throw Overflow();
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", precision - 1, std::fabs(value));
    Digits d;
    const char* p = buffer;
    for (; *p != 'e'; ++p)
        if (*p != '.') d.digits.push_back(*p);
    d.exponent = std::atoi(p + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::string exponentForm(const Digits& d, std::string_view point)
{
    std::string text(1, d.digits[0]);
    if (d.digits.size() > 1) {
        text += point;
        text += d.digits.substr(1);
    }
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
    return text + exponent;
}

std::string fixedForm(const Digits& d, std::string_view point, bool zeroBeforePoint)
{
    std::string text;
    if (d.exponent < 0) {
        if (zeroBeforePoint) text += '0';
        text += point;
        text.append(static_cast<size_t>(-d.exponent - 1), '0');
        return text + d.digits;
    }
    const auto whole = static_cast<size_t>(d.exponent) + 1;
    if (d.digits.size() <= whole) return d.digits + std::string(whole - d.digits.size(), '0');
    text = d.digits.substr(0, whole);
    text += point;
    return text + d.digits.substr(whole);
}

std::string numberText(double value, int precision, std::string_view point, bool zeroBeforePoint)
{
    if (value == 0) return "0";
    const Digits d = significantDigits(value, precision);
    const bool exponent = d.exponent >= precision || d.exponent < -4;
    return exponent ? exponentForm(d, point) : fixedForm(d, point, zeroBeforePoint);
}

std::string shortForm(double value, int precision)
{
    std::string text(1, value < 0 ? '-' : ' ');
    text += numberText(value, precision, ".", false);
    return text;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

int digitValue(char c)
{
    if (isDigit(c)) return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return 99;
}

double radixNumber(std::string_view s, int radix)
{
    double value = 0;
    for (char c : s) {
        const int digit = digitValue(c);
        if (digit >= radix) break;
        value = value * radix + digit;
    }
    return value;
}

double checkedRound(double value, double lowest, double highest)
{
    if (!std::isfinite(value)) throw Overflow();
    const double rounded = std::nearbyint(value);  // halves to even
    if (rounded < lowest || rounded > highest) throw Overflow();
    return rounded;
}

}  // namespace

std::string shortNumber(float value)
{
    return shortForm(value, 7);
}

std::string shortNumber(double value)
{
    return shortForm(value, 15);
}

std::string integerText(long long value)
{
    return std::to_string(value);
}

std::string decimalText(double value, std::string_view decimalPoint)
{
    std::string text = value < 0 ? "-" : "";
    text += numberText(value, 15, decimalPoint, true);
    return text;
}

double parseLeadingNumber(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (!isBlank(c)) s.push_back(c);

    if (s.size() >= 2 && s[0] == '&') {
        const char kind = static_cast<char>(s[1] | 0x20);
        if (kind == 'h') return radixNumber(std::string_view(s).substr(2), 16);
        if (kind == 'o') return radixNumber(std::string_view(s).substr(2), 8);
        return radixNumber(std::string_view(s).substr(1), 8);
    }

    // The longest prefix of the form [sign] digits [. digits] [E [sign] digits].
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    size_t mantissaDigits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i) ++mantissaDigits;
    if (i < s.size() && s[i] == '.')
        for (++i; i < s.size() && isDigit(s[i]); ++i) ++mantissaDigits;
    if (mantissaDigits == 0) return 0;
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) ++j;
        if (j < s.size() && isDigit(s[j])) {
            s[i] = 'e';
            for (end = j; end < s.size() && isDigit(s[end]); ++end) {}
        }
    }
    // strtod gives an infinity for a number too large, and 0 for one too small.
    return std::strtod(s.substr(0, end).c_str(), nullptr);
}

float Int(float value)
{
    return std::floor(value);
}

double Int(double value)
{
    return std::floor(value);
}

float roundHalfDown(float value, int decimals)
{
    float scale = 1;
    for (int i = 0; i < decimals; ++i) scale *= 10;
    float x = Int(value * (scale * 10));
    const std::int32_t digit = toInt32(x) % 10;
    x = Int(x / 10);
    if (digit > 5) x += 1;
    return x / scale;
}

std::int16_t toInt16(double value)
{
    return static_cast<std::int16_t>(checkedRound(value, -32768.0, 32767.0));
}

std::int32_t toInt32(double value)
{
    return static_cast<std::int32_t>(checkedRound(value, -2147483648.0, 2147483647.0));
}

}  // namespace rt
