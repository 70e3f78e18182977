// The panel's template as Windows lays it out at the base units it was made
// for, 6 x 13 ("MS Sans Serif" 8 at 96 dpi): the figures of res/box_marks.h.
#pragma once

// A control at dialog units (u, v) stands at pixels (MulDiv(u, 6, 4), MulDiv(v, 13, 8)).
constexpr int TemplatePixelX(int u) { return (u * 6 + 2) / 4; }
constexpr int TemplatePixelY(int v) { return (v * 13 + 4) / 8; }
// The box picture's client area is 283 x 135 at (10, 124) and shows the bitmap
// from (-9, 1); a radio circle's centre is (6, 6) in its button. So the circle
// of an anchor button at (u, v) lies on the bitmap's pixel (TemplateMarkX(u), TemplateMarkY(v)).
constexpr int kTemplatePictureLeft = 10, kTemplatePictureTop = 124;
constexpr int kTemplatePictureRight = 10 + 283, kTemplatePictureBottom = 124 + 135;
constexpr int TemplateMarkX(int u) { return TemplatePixelX(u) + 6 - kTemplatePictureLeft + 9; }
constexpr int TemplateMarkY(int v) { return TemplatePixelY(v) + 6 - kTemplatePictureTop - 1; }
