#include "panel/PanelGeometry.h"

PixelPoint CentredOrigin(const PixelRect& viewClient, const PixelRect& viewWindow,
                         const PixelRect& panel) {
    return {viewClient.right / 2 + viewWindow.left - panel.right / 2,
            viewClient.bottom / 2 + viewWindow.top - panel.bottom / 2};
}
