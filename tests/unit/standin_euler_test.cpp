#include <gtest/gtest.h>

#include <cmath>

#include "host/tsxapi/euler.h"
#include "tests/support/vector_checks.h"

using standin::AxesFromEuler;
using standin::AxesOrigin;
using standin::AxesVector;
using standin::EulerFromAxes;
using standin::NormalizeDegrees;

namespace {

// Difference of two angles in degrees, modulo 360 (so 180 and -180 agree).
double AngleGap(double a, double b) {
    double d = std::fmod(std::fabs(a - b), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

void ExpectRoundTrip(float x, float y, float z, double tolerance = 2e-3) {
    Vector3 back = EulerFromAxes(AxesFromEuler(Vector3{x, y, z}));
    SCOPED_TRACE(testing::Message() << "angles " << x << ", " << y << ", " << z << " came back as "
                                    << back.x << ", " << back.y << ", " << back.z);
    EXPECT_LE(AngleGap(x, back.x), tolerance);
    EXPECT_NEAR(y, back.y, tolerance);
    EXPECT_LE(AngleGap(z, back.z), tolerance);
    EXPECT_GT(back.x, -180.0f);
    EXPECT_LE(back.x, 180.0f);
    EXPECT_GT(back.z, -180.0f);
    EXPECT_LE(back.z, 180.0f);
}

}  // namespace

TEST(StandinEuler, ZeroAnglesGiveTheWorldAxes) {
    Axes axes = AxesFromEuler(Vector3{0, 0, 0});
    ExpectVectorNear(Vector3{0, 0, 0}, AxesOrigin(axes), 0);
    ExpectVectorNear(Vector3{1, 0, 0}, AxesVector(axes, 0), 1e-7);
    ExpectVectorNear(Vector3{0, 1, 0}, AxesVector(axes, 1), 1e-7);
    ExpectVectorNear(Vector3{0, 0, 1}, AxesVector(axes, 2), 1e-7);
}

TEST(StandinEuler, OriginIsKept) {
    Axes axes = AxesFromEuler(Vector3{10, 20, 30}, Vector3{1, -2, 3.5f});
    ExpectVectorNear(Vector3{1, -2, 3.5f}, AxesOrigin(axes), 0);
}

TEST(StandinEuler, SingleTurnsFollowTheRightHandRule) {
    // 90 degrees about Z takes X to Y and Y to -X.
    Axes z90 = AxesFromEuler(Vector3{0, 0, 90});
    ExpectVectorNear(Vector3{0, 1, 0}, AxesVector(z90, 0), 1e-6);
    ExpectVectorNear(Vector3{-1, 0, 0}, AxesVector(z90, 1), 1e-6);
    // 90 degrees about X takes Y to Z.
    Axes x90 = AxesFromEuler(Vector3{90, 0, 0});
    ExpectVectorNear(Vector3{0, 0, 1}, AxesVector(x90, 1), 1e-6);
    // 90 degrees about Y takes Z to X.
    Axes y90 = AxesFromEuler(Vector3{0, 90, 0});
    ExpectVectorNear(Vector3{1, 0, 0}, AxesVector(y90, 2), 1e-6);
}

TEST(StandinEuler, XTurnsFirstThenYThenZ) {
    // X 90 then Z 90: the Y axis goes to Z by the first turn and stays there.
    Axes axes = AxesFromEuler(Vector3{90, 0, 90});
    ExpectVectorNear(Vector3{0, 0, 1}, AxesVector(axes, 1), 1e-6);
    ExpectVectorNear(Vector3{0, 1, 0}, AxesVector(axes, 0), 1e-6);
}

TEST(StandinEuler, AxesAreOrthonormal) {
    Axes axes = AxesFromEuler(Vector3{33, -47, 121});
    Vector3 v[3] = {AxesVector(axes, 0), AxesVector(axes, 1), AxesVector(axes, 2)};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            double dot = v[i].x * v[j].x + v[i].y * v[j].y + v[i].z * v[j].z;
            EXPECT_NEAR(i == j ? 1.0 : 0.0, dot, 1e-6) << i << "." << j;
        }
    }
}

TEST(StandinEuler, RoundTripOverAGrid) {
    for (int x = -175; x <= 180; x += 25) {
        for (int y = -85; y <= 85; y += 17) {
            for (int z = -170; z <= 180; z += 35) {
                ExpectRoundTrip(static_cast<float>(x), static_cast<float>(y),
                                static_cast<float>(z));
            }
        }
    }
}

TEST(StandinEuler, RoundTripOfFractionsAndSmallAngles) {
    ExpectRoundTrip(1.5f, 0, 0);
    ExpectRoundTrip(0.01f, -0.02f, 0.03f);
    ExpectRoundTrip(-12.25f, 45.5f, 99.75f);
    ExpectRoundTrip(0, 0, 0);
}

TEST(StandinEuler, RoundTripAtTheEdges) {
    ExpectRoundTrip(180, 0, 0);
    ExpectRoundTrip(0, 0, 180);
    ExpectRoundTrip(180, 30, -180 + 0.5f);
    ExpectRoundTrip(-179.5f, 10, 179.5f);
    ExpectRoundTrip(45, 89, -30, 5e-2);  // close to the gimbal lock float precision thins out
    ExpectRoundTrip(45, -89, 30, 5e-2);
    ExpectRoundTrip(10, 89.9f, 20, 1.0);
}

TEST(StandinEuler, PlusMinus180ComesBackAsPlus180) {
    Vector3 back = EulerFromAxes(AxesFromEuler(Vector3{-180, 0, 0}));
    EXPECT_NEAR(180.0, std::fabs(back.x), 1e-3);
    EXPECT_NEAR(0.0, back.y, 1e-4);
    back = EulerFromAxes(AxesFromEuler(Vector3{0, 0, 180}));
    EXPECT_NEAR(180.0, std::fabs(back.z), 1e-3);
}

TEST(StandinEuler, AnglesOutsideTheRangeComeBackFolded) {
    Vector3 back = EulerFromAxes(AxesFromEuler(Vector3{370, 0, -450}));
    EXPECT_NEAR(10.0, back.x, 1e-3);
    EXPECT_NEAR(-90.0, back.z, 1e-3);
    // Y beyond 90 is the same orientation as 180 - Y with X and Z turned over.
    back = EulerFromAxes(AxesFromEuler(Vector3{0, 120, 0}));
    EXPECT_NEAR(60.0, back.y, 1e-3);
    EXPECT_LE(AngleGap(180.0, back.x), 1e-3);
    EXPECT_LE(AngleGap(180.0, back.z), 1e-3);
}

TEST(StandinEuler, GimbalLockKeepsTheOrientation) {
    for (float y : {90.0f, -90.0f}) {
        Axes axes = AxesFromEuler(Vector3{30, y, 20});
        Vector3 back = EulerFromAxes(axes);
        EXPECT_NEAR(y, back.y, 1e-2);
        EXPECT_FLOAT_EQ(0.0f, back.z);
        Axes again = AxesFromEuler(back);
        for (int i = 3; i < 12; ++i) EXPECT_NEAR(axes.m[i], again.m[i], 1e-4) << i;
    }
}

TEST(StandinEuler, ScaledAndNoisyAxesAreNormalisedFirst) {
    Axes axes = AxesFromEuler(Vector3{20, 30, 40});
    for (int i = 3; i < 12; ++i) axes.m[i] *= 3.0f;
    axes.m[6] += 0.001f;
    Vector3 back = EulerFromAxes(axes);
    ExpectVectorNear(Vector3{20, 30, 40}, back, 0.1);
}

TEST(StandinEuler, DegenerateAxesGiveZero) {
    Axes zero{};
    ExpectVectorNear(Vector3{0, 0, 0}, EulerFromAxes(zero), 0);
    Axes nan{};
    for (float& f : nan.m) f = std::nanf("");
    ExpectVectorNear(Vector3{0, 0, 0}, EulerFromAxes(nan), 0);
}

TEST(StandinEuler, ParallelYFallsBackOnZ) {
    Axes axes = AxesFromEuler(Vector3{0, 0, 0});
    axes.m[6] = 1;  // Y := X
    axes.m[7] = 0;
    axes.m[8] = 0;
    ExpectVectorNear(Vector3{0, 0, 0}, EulerFromAxes(axes), 1e-5);
}

TEST(StandinEuler, NormalizeDegreesFoldsIntoHalfOpenRange) {
    EXPECT_DOUBLE_EQ(180.0, NormalizeDegrees(180.0));
    EXPECT_DOUBLE_EQ(180.0, NormalizeDegrees(-180.0));
    EXPECT_DOUBLE_EQ(-170.0, NormalizeDegrees(190.0));
    EXPECT_DOUBLE_EQ(10.0, NormalizeDegrees(730.0));
    EXPECT_DOUBLE_EQ(0.0, NormalizeDegrees(-360.0));
    EXPECT_DOUBLE_EQ(0.0, NormalizeDegrees(std::nan("")));
}
