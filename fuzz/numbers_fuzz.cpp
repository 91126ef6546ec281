// The number conventions on any input: the leading-number parse of any
// text, the short numeric text of any float and double read back, and
// both as a screen reader is given them.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "require.h"
#include "runtime/errors.h"
#include "runtime/numbers.h"
#include "runtime/spoken.h"

namespace {

// The short text of a finite value: a blank or "-", no zero before the
// point, and the value back within half a unit of its last digit.
// The digits of a number's text, without the zeros it starts with.
std::string significant(std::string_view text)
{
    std::string digits;
    for (char c : text)
        if (c >= '0' && c <= '9' && (!digits.empty() || c != '0')) digits += c;
    return digits;
}

// A short text as it is spoken: no point, the same digits (a zero added
// before a leading point), its exponent said in words.
void checkSpoken(const std::string& shortText)
{
    const std::string spoken = rt::spokenNumber(shortText);
    require(spoken.find('.') == std::string::npos);
    require(!spoken.empty() && (spoken[0] == '-' || (spoken[0] >= '0' && spoken[0] <= '9')));
    const size_t e = shortText.find('E'), said = spoken.find(" per 10 elevat a ");
    require((e == std::string::npos) == (said == std::string::npos));
    require(significant(std::string_view(spoken).substr(0, said)) ==
            significant(std::string_view(shortText).substr(0, e)));
}

template <class T>
void checkShortNumber(T value, int digits)
{
    const std::string text = rt::shortNumber(value);
    require(!text.empty() && (text[0] == ' ' || text[0] == '-'));
    require(text.rfind(" 0.", 0) != 0 && text.rfind("-0.", 0) != 0);
    require(text.size() <= static_cast<size_t>(digits) + 8);
    const double back = std::strtod(text.c_str(), nullptr);
    const double magnitude = std::fabs(static_cast<double>(value));
    // The largest doubles round, at 15 digits, to a text beyond the range.
    if (std::isinf(back)) {
        require(magnitude > 1.79769313486231e308);
        return;
    }
    if (magnitude == 0) {
        require(back == 0);
        return;
    }
    const double unit = std::pow(10.0, std::floor(std::log10(magnitude)) - (digits - 1));
    // (back is itself rounded to a double: a few of its units of slack)
    require(std::fabs(back - static_cast<double>(value)) <= unit * 0.5000001 + magnitude * 4e-16);
    checkSpoken(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    // Any text at all, as a screen reader would be given it.
    const std::string spoken = rt::spokenText(text);
    require(spoken.size() <= text.size() * 40);
    const double parsed = rt::parseLeadingNumber(text);
    require(!std::isnan(parsed));
    if (std::isfinite(parsed)) checkShortNumber(parsed, 15);
    if (size >= sizeof(float)) {
        float f;
        std::memcpy(&f, data, sizeof f);
        if (std::isfinite(f)) checkShortNumber(f, 7);
    }
    if (size >= sizeof(double)) {
        double d;
        std::memcpy(&d, data, sizeof d);
        if (std::isfinite(d)) {
            checkShortNumber(d, 15);
            // 16- and 32-bit conversions: a value or the documented overflow.
            try {
                const auto i = rt::toInt32(d);
                require(std::fabs(d - i) <= 0.5);
            } catch (const rt::RuntimeError& e) {
                require(e.number() == 6 && std::fabs(d) >= 2147483647.5);
            }
        }
        long long n;
        std::memcpy(&n, data, sizeof n);
        require(std::strtoll(rt::integerText(n).c_str(), nullptr, 10) == n);
    }
    return 0;
}
