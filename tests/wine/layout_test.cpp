// The panel's layout as Windows makes it: the dialog font's base units, the
// anchor buttons' circles on the box picture's marks, and the reduction to the
// field rows. The same program runs in a prefix at 96 dpi, where the template
// stands as it is, and in one at 120 dpi, where the panel grows around a
// picture of fixed pixels and moves the anchors onto it.
#include <cmath>
#include <cstdio>

#include "controls/ControlKit_win.h"
#include "harness.h"
#include "panel/PanelGeometry.h"
#include "res/box_marks.h"
#include "res/resource.h"
#include "win/PixelGeometry_win.h"

using namespace harness;

namespace {

int Dpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

// A child's window rectangle in the panel's client coordinates.
RECT InPanel(HWND panel, HWND child, bool clientArea = false) {
    RECT r{};
    if (clientArea) {
        GetClientRect(child, &r);
        MapWindowPoints(child, panel, reinterpret_cast<POINT*>(&r), 2);
    } else {
        GetWindowRect(child, &r);
        MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
    }
    return r;
}

HWND Picture(const OpenedPanel& p) { return GetWindow(p.Item(IDC_ANCHOR_FIRST), GW_HWNDPREV); }

// The module's own box picture, top row first, as 0x00BBGGRR colours.
std::vector<COLORREF> BoxBitmap(HMODULE module) {
    HBITMAP bitmap = LoadBitmapA(module, MAKEINTRESOURCEA(IDB_BOX_PICTURE));
    std::vector<COLORREF> pixels(box::kPictureWidth * box::kPictureHeight);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = box::kPictureWidth;
    info.bmiHeader.biHeight = -box::kPictureHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, box::kPictureHeight, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(bitmap);
    for (COLORREF& c : pixels)
        c = RGB(GetBValue(c), GetGValue(c), GetRValue(c));  // BGRX to COLORREF
    return pixels;
}

}  // namespace

WINE_TEST(DialogFontGivesWindowsBaseUnits) {
    OpenedPanel p;
    RECT units = {0, 0, 4, 8};
    MapDialogRect(p.panel, &units);
    const int dpi = Dpi();
    // Windows' "MS Sans Serif" bitmap fonts: sserife.fon at 96 dpi, sseriff.fon at 120.
    const long x = dpi == 120 ? 8 : 6, y = dpi == 120 ? 16 : 13;
    if (units.right != x || units.bottom != y) {
        std::printf("base units %ld x %ld at %d dpi: Wine's \"MS Sans Serif\" (%s) is missing from "
                    "the prefix's drive_c/windows/Fonts; scripts/wine-run --init copies it there "
                    "from fonts-wine\n",
                    units.right, units.bottom, dpi, dpi == 120 ? "sseriff.fon" : "sserife.fon");
    }
    CHECK_EQ(x, units.right);
    CHECK_EQ(y, units.bottom);
    if (dpi != 96) return;
    // At 96 dpi the anchors stand where the template puts them.
    for (const box::Mark& m : box::kMarks) {
        RECT template_units = {m.dialogX, m.dialogY, m.dialogX + 8, m.dialogY + 8};
        MapDialogRect(p.panel, &template_units);
        const RECT at = InPanel(p.panel, p.Item(m.id));
        CHECK_EQ(template_units.left, at.left);
        CHECK_EQ(template_units.top, at.top);
    }
}

// The picture is painted where its static control centres it, and every
// radio circle is painted on its mark of it: a cube corner, an arm end, the
// crossing.
WINE_TEST(EveryAnchorCircleSitsOnItsMark) {
    OpenedPanel p;
    Repaint(p.panel);
    Pump(100);
    const kit::Pixels shot = kit::Screen(p.panel);
    const RECT client = InPanel(p.panel, Picture(p), true);
    const auto [left, top] =
        StaticImageOrigin(ToPixelRect(client), box::kPictureWidth, box::kPictureHeight);

    // Rows across the picture, compared pixel by pixel where they show inside
    // the control and no other control covers them.
    std::vector<RECT> buttons;
    for (HWND c = GetWindow(p.panel, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (c != Picture(p) && IsWindowVisible(c)) buttons.push_back(InPanel(p.panel, c));
    const std::vector<COLORREF> bitmap = BoxBitmap(p.f.module);
    int compared = 0, differ = 0;
    for (int y : {2, 60, 130}) {
        for (int x = 0; x < box::kPictureWidth; ++x) {
            const POINT at = {left + x, top + y};
            bool hidden = !PtInRect(&client, at);
            for (const RECT& b : buttons) hidden = hidden || PtInRect(&b, at);
            if (hidden) continue;
            ++compared;
            if (shot.At(at.x, at.y) != bitmap[y * box::kPictureWidth + x]) ++differ;
        }
    }
    CHECK(compared > 600);
    CHECK_EQ(0, differ);

    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    for (const box::Mark& m : box::kMarks) {
        // The circle: what the button paints other than its face. Its right
        // column may be cut by the button's edge, so its centre is taken from
        // its left edge and its full height.
        const RECT button = InPanel(p.panel, p.Item(m.id));
        RECT ring{button.right, button.bottom, button.left, button.top};
        for (int y = button.top; y < button.bottom; ++y)
            for (int x = button.left; x < button.right; ++x)
                if (shot.At(x, y) != face) {
                    ring.left = std::min(ring.left, static_cast<LONG>(x));
                    ring.top = std::min(ring.top, static_cast<LONG>(y));
                    ring.bottom = std::max(ring.bottom, static_cast<LONG>(y));
                }
        const double cx = ring.left + (ring.bottom - ring.top) / 2.0;
        const double cy = (ring.top + ring.bottom) / 2.0;
        const bool onMark =
            std::fabs(cx - (left + m.x)) <= 1.0 && std::fabs(cy - (top + m.y)) <= 1.0;
        if (!onMark)
            std::printf("anchor %d: circle centre (%.1f, %.1f), mark (%d, %d)\n", m.id, cx, cy,
                        left + m.x, top + m.y);
        CHECK(onMark);
    }
}

WINE_TEST(ReducedToTheFieldRowsItShowsTheRowsWholeAndNoPicture) {
    OpenedPanel p;
    const int full = p.Height();
    p.Click(IDC_ROLL_FIELDS);
    const int reduced = p.Height();
    if (Dpi() == 96) CHECK_EQ(117, reduced);
    const int rowControls[] = {IDC_LOCATION_X,   IDC_LOCATION_Z_SPIN, IDC_SIZE_X,
                               IDC_SIZE_Z_SPIN,  IDC_SIZE_STEP,       IDC_READ_SIZE,
                               IDC_ROTATION_STEP};
    for (int id : rowControls) CHECK(InPanel(p.panel, p.Item(id)).bottom <= reduced);
    CHECK(InPanel(p.panel, Picture(p)).top >= reduced);
    p.Click(IDC_ROLL_FIELDS);
    CHECK_EQ(full, p.Height());
}
