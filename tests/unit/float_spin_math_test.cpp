#include "controls/FloatSpinMath.h"
#include "controls/SpinDrag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The panel's three rows.
SpinSettings Row(double minimum, double maximum, double step, int precision) {
    SpinSettings s;
    s.minimum = minimum;
    s.maximum = maximum;
    s.step = step;
    s.positionCount = PositionCountFor(minimum, maximum, step);
    s.precision = precision;
    s.trimZeros = false;
    return s;
}
const SpinSettings kLocation = Row(-10000.0, 10000.0, 0.1, 3);
const SpinSettings kRotation = Row(-180.0, 180.0, 1.0, 2);
const SpinSettings kSize = Row(0.001, 1000.0, 0.1, 3);

std::string Step(double current, int delta, const SpinSettings& row, bool wrap = false) {
    return FormatValue(StepValue(current, delta, wrap, row), row.precision, row.trimZeros);
}

}  // namespace

TEST(FloatSpinFormat, ValueToTextTable) {
    struct Case {
        int precision;
        bool trim;
        double value;
        const char* text;
    };
    const Case cases[] = {
        {3, false, 0.0, "0.000"},
        {3, false, 2.5, "2.500"},
        {3, false, -0.1, "-0.100"},
        {3, false, 10000.0, "10000.000"},
        {3, false, 0.00005, "5.000e-05"},
        {2, false, 45.0, "45.00"},
        {3, true, 2.5, "2.5"},
        {3, true, 100.0, "100"},
        {3, true, 0.0, "0"},
        {3, true, 1e7, "1e+07"},
        {0, true, 100.0, "100"},
        {0, true, 1e7, "1e+07"},
        {0, false, 2.6, "3"},
        {3, true, -1.5e-5, "-1.5e-05"},
        {-1, false, 0.1, "0.1"},
        {-1, true, 1234567.0, "1.23457e+06"},
        {-2, false, 0.5, "0.5"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.text, FormatValue(c.value, c.precision, c.trim))
            << c.value << " precision " << c.precision << " trim " << c.trim;
}

TEST(FloatSpinFormat, ExponentFormExactlyWhereGeneralFormatUsesIt) {
    EXPECT_EQ("1.000e+06", FormatValue(999999.5, 3, false));  // %g rounds it to 1e+06
    EXPECT_EQ("999999.400", FormatValue(999999.4, 3, false));
    EXPECT_EQ("1.000e-05", FormatValue(0.00001, 3, false));
    EXPECT_EQ("0.000", FormatValue(0.0001, 3, false));  // fixed form, digits lost
    EXPECT_EQ("1.797693e+308", FormatValue(DBL_MAX, 6, false));
}

// The form is decided without "%g" for values well inside the fixed span;
// around its edges and across the whole range it must still agree with "%g".
TEST(FloatSpinFormat, FormAgreesWithGeneralFormatAroundItsEdges) {
    std::vector<double> values = {0.0, -0.0, 1e-300, 5e-324, DBL_MAX, HUGE_VAL, -HUGE_VAL, NAN};
    for (double edge : {1e-4, 9.9999995e-5, 999999.0, 999999.5, 999998.5}) {
        double below = edge, above = edge;
        for (int i = 0; i < 64; ++i) {
            below = std::nextafter(below, 0.0);
            above = std::nextafter(above, HUGE_VAL);
            values.insert(values.end(), {below, above, -below, -above});
        }
        values.push_back(edge);
    }
    for (double v = 1e-12; v < 1e12; v *= 1.37) values.insert(values.end(), {v, -v});
    for (double v : values) {
        char general[64];
        std::snprintf(general, sizeof general, "%g", v);
        const bool exponent = std::strchr(general, 'e') != nullptr;
        const std::string text = FormatValue(v, 3, false);
        EXPECT_EQ(exponent, text.find('e') != std::string::npos) << general << " gave " << text;
    }
}

TEST(FloatSpinFormat, LongTextsAreNotCutOrOverrun) {
    EXPECT_EQ(6u + 1u + 500u, FormatValue(123456.0, 500, false).size());
    EXPECT_EQ("9.00e+300", FormatValue(9.0e300, 2, false));  // not 301 digits of fixed form
}

TEST(FloatSpinStep, ClampsOnlyWhenPastTheBoundByMoreThanTheTolerance) {
    EXPECT_EQ("10000.000", Step(9999.95, +1, kLocation));  // 10000.05 clamps
    EXPECT_EQ(10000.0, StepValue(9999.95, +1, false, kLocation));
    EXPECT_EQ("10000.000", Step(9999.9, +1, kLocation));  // round-off only
    EXPECT_EQ("0.001", Step(0.05, -1, kSize));            // -0.05 clamps up

    // The tolerance is relative to the bound (1e-5 at 10000) ...
    EXPECT_EQ(10000.000005, StepValue(10000.000005, 0, false, kLocation));
    EXPECT_EQ(10000.0, StepValue(10000.00002, 0, false, kLocation));
    // ... and at least 1e-9 absolute near zero.
    const SpinSettings fromZero = Row(0.0, 1.0, 0.0, 3);
    EXPECT_EQ(-5e-10, StepValue(-5e-10, -1, false, fromZero));
    EXPECT_EQ(0.0, StepValue(-2e-9, -1, false, fromZero));
}

TEST(FloatSpinStep, OnlyTheBoundInTheStepDirectionIsTested) {
    EXPECT_EQ("19999.900", Step(20000.0, -1, kLocation));
    EXPECT_EQ("-19999.900", Step(-20000.0, +1, kLocation));
    // Delta 0 counts as upward: above the maximum it clamps or wraps ...
    EXPECT_EQ(10000.0, StepValue(20000.0, 0, false, kLocation));
    EXPECT_EQ(-10000.0, StepValue(20000.0, 0, true, kLocation));
    // ... below the minimum it stays.
    EXPECT_EQ(-20000.0, StepValue(-20000.0, 0, false, kLocation));
    // The direction is the delta's, not the value's: a negative step going
    // below the minimum on an upward delta is not caught.
    SpinSettings negative = kLocation;
    negative.step = -0.1;
    EXPECT_EQ("-10000.100", Step(-10000.0, +1, negative));
    EXPECT_EQ("0.900", Step(1.0, +1, negative));
}

TEST(FloatSpinStep, WrapJumpsToTheOppositeBoundExactly) {
    EXPECT_EQ("-180.00", Step(180.0, +1, kRotation, true));
    EXPECT_EQ("180.00", Step(-180.0, -1, kRotation, true));
    EXPECT_EQ(180.0, StepValue(-179.5, -1, true, kRotation));  // remainder dropped
    EXPECT_EQ(-180.0, StepValue(179.5, +1, true, kRotation));
    EXPECT_EQ("180.00", Step(180.0, +1, kRotation, false));  // no wrap: clamps
}

TEST(FloatSpinStep, DeltaScalesTheStep) {
    EXPECT_EQ("1.500", Step(1.0, 5, kLocation));
    EXPECT_EQ("0.500", Step(1.0, -5, kLocation));
    SpinSettings still = kLocation;
    still.step = 0.0;
    EXPECT_EQ(12.5, StepValue(12.5, 3, false, still));
}

TEST(FloatSpinStep, AStepFinerThanTheRowsDigitsShowsTheDigitsItNeeds) {
    EXPECT_EQ("1.0001", FormatStepped(1.0001, Row(-10000.0, 10000.0, 0.001 * 0.1, 3)));
    EXPECT_EQ("1.000e-05", FormatStepped(1e-5, Row(-10000.0, 10000.0, 1e-5, 3)));  // mantissa's
    EXPECT_EQ("1.0001e-05", FormatStepped(1.0001e-5, Row(-10000.0, 10000.0, 1e-9, 3)));
}

TEST(FloatSpinStep, OverflowingSumStaysFinite) {
    SpinSettings wide = Row(-DBL_MAX, DBL_MAX, DBL_MAX, 3);
    EXPECT_EQ(DBL_MAX, StepValue(DBL_MAX, 5, false, wide));
    EXPECT_EQ(-DBL_MAX, StepValue(DBL_MAX, 5, true, wide));
    EXPECT_EQ(-DBL_MAX, StepValue(-DBL_MAX, -5, false, wide));
}

TEST(FloatSpinPositions, CountForRange) {
    EXPECT_EQ(32767, kLocation.positionCount);
    EXPECT_EQ(360, kRotation.positionCount);
    EXPECT_EQ(9999, kSize.positionCount);  // 9999.99 truncated
    EXPECT_EQ(100, PositionCountFor(0.0, 100.0, 1.0));
    EXPECT_EQ(100, PositionCountFor(100.0, 0.0, 1.0));
    EXPECT_EQ(100, PositionCountFor(0.0, 100.0, -1.0));
    EXPECT_EQ(32767, PositionCountFor(0.0, 32767.9, 1.0));
    EXPECT_EQ(32767, PositionCountFor(0.0, 1.0, 0.0));
    EXPECT_EQ(0, PositionCountFor(1.0, 1.0, 0.0));
}

TEST(FloatSpinPositions, PositionFollowsValue) {
    EXPECT_EQ(0, PositionFor(-20000.0, kLocation));
    EXPECT_EQ(32767, PositionFor(20000.0, kLocation));
    EXPECT_EQ(16384, PositionFor(0.0, kLocation));  // 16383.5 rounds up
    EXPECT_EQ(225, PositionFor(45.0, kRotation));
    EXPECT_EQ(51, PositionFor(50.5, SpinSettings()));
    EXPECT_EQ(50, PositionFor(50.49, SpinSettings()));
    EXPECT_EQ(100, PositionFor(100.0, SpinSettings()));
    EXPECT_FALSE(PositionFor(5.0, Row(5.0, 5.0, 1.0, 3)).has_value());
}

// The Wine tests drag through the middle of the screen; these are the edges
// of the rules: the threshold, rounding toward zero, a press by the edge.
TEST(SpinDrag, TheTravelFromThePressBecomesStepsAndThePointerIsKeptFromTheEdge) {
    SpinDrag drag;
    drag.Press(300, 4);
    EXPECT_EQ(0, drag.MoveTo(297));  // within the threshold: still a press
    EXPECT_EQ(5, drag.MoveTo(290));  // past it: the whole travel counts
    EXPECT_EQ(-5, drag.MoveTo(301));  // toward zero, so one pixel below is no step yet
    EXPECT_EQ(std::optional<int>(300), drag.KeepFromEdge(1000, 0, 1024));
    drag.Press(10, 4);  // by the edge: back to the middle instead
    EXPECT_EQ(std::optional<int>(512), drag.KeepFromEdge(5, 0, 1024));
    EXPECT_EQ(std::nullopt, drag.KeepFromEdge(100, 0, 1024));
    EXPECT_EQ(0.1, StepScale(true, true));  // Shift wins
}

// Walks by the top of a screen: a mouse goes on from where it was put back, a
// pen goes where it is. No device counts more travel than its pointer covered.
TEST(SpinDrag, NoDeviceCountsMoreTravelThanItsPointerCovered) {
    for (unsigned walk = 0, seed = 1; walk < 200; ++walk) {
        SpinDrag drag;
        drag.Press(300, 4);
        int pointer = 300, pen = 300, steps = 0, covered = 0;
        for (int i = 0; i < 60; ++i, seed = seed * 1103515245u + 12345u) {
            const int move = static_cast<int>(seed >> 16) % 161 - 100;  // upward mostly
            pen = std::clamp(pen + move, 1, 1022);
            const int to = walk % 2 ? pen : std::clamp(pointer + move, 1, 1022);
            covered += std::abs(to - pointer);
            steps += drag.MoveTo(pointer = to);
            if (const std::optional<int> back = drag.KeepFromEdge(pointer, 0, 1024)) {
                drag.PutBack(*back);
                steps += drag.MoveTo(*back);  // the system's own move there
                if (walk % 2 == 0) pointer = *back;
            }
        }
        EXPECT_LE(std::abs(steps) * SpinDrag::kPixelsPerStep, covered) << walk;
    }
}
