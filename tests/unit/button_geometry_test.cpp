#include "controls/ButtonGeometry.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

bool SameBox(const PixelRect& a, const PixelRect& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Every pixel of the glyph, as (x, y).
std::set<std::pair<int, int>> GlyphPixels(PixelPoint point) {
    std::set<std::pair<int, int>> pixels;
    for (const GlyphRow& row : ArrowGlyph(point))
        for (int x = row.left; x < row.right; ++x) pixels.insert({x, row.y});
    return pixels;
}

}  // namespace

TEST(MenuButtonParts, WithoutItemsTheWholeButtonIsTheFace) {
    const MenuButtonParts parts = SplitMenuButton({0, 0, 60, 20}, false, false, 20);
    EXPECT_TRUE(SameBox({0, 0, 60, 20}, parts.face));
    EXPECT_TRUE(SameBox({}, parts.arrow));
}

TEST(MenuButtonParts, ArrowIsTheRightStripOfArrowWidth) {
    const MenuButtonParts parts = SplitMenuButton({0, 0, 60, 21}, false, true, 20);
    EXPECT_TRUE(SameBox({0, 0, 40, 21}, parts.face));
    EXPECT_TRUE(SameBox({40, 0, 60, 21}, parts.arrow));
    EXPECT_EQ(50, parts.arrowPoint.x);
    EXPECT_EQ(10, parts.arrowPoint.y);  // (0 + 21) / 2 truncates
}

TEST(MenuButtonParts, DefaultButtonLeavesAOnePixelRing) {
    const MenuButtonParts parts = SplitMenuButton({0, 0, 60, 20}, true, true, 15);
    EXPECT_TRUE(SameBox({1, 1, 44, 19}, parts.face));
    EXPECT_TRUE(SameBox({44, 1, 59, 19}, parts.arrow));
    EXPECT_EQ(51, parts.arrowPoint.x);
    EXPECT_EQ(10, parts.arrowPoint.y);
}

TEST(MenuButtonParts, ArrowWiderThanTheButtonPushesTheFaceLeftOfIt) {
    const MenuButtonParts parts = SplitMenuButton({0, 0, 10, 10}, false, true, 20);
    EXPECT_EQ(-10, parts.face.right);
    EXPECT_EQ(-10, parts.arrow.left);
    EXPECT_EQ(0, parts.arrowPoint.x);  // (-10 + 10) / 2
}

TEST(MenuButtonText, MarginAndLatchedOffset) {
    const PixelRect face{0, 0, 40, 20};
    EXPECT_TRUE(SameBox({4, 4, 36, 16}, MenuTextBox(face, 4, false, 1)));
    EXPECT_TRUE(SameBox({6, 6, 38, 18}, MenuTextBox(face, 4, true, 2)));
}

TEST(MenuButtonText, ImageSitsAtTheLeftCentredVertically) {
    const PixelPoint at = MenuImageOrigin({4, 4, 36, 17}, 7);
    EXPECT_EQ(4, at.x);
    EXPECT_EQ(10 - 3, at.y);  // (4 + 17) / 2 - 7 / 2
}

TEST(ArrowGlyph, RowsOfSevenFiveThreeOneCentredLeftOfThePoint) {
    const std::array<GlyphRow, 4> rows = ArrowGlyph({50, 10});
    const int widths[] = {7, 5, 3, 1};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(9 + i, rows[i].y);
        EXPECT_EQ(widths[i], rows[i].right - rows[i].left);
        EXPECT_EQ(2 * 49 + 1, rows[i].left + rows[i].right) << "row " << i;  // centred on x 49
    }
    EXPECT_EQ(46, rows[0].left);
    EXPECT_EQ(49, rows[3].left);
}

TEST(ArrowGlyph, SixteenPixelsThatMoveWithThePoint) {
    const auto here = GlyphPixels({10, 10});
    EXPECT_EQ(16u, here.size());
    std::set<std::pair<int, int>> moved;
    for (const auto& p : here) moved.insert({p.first + 1, p.second + 1});
    EXPECT_EQ(moved, GlyphPixels({11, 11}));
}

TEST(ArrowWidth, NeverNarrowerThanTheGlyphAndMargins) {
    EXPECT_EQ(15u, ArrowWidthFor(3, 4));
    EXPECT_EQ(15u, ArrowWidthFor(15, 4));
    EXPECT_EQ(16u, ArrowWidthFor(16, 4));
    EXPECT_EQ(7u, ArrowWidthFor(0, 0));
    EXPECT_EQ(20u, ArrowWidthFor(20, 4));
}

TEST(ArrowWidth, ComparisonIsUnsignedSoANegativeMinimumAcceptsAnything) {
    // 2 x -10 + 7 = -13, which as an unsigned number exceeds every width.
    EXPECT_EQ(static_cast<unsigned>(-13), ArrowWidthFor(5, -10));
    // A margin of -3 gives a least width of 1.
    EXPECT_EQ(1u, ArrowWidthFor(0, -3));
}

TEST(MenuCommands, IdentifierMapsBackToThePosition) {
    EXPECT_EQ(0x2400u, MenuCommandFor(0));
    EXPECT_EQ(9216u + 5, MenuCommandFor(5));
    for (int position : {0, 1, 2, 511, 1023})
        EXPECT_EQ(position, MenuPositionFor(MenuCommandFor(position)));
}

TEST(MenuCommands, MaskIsExactOnlyForTheFirst1024Positions) {
    EXPECT_NE(1024, MenuPositionFor(MenuCommandFor(1024)));
    EXPECT_EQ(1024, kMaxMenuPositions);
}

TEST(MenuButtonWidth, AddsMarginsImageAndArrowOnlyWhenPresent) {
    MenuButtonContent c;
    c.extra = 3;
    c.margin = 4;
    c.textWidth = 30;
    c.imageSpacing = 4;
    c.imageWidth = 16;
    c.arrowWidth = 20;
    EXPECT_EQ(3 + 8 + 30, MenuButtonWidth(c));
    c.hasImage = true;
    EXPECT_EQ(3 + 8 + 30 + 4 + 16, MenuButtonWidth(c));
    c.hasItems = true;
    EXPECT_EQ(3 + 8 + 30 + 4 + 16 + 20, MenuButtonWidth(c));
}

TEST(ImageButtonPlacement, CentredWithHalvesTruncatedTowardZero) {
    PixelPoint at = CentredImageOrigin(31, 18, 16, 9, false);
    EXPECT_EQ(7, at.x);
    EXPECT_EQ(4, at.y);
    at = CentredImageOrigin(31, 18, 16, 9, true);
    EXPECT_EQ(8, at.x);
    EXPECT_EQ(5, at.y);
}

TEST(ImageButtonPlacement, LargerImageGetsNegativeOffsets) {
    const PixelPoint at = CentredImageOrigin(20, 12, 41, 25, false);
    EXPECT_EQ(-10, at.x);  // -21 / 2 truncates toward zero
    EXPECT_EQ(-6, at.y);   // -13 / 2
}
