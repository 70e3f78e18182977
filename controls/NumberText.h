// Text to number and back for the panel's fields and the spin buddies.
//
// The C library's strtod/atof accept more than decimal numbers (mingw's take
// "0x1p4", "inf", "nan", "infinity"), and what they accept depends on the C
// runtime the module happens to be linked with. The panel only ever shows
// decimal numbers, so it reads only decimal numbers, with its own scanner:
//
//   [+|-] digits [point [digits]] [exponent]   or   [+|-] point digits [exponent]
//   exponent: (e|E) [+|-] digits   -- an 'e' without digits is not part of it
//
// Decimal point: '.', whatever the C runtime's locale, as the texts are
// written (base/DecimalText): the module shares msvcrt.dll with the host and
// its other modules, and any of them may switch it to a decimal comma.
//
// Conversion is correctly rounded straight to the target type (a float field
// is not rounded twice through a double). Magnitudes too small for the type
// round as IEEE arithmetic does: to a subnormal, or to a zero of the same sign
// (1e-50 reads as 0.0f, -1e-50 as -0.0f). Magnitudes too large are errors
// rather than infinities; see each function for what an error gives.
#pragma once

#include <cstddef>
#include <string>

// Length of the longest decimal number at the start of text[0, length),
// 0 when the text does not start with one. No white space is skipped.
size_t ScanDecimal(const char* text, size_t length);

// Converts number[0, length), which must be exactly one decimal number as
// ScanDecimal accepts it. False when it is not, or when its magnitude is too
// large for the type; `value` is then left unchanged.
bool ConvertDecimal(const char* number, size_t length, double& value);
bool ConvertDecimal(const char* number, size_t length, float& value);

// atof's rule for step fields and spin buddies: skip leading white space
// (space, \t, \n, \v, \f, \r), then read the longest decimal number; 0.0 when
// there is none. "2x" gives 2, "0x10" gives 0 (the number stops at the x).
// A number too large for a double also gives 0.0, so an infinity never reaches
// a spin step or a host call. A null text gives 0.0.
double AtofDecimal(const char* text);

// A value field's text to its float member: leading blanks and tabs, one
// decimal number, then only blanks and tabs. Refused (false, `value`
// unchanged) when there is no number (empty, "-", "."), when anything else
// follows it ("3x", "1e", "1 2"), and when it does not fit a 32-bit float
// ("1e39"), so no infinity or NaN reaches a member.
bool ParseFieldFloat(const std::string& text, float& value);

// A float member to its field's text: "%g", six significant digits, with
// '.' for the point (FormatDecimal).
std::string FormatFieldFloat(float value);

// The number behind a value field's text. A field shows six significant
// digits, so the text written for a host's value is mostly not that value,
// and reading it back would round a component the user never touched: with
// X at 12345.678, typing a new Y would move the object 0.022 along X. So
// the exact number is kept with the text written for it, and while the
// field holds that very text, it stands for that number. Any other text,
// typed or stepped, reads as it reads (ParseFieldFloat). A value that is
// not finite is not kept: its text ("nan", "inf") is refused as typed.
class FieldNumber {
public:
    // The text to write into the field for `value`; from now on that text
    // stands for `value` exactly.
    const std::string& Write(float value);
    // The field's number for its text now; false when the text is refused.
    bool Read(const std::string& text, float& value) const;

private:
    std::string written;
    float exact = 0.0f;
    bool kept = false;
};
