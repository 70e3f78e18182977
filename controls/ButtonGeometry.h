// Where the owner-drawn buttons put things: MenuButton's face and arrow
// parts, its text box, image, arrow glyph, command identifiers and width,
// and ImageButton's centred image. Plain integers, so it is tested natively.
#pragma once

#include <array>

#include "base/PixelGeometry.h"

// --- MenuButton ---

// Menu entries carry 0x2400 plus the number of entries (separators
// included) the menu held when they were appended; a chosen identifier is
// turned back into a position by masking, which is exact for 1024 positions.
constexpr unsigned kFirstMenuCommand = 0x2400;
constexpr unsigned kMenuPositionMask = 0x1BFF;
constexpr int kMaxMenuPositions = 1024;

unsigned MenuCommandFor(int entriesBefore);
int MenuPositionFor(unsigned command);

struct MenuButtonParts {
    PixelRect face;
    PixelRect arrow;        // empty without items
    PixelPoint arrowPoint;  // centre of the arrow part
};

// A default button leaves a 1-pixel ring unpainted; with items the arrow
// part is the right-hand strip of arrowWidth pixels.
MenuButtonParts SplitMenuButton(const PixelRect& item, bool isDefault, bool hasItems,
                                unsigned arrowWidth);

// The face shrunk by the margin, moved by the press offset when latched.
PixelRect MenuTextBox(const PixelRect& face, int margin, bool latched, int pressOffset);

// Top-left corner of the face image: at the text box's left edge,
// vertically centred on it (integer halves).
PixelPoint MenuImageOrigin(const PixelRect& text, int imageHeight);

// One horizontal run of the arrow glyph: pixels left .. right - 1 of row y.
struct GlyphRow {
    int y;
    int left;
    int right;
};

// The down arrow for an arrow point (cx, cy): rows of 7, 5, 3 and 1 pixels
// from cy - 1 down, centred on column cx - 1.
std::array<GlyphRow, 4> ArrowGlyph(PixelPoint point);

// The narrowest arrow part still holds the glyph inside the margins:
// 2 x margin + 7 (the comparison is unsigned, as the width is).
unsigned ArrowWidthFor(unsigned requested, int margin);

// Width that fits the widest text plus margins, image and arrow part.
struct MenuButtonContent {
    int extra = 0;
    int margin = 0;
    int textWidth = 0;
    bool hasImage = false;
    int imageSpacing = 0;
    int imageWidth = 0;
    bool hasItems = false;
    unsigned arrowWidth = 0;
};
int MenuButtonWidth(const MenuButtonContent& content);

// --- ImageButton ---

// The image centred in the client area (integer halves truncated toward
// zero, so an image larger than the button gets a negative offset), one
// pixel right and down while pressed.
PixelPoint CentredImageOrigin(int clientWidth, int clientHeight, int imageWidth, int imageHeight,
                              bool pressed);
