// The pixel rectangles and points of the placement and drawing rules (the
// panel's, the owner-drawn buttons'), as plain integers so that the rules
// build and are tested natively. win/PixelGeometry_win.h converts them to and
// from RECT.
#pragma once

// In client or screen coordinates, right and bottom exclusive like RECT.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct PixelPoint {
    int x = 0;
    int y = 0;
};
