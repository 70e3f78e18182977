// Where the anchor buttons put the axes, and the unit menu's code table.
#include <gtest/gtest.h>

#include "panel/ObjectRules.h"
#include "tests/support/vector_checks.h"

#include <cfloat>
#include <cmath>
#include <limits>

namespace {

const BBox kBox = {{-1.0f, -2.0f, -3.0f}, {1.0f, 2.0f, 3.0f}};
const Vector3 kOutside = {10.0f, 20.0f, 30.0f};
const Vector3 kSize = {2.0f, 4.0f, 6.0f};

// Where anchor `id` puts the axes of kBox and kSize, from `axes`.
Vector3 At(int id, const Vector3& axes = kOutside) { return AnchorPoint(id, kBox, axes, kSize); }

TEST(AnchorPointTest, CornersTakeEveryCoordinateFromTheBox) {
    ExpectVector({-1, -2, 3}, At(IDC_ANCHOR_TOP_BACK_LEFT));
    ExpectVector({-1, 2, 3}, At(IDC_ANCHOR_TOP_BACK_RIGHT));
    ExpectVector({1, -2, 3}, At(IDC_ANCHOR_TOP_FRONT_LEFT));
    ExpectVector({1, 2, 3}, At(IDC_ANCHOR_TOP_FRONT_RIGHT));
    ExpectVector({-1, -2, -3}, At(IDC_ANCHOR_BOTTOM_BACK_LEFT));
    ExpectVector({-1, 2, -3}, At(IDC_ANCHOR_BOTTOM_BACK_RIGHT));
    ExpectVector({1, -2, -3}, At(IDC_ANCHOR_BOTTOM_FRONT_LEFT));
    ExpectVector({1, 2, -3}, At(IDC_ANCHOR_BOTTOM_FRONT_RIGHT));
    for (int id = IDC_ANCHOR_TOP_BACK_LEFT; id <= IDC_ANCHOR_BOTTOM_FRONT_RIGHT; ++id)
        EXPECT_EQ(AnchorKind::Corner, KindOfAnchor(id));
}

TEST(AnchorPointTest, FacesMoveOneAxisOntoThePlaneAndKeepTheOtherTwo) {
    ExpectVector({10, 20, 3}, At(IDC_ANCHOR_TOP));
    ExpectVector({-1, 20, 30}, At(IDC_ANCHOR_BACK));
    ExpectVector({10, 2, 30}, At(IDC_ANCHOR_RIGHT));
    ExpectVector({10, -2, 30}, At(IDC_ANCHOR_LEFT));
    ExpectVector({1, 20, 30}, At(IDC_ANCHOR_FRONT));
    ExpectVector({10, 20, -3}, At(IDC_ANCHOR_BOTTOM));
    for (int id = IDC_ANCHOR_TOP; id <= IDC_ANCHOR_BOTTOM; ++id)
        EXPECT_EQ(AnchorKind::Face, KindOfAnchor(id));
}

TEST(AnchorPointTest, CentreIsHalfTheHostSizeAboveTheMinimum) {
    EXPECT_EQ(AnchorKind::Centre, KindOfAnchor(IDC_ANCHOR_CENTRE));
    ExpectVector({0, 0, 0}, At(IDC_ANCHOR_CENTRE));
    // The host's size is used, not the box's extent.
    ExpectVector({0, 0, 2}, AnchorPoint(IDC_ANCHOR_CENTRE, kBox, kOutside, {2.0f, 4.0f, 10.0f}));
}

TEST(AnchorPointTest, CentreThenTopFaceGivesTheTopFacesCentre) {
    const Vector3 centre = At(IDC_ANCHOR_CENTRE);
    ExpectVector({0, 0, 3}, At(IDC_ANCHOR_TOP, centre));
    // From a corner, a face keeps the corner's other coordinates.
    const Vector3 corner = At(IDC_ANCHOR_BOTTOM_FRONT_LEFT);
    ExpectVector(At(IDC_ANCHOR_TOP_FRONT_LEFT), At(IDC_ANCHOR_TOP, corner));
}

#ifndef NDEBUG
TEST(AnchorPointTest, DebugBuildsStopOnAControlThatIsNoAnchor) {
    EXPECT_DEATH(AnchorPoint(IDC_ANCHOR_FIRST - 1, kBox, kOutside, kSize), "IDC_ANCHOR");
    EXPECT_DEATH(KindOfAnchor(IDC_ANCHOR_LAST + 1), "IDC_ANCHOR");
}
#endif

TEST(AnchorPointTest, ACentrePastTheFloatRangeIsInfiniteAndRefused) {
    // Finite box and size whose centre, half the size plus the minimum, lies
    // beyond the largest float: it must come out as an infinity (a plain cast
    // would be undefined), and so never be handed to the host.
    const BBox box = {{-3.4e38f, 0.0f, 0.0f}, {-6e37f, 1.0f, 1.0f}};
    const Vector3 size = {-2.8e38f, 1.0f, 1.0f};
    const Vector3 centre = AnchorPoint(IDC_ANCHOR_CENTRE, box, kOutside, size);
    EXPECT_EQ(-std::numeric_limits<float>::infinity(), centre.x);
    EXPECT_FALSE(AllFinite(centre));
    const BBox high = {{FLT_MAX, 0.0f, 0.0f}, {FLT_MAX, 0.0f, 0.0f}};
    EXPECT_EQ(std::numeric_limits<float>::infinity(),
              AnchorPoint(IDC_ANCHOR_CENTRE, high, kOutside, {FLT_MAX, 0.0f, 0.0f}).x);
    // Up to half a step past the largest float, rounding still gives it.
    const BBox edge = {{FLT_MAX, 0.0f, 0.0f}, {FLT_MAX, 0.0f, 0.0f}};
    EXPECT_EQ(FLT_MAX, AnchorPoint(IDC_ANCHOR_CENTRE, edge, kOutside, {1e30f, 0.0f, 0.0f}).x);
    EXPECT_TRUE(AllFinite(AnchorPoint(IDC_ANCHOR_CENTRE, edge, kOutside, {1e30f, 0.0f, 0.0f})));
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
    EXPECT_TRUE(IsEmptyBox(init) &&
                AllFinite(AnchorPoint(IDC_ANCHOR_TOP_FRONT_RIGHT, init, kOutside, kSize)));
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
