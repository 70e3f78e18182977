// Clicks on a spin: buddy text read with the atof rule, stepped, formatted
// and written back, then read again for the next click, as FloatSpin does.
//
// Input: "deltas|buddy text|step text|row", parts missing at the end take
// "1", "0", "0.1" and "loc". Deltas are integers separated by spaces, one
// click each (at most 64). The step text is read as the panel reads a step
// field. The row is one of the panel's ("loc", "rot", "size") or
// "minimum maximum wrap precision" read with strtod and strtol, so that any
// double, infinities and NaN included, can be a bound.
//
// For a click from a finite value with a finite range and step:
// - the result is finite;
// - it is the plain sum value + delta * step, the minimum or the maximum;
// - only the bound in the step's direction is tested (a zero delta counts as
//   upward): a sum that does not pass it is kept, whatever the other bound;
// - a sum that passes it by no more than the tolerance, max(|t| * 1e-9, 1e-9)
//   with t the larger of bound and sum, is kept; one that passes it by more,
//   or overflows, becomes that bound, or with wrapping exactly the opposite
//   bound;
// - with minimum <= maximum and a step >= 0, a value within the range stays
//   within it (widened by the tolerance) and so does the text read back
//   (widened by half a unit of its last digit).
// For any range: the native position count is within 0 .. 32767, a position
// within 0 .. count, none only for an empty range, and positions follow
// values in order; for ranges narrow enough that count * width is finite
// they are proportional (within one half, the rounding) and the ends of the
// range take the ends of the native range.
#include <climits>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "controls/FloatSpinMath.h"
#include "controls/NumberText.h"
#include "fuzz_check.h"

namespace {

struct Input {
    std::vector<int> deltas;
    std::string buddy = "0";
    std::string stepText = "0.1";
    SpinSettings settings;
    bool wrap = false;
};

std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    size_t from = 0;
    for (;;) {
        const size_t at = text.find(separator, from);
        parts.push_back(text.substr(from, at == std::string::npos ? at : at - from));
        if (at == std::string::npos) return parts;
        from = at + 1;
    }
}

int Saturated(long long value) {
    return static_cast<int>(value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : value);
}

Input Read(const std::string& data) {
    Input in;
    const std::vector<std::string> parts = SplitAt(data, '|');
    const char* deltas = parts[0].c_str();
    for (char* end = nullptr; in.deltas.size() < 64; deltas = end) {
        const long long delta = std::strtoll(deltas, &end, 10);
        if (end == deltas) break;
        in.deltas.push_back(Saturated(delta));
    }
    if (in.deltas.empty()) in.deltas.push_back(1);
    if (parts.size() > 1) in.buddy = parts[1];
    if (parts.size() > 2) in.stepText = parts[2];

    // The panel's rows, trimming off as the panel sets them.
    SpinSettings& s = in.settings;
    s.trimZeros = false;
    const std::string row = parts.size() > 3 ? parts[3] : "loc";
    if (row == "loc") {
        s.minimum = -10000.0, s.maximum = 10000.0, s.precision = 3;
    } else if (row == "rot") {
        s.minimum = -180.0, s.maximum = 180.0, s.precision = 2, in.wrap = true;
    } else if (row == "size") {
        s.minimum = 0.001, s.maximum = 1000.0, s.precision = 3;
    } else {
        char* at = nullptr;
        s.minimum = std::strtod(row.c_str(), &at);
        s.maximum = std::strtod(at, &at);
        in.wrap = std::strtol(at, &at, 10) != 0;
        const long precision = std::strtol(at, &at, 10);
        s.precision = static_cast<int>(precision < -1 ? -1 : precision > 40 ? 40 : precision);
        while (*at == ' ') ++at;
        s.trimZeros = *at == 't';
    }
    s.step = AtofDecimal(in.stepText.c_str());
    s.positionCount = PositionCountFor(s.minimum, s.maximum, s.step);
    return in;
}

double Tolerance(double t) { return std::fmax(std::fabs(t * 1e-9), 1e-9); }

std::string Click(double value, int delta, bool wrap, const SpinSettings& s, double next) {
    char text[256];
    std::snprintf(text, sizeof text, "%a %+d * %a in [%a, %a]%s gave %a", value, delta, s.step,
                  s.minimum, s.maximum, wrap ? " wrapping" : "", next);
    return text;
}

void CheckStep(double value, int delta, bool wrap, const SpinSettings& s, double next) {
    const double raw = value + delta * s.step;
    const bool up = delta >= 0;
    const double bound = up ? s.maximum : s.minimum;
    const double opposite = up ? s.minimum : s.maximum;
    const double past = up ? raw - bound : bound - raw;  // > 0: the sum passes the bound
    const bool kept = std::isfinite(raw) && !(past > Tolerance(std::fmax(bound, raw)));

    REQUIRE(std::isfinite(next), "%s", Click(value, delta, wrap, s, next).c_str());
    REQUIRE(SameBits(next, raw) || SameBits(next, s.minimum) || SameBits(next, s.maximum), "%s",
            Click(value, delta, wrap, s, next).c_str());
    REQUIRE(SameBits(next, kept   ? raw
                           : wrap ? opposite
                                  : bound),
            "%s: the sum %s", Click(value, delta, wrap, s, next).c_str(),
            kept ? "is kept" : "passes the bound");

    if (s.minimum <= s.maximum && s.step >= 0.0 && value >= s.minimum && value <= s.maximum) {
        REQUIRE(next >= s.minimum - Tolerance(s.minimum) &&
                    next <= s.maximum + Tolerance(std::fmax(s.maximum, next)),
                "%s: left the range", Click(value, delta, wrap, s, next).c_str());
    }
}

void CheckPositions(const SpinSettings& s, double value, double next) {
    REQUIRE(s.positionCount >= 0 && s.positionCount <= kMaxSpinPositions,
            "[%a, %a] step %a: %d positions", s.minimum, s.maximum, s.step, s.positionCount);
    const std::optional<int> a = PositionFor(value, s);
    const std::optional<int> b = PositionFor(next, s);
    REQUIRE(a.has_value() == (s.maximum != s.minimum) && b.has_value() == a.has_value(),
            "[%a, %a]: a position for an empty range or none for another", s.minimum, s.maximum);
    if (!a) return;
    for (int position : {*a, *b})
        REQUIRE(position >= 0 && position <= s.positionCount, "[%a, %a] count %d: position %d",
                s.minimum, s.maximum, s.positionCount, position);
    if (!(s.minimum < s.maximum)) return;

    REQUIRE(!(value<next&& * a> * b) && !(value > next && *a < *b),
            "[%a, %a] count %d: %a at %d, %a at %d", s.minimum, s.maximum, s.positionCount, value,
            *a, next, *b);

    const double width = s.maximum - s.minimum;
    if (!std::isfinite(s.positionCount * width)) return;
    REQUIRE(PositionFor(s.minimum, s) == 0 && PositionFor(s.maximum, s) == s.positionCount,
            "[%a, %a] count %d: the ends are not the native ends", s.minimum, s.maximum,
            s.positionCount);
    for (double v : {value, next}) {
        if (!(v >= s.minimum && v <= s.maximum)) continue;
        const double exact = s.positionCount * ((v - s.minimum) / width);
        const int position = *PositionFor(v, s);
        REQUIRE(std::fabs(position - exact) <= 0.5 + 1e-6 * s.positionCount,
                "[%a, %a] count %d: %a at %d, proportionally %f", s.minimum, s.maximum,
                s.positionCount, v, position, exact);
    }
}

// The text written back reads as the stepped value up to half its last
// digit, so a value stepped from within the range is shown within it.
void CheckShown(const SpinSettings& s, double next, const std::string& text, bool fromRange) {
    const double back = AtofDecimal(text.c_str());
    REQUIRE(std::isfinite(back), "%a shown as %s", next, text.c_str());
    if (!fromRange || !(s.step >= 0.0) || !(s.minimum <= s.maximum)) return;
    // Fixed form with the panel's few digits; the exponent form, for
    // magnitudes below 1e-4 or from 1e6 on, is the format target's concern.
    if (s.precision < 0 || s.precision > 15 || text.find('e') != std::string::npos) return;
    const double largest = std::fmax(std::fabs(s.minimum), std::fabs(s.maximum));
    const double slack = (std::pow(10.0, -s.precision) / 2 + Tolerance(largest)) * (1 + 1e-9);
    REQUIRE(back >= s.minimum - slack && back <= s.maximum + slack,
            "%a in [%a, %a] shown as %s, read back %a", next, s.minimum, s.maximum, text.c_str(),
            back);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Input in = Read(std::string(reinterpret_cast<const char*>(data), size));
    const SpinSettings& s = in.settings;
    const bool finiteRange =
        std::isfinite(s.minimum) && std::isfinite(s.maximum) && std::isfinite(s.step);
    std::string text = in.buddy;
    for (int delta : in.deltas) {
        const double value = AtofDecimal(text.c_str());
        REQUIRE(std::isfinite(value), "buddy %s read as %a", Shown(text).c_str(), value);
        const double next = StepValue(value, delta, in.wrap, s);
        text = FormatValue(next, s);
        CheckPositions(s, value, next);
        if (!finiteRange) continue;
        CheckStep(value, delta, in.wrap, s, next);
        CheckShown(s, next, text, value >= s.minimum && value <= s.maximum);
    }
    return 0;
}
