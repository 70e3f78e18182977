#include "controls/ImageButton_win.h"

#include "controls/ButtonGeometry.h"
#include "win/Gdi_win.h"

namespace {

// PSDPxax: the brush where the source is black, the destination where it
// is white.
const DWORD kBrushThroughBlack = 0x00B8074A;

// A 1-bit-per-pixel section with the colour table black, white.
struct MonochromeInfo {
    BITMAPINFOHEADER header;
    RGBQUAD colours[2];
};

}  // namespace

bool ImageButton::Attach(HWND item) {
    if (!TakeOver(item)) return false;
    // A button has no frame for the style to change, only its look.
    Repaint();
    return true;
}

void ImageButton::SetImage(HINSTANCE instance, UINT id, COLORREF key) {
    resources = instance;
    imageId = id;
    keyColour = key;
    Repaint();
}

LRESULT ImageButton::OnMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_ERASEBKGND: OnEraseBackground(reinterpret_cast<HDC>(wp)); break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Repaint(); break;
    case WM_LBUTTONUP: {
        // The parent's BN_CLICKED handler runs inside the default release,
        // before the button repaints.
        const LRESULT result = Default(message, wp, lp);
        Repaint();
        return result;
    }
    case WM_SETCURSOR: return OnSetCursor(wp, lp);
    }
    return Default(message, wp, lp);
}

// The pointer keeps the shape it came with: the button sets none. But the
// parent is asked first, as the default procedure of every child asks it,
// so that what the parent does with the pointer's events over its controls
// (a dialog's tips) it does over this one too.
LRESULT ImageButton::OnSetCursor(WPARAM wp, LPARAM lp) {
    HWND parent = GetParent(hwnd);
    return parent ? SendMessageA(parent, WM_SETCURSOR, wp, lp) : FALSE;
}

void ImageButton::OnEraseBackground(HDC dc) {
    RECT client{};
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
}

void ImageButton::DrawItem(const DRAWITEMSTRUCT& item) {
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    RECT face = item.rcItem;
    DrawFrameControl(item.hDC, &face, DFC_BUTTON,
                     DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0) | (disabled ? DFCS_INACTIVE : 0));
    if (imageId == 0) return;

    Bitmap image(LoadBitmapA(resources, MAKEINTRESOURCEA(imageId)));
    if (!image) return;
    BITMAP info{};
    if (!GetObjectA(image.Get(), sizeof info, &info)) return;
    RECT client{};
    GetClientRect(item.hwndItem, &client);
    const PixelPoint at =
        CentredImageOrigin(client.right, client.bottom, info.bmWidth, info.bmHeight, pushed);
    if (disabled)
        DrawEmbossed(item.hDC, image.Get(), at.x, at.y, info.bmWidth, info.bmHeight);
    else
        DrawTransparent(item.hDC, image.Get(), at.x, at.y, info.bmWidth, info.bmHeight);
}

void ImageButton::DrawTransparent(HDC dc, HBITMAP image, int x, int y, int width,
                                  int height) const {
    MemoryDC copy(dc);
    MemoryDC mask(dc);
    MemoryDC source(dc);
    if (!copy || !mask || !source) return;
    Bitmap copyBitmap(CreateCompatibleBitmap(dc, width, height));
    Bitmap maskBitmap(CreateBitmap(width, height, 1, 1, nullptr));
    if (!copyBitmap || !maskBitmap) return;
    Selection useCopy(copy.Get(), copyBitmap.Get());
    Selection useMask(mask.Get(), maskBitmap.Get());
    Selection useSource(source.Get(), image);

    BitBlt(copy.Get(), 0, 0, width, height, source.Get(), 0, 0, SRCCOPY);
    // Colour to monochrome: the source's background colour turns white.
    SetBkColor(copy.Get(), keyColour);
    BitBlt(mask.Get(), 0, 0, width, height, copy.Get(), 0, 0, SRCCOPY);
    // Monochrome to colour: white becomes the background, black the text
    // colour. Key-coloured pixels of the copy turn black.
    SetBkColor(copy.Get(), RGB(0, 0, 0));
    SetTextColor(copy.Get(), RGB(0xFF, 0xFF, 0xFF));
    BitBlt(copy.Get(), 0, 0, width, height, mask.Get(), 0, 0, SRCAND);

    TextSettings settings(dc);
    SetBkColor(dc, RGB(0xFF, 0xFF, 0xFF));
    SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, x, y, width, height, mask.Get(), 0, 0, SRCAND);    // a black hole per opaque pixel
    BitBlt(dc, x, y, width, height, copy.Get(), 0, 0, SRCPAINT);  // the image into the holes
}

void ImageButton::DrawEmbossed(HDC dc, HBITMAP image, int x, int y, int width, int height) const {
    MemoryDC colour(dc);
    if (!colour) return;
    MemoryDC shape(colour.Get());
    if (!shape) return;
    MonochromeInfo info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = 1;
    info.header.biCompression = BI_RGB;
    info.colours[1] = {0xFF, 0xFF, 0xFF, 0};
    void* bits = nullptr;
    Bitmap section(CreateDIBSection(shape.Get(), reinterpret_cast<BITMAPINFO*>(&info),
                                    DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!section) return;
    Selection useSection(shape.Get(), section.Get());
    Selection useImage(colour.Get(), image);
    // Pixels of the image's background colour (white) stay white, all
    // others turn black: the black pixels are the image's shape.
    BitBlt(shape.Get(), 0, 0, width, height, colour.Get(), 0, 0, SRCCOPY);

    RECT area{x, y, x + width, y + height};
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    // Monochrome to colour goes through the destination's text (black) and
    // background (white) colours, which the raster operation relies on.
    TextSettings settings(dc);
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(0xFF, 0xFF, 0xFF));
    {
        Brush highlight(CreateSolidBrush(GetSysColor(COLOR_BTNHIGHLIGHT)));
        Selection useBrush(dc, highlight.Get());
        BitBlt(dc, x + 1, y + 1, width, height, shape.Get(), 0, 0, kBrushThroughBlack);
    }
    Brush shadow(CreateSolidBrush(GetSysColor(COLOR_BTNSHADOW)));
    Selection useBrush(dc, shadow.Get());
    BitBlt(dc, x, y, width, height, shape.Get(), 0, 0, kBrushThroughBlack);
}
