#include "numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "errors.h"
#include "spoken.h"

namespace rt {
namespace {

// Number text never goes through the C library's locale: Qt sets it from
// the desktop at start-up, and a Catalan desktop would turn every point
// into a comma. <charconv> knows no locale.

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
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, precision - 1)
            .ptr;
    Digits d;
    const char* p = buffer;
    for (; *p != 'e'; ++p)
        if (*p != '.') d.digits.push_back(*p);
    ++p;  // 'e'
    if (*p == '+') ++p;
    std::from_chars(p, end, d.exponent);
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
    text += d.exponent < 0 ? "E-" : "E+";
    const std::string digits = integerText(std::abs(d.exponent));
    if (digits.size() < 2) text += '0';
    return text + digits;
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

// Whether a decimal number out of a double's range lies above 1 in
// magnitude (it overflowed) rather than below (it underflowed).
bool magnitudeAboveOne(std::string_view number)
{
    long long exponent = 0;  // decimal exponent of the first significant digit, plus one
    size_t i = 0;
    bool seenDigit = false, afterPoint = false;
    for (; i < number.size() && number[i] != 'e'; ++i) {
        if (number[i] == '.') {
            afterPoint = true;
        } else if (!seenDigit && number[i] == '0') {
            if (afterPoint) --exponent;
        } else {
            seenDigit = true;
            if (!afterPoint) ++exponent;
        }
    }
    if (i < number.size()) {
        long long written = 0;
        const bool signed_ = i + 1 < number.size() && (number[i + 1] == '-' || number[i + 1] == '+');
        const bool down = signed_ && number[i + 1] == '-';
        for (size_t j = i + (signed_ ? 2 : 1); j < number.size() && number[j] >= '0' && number[j] <= '9'; ++j)
            written = std::min(written * 10 + (number[j] - '0'), 1'000'000'000LL);
        exponent += down ? -written : written;
    }
    return exponent > 0;
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

namespace {

// A number with its sign and a zero before the point.
std::string signedText(double value, int precision, std::string_view point)
{
    std::string text = value < 0 ? "-" : "";
    text += numberText(value, precision, point, true);
    return text;
}

}  // namespace

std::string sentenceNumber(float value)
{
    return spokenNumber(shortNumber(value));
}

std::string integerText(long long value)
{
    char buffer[24];
    return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value).ptr);
}

std::string decimalText(double value, std::string_view decimalPoint)
{
    return signedText(value, 15, decimalPoint);
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

    // The longest prefix of the form [sign] digits [point digits] [E [sign]
    // digits], where the point is the first "." or ",": a Catalan pupil
    // writes 3,5.
    size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    const size_t mantissa = i;
    size_t mantissaDigits = 0;
    for (; i < s.size() && isDigit(s[i]); ++i) ++mantissaDigits;
    if (i < s.size() && (s[i] == '.' || s[i] == ',')) {
        s[i] = '.';
        for (++i; i < s.size() && isDigit(s[i]); ++i) ++mantissaDigits;
    }
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
    double value = 0;
    const auto [ptr, error] = std::from_chars(s.data() + mantissa, s.data() + end, value);
    if (error == std::errc::result_out_of_range) {
        // Too large gives an infinity of its sign, too small gives 0.
        value = magnitudeAboveOne(std::string_view(s).substr(mantissa, end - mantissa))
                    ? std::numeric_limits<double>::infinity()
                    : 0.0;
    }
    return negative ? -value : value;
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

std::string axisNumber(double value)
{
    if (!std::isfinite(value)) return "";
    const int magnitude = value == 0 ? 0 : static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, 5 - magnitude);
    char digits[400];
    const auto written = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed, decimals);
    std::string text(digits, written.ptr);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0') text.pop_back();
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    const size_t point = text.find('.');
    std::string whole = text.substr(0, point), fraction = point == std::string::npos ? "" : text.substr(point + 1);
    const bool negative = !whole.empty() && whole.front() == '-';
    if (negative) whole.erase(0, 1);
    if (whole.size() >= 5) {
        const size_t lead = whole.size() % 3 == 0 ? 3 : whole.size() % 3;
        // (Appended piece by piece: g++ 12 warns of an overlap that is none
        // in the string concatenations.)
        std::string grouped = whole.substr(0, lead);
        for (size_t i = lead; i < whole.size(); i += 3) {
            grouped.push_back('.');
            grouped.append(whole, i, 3);
        }
        whole = grouped;
    }
    std::string out = negative ? "-" : "";
    out.append(whole);
    if (!fraction.empty()) {
        out.push_back(',');
        out.append(fraction);
    }
    return out;
}

}  // namespace rt
