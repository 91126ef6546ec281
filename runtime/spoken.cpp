#include "spoken.h"

#include <optional>

namespace rt {
namespace {

// The units the forms write after a number, and their words: one table.
struct Unit {
    std::string_view symbol, one, many;
};
constexpr Unit kUnits[] = {
    {"m/seg", "metre per segon", "metres per segon"},
    {"m/s", "metre per segon", "metres per segon"},
    {"m/s²", "metre per segon al quadrat", "metres per segon al quadrat"},
    {"m²", "metre quadrat", "metres quadrats"},
    {"m³", "metre cúbic", "metres cúbics"},
    {"kg/m³", "quilogram per metre cúbic", "quilograms per metre cúbic"},
    {"kg/dm³", "quilogram per decímetre cúbic", "quilograms per decímetre cúbic"},
    {"MPa", "megapascal", "megapascals"},
    {"m", "metre", "metres"},
    {"metres", "metre", "metres"},
    {"mm", "mil·límetre", "mil·límetres"},
    {"segons", "segon", "segons"},
    {"kg/dm3", "quilogram per decímetre cúbic", "quilograms per decímetre cúbic"},
    {"l/min", "litre per minut", "litres per minut"},
    {"litres/min", "litre per minut", "litres per minut"},
    {"MPascals", "megapascal", "megapascals"},
    {"Newtons", "newton", "newtons"},
    {"N", "newton", "newtons"},
    {"%", "per cent", "per cent"},
};

// Signs a Catalan voice says nothing for ("E > F" is heard "E F"), or says
// in another language (English for "ρ", Greek for "φ"), or spells ("Ctrl"),
// and their words; the first that matches is taken.
struct Sign {
    std::string_view sign, words;
    bool letter = false;  // a letter: what follows it is said apart
};
constexpr Sign kSigns[] = {
    {" > ", " més gran que "}, {" < ", " més petit que "}, {"Ctrl+=", "Control igual"}, {"Ctrl+", "Control "},
    {" = ", " igual a "},      {"= ", " igual a "},        {" =", " igual a "},         {"=", " igual a "},
    {"ρ", "ro", true},         {"φ", "fi", true},
};

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A letter, a digit or any character beyond ASCII ("φ1", "m²"): what goes
// on a word, so that a digit after it is no number and a unit before it
// no unit.
bool inWord(char c)
{
    return isDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_' ||
           static_cast<unsigned char>(c) >= 0x80;
}

size_t digitsFrom(std::string_view s, size_t i)
{
    size_t end = i;
    while (end < s.size() && isDigit(s[end])) ++end;
    return end - i;
}

struct Number {
    size_t length;       // of the text read
    std::string spoken;  // as it is said
    bool one;            // 1 or -1: the unit after it in the singular
};

// Whole numbers grouped in thousands with points ("98.000"), which only the
// forms' own texts write: a computed number never ends in a zero after its
// point. Gives the length read, or 0.
size_t thousandsGrouping(std::string_view s, size_t start, size_t wholeDigits)
{
    if (wholeDigits == 0 || wholeDigits > 3) return 0;
    size_t i = start + wholeDigits;
    while (i < s.size() && s[i] == '.' && digitsFrom(s, i + 1) == 3) i += 4;
    if (i == start + wholeDigits || s[i - 1] != '0') return 0;
    return i - start;
}

// The number that begins at `start` of `s`, if one does: [-] digits
// [(.|,) digits] [E (+|-) digits], or a point and digits with no digit
// before it.
std::optional<Number> numberAt(std::string_view s, size_t start)
{
    size_t i = start;
    const bool negative = s[i] == '-';
    if (negative) ++i;
    const size_t whole = digitsFrom(s, i);
    const bool pointFirst = whole == 0 && i + 1 < s.size() && s[i] == '.' && isDigit(s[i + 1]);
    if (whole == 0 && !pointFirst) return std::nullopt;

    Number n{0, negative ? "-" : "", false};
    if (const size_t grouped = thousandsGrouping(s, i, whole)) {
        for (char c : s.substr(i, grouped))
            if (c != '.') n.spoken += c;
        n.length = i + grouped - start;
        return n;
    }
    n.spoken += whole == 0 ? std::string("0") : std::string(s.substr(i, whole));
    i += whole;
    if (i + 1 < s.size() && (s[i] == '.' || s[i] == ',') && isDigit(s[i + 1])) {
        const size_t fraction = digitsFrom(s, i + 1);
        n.spoken += ',';
        n.spoken += s.substr(i + 1, fraction);
        i += 1 + fraction;
    } else {
        n.one = n.spoken == "1" || n.spoken == "-1";
    }
    // The exponent form of numbers from ten million up: "5E+07".
    if (i + 2 < s.size() && s[i] == 'E' && (s[i + 1] == '+' || s[i + 1] == '-') && isDigit(s[i + 2])) {
        const size_t digits = digitsFrom(s, i + 2);
        std::string_view exponent = s.substr(i + 2, digits);
        while (exponent.size() > 1 && exponent.front() == '0') exponent.remove_prefix(1);
        n.spoken += " per 10 elevat a ";
        if (s[i + 1] == '-') n.spoken += "menys ";
        n.spoken += exponent;
        n.one = false;
        i += 2 + digits;
    }
    n.length = i - start;
    return n;
}

// Whether a number may begin at `i`: not inside a word ("A1", "φ1") nor
// inside another number.
bool numberMayStart(std::string_view s, size_t i)
{
    if (i > 0 && (inWord(s[i - 1]) || s[i - 1] == '.' || s[i - 1] == ',')) return false;
    const char c = s[i];
    if (isDigit(c)) return true;
    const auto digitOrPointDigit = [&](size_t j) {
        return j < s.size() && (isDigit(s[j]) || (s[j] == '.' && j + 1 < s.size() && isDigit(s[j + 1])));
    };
    if (c == '.') return digitOrPointDigit(i);
    return c == '-' && digitOrPointDigit(i + 1);
}

// The unit written at `i`, if one is: a symbol of the table that ends
// where the word does.
const Unit* unitAt(std::string_view s, size_t i)
{
    for (const Unit& unit : kUnits) {
        if (s.substr(i, unit.symbol.size()) != unit.symbol) continue;
        const size_t end = i + unit.symbol.size();
        if (end == s.size() || (!inWord(s[end]) && s[end] != '/')) return &unit;
    }
    return nullptr;
}

// Whether the unit at `i` stands for itself: the whole text, in brackets
// ("(mm)") or after "en" ("en kg/dm3"), where no number says how many.
bool unitStandsAlone(std::string_view s, size_t i, const Unit& unit)
{
    if (i > 0 && inWord(s[i - 1])) return false;
    const auto blank = [](std::string_view part) { return part.find_first_not_of(' ') == std::string_view::npos; };
    if (blank(s.substr(0, i)) && blank(s.substr(i + unit.symbol.size()))) return true;
    if (i > 0 && s[i - 1] == '(') return true;
    return i >= 3 && s.substr(i - 3, 3) == "en " && (i == 3 || !inWord(s[i - 4]));
}

// Whether the text between two numbers lists them ("50, 100 i 1 mm"): the
// unit after the last is said for them all, in the plural.
bool listsNumbers(std::string_view between)
{
    return between == ", " || between == " i " || between == " o " || between == ", i ";
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && s.front() == ' ') s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ') s.remove_suffix(1);
    return s;
}

}  // namespace

std::string spokenNumber(std::string_view shown)
{
    const std::string_view text = trimmed(shown);
    if (text.empty() || !numberMayStart(text, 0)) return std::string(text);
    const std::optional<Number> n = numberAt(text, 0);
    return n && n->length == text.size() ? n->spoken : std::string(text);
}

std::string writtenNumber(std::string_view shown)
{
    const std::string_view text = trimmed(shown);
    const std::optional<Number> n = !text.empty() && numberMayStart(text, 0) ? numberAt(text, 0) : std::nullopt;
    if (!n || n->length != text.size()) return std::string(text);
    const size_t exponent = text.find('E');
    const std::string_view mantissa = text.substr(0, exponent);
    // Grouped thousands lose their points; a decimal point becomes a comma.
    if (n->spoken.find(',') == std::string::npos && mantissa.find('.') != std::string_view::npos &&
        exponent == std::string_view::npos)
        return n->spoken;
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '.') {
            out += text[i];
            continue;
        }
        if (i == 0 || text[i - 1] == '-') out += '0';
        out += ',';
    }
    return out;
}

std::string_view unitWords(std::string_view symbol, bool one)
{
    for (const Unit& unit : kUnits)
        if (unit.symbol == symbol) return one ? unit.one : unit.many;
    return {};
}

std::string spokenText(std::string_view text)
{
    std::string out;
    out.reserve(text.size() + 16);
    size_t i = 0;
    size_t lastNumberEnd = std::string_view::npos;
    while (i < text.size()) {
        const std::optional<Number> n = numberMayStart(text, i) ? numberAt(text, i) : std::nullopt;
        if (!n) {
            if (const Unit* unit = unitAt(text, i); unit != nullptr && unitStandsAlone(text, i, *unit)) {
                out += unit->many;
                i += unit->symbol.size();
                continue;
            }
            const Sign* sign = nullptr;
            for (const Sign& s : kSigns)
                if (text.substr(i, s.sign.size()) == s.sign) {
                    sign = &s;
                    break;
                }
            if (sign == nullptr) {
                out += text[i++];
                continue;
            }
            out += sign->words;
            i += sign->sign.size();
            if (sign->letter && i < text.size() && inWord(text[i])) out += ' ';
            continue;
        }
        const bool listed =
            lastNumberEnd != std::string_view::npos && listsNumbers(text.substr(lastNumberEnd, i - lastNumberEnd));
        out += n->spoken;
        i += n->length;
        lastNumberEnd = i;
        size_t j = i;
        while (j < text.size() && text[j] == ' ') ++j;
        if (const Unit* unit = j < text.size() ? unitAt(text, j) : nullptr) {
            out += ' ';
            out += n->one && !listed ? unit->one : unit->many;
            i = j + unit->symbol.size();
        }
    }
    return out;
}

}  // namespace rt
