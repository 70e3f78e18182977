// Placement arithmetic of the panel window, kept apart from Win32.
#pragma once

struct PixelRect {
    int left, top, right, bottom;
};

struct PixelPoint {
    int x, y;
};

// Top-left corner that centres a panel with client rectangle `panel` over a
// view with client rectangle `viewClient` and screen window rectangle
// `viewWindow`: the halves are measured from the view's outer corner, each
// a signed division that truncates toward zero.
PixelPoint CentredOrigin(const PixelRect& viewClient, const PixelRect& viewWindow,
                         const PixelRect& panel);
