// The tips of the anchors name the places where they put the axes.
#include <gtest/gtest.h>

#include "panel/ControlTips.h"
#include "panel/ObjectRules.h"

namespace {

// The picture shows X toward the viewer, Y to the right, Z up. A tip names the sides of
// the box on which its anchor puts the axes, and no other: no two of the 15 read alike.
TEST(ControlTipsTest, EachAnchorNamesTheSidesOfTheBoxWhereItPutsTheAxes) {
    const char* sides[3][2] = {{"back", "front"}, {"left", "right"}, {"bottom", "top"}};
    for (int id = IDC_ANCHOR_FIRST; id <= IDC_ANCHOR_LAST; ++id) {
        const std::string tip = TipOf(id) ? TipOf(id) : "";
        const Vector3 at = AnchorPoint(id, {{-1, -1, -1}, {1, 1, 1}}, {0, 0, 0}, {2, 2, 2});
        const float xyz[] = {at.x, at.y, at.z};
        for (int a = 0; a < 3; ++a)      // axis
            for (int s = 0; s < 2; ++s)  // its low side, its high side
                EXPECT_EQ(xyz[a] == s * 2 - 1, tip.find(sides[a][s]) != tip.npos) << tip;
    }
}

}  // namespace
