#include "controls/FloatSpinMath.h"

#include <algorithm>
#include <cmath>

#include "base/DecimalText.h"

namespace {

// A result within this distance past a bound is accepted as it is, so that a
// step landing on the bound through round-off (9999.9 + 0.1) is not snapped.
double BoundTolerance(double t) { return std::max(std::fabs(t * 1e-9), 1e-9); }

// Whether "%g" writes the value in exponent form: when its decimal exponent,
// after rounding to six significant digits, is below -4 or above 5. Within
// [1e-4, 999999) rounding cannot carry the exponent out of that span, so the
// answer is known without formatting; at and beyond the edges (999999.5
// rounds up to 1e+06) "%g" itself decides.
bool GeneralUsesExponent(double value) {
    const double magnitude = std::fabs(value);
    if (value == 0.0 || (magnitude >= 1e-4 && magnitude < 999999.0)) return false;
    return FormatDecimal(value, DecimalForm::General, 6).find('e') != std::string::npos;
}

void TrimTrailing(std::string& text) {
    const size_t zeros = text.find_last_not_of('0');
    text.erase(zeros == std::string::npos ? 0 : zeros + 1);
    const size_t points = text.find_last_not_of('.');
    text.erase(points == std::string::npos ? 0 : points + 1);
}

}  // namespace

int PositionCountFor(double minimum, double maximum, double step) {
    const double count = std::fabs((maximum - minimum) / step);
    if (std::isnan(count)) return 0;
    if (count > kMaxSpinPositions) return kMaxSpinPositions;
    return static_cast<int>(count);
}

double StepValue(double current, int delta, bool wrap, const SpinSettings& settings) {
    double next = current + delta * settings.step;
    // An overflowing sum would otherwise hide behind an infinite tolerance
    // (t = max(maximum, +inf)) and leave "inf" in the buddy.
    const bool overflowed = !std::isfinite(next);
    if (delta < 0) {
        const double t = std::max(settings.minimum, next);
        if (overflowed || settings.minimum - next > BoundTolerance(t))
            next = wrap ? settings.maximum : settings.minimum;
    } else {
        const double t = std::max(settings.maximum, next);
        if (overflowed || next - settings.maximum > BoundTolerance(t))
            next = wrap ? settings.minimum : settings.maximum;
    }
    return next;
}

std::optional<int> PositionFor(double value, const SpinSettings& settings) {
    if (settings.maximum == settings.minimum) return std::nullopt;
    if (value < settings.minimum) return 0;
    if (value > settings.maximum) return settings.positionCount;
    const double position = settings.positionCount * (value - settings.minimum) /
                                (settings.maximum - settings.minimum) +
                            0.5;
    // Reversed or non-finite ranges must not reach an out-of-range int cast.
    if (!(position >= 0.0)) return 0;
    if (position >= settings.positionCount) return settings.positionCount;
    return static_cast<int>(position);
}

std::string FormatValue(double value, int precision, bool trimZeros) {
    if (precision < 0) return FormatDecimal(value, DecimalForm::General, 6);

    const bool exponentForm = GeneralUsesExponent(value);
    std::string text =
        FormatDecimal(value, exponentForm ? DecimalForm::Exponent : DecimalForm::Fixed, precision);
    if (!trimZeros || text.find('.') == std::string::npos) return text;

    const size_t e = text.find('e');
    if (exponentForm && e != std::string::npos) {
        std::string mantissa = text.substr(0, e);
        TrimTrailing(mantissa);
        return mantissa + text.substr(e);
    }
    TrimTrailing(text);
    return text;
}

std::string FormatValue(double value, const SpinSettings& settings) {
    return FormatValue(value, settings.precision, settings.trimZeros);
}

int DigitsForStep(double step, int precision) {
    if (precision < 0 || !std::isfinite(step) || step == 0.0) return precision;
    // "%g" writes the step's six significant digits without trailing zeros:
    // "0.0001", "0.00025", "1e-05", "2.5e-07".
    const std::string text = FormatDecimal(std::fabs(step), DecimalForm::General, 6);
    const size_t e = text.find('e');
    const std::string mantissa = text.substr(0, e);
    const size_t point = mantissa.find('.');
    int digits = point == std::string::npos ? 0 : static_cast<int>(mantissa.size() - point - 1);
    if (e != std::string::npos) {
        // "e-05": a small step's exponent, read without the C runtime.
        int exponent = 0;
        for (size_t i = e + 2; i < text.size(); ++i) exponent = exponent * 10 + (text[i] - '0');
        digits += text[e + 1] == '-' ? exponent : -exponent;
    }
    return std::max(precision, std::min(digits, kMaxStepDigits));
}

std::string FormatStepped(double value, const SpinSettings& settings) {
    int digits = DigitsForStep(settings.step, settings.precision);
    if (digits != settings.precision && GeneralUsesExponent(value)) {
        const int exponent = static_cast<int>(std::floor(std::log10(std::fabs(value))));
        digits = std::max(settings.precision, std::min(digits + exponent, kMaxStepDigits));
    }
    return FormatValue(value, digits, settings.trimZeros);
}
