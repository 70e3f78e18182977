// ImageButton with bitmaps from the test program's own resources, in a test
// dialog that routes WM_DRAWITEM to it: centring, pressed shift, key-colour
// transparency, the embossed disabled look, clicks, and GDI hygiene.
#include "controls/ControlKit_win.h"
#include "controls/ImageButton_win.h"
#include "controls/test_bitmaps.h"
#include "harness.h"

using namespace harness;
using namespace kit;

namespace {

const COLORREF kRed = RGB(255, 0, 0);
const COLORREF kBlue = RGB(0, 0, 255);
const COLORREF kMagenta = RGB(255, 0, 255);

HINSTANCE Resources() { return GetModuleHandleA(nullptr); }

struct Fixture {
    TestDialog dialog;
    ImageButton control;
    HWND button;
    // 31 x 18: IDB_KEYED (12 x 8) lands at (9, 5).
    explicit Fixture(UINT image = IDB_KEYED, int width = 31, int height = 18) {
        button = dialog.AddButton(3050, "", WS_VISIBLE, 10, 10, width, height);
        control.SetImage(Resources(), image, kMagenta);  // before the window is attached
        control.Attach(button);
        dialog.Route(control);
        Pump(20);
        dialog.Take();
    }
};

bool SameRect(const RECT& expected, const RECT& actual) {
    return EqualRect(&expected, &actual) != 0;
}

}  // namespace

WINE_TEST(AttachReplacesTheButtonTypeWithOwnerDraw) {
    TestDialog dialog;
    ImageButton control;
    HWND button = dialog.AddButton(1, "", WS_VISIBLE | BS_DEFPUSHBUTTON | BS_CENTER, 0, 0, 20, 20);
    CHECK(control.Attach(button));
    const LONG style = GetWindowLongA(button, GWL_STYLE);
    CHECK_EQ(BS_OWNERDRAW, style & BS_TYPEMASK);
    CHECK_EQ(BS_CENTER, style & BS_CENTER);
}

WINE_TEST(ImageIsCentredAndItsKeyColourShowsTheFace) {
    Fixture f;
    const Pixels p = PrintClient(f.button);
    CHECK(SameRect({13, 5, 17, 13}, p.Bounds(kRed)));
    CHECK(SameRect({17, 5, 21, 13}, p.Bounds(kBlue)));
    CHECK(!p.Contains(kMagenta));
    CHECK_EQ(32, p.CountIn({9, 5, 13, 13}, GetSysColor(COLOR_BTNFACE)));
}

WINE_TEST(PressedShiftsTheImageAndAReleaseOutsideDoesNotClick) {
    Fixture f;
    SendMessageA(f.button, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    CHECK(SameRect({14, 6, 18, 14}, PrintClient(f.button).Bounds(kRed)));
    SendMessageA(f.button, WM_MOUSEMOVE, MK_LBUTTON, At(60, 60));
    SendMessageA(f.button, WM_LBUTTONUP, 0, At(60, 60));
    Pump(20);
    CHECK(f.dialog.Take().empty());
    CHECK(SameRect({13, 5, 17, 13}, PrintClient(f.button).Bounds(kRed)));
}

WINE_TEST(ClickReachesTheParentBeforeTheRepaint) {
    Fixture f;
    RECT pending{};
    f.dialog.onMessage = [&](const Received&) { GetUpdateRect(f.button, &pending, FALSE); };
    ValidateRect(f.button, nullptr);
    SendMessageA(f.button, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    ValidateRect(f.button, nullptr);
    SendMessageA(f.button, WM_LBUTTONUP, 0, At(5, 5));
    const std::vector<Received> got = f.dialog.Take();
    REQUIRE(got.size() == 1);
    CHECK_EQ(static_cast<WPARAM>(MAKEWPARAM(3050, BN_CLICKED)), got[0].wp);
    CHECK(IsRectEmpty(&pending));  // not yet invalidated when the panel's handler ran
    CHECK(GetUpdateRect(f.button, nullptr, FALSE));

    // A second click within the double-click time is a double click.
    SendMessageA(f.button, WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5));
    SendMessageA(f.button, WM_LBUTTONUP, 0, At(5, 5));
    const std::vector<Received> twice = f.dialog.Take();
    REQUIRE(!twice.empty());
    CHECK_EQ(BN_DOUBLECLICKED, HIWORD(twice[0].wp));
}

WINE_TEST(DisabledImageIsEmbossedInHighlightAndShadow) {
    Fixture f(IDB_SHAPE);
    EnableWindow(f.button, FALSE);
    const Pixels p = PrintClient(f.button);
    // The black square of the image sits at (13, 7) - (17, 11).
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    CHECK_EQ(Hex(shadow), Hex(p.At(13, 7)));
    CHECK_EQ(Hex(shadow), Hex(p.At(16, 10)));
    CHECK_EQ(Hex(highlight), Hex(p.At(17, 8)));
    CHECK_EQ(Hex(highlight), Hex(p.At(14, 11)));
    CHECK_EQ(16, p.CountIn({13, 7, 17, 11}, shadow));
    CHECK_EQ(7, p.CountIn({9, 5, 21, 13}, highlight));
    CHECK_EQ(0, p.CountIn({9, 5, 21, 13}, RGB(0, 0, 0)));
    CHECK_EQ(Hex(GetSysColor(COLOR_BTNFACE)), Hex(p.At(10, 6)));  // the white ground is gone
}

WINE_TEST(LargerImageIsClippedOnAllSides) {
    Fixture f(IDB_LARGE, 20, 12);  // 40 x 24 lands at (-10, -6)
    const Pixels p = PrintClient(f.button);
    CHECK(SameRect({0, 0, 10, 6}, p.Bounds(kRed)));
    CHECK(SameRect({10, 0, 20, 6}, p.Bounds(kBlue)));
    CHECK(SameRect({0, 6, 10, 12}, p.Bounds(RGB(0, 255, 0))));
    CHECK(SameRect({10, 6, 20, 12}, p.Bounds(RGB(255, 255, 0))));
}

WINE_TEST(WithoutALoadableImageOnlyTheFaceIsDrawn) {
    Fixture f;
    f.control.SetImage(Resources(), 0);
    const Pixels none = PrintClient(f.button);
    CHECK(!none.Contains(kRed));
    f.control.SetImage(Resources(), 999);
    CHECK(none == PrintClient(f.button));
}

WINE_TEST(MessagesOfItsOwn) {
    Fixture f;
    const LPARAM moved = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);  // it asks its parent, as any child
    CHECK_EQ(SendMessageA(f.dialog.Get(), WM_SETCURSOR, WPARAM(f.button), moved),
             SendMessageA(f.button, WM_SETCURSOR, WPARAM(f.button), moved));
    LRESULT result = 0;
    const Pixels erased = Erase(f.button, result);
    CHECK_EQ(31 * 18, erased.Count(GetSysColor(COLOR_BTNFACE)));
    for (UINT message : {WM_SETFOCUS, WM_KILLFOCUS}) {
        ValidateRect(f.button, nullptr);
        SendMessageA(f.button, message, 0, 0);
        CHECK(GetUpdateRect(f.button, nullptr, FALSE));
    }
}

WINE_TEST(PaintsLeaveNoObjectsAndTheDeviceContextAsItWas) {
    Fixture f;
    Fixture shape(IDB_SHAPE);
    const long before = LiveGdiObjects();
    for (int i = 0; i < 30; ++i) {
        for (HWND button : {f.button, shape.button}) {
            EnableWindow(button, TRUE);
            SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
            PrintClient(button);
            SendMessageA(button, WM_LBUTTONUP, 0, At(5, 5));
            PrintClient(button);
            EnableWindow(button, FALSE);
            PrintClient(button);
        }
        Pump(1);
    }
    CHECK_EQ(before, LiveGdiObjects());
    for (UINT state : {0, ODS_SELECTED, ODS_DISABLED, ODS_SELECTED | ODS_FOCUS}) {
        const DirectPaint paint = PaintDirect(f.control, state);
        CHECK(paint.objectsRestored);
        CHECK_EQ(0, paint.liveObjectChange);
    }
}
