// The marks of the box picture (bitmap IDB_BOX_PICTURE): the pixel of the
// picture on which each anchor button's radio circle belongs. The bitmap
// generator draws the cube and the cross through these points, and the panel
// places the anchor buttons on them where the dialog's layout differs from
// the one the template was made for. Portable: no windows.h.
#pragma once

#include "res/resource.h"

namespace box {

constexpr int kPictureWidth = 301;
constexpr int kPictureHeight = 133;

struct Mark {
    int id;                // the anchor button
    int dialogX, dialogY;  // its top-left corner in the template, dialog units
    int x, y;              // centre of its radio circle, picture pixels
};

// Where the circles land with Windows' dialog font at 96 dpi, measured with
// the panel's own template and styles (MapDialogRect, GetWindowRect,
// GetClientRect, and the painted radio buttons):
//   - "MS Sans Serif" 8 gives base units of 6 x 13, so a control at dialog
//     units (u, v) stands at pixels (MulDiv(u, 6, 4), MulDiv(v, 13, 8)).
//   - The picture control at (3, 73), 195 x 89 is the window (5, 119),
//     293 x 145; client edge and modal frame take 5 pixels a side, leaving
//     a 283 x 135 client at (10, 124). The 301 x 133 bitmap is centred at
//     half the client less half the bitmap, (141 - 150, 67 - 66) = (-9, 1):
//     columns 9 to 291 show, and every row.
//   - An 8 x 8 radio button is 12 x 13 pixels. Its circle is a cell of
//     12 * dpi / 96 + 1 = 13 pixels at the button's left edge, vertically
//     centred, so its centre is pixel (6, 6) of the button.
// So mark = (MulDiv(u, 6, 4) + 6 - 10 + 9, MulDiv(v, 13, 8) + 6 - 124 - 1).
constexpr Mark kMarks[] = {
    {IDC_ANCHOR_TOP_BACK_LEFT, 29, 88, 49, 24},         // cube
    {IDC_ANCHOR_TOP_BACK_RIGHT, 65, 94, 103, 34},       // cube
    {IDC_ANCHOR_TOP_FRONT_LEFT, 10, 105, 20, 52},       // cube
    {IDC_ANCHOR_TOP_FRONT_RIGHT, 50, 112, 80, 63},      // cube
    {IDC_ANCHOR_BOTTOM_BACK_LEFT, 30, 121, 50, 78},     // cube
    {IDC_ANCHOR_BOTTOM_BACK_RIGHT, 67, 127, 106, 87},   // cube
    {IDC_ANCHOR_BOTTOM_FRONT_LEFT, 12, 140, 23, 109},   // cube
    {IDC_ANCHOR_BOTTOM_FRONT_RIGHT, 50, 148, 80, 122},  // cube
    {IDC_ANCHOR_TOP, 159, 87, 244, 22},                 // cross, Z
    {IDC_ANCHOR_BACK, 168, 98, 257, 40},                // cross, X
    {IDC_ANCHOR_RIGHT, 185, 118, 283, 73},              // cross, Y
    {IDC_ANCHOR_LEFT, 126, 107, 194, 55},               // cross, Y
    {IDC_ANCHOR_FRONT, 147, 128, 226, 89},              // cross, X
    {IDC_ANCHOR_BOTTOM, 155, 141, 238, 110},            // cross, Z
    {IDC_ANCHOR_CENTRE, 157, 113, 241, 65},             // cross, crossing point
};

}  // namespace box
