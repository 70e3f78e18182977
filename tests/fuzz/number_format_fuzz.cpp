// Spin and field formatting, read back the way the module reads its own text.
//
// Input: "value|precision|trim", the value read with strtod (so hex floats,
// "inf" and "nan" reach every double), the precision as an integer, trim on
// when the third part starts with a nonzero digit. The same value text read
// with strtof is the float of a value field.
//
// What a formatted value must satisfy:
// - it is printf's own text in the C locale, which the fuzzing runs in, but
//   for a NaN, which is "nan" whatever its sign;
// - it is one whole decimal number to the module's scanner;
// - with a precision p >= 0 the mantissa has exactly p digits after the point,
//   and the exponent form is used exactly when "%g" would use it: when the
//   decimal exponent of the value rounded to six digits is below -4 or at
//   least 6;
// - read back, it is within half a unit of its last digit (the sixth
//   significant digit for "%g") of the value, plus the half spacing of
//   doubles that the reading rounds by; it is the value itself when that
//   unit is finer than the spacing of doubles there; the one exception is a
//   text rounded past the largest double, which reads as 0 like any number
//   too large;
// - trimming only takes zeros after the point and then the point, and reads
//   back to the same double.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

#include "controls/FloatSpinMath.h"
#include "controls/NumberText.h"
#include "fuzz_check.h"

namespace {

struct Input {
    std::string valueText;
    int precision = 3;
    bool trim = false;
};

Input Split(const std::string& data) {
    Input in;
    const size_t bar = data.find('|');
    in.valueText = data.substr(0, bar);
    if (bar == std::string::npos) return in;
    // strtol stops at the second '|'. The precision is kept wide enough for
    // every digit of any double in either form, small enough for quick runs.
    const long p = std::strtol(data.c_str() + bar + 1, nullptr, 10);
    in.precision = static_cast<int>(p < -3 ? -3 : p > 1100 ? 1100 : p);
    const size_t bar2 = data.find('|', bar + 1);
    if (bar2 != std::string::npos && bar2 + 1 < data.size())
        in.trim = data[bar2 + 1] >= '1' && data[bar2 + 1] <= '9';
    return in;
}

// Decimal exponent of the value rounded to `digits` significant digits, as
// "%e" writes it; "%g" decides its form by this exponent with six digits.
int DecimalExponent(double value, int digits) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*e", digits - 1, value);
    return std::atoi(std::strchr(text, 'e') + 1);
}

// Distances to the neighbouring values of the same type, the nearer and the
// farther (they differ at a power of two).
template <class Real>
Real Spacing(Real value, bool farther) {
    const Real up = std::nextafter(value, std::numeric_limits<Real>::infinity());
    const Real down = std::nextafter(value, -std::numeric_limits<Real>::infinity());
    const Real above = std::isfinite(up) ? up - value : value - down;
    const Real below = std::isfinite(down) ? value - down : above;
    return farther ? std::fmax(above, below) : std::fmin(above, below);
}

// The decimal text is within half a unit of the value, and reading it
// rounds by at most half a spacing at the value read. `unit` comes from pow
// and may be off by an ulp, which for a subnormal unit (1e-316 has only 24
// bits) is far from relative; hence the slack of one ulp of the unit.
template <class Real>
bool WithinHalfUnit(Real back, Real value, double unit) {
    const double limit = (unit + Spacing(unit, true)) / 2 * (1 + 1e-9) + Spacing(back, true) / 2.0;
    return std::fabs(static_cast<double>(back) - static_cast<double>(value)) <= limit;
}

// printf of a value with a precision (a negative one is printf's default),
// at any length.
std::string Printed(const char* format, int precision, double value) {
    std::string text(static_cast<size_t>(precision < 0 ? 0 : precision) + 400, '\0');
    const int size = std::snprintf(&text[0], text.size(), format, precision, value);
    text.resize(size < 0 ? 0 : static_cast<size_t>(size));
    return text;
}

// What the spin writes without trimming: "%g" for a negative precision, else
// the form that "%g" picks, with `precision` digits after the point.
std::string PrintedSpinText(double value, int precision) {
    if (std::isnan(value)) return "nan";
    if (precision < 0) return Printed("%.*g", 6, value);
    const bool exponent = Printed("%.*g", 6, value).find('e') != std::string::npos;
    return Printed(exponent ? "%.*e" : "%.*f", precision, value);
}

void CheckSpinText(double value, int precision, bool trim) {
    const std::string plain = FormatValue(value, precision, false);
    const std::string shown = FormatValue(value, precision, trim);
    const std::string printed = PrintedSpinText(value, precision);
    REQUIRE(plain == printed, "%a precision %d: %s, printf %s", value, precision, plain.c_str(),
            printed.c_str());
    if (!std::isfinite(value)) {
        REQUIRE(AtofDecimal(shown.c_str()) == 0.0, "%a gave %s", value, shown.c_str());
        return;
    }
    REQUIRE(ScanDecimal(shown.data(), shown.size()) == shown.size() && !shown.empty(),
            "%a precision %d trim %d: %s is not one number", value, precision, trim, shown.c_str());

    const size_t e = plain.find('e');
    const bool exponentForm = e != std::string::npos;
    const std::string mantissa = plain.substr(0, e);
    const int sixDigitExponent = DecimalExponent(value, 6);
    REQUIRE(exponentForm == (sixDigitExponent < -4 || sixDigitExponent >= 6),
            "%a precision %d: %s for a six-digit exponent of %d", value, precision, plain.c_str(),
            sixDigitExponent);

    double unit;
    if (precision >= 0) {
        const size_t point = mantissa.find('.');
        const size_t decimals = point == std::string::npos ? 0 : mantissa.size() - point - 1;
        REQUIRE(decimals == static_cast<size_t>(precision), "%a precision %d: %s", value, precision,
                plain.c_str());
        const int exponent = exponentForm ? std::atoi(plain.c_str() + e + 1) : 0;
        unit = std::pow(10.0, exponent - precision);
    } else {
        unit = std::pow(10.0, sixDigitExponent - 5);
    }

    // Read back as the spin reads its buddy, against glibc's correctly
    // rounded strtod; a text past the largest double reads as 0.
    const double back = AtofDecimal(plain.c_str());
    const double exact = std::strtod(plain.c_str(), nullptr);
    if (std::isinf(exact)) {
        REQUIRE(SameBits(back, 0.0), "%a precision %d: %s overflows, read %a", value, precision,
                plain.c_str(), back);
    } else {
        REQUIRE(SameBits(back, exact), "%a precision %d: %s read %a, strtod %a", value, precision,
                plain.c_str(), back, exact);
        REQUIRE(SameBits(back, value) || WithinHalfUnit(back, value, unit),
                "%a precision %d: %s read %a, more than half of %g away", value, precision,
                plain.c_str(), back, unit);
        if (unit * (1 + 1e-9) < Spacing(value, false))
            REQUIRE(SameBits(back, value), "%a precision %d: %s has every digit, read %a", value,
                    precision, plain.c_str(), back);
    }

    // Trimming: the exponent part stays; the mantissa loses only zeros after
    // the point and then the point; a text without a point keeps its zeros.
    if (trim) {
        if (mantissa.find('.') == std::string::npos) {
            REQUIRE(shown == plain, "%s trimmed to %s", plain.c_str(), shown.c_str());
        } else {
            const size_t shownE = shown.find('e');
            const std::string shownMantissa = shown.substr(0, shownE);
            REQUIRE((shownE == std::string::npos ? std::string() : shown.substr(shownE)) ==
                        (exponentForm ? plain.substr(e) : std::string()),
                    "%s trimmed to %s", plain.c_str(), shown.c_str());
            REQUIRE(mantissa.compare(0, shownMantissa.size(), shownMantissa) == 0,
                    "%s trimmed to %s", plain.c_str(), shown.c_str());
            const std::string removed = mantissa.substr(shownMantissa.size());
            const size_t firstZero = !removed.empty() && removed[0] == '.' ? 1 : 0;
            REQUIRE(removed.find_first_not_of('0', firstZero) == std::string::npos,
                    "%s trimmed to %s", plain.c_str(), shown.c_str());
            const bool keepsPoint = shownMantissa.find('.') != std::string::npos;
            REQUIRE(shownMantissa.back() != '.' && !(keepsPoint && shownMantissa.back() == '0'),
                    "%s trimmed to %s", plain.c_str(), shown.c_str());
            REQUIRE(SameBits(AtofDecimal(shown.c_str()), back), "%s trimmed to %s", plain.c_str(),
                    shown.c_str());
        }
    }
}

// A float member written to its field must read back without the number
// prompt, close to the member, and writing it again must not change the field.
void CheckFieldText(float value) {
    const std::string text = FormatFieldFloat(value);
    const std::string printed = PrintedSpinText(static_cast<double>(value), -1);
    REQUIRE(text == printed, "%a gave %s, printf %s", static_cast<double>(value), text.c_str(),
            printed.c_str());
    float back = -7.25f;
    const bool accepted = ParseFieldFloat(text, back);
    if (!std::isfinite(value)) {
        REQUIRE(!accepted, "%a gave %s, which was accepted", static_cast<double>(value),
                text.c_str());
        return;
    }
    REQUIRE(accepted, "%a gave %s, which was refused", static_cast<double>(value), text.c_str());
    const double unit = std::pow(10.0, DecimalExponent(value, 6) - 5);
    REQUIRE(SameBits(back, value) || WithinHalfUnit(back, value, unit), "%a gave %s, read %a",
            static_cast<double>(value), text.c_str(), static_cast<double>(back));
    if (unit * (1 + 1e-9) < Spacing(value, false))
        REQUIRE(SameBits(back, value), "%a gave %s, read %a", static_cast<double>(value),
                text.c_str(), static_cast<double>(back));
    REQUIRE(FormatFieldFloat(back) == text, "%a gave %s, read %a, which gives %s",
            static_cast<double>(value), text.c_str(), static_cast<double>(back),
            FormatFieldFloat(back).c_str());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Input in = Split(std::string(reinterpret_cast<const char*>(data), size));
    const double value = std::strtod(in.valueText.c_str(), nullptr);
    const float single = std::strtof(in.valueText.c_str(), nullptr);
    CheckSpinText(value, in.precision, in.trim);
    CheckFieldText(single);
    // The panel's own rows: location and size, rotation.
    CheckSpinText(value, 3, false);
    CheckSpinText(value, 2, false);
    return 0;
}
