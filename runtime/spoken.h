#pragma once
// What a screen reader is given, heard right by a Catalan voice: the
// numbers the screen shows, with a decimal comma and a zero before it, and
// the units after them in words. Plain C++, no Qt.
//
// A Catalan voice reads "4.244" as four thousand, ".2182219" as two
// million and "mm" letter by letter: the screen keeps its texts, and only
// what is spoken changes.

#include <string>
#include <string_view>

namespace rt {

// A number as the screen shows it, as it is spoken: the same digits, the
// decimal mark a comma whatever the desktop's, a zero before it, no
// leading blank (" 4.244" "4,244", ".2182219" "0,2182219", "-.5" "-0,5",
// "1,5" as it is). Thousands grouped with points, which only the forms'
// own texts write ("98.000": a computed number never ends in a zero after
// its point), lose their points; an exponent is said ("5E+07" "5 per 10
// elevat a 7").
std::string spokenNumber(std::string_view shown);

// The same number as a table or a Catalan spreadsheet writes it: the
// decimal comma and the zero before it, the exponent kept as it is written
// (" .2182219" "0,2182219", " 5E+07" "5E+07"); a text that is no number,
// as it is.
std::string writtenNumber(std::string_view shown);

// The words of a unit the forms write after a number ("m/seg", "kg/dm3"),
// in the singular after 1 ("1 metre"); empty for a text that is no unit.
std::string_view unitWords(std::string_view symbol, bool one);

// A text as it is spoken: every number in it as spokenNumber says it, a
// unit after a number in words, and the signs a voice keeps silent ("E > F")
// in words.
std::string spokenText(std::string_view text);

}  // namespace rt
