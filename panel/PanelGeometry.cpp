#include "panel/PanelGeometry.h"

PixelPoint CentredOrigin(const PixelRect& viewClient, const PixelRect& viewWindow,
                         const PixelRect& panel) {
    return {viewClient.right / 2 + viewWindow.left - panel.right / 2,
            viewClient.bottom / 2 + viewWindow.top - panel.bottom / 2};
}

PixelRect TitleStripRect(int clientWidth) { return {0, 1, clientWidth - 1, kTitleStripLine}; }

TitleButtonRects TitleStripButtons(int clientWidth) {
    constexpr int kTop = 1;  // under the frame's top line
    constexpr int kSide = kTitleStripLine - kTop;
    const auto at = [](int left) { return PixelRect{left, kTop, left + kSide, kTop + kSide}; };
    return {at(1), at(clientWidth - 24), at(clientWidth - 12)};
}

PixelPoint RadioCircleCentre(int buttonHeight, int dpi) {
    const int cell = 12 * dpi / 96 + 1;
    return {cell / 2, (buttonHeight - cell) / 2 + cell / 2};
}

PixelPoint StaticImageOrigin(const PixelRect& client, int imageWidth, int imageHeight) {
    return {client.left + (client.right - client.left) / 2 - imageWidth / 2,
            client.top + (client.bottom - client.top) / 2 - imageHeight / 2};
}

PixelPoint AnchorButtonOrigin(const PixelRect& pictureClient, int pictureWidth, int pictureHeight,
                              PixelPoint mark, PixelPoint circle) {
    const PixelPoint at = StaticImageOrigin(pictureClient, pictureWidth, pictureHeight);
    return {at.x + mark.x - circle.x, at.y + mark.y - circle.y};
}

int FieldRowsHeight(int pictureTop) { return pictureTop - 2; }
