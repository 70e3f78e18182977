// Vector3 checks for the GoogleTest programs.
#pragma once

#include <gtest/gtest.h>

#include "api/host_records.h"

inline void ExpectVector(const Vector3& expected, const Vector3& actual) {
    EXPECT_FLOAT_EQ(expected.x, actual.x);
    EXPECT_FLOAT_EQ(expected.y, actual.y);
    EXPECT_FLOAT_EQ(expected.z, actual.z);
}

inline void ExpectVectorNear(const Vector3& expected, const Vector3& actual, double tolerance) {
    EXPECT_NEAR(expected.x, actual.x, tolerance);
    EXPECT_NEAR(expected.y, actual.y, tolerance);
    EXPECT_NEAR(expected.z, actual.z, tolerance);
}
