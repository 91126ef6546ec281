// The number conventions on any input: the leading-number parse of any
// text, and the short numeric text of any float and double read back.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "runtime/errors.h"
#include "runtime/numbers.h"

namespace {

void require(bool condition)
{
    if (!condition) __builtin_trap();
}

// The short text of a finite value: a blank or "-", no zero before the
// point, and the value back within half a unit of its last digit.
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
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
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
