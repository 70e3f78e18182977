// Where the anchor buttons put the axes, and the unit menu's code table.
#include <gtest/gtest.h>

#include "panel/ObjectRules.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

const BBox kBox = {{-1.0f, -2.0f, -3.0f}, {1.0f, 2.0f, 3.0f}};
const Vector3 kOutside = {10.0f, 20.0f, 30.0f};
const Vector3 kSize = {2.0f, 4.0f, 6.0f};

void ExpectPoint(const Vector3& expected, const Vector3& actual) {
    EXPECT_FLOAT_EQ(expected.x, actual.x);
    EXPECT_FLOAT_EQ(expected.y, actual.y);
    EXPECT_FLOAT_EQ(expected.z, actual.z);
}

TEST(AnchorPointTest, CornersTakeEveryCoordinateFromTheBox) {
    ExpectPoint({-1, -2, 3}, AnchorPoint(3030, kBox, kOutside, kSize));
    ExpectPoint({-1, 2, 3}, AnchorPoint(3031, kBox, kOutside, kSize));
    ExpectPoint({1, -2, 3}, AnchorPoint(3032, kBox, kOutside, kSize));
    ExpectPoint({1, 2, 3}, AnchorPoint(3033, kBox, kOutside, kSize));
    ExpectPoint({-1, -2, -3}, AnchorPoint(3034, kBox, kOutside, kSize));
    ExpectPoint({-1, 2, -3}, AnchorPoint(3035, kBox, kOutside, kSize));
    ExpectPoint({1, -2, -3}, AnchorPoint(3036, kBox, kOutside, kSize));
    ExpectPoint({1, 2, -3}, AnchorPoint(3037, kBox, kOutside, kSize));
    for (int id = 3030; id <= 3037; ++id) EXPECT_EQ(AnchorKind::Corner, KindOfAnchor(id));
}

TEST(AnchorPointTest, FacesMoveOneAxisOntoThePlaneAndKeepTheOtherTwo) {
    ExpectPoint({10, 20, 3}, AnchorPoint(3038, kBox, kOutside, kSize));   // top
    ExpectPoint({-1, 20, 30}, AnchorPoint(3039, kBox, kOutside, kSize));  // back
    ExpectPoint({10, 2, 30}, AnchorPoint(3040, kBox, kOutside, kSize));   // right
    ExpectPoint({10, -2, 30}, AnchorPoint(3041, kBox, kOutside, kSize));  // left
    ExpectPoint({1, 20, 30}, AnchorPoint(3042, kBox, kOutside, kSize));   // front
    ExpectPoint({10, 20, -3}, AnchorPoint(3043, kBox, kOutside, kSize));  // bottom
    for (int id = 3038; id <= 3043; ++id) EXPECT_EQ(AnchorKind::Face, KindOfAnchor(id));
}

TEST(AnchorPointTest, CentreIsHalfTheHostSizeAboveTheMinimum) {
    EXPECT_EQ(AnchorKind::Centre, KindOfAnchor(3044));
    ExpectPoint({0, 0, 0}, AnchorPoint(3044, kBox, kOutside, kSize));
    // The host's size is used, not the box's extent.
    ExpectPoint({0, 0, 2}, AnchorPoint(3044, kBox, kOutside, {2.0f, 4.0f, 10.0f}));
}

TEST(AnchorPointTest, CentreThenTopFaceGivesTheTopFacesCentre) {
    const Vector3 centre = AnchorPoint(3044, kBox, kOutside, kSize);
    ExpectPoint({0, 0, 3}, AnchorPoint(3038, kBox, centre, kSize));
    // From a corner, a face keeps the corner's other coordinates.
    const Vector3 corner = AnchorPoint(3036, kBox, kOutside, kSize);
    ExpectPoint(AnchorPoint(3032, kBox, kOutside, kSize), AnchorPoint(3038, kBox, corner, kSize));
}

#ifndef NDEBUG
TEST(AnchorPointTest, DebugBuildsStopOnAControlThatIsNoAnchor) {
    EXPECT_DEATH(AnchorPoint(3029, kBox, kOutside, kSize), "IDC_ANCHOR");
    EXPECT_DEATH(KindOfAnchor(3045), "IDC_ANCHOR");
}
#endif

TEST(AnchorPointTest, ACentrePastTheFloatRangeIsInfiniteAndRefused) {
    // Finite box and size whose centre, half the size plus the minimum, lies
    // beyond the largest float: it must come out as an infinity (a plain cast
    // would be undefined), and so never be handed to the host.
    const BBox box = {{-3.4e38f, 0.0f, 0.0f}, {-6e37f, 1.0f, 1.0f}};
    const Vector3 size = {-2.8e38f, 1.0f, 1.0f};
    const Vector3 centre = AnchorPoint(3044, box, kOutside, size);
    EXPECT_EQ(-std::numeric_limits<float>::infinity(), centre.x);
    EXPECT_FALSE(AllFinite(centre));
    const BBox high = {{FLT_MAX, 0.0f, 0.0f}, {FLT_MAX, 0.0f, 0.0f}};
    EXPECT_EQ(std::numeric_limits<float>::infinity(),
              AnchorPoint(3044, high, kOutside, {FLT_MAX, 0.0f, 0.0f}).x);
    // Up to half a step past the largest float, rounding still gives it.
    const BBox edge = {{FLT_MAX, 0.0f, 0.0f}, {FLT_MAX, 0.0f, 0.0f}};
    EXPECT_EQ(FLT_MAX, AnchorPoint(3044, edge, kOutside, {1e30f, 0.0f, 0.0f}).x);
    EXPECT_TRUE(AllFinite(AnchorPoint(3044, edge, kOutside, {1e30f, 0.0f, 0.0f})));
}

TEST(AllFiniteTest, RefusesNaNAndInfinitiesInAnyCoordinate) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_TRUE(AllFinite({FLT_MAX, -FLT_MAX, FLT_TRUE_MIN}));
    EXPECT_TRUE(AllFinite({0.0f, -0.0f, 1e30f}));
    for (const Vector3& v : {Vector3{nan, 0, 0}, Vector3{0, -nan, 0}, Vector3{0, 0, inf},
                             Vector3{-inf, 0, 0}, Vector3{nan, inf, -inf}})
        EXPECT_FALSE(AllFinite(v)) << v.x << ", " << v.y << ", " << v.z;
}

TEST(EmptyBoxTest, MinimumAboveMaximumOnAnyAxis) {
    // As tsxBBoxInit leaves it: its corners are finite (3.4e38), so only
    // the box itself tells that it holds no point.
    const BBox init = {{FLT_MAX, FLT_MAX, FLT_MAX}, {-FLT_MAX, -FLT_MAX, -FLT_MAX}};
    EXPECT_TRUE(IsEmptyBox(init) && AllFinite(AnchorPoint(3033, init, kOutside, kSize)));
    EXPECT_TRUE(IsEmptyBox({{-1, 2.5f, -3}, {1, 2, 3}}));
    EXPECT_TRUE(IsEmptyBox({{-1, -2, -3}, {1, 2, -3.5f}}));
    EXPECT_FALSE(IsEmptyBox(kBox));
    EXPECT_FALSE(IsEmptyBox({{1, 2, 3}, {1, 2, 3}}));  // a single point has a place
}

TEST(UnitCodeTest, EvenPositionsChooseCodesAndOddOnesLatch) {
    bool latch = true;
    const int expected[] = {4, 9, 5, 9, 6, 9, 7, 9, 8};
    for (int position = 0; position <= 8; ++position) {
        EXPECT_EQ(expected[position], UnitCodeForPosition(position, 9, latch)) << position;
        EXPECT_EQ(position % 2 == 1, latch) << position;
    }
    EXPECT_EQ(9, UnitCodeForPosition(-1, 9, latch));
    EXPECT_FALSE(latch);
    EXPECT_EQ(3, UnitCodeForPosition(42, 3, latch));
    EXPECT_FALSE(latch);
}

}  // namespace
