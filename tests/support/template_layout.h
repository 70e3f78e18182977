// The panel's template as Windows lays it out with the base units it was
// made for ("MS Sans Serif" 8 at 96 dpi), in the measured figures that
// res/box_marks.h gives. The tests hold the marks and the panel's placement
// rules against it. Its own small types: the figures, not the production
// geometry, are what it shares.
#pragma once

namespace support {

struct LayoutPoint {
    int x, y;
};
struct LayoutRect {
    int left, top, right, bottom;
};

// A control at dialog units (u, v) stands at pixels (MulDiv(u, 6, 4),
// MulDiv(v, 13, 8)): base units 6 x 13, rounded to the nearest pixel.
constexpr LayoutPoint TemplatePixels(int u, int v) { return {(u * 6 + 2) / 4, (v * 13 + 4) / 8}; }

// The box picture's client area in the panel's client: 283 x 135 at (10, 124).
constexpr LayoutRect kTemplatePictureClient = {10, 124, 10 + 283, 124 + 135};

// The picture pixel under the radio circle of an anchor button at dialog
// units (u, v): the circle's centre is pixel (6, 6) of the button, and the
// client shows the bitmap from (-9, 1).
constexpr LayoutPoint TemplateMark(int u, int v) {
    return {TemplatePixels(u, v).x + 6 - kTemplatePictureClient.left + 9,
            TemplatePixels(u, v).y + 6 - kTemplatePictureClient.top - 1};
}

}  // namespace support
