// Any bytes as the text of a value field, a spin buddy or a step field.
//
// The reference is the C library: glibc's strtod and strtof round correctly
// and read the same decimal grammar as the module's scanner. They also read
// hex, "inf" and "nan", which the scanner must refuse; those texts are
// recognised here and held to their own expectation. The C locale is in
// force, so both read '.' as the point.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "controls/NumberText.h"
#include "fuzz_check.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSign(char c) { return c == '+' || c == '-'; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsSpace(char c) { return IsBlank(c) || (c >= '\n' && c <= '\r'); }

// How a text starts, as far as the decimal grammar is concerned.
enum class Start {
    Decimal,  // [sign] (digit | point): strtod reads it as the scanner should
    Hex,      // [sign] 0 (x | X): the scanner stops after the 0, strtod goes on
    Other,    // no number for the scanner (strtod may still see inf, nan, spaces)
};

Start StartOf(const std::string& text) {
    size_t i = 0;
    if (i < text.size() && IsSign(text[i])) ++i;
    if (i >= text.size()) return Start::Other;
    if (text[i] == '0' && i + 1 < text.size() && (text[i + 1] == 'x' || text[i + 1] == 'X'))
        return Start::Hex;
    if (IsDigit(text[i]) || text[i] == '.') return Start::Decimal;
    return Start::Other;
}

struct Reference {
    size_t length;  // characters strtod took
    double value;
    float single;
};

// strtod and strtof of a text that starts as Start::Decimal. The text may
// hold NULs; the C functions stop at the first, and so does the scanner.
Reference ReferenceOf(const std::string& text) {
    char* end = nullptr;
    Reference r;
    r.value = std::strtod(text.c_str(), &end);
    r.length = static_cast<size_t>(end - text.c_str());
    r.single = std::strtof(text.c_str(), &end);
    return r;
}

void CheckScanAndConvert(const std::string& text) {
    const char* data = text.data();
    const size_t n = text.size();
    const size_t length = ScanDecimal(data, n);
    REQUIRE(length <= n, "%s: length %zu", Shown(text).c_str(), length);

    // Longest prefix: with any limit at or past the number the same number
    // is found, and a shorter limit finds no more than it allows.
    for (size_t limit : {length, n / 2, n > 0 ? n - 1 : 0}) {
        const size_t within = ScanDecimal(data, limit);
        if (limit >= length)
            REQUIRE(within == length, "%s: %zu within %zu, %zu in all", Shown(text).c_str(), within,
                    limit, length);
        else
            REQUIRE(within <= limit, "%s: %zu within %zu", Shown(text).c_str(), within, limit);
    }

    const Start start = StartOf(text);
    if (start == Start::Other) {
        REQUIRE(length == 0, "%s: no number expected, scanned %zu", Shown(text).c_str(), length);
    } else if (start == Start::Hex) {
        const size_t zero = IsSign(text[0]) ? 2 : 1;
        REQUIRE(length == zero, "%s: the number ends before the x, scanned %zu",
                Shown(text).c_str(), length);
    } else {
        const Reference r = ReferenceOf(text);
        REQUIRE(length == r.length, "%s: scanned %zu, strtod took %zu", Shown(text).c_str(), length,
                r.length);
    }

    // A whole text converts only when it is exactly one number; refused, the
    // target keeps its value.
    double value = -7.25;
    float single = -7.25f;
    const bool whole = ConvertDecimal(data, n, value);
    const bool wholeSingle = ConvertDecimal(data, n, single);
    if (length != n || n == 0) {
        REQUIRE(!whole && !wholeSingle && value == -7.25 && single == -7.25f,
                "%s: not one number, yet converted", Shown(text).c_str());
    }
    if (length == 0) return;

    // The number itself converts correctly rounded, straight to each type;
    // too large is an error rather than an infinity.
    const std::string number = text.substr(0, length);
    const Reference r = ReferenceOf(number);
    value = -7.25;
    single = -7.25f;
    const bool converted = ConvertDecimal(number.data(), length, value);
    const bool convertedSingle = ConvertDecimal(number.data(), length, single);
    if (std::isinf(r.value)) {
        REQUIRE(!converted && value == -7.25, "%s: too large for a double, gave %a",
                Shown(number).c_str(), value);
    } else {
        REQUIRE(converted && SameBits(value, r.value), "%s: %a, strtod %a", Shown(number).c_str(),
                value, r.value);
    }
    if (std::isinf(r.single)) {
        REQUIRE(!convertedSingle && single == -7.25f, "%s: too large for a float, gave %a",
                Shown(number).c_str(), static_cast<double>(single));
    } else {
        REQUIRE(convertedSingle && SameBits(single, r.single), "%s: %a, strtof %a",
                Shown(number).c_str(), static_cast<double>(single), static_cast<double>(r.single));
    }
}

// The atof rule of steps and buddies: white space, then the longest number;
// 0.0 for no number and for one too large; never anything but finite.
void CheckAtof(const std::string& text) {
    const std::string line = text.substr(0, text.find('\0'));
    const double value = AtofDecimal(line.c_str());
    REQUIRE(std::isfinite(value), "%s: %a", Shown(line).c_str(), value);

    size_t i = 0;
    while (i < line.size() && IsSpace(line[i])) ++i;
    const std::string rest = line.substr(i);
    double expected = 0.0;
    switch (StartOf(rest)) {
    case Start::Other: break;
    case Start::Hex: expected = rest[0] == '-' ? -0.0 : 0.0; break;
    case Start::Decimal: {
        const Reference r = ReferenceOf(rest);
        if (r.length > 0 && !std::isinf(r.value)) expected = r.value;
        break;
    }
    }
    REQUIRE(SameBits(value, expected), "%s: %a, expected %a", Shown(line).c_str(), value, expected);
}

// A value field: one number between blanks and tabs that fits a float, or
// refused with the member unchanged.
void CheckField(const std::string& text) {
    size_t first = 0;
    while (first < text.size() && IsBlank(text[first])) ++first;
    const size_t length = ScanDecimal(text.data() + first, text.size() - first);
    size_t after = first + length;
    while (after < text.size() && IsBlank(text[after])) ++after;
    const bool oneNumber = length > 0 && after == text.size();
    const Reference r = ReferenceOf(text.substr(first, length));

    const float untouched = -7.25f;
    float value = untouched;
    const bool accepted = ParseFieldFloat(text, value);
    if (oneNumber && !std::isinf(r.single)) {
        REQUIRE(accepted && SameBits(value, r.single), "%s: accepted %d, %a, strtof %a",
                Shown(text).c_str(), accepted, static_cast<double>(value),
                static_cast<double>(r.single));
    } else {
        REQUIRE(!accepted && SameBits(value, untouched), "%s: should be refused, gave %a",
                Shown(text).c_str(), static_cast<double>(value));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    CheckScanAndConvert(text);
    CheckAtof(text);
    CheckField(text);
    return 0;
}
