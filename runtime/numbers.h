#pragma once
// The number conventions every form shares. Plain C++: no Qt here, so the
// calculations of the simulators can use it and be tested on their own.

#include <cstdint>
#include <string>
#include <string_view>

namespace rt {

// Short numeric form of a computed result: a leading blank (or "-"), "." as
// decimal point, no zero before the point, no trailing zeros, 7 significant
// digits, exponent form from 1E7 up and below 1E-4 ("5E+07").
std::string shortNumber(float value);
// The same for a double-precision result, with 15 significant digits.
std::string shortNumber(double value);

// A single-precision result as the program's own sentences say it, in
// Catalan: its short form as a screen reader is given it (spoken.h), with
// a zero before the decimal comma ("0,5", "8,03", "-0,25").
std::string sentenceNumber(float value);

// Plain integer text of value labels: "10", "-3"; no leading blank.
std::string integerText(long long value);

// Shortest decimal text of a double (15 significant digits) with a zero
// before the point and the given decimal separator: "0,1", "2.5", "20".
std::string decimalText(double value, std::string_view decimalPoint);

// The leading number of typed text: blanks anywhere are ignored, the first
// "." or "," is the decimal point (a second one ends the number), an exponent (E or D) belongs to the number, "&H" and
// "&O" start hexadecimal and octal numbers; text that does not begin with a number gives 0. A number too large for a
// double gives an infinity of its sign, for the caller to refuse.
double parseLeadingNumber(std::string_view text);

// A number as a Catalan text on a graph's axis writes it: at most six
// significant digits, never an exponent, a decimal comma, and the thousands
// grouped with points from five digits on ("10.000.000", "20.000", "2000",
// "0,25").
std::string axisNumber(double value);

// Int: the largest whole number not above the value.
float Int(float value);
double Int(double value);

// Rounds a result to `decimals` places as the forms do, every step in
// single precision: the value is cut after the next digit, and that digit
// rounds up only from 6 (1.235 gives 1.23, 1.236 gives 1.24).
float roundHalfDown(float value, int decimals);

// Conversions to 16- and 32-bit integers: halves go to the even neighbour;
// a value outside the type's range (or not a number) raises Overflow.
std::int16_t toInt16(double value);
std::int32_t toInt32(double value);

}  // namespace rt
