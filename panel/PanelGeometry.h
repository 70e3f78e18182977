// Placement arithmetic of the panel window, kept apart from Win32.
#pragma once

#include "base/PixelGeometry.h"

// Top-left corner that centres a panel with client rectangle `panel` over a
// view with client rectangle `viewClient` and screen window rectangle
// `viewWindow`: the halves are measured from the view's outer corner, each
// a signed division that truncates toward zero.
PixelPoint CentredOrigin(const PixelRect& viewClient, const PixelRect& viewWindow,
                         const PixelRect& panel);

// The title strip, painted in the caption colours from a pixel under the
// frame's top line to the line under the strip, and a pixel short of the
// right frame line; the panel reduced to its title strip is 14 pixels high.
constexpr int kTitleStripLine = 12;    // y of the line under the strip
constexpr int kTitleStripHeight = 14;  // window height reduced to the strip
PixelRect TitleStripRect(int clientWidth);

// The title strip's three buttons in a client area `clientWidth` wide, each
// 11 x 11 pixels between the frame's top line and the line under the strip:
// "reduce to the title strip" a pixel in from the left frame line, "hide" a
// pixel in from the right one and "reduce to the field rows" a pixel to its
// left. The template's places for them are only placeholders.
struct TitleButtonRects {
    PixelRect rollTitle, rollFields, hide;
};
TitleButtonRects TitleStripButtons(int clientWidth);

// The dialog base units the panel's template was laid out for: Windows'
// "MS Sans Serif" 8 at 96 dpi. The box picture is drawn for this layout;
// under any other, the anchor buttons are moved onto its marks.
constexpr int kTemplateBaseUnitX = 6;
constexpr int kTemplateBaseUnitY = 13;

// Centre of a radio button's circle, in the button: the system draws it in a
// square cell of 12 * dpi / 96 + 1 pixels at the button's left edge,
// vertically centred (BS_VCENTER).
PixelPoint RadioCircleCentre(int buttonHeight, int dpi);

// Where a static control with SS_CENTERIMAGE puts the top-left corner of an
// image in its client area: half the client less half the image, each half
// truncated (so an odd surplus leaves the extra pixel on the left and top).
PixelPoint StaticImageOrigin(const PixelRect& client, int imageWidth, int imageHeight);

// Top-left corner for an anchor button whose circle centre is `circle`, so
// that the circle sits on the picture pixel `mark`. The picture is a bitmap
// of the given size centred in a static control's client area
// `pictureClient` (panel client coordinates).
PixelPoint AnchorButtonOrigin(const PixelRect& pictureClient, int pictureWidth, int pictureHeight,
                              PixelPoint mark, PixelPoint circle);

// Height of the panel reduced to its field rows: it ends two pixels above the
// box picture's window, whose top edge is `pictureTop` in client coordinates
// (119 with the template's base units, which gives 117).
int FieldRowsHeight(int pictureTop);
// The same with the template's base units, where the picture's window starts
// at 119: what the panel uses until it has measured its picture.
constexpr int kTemplateFieldRowsHeight = 117;
