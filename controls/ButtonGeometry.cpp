#include "controls/ButtonGeometry.h"

unsigned MenuCommandFor(int entriesBefore) {
    return kFirstMenuCommand + static_cast<unsigned>(entriesBefore);
}

int MenuPositionFor(unsigned command) { return static_cast<int>(command & kMenuPositionMask); }

MenuButtonParts SplitMenuButton(const PixelRect& item, bool isDefault, bool hasItems,
                                unsigned arrowWidth) {
    MenuButtonParts parts;
    parts.face = item;
    if (isDefault) {
        parts.face.left += 1;
        parts.face.top += 1;
        parts.face.right -= 1;
        parts.face.bottom -= 1;
    }
    if (hasItems) {
        parts.arrow = parts.face;
        parts.face.right -= static_cast<int>(arrowWidth);
        parts.arrow.left = parts.face.right;
        parts.arrowPoint = {(parts.arrow.left + parts.arrow.right) / 2,
                            (parts.arrow.top + parts.arrow.bottom) / 2};
    }
    return parts;
}

PixelRect MenuTextBox(const PixelRect& face, int margin, bool latched, int pressOffset) {
    PixelRect text{face.left + margin, face.top + margin, face.right - margin,
                   face.bottom - margin};
    if (latched) {
        text.left += pressOffset;
        text.right += pressOffset;
        text.top += pressOffset;
        text.bottom += pressOffset;
    }
    return text;
}

PixelPoint MenuImageOrigin(const PixelRect& text, int imageHeight) {
    return {text.left, (text.top + text.bottom) / 2 - imageHeight / 2};
}

std::array<GlyphRow, 4> ArrowGlyph(PixelPoint p) {
    return {{
        {p.y - 1, p.x - 4, p.x + 3},
        {p.y, p.x - 3, p.x + 2},
        {p.y + 1, p.x - 2, p.x + 1},
        {p.y + 2, p.x - 1, p.x},
    }};
}

unsigned ArrowWidthFor(unsigned requested, int margin) {
    const unsigned least = static_cast<unsigned>(2 * margin + 7);
    return requested >= least ? requested : least;
}

int MenuButtonWidth(const MenuButtonContent& c) {
    int width = c.extra + 2 * c.margin + c.textWidth;
    if (c.hasImage) width += c.imageSpacing + c.imageWidth;
    if (c.hasItems) width += static_cast<int>(c.arrowWidth);
    return width;
}

PixelPoint CentredImageOrigin(int clientWidth, int clientHeight, int imageWidth, int imageHeight,
                              bool pressed) {
    PixelPoint origin{(clientWidth - imageWidth) / 2, (clientHeight - imageHeight) / 2};
    if (pressed) {
        origin.x += 1;
        origin.y += 1;
    }
    return origin;
}
