// Number rules of FloatSpin, the up-down control that steps a floating-point
// value held as text in its buddy edit. The native up-down control only knows
// 16-bit integer positions, so the value, its range and its step live here as
// doubles and the native position merely follows the value.
#pragma once

#include <optional>
#include <string>

// Largest native position: the up-down control's positions are 16-bit signed.
constexpr int kMaxSpinPositions = 0x7FFF;

struct SpinSettings {
    double minimum = 0.0;
    double maximum = 100.0;
    double step = 1.0;
    int positionCount = 100;  // native range is 0 .. positionCount
    int precision = -1;       // digits after the point; negative: "%g" as is
    bool trimZeros = true;
};

// |(maximum - minimum) / step|, truncated toward zero and capped at
// kMaxSpinPositions. A step of 0 gives the cap; callers that must leave the
// native range alone for step 0 check for it before calling. NaN gives 0.
int PositionCountFor(double minimum, double maximum, double step);

// The value after one UDN_DELTAPOS of `delta` steps from `current`.
// Only the bound in the direction of `delta` is tested (0 counts as upward),
// so a typed value beyond the other bound stays there. Passing the bound by no
// more than max(|t| * 1e-9, 1e-9), t the larger of bound and result, is
// tolerated (round-off of the sum); beyond that the result becomes that
// bound, or with `wrap` exactly the opposite bound (the remainder is not
// carried). A sum that overflows is treated as passing the bound, so the
// result is always finite for a finite range.
double StepValue(double current, int delta, bool wrap, const SpinSettings& settings);

// Native position for `value`, rounded half up and kept within
// 0 .. positionCount; nothing (no UDM_SETPOS at all) for an empty range.
std::optional<int> PositionFor(double value, const SpinSettings& settings);

// Value to buddy text, in printf's forms as the C locale writes them
// (FormatDecimal), whatever the C runtime's locale. A negative precision
// gives "%g" and nothing else. Otherwise "%g" chooses between fixed and
// exponent form, the value is written with that many digits after the point
// ("%.<p>f" or "%.<p>e"), and with trimming, trailing zeros and then
// trailing points are removed (from the mantissa only in exponent form), but
// only from a text that has a point in it, so "100" and "1e+07" from
// precision 0 stay whole. The exponent has at least two digits, on Windows
// too.
std::string FormatValue(double value, int precision, bool trimZeros);
std::string FormatValue(double value, const SpinSettings& settings);

// The digits after the point of a value stepped by `step` in a row of
// `precision` digits: the row's, or, for a step finer than them, as many as
// the step needs (those of its six significant digits, at most
// kMaxStepDigits), so that every step shows and the next one, read back
// from the text, goes on from it. A negative precision (the general format)
// stays as it is.
constexpr int kMaxStepDigits = 15;
int DigitsForStep(double step, int precision);

// FormatValue of a value stepped by `settings.step`, with the row's
// precision or the digits that the step needs (DigitsForStep). In exponent
// form the digits are the mantissa's, counted from its first: the step's
// last digit lies as many places below the point as the value's exponent
// says, so 1e-05 stepped by 1e-05 keeps the row's "1.000e-05".
std::string FormatStepped(double value, const SpinSettings& settings);
