// TitleButton driven with real mouse messages inside a test dialog that
// routes WM_DRAWITEM to it as the panel does: pressed looks, the right-click
// message and its capture rules (the message order as tables), the caption
// face, and its GDI objects.
#include "controls/ControlKit_win.h"
#include "controls/TitleButton_win.h"
#include "harness.h"

using namespace harness;
using namespace kit;

namespace {

const COLORREF kFaceColour = RGB(0, 160, 0);
const COLORREF kPressedColour = RGB(0, 0, 200);
const COLORREF kLight = RGB(255, 255, 255);
const COLORREF kShadow = RGB(128, 128, 128);
const COLORREF kGrey = RGB(192, 192, 192);

HBITMAP SolidBitmap(int size, COLORREF colour) {
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH brush = CreateSolidBrush(colour);
    RECT all{0, 0, size, size};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

// The panel's way: an 11 x 11 title-strip button with both bitmaps and no border.
struct BitmapButton {
    TestDialog dialog;
    TitleButton control;
    HWND button;
    BitmapButton() {
        button = dialog.AddButton(3008, "s", WS_VISIBLE, 20, 10, 11, 11);
        control.Attach(button);
        dialog.Route(control);
        control.SetFaceBitmap(SolidBitmap(11, kFaceColour));
        control.SetPressedBitmap(SolidBitmap(11, kPressedColour));
        control.SetShowBorder(false);
        Pump(20);
        dialog.Take();
    }
    COLORREF Shown() { return PrintClient(button).At(5, 5); }
};

std::vector<Received> Of(const std::vector<Received>& got, UINT message) {
    std::vector<Received> matching;
    for (const Received& r : got)
        if (r.message == message) matching.push_back(r);
    return matching;
}

// One WM_TITLE_RCLICK for the control and no WM_COMMAND.
bool OnlyTitleMessage(const std::vector<Received>& got, int id) {
    const std::vector<Received> titles = Of(got, WM_TITLE_RCLICK);
    return titles.size() == 1 && titles[0].wp == static_cast<WPARAM>(id) && titles[0].lp == 0 &&
           Of(got, WM_COMMAND).empty();
}

}  // namespace

WINE_TEST(AttachMakesTheItemOwnerDrawnAndKeepsTheOtherStyleBits) {
    TestDialog dialog;
    TitleButton control;
    HWND button = dialog.AddButton(3006, "", WS_VISIBLE | BS_CENTER, 0, 0, 11, 11);
    CHECK(control.Attach(button));
    const LONG style = GetWindowLongA(button, GWL_STYLE);
    CHECK_EQ(BS_OWNERDRAW, style & BS_TYPEMASK);
    CHECK_EQ(BS_CENTER, style & BS_CENTER);
    CHECK(!control.Attach(button));  // one window per object

    // The type is replaced: OR-ed in, a group box's 7 would make 0xF.
    TitleButton boxed;
    HWND box = dialog.AddButton(3007, "", WS_VISIBLE | BS_GROUPBOX, 0, 20, 11, 11);
    CHECK(boxed.Attach(box));
    CHECK_EQ(BS_OWNERDRAW, GetWindowLongA(box, GWL_STYLE) & BS_TYPEMASK);
}

WINE_TEST(RightClickOverTheButtonSendsTheTitleMessageOnly) {
    BitmapButton b;
    Timeline timeline;
    timeline.Watch(b.button, Control);
    timeline.Watch(b.dialog.Get(), Parent);
    bool heldAtSend = true;
    b.dialog.onMessage = [&](const Received&) {
        heldAtSend = GetCapture() == b.button || b.control.IsPressed();
    };
    SendMessageA(b.button, WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
    CHECK(b.control.IsPressed());
    CHECK_EQ(b.button, GetCapture());
    CHECK_EQ(kPressedColour, b.Shown());
    SendMessageA(b.button, WM_RBUTTONUP, 0, At(10, 10));  // last pixel still counts
    // The target hears of it before the system's own release processing
    // (the context menu request).
    static const Step kRightClick[] = {
        {Control, WM_RBUTTONDOWN},
        {Control, WM_RBUTTONUP},
        {Control, WM_CAPTURECHANGED, 0, 0, kMatchLParam},
        {Parent, WM_TITLE_RCLICK, 3008, 0, kMatchWParam | kMatchLParam},
        {Control, WM_CONTEXTMENU},
        {Parent, WM_CONTEXTMENU},
        {Parent, WM_APP},
        {},
    };
    CHECK_EQ(std::string(), timeline.Differences(kRightClick, "right click over the button"));
    CHECK(OnlyTitleMessage(b.dialog.Take(), 3008));
    CHECK(!heldAtSend);  // released and drawn up before the target hears of it
    CHECK(GetCapture() == nullptr);
    CHECK_EQ(kFaceColour, b.Shown());
}

WINE_TEST(RightReleaseOffTheButtonOrWithoutCaptureSendsNothing) {
    BitmapButton b;
    SendMessageA(b.button, WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
    SendMessageA(b.button, WM_RBUTTONUP, 0, At(11, 5));  // dragged off to the right
    CHECK(!b.control.IsPressed());
    CHECK(GetCapture() == nullptr);
    SendMessageA(b.button, WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
    SendMessageA(b.button, WM_RBUTTONUP, 0, At(-1, -1));
    CHECK(!b.control.IsPressed());

    // The capture went elsewhere: the control popped up then, and the
    // release is not the control's.
    SendMessageA(b.button, WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
    ReleaseCapture();
    SendMessageA(b.button, WM_RBUTTONUP, 0, At(5, 5));
    CHECK(!b.control.IsPressed());
    Pump(20);
    CHECK(Of(b.dialog.Take(), WM_TITLE_RCLICK).empty());
}

// A press whose capture another window takes (Alt+Tab, a popup) before the
// release: the control pops up at the loss, and the release is not its own.
WINE_TEST(CaptureTakenByAnotherWindowEndsThePress) {
    TestDialog other;  // first, so that the button's dialog comes to the front
    BitmapButton b;
    Timeline timeline;
    timeline.Watch(b.button, Control);
    timeline.Watch(b.dialog.Get(), Parent);
    timeline.Watch(other.Get(), Other);
    const LPARAM toOther = reinterpret_cast<LPARAM>(other.Get());
    const Step kRight[] = {
        {Control, WM_RBUTTONDOWN},
        {Control, WM_CAPTURECHANGED, 0, toOther, kMatchLParam},
        {Control, WM_RBUTTONUP},  // no WM_TITLE_RCLICK
        {Control, WM_CONTEXTMENU},
        {Parent, WM_CONTEXTMENU},
        {Other, WM_CAPTURECHANGED, 0, 0, kMatchLParam},
        {Parent, WM_APP},
        {},
    };
    const Step kLeft[] = {
        {Control, WM_LBUTTONDOWN},
        {Parent, WM_KILLFOCUS, 0, 0, kOptional},  // where the focus was elsewhere
        {Control, WM_SETFOCUS, 0, 0, kOptional},
        {Control, BM_SETSTATE, TRUE, 0, kMatchWParam},
        {Control, WM_CAPTURECHANGED, 0, toOther, kMatchLParam},
        {Control, BM_SETSTATE, FALSE, 0, kMatchWParam},  // the system button pops up too
        {Control, WM_LBUTTONUP},                         // no BN_CLICKED
        {Other, WM_CAPTURECHANGED, 0, 0, kMatchLParam},
        {Parent, WM_APP},
        {},
    };
    const struct {
        UINT down, up;
        WPARAM held;
        const Step* expected;
        const char* action;
    } kPresses[] = {
        {WM_RBUTTONDOWN, WM_RBUTTONUP, MK_RBUTTON, kRight, "right press, capture lost, release"},
        {WM_LBUTTONDOWN, WM_LBUTTONUP, MK_LBUTTON, kLeft, "left press, capture lost, release"},
    };
    for (const auto& press : kPresses) {
        SendMessageA(b.button, press.down, press.held, At(5, 5));
        CHECK(b.control.IsPressed());
        SetCapture(other.Get());
        CHECK(!b.control.IsPressed());
        Pump(20);
        CHECK_EQ(kFaceColour, Screen(b.button).At(5, 5));  // repainted at the loss
        SendMessageA(b.button, press.up, 0, At(5, 5));
        ReleaseCapture();
        CHECK_EQ(std::string(), timeline.Differences(press.expected, press.action));
    }
}

WINE_TEST(RightClickGoesToTheChosenNotifyTarget) {
    BitmapButton b;
    TestDialog other;
    b.control.SetNotifyTarget(other.Get());
    SendMessageA(b.button, WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
    SendMessageA(b.button, WM_RBUTTONUP, 0, At(5, 5));
    CHECK(OnlyTitleMessage(other.Take(), 3008));
    CHECK(Of(b.dialog.Take(), WM_TITLE_RCLICK).empty());
}

WINE_TEST(LeftClickShowsThePressedBitmapWhileHeldAndClicksOnRelease) {
    BitmapButton b;
    SendMessageA(b.button, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    CHECK_EQ(kPressedColour, b.Shown());
    // Moving off pops the system button up, but not the look: only the
    // button release does.
    SendMessageA(b.button, WM_MOUSEMOVE, MK_LBUTTON, At(40, 40));
    CHECK_EQ(kPressedColour, b.Shown());
    SendMessageA(b.button, WM_MOUSEMOVE, MK_LBUTTON, At(5, 5));
    Pump(50);
    CHECK_EQ(kPressedColour, Screen(b.button).At(5, 5));  // the real WM_PAINT path
    SendMessageA(b.button, WM_LBUTTONUP, 0, At(5, 5));
    CHECK_EQ(kFaceColour, b.Shown());
    Pump(20);
    const std::vector<Received> got = b.dialog.Take();
    REQUIRE(got.size() == 1);
    CHECK_EQ(static_cast<WPARAM>(MAKEWPARAM(3008, BN_CLICKED)), got[0].wp);
    CHECK_EQ(reinterpret_cast<LPARAM>(b.button), got[0].lp);

    SendMessageA(b.button, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    SendMessageA(b.button, WM_LBUTTONUP, 0, At(30, 5));
    Pump(20);
    CHECK(b.dialog.Take().empty());
    CHECK_EQ(kFaceColour, b.Shown());
}

WINE_TEST(CaptionFaceWithBevelThatSinksWhenPressed) {
    TestDialog dialog;
    TitleButton control;
    HWND button = dialog.AddButton(7, "Ab", WS_VISIBLE, 10, 10, 40, 20);
    control.Attach(button);
    dialog.Route(control);
    control.SetTextColour(RGB(200, 0, 0));
    Pixels up = PrintClient(button);
    CHECK_EQ(std::string("Ab"), control.Caption());  // filled from the window text
    CHECK_EQ(kGrey, up.At(2, 2));
    CHECK(up.Contains(RGB(200, 0, 0)));
    const COLORREF edges[] = {up.At(0, 0), up.At(0, 10), up.At(20, 0), up.At(39, 10),
                              up.At(20, 19)};
    const COLORREF raised[] = {kLight, kLight, kLight, kShadow, kShadow};
    for (int i = 0; i < 5; ++i) CHECK_EQ(Hex(raised[i]), Hex(edges[i]));

    SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
    Pixels down = PrintClient(button);
    CHECK_EQ(Hex(kShadow), Hex(down.At(0, 10)));
    CHECK_EQ(Hex(kLight), Hex(down.At(39, 10)));
    SendMessageA(button, WM_LBUTTONUP, 0, At(5, 5));

    // Disabled looks the same; the item state is not consulted.
    EnableWindow(button, FALSE);
    CHECK(up == PrintClient(button));

    control.SetCaptionFromPath("C:\\scenes\\old\\teapot.scn");
    CHECK_EQ(std::string("teapot.scn"), control.Caption());
    control.SetCaptionFromPath("box.scn");
    CHECK_EQ(std::string("box.scn"), control.Caption());
    SetWindowTextA(button, "window text");
    PrintClient(button);
    CHECK_EQ(std::string("box.scn"), control.Caption());
}

WINE_TEST(EraseBackgroundLeavesTheScreenAlone) {
    BitmapButton b;
    LRESULT result = -1;
    const Pixels erased = Erase(b.button, result, RGB(1, 2, 3));
    CHECK_EQ(0, result);
    CHECK_EQ(11 * 11, erased.Count(RGB(1, 2, 3)));
}

WINE_TEST(OwnsItsFontPensAndBitmapsAndDeletesEachOnce) {
    const long before = LiveGdiObjects();
    HBITMAP second = nullptr, pressed = nullptr;
    {
        TitleButton control;
        CHECK_EQ(before + 3, LiveGdiObjects());  // font and two pens
        // The watch counts the bitmaps from their making, so they are made now.
        HBITMAP first = SolidBitmap(11, kFaceColour);
        second = SolidBitmap(11, kFaceColour);
        pressed = SolidBitmap(11, kPressedColour);
        control.SetFaceBitmap(first);
        control.SetFaceBitmap(second);
        CHECK_EQ(0, GetObjectType(first));  // replaced, so deleted
        control.SetPressedBitmap(pressed);
        CHECK_EQ(before + 5, LiveGdiObjects());
    }
    CHECK_EQ(before, LiveGdiObjects());
    CHECK_EQ(0, GetObjectType(second));
    CHECK_EQ(0, GetObjectType(pressed));
}

WINE_TEST(ItsWindowTakesItsGdiObjectsAlongAndTheNextGetsFontAndPensAgain) {
    const long before = LiveGdiObjects();
    BitmapButton b;
    DestroyWindow(b.button);
    CHECK_EQ(before, LiveGdiObjects());
    HWND next = b.dialog.AddButton(8, "text", WS_VISIBLE, 0, 20, 40, 16);
    CHECK(b.control.Attach(next));
    b.control.SetShowBorder(true);
    CHECK_EQ(before + 3, LiveGdiObjects());  // font and two pens
    const Pixels face = PrintClient(next);
    CHECK_EQ(kLight, face.At(0, 5));
    CHECK_EQ(kShadow, face.At(39, 5));
}

WINE_TEST(PaintingAndClickingKeepTheDeviceContextAndTheObjectCount) {
    BitmapButton b;
    TestDialog dialog;
    TitleButton captioned;
    HWND plain = dialog.AddButton(8, "text", WS_VISIBLE, 0, 0, 40, 16);
    captioned.Attach(plain);
    dialog.Route(captioned);
    const long before = LiveGdiObjects();
    for (int i = 0; i < 40; ++i) {
        for (HWND button : {b.button, plain}) {
            SendMessageA(button, WM_LBUTTONDOWN, MK_LBUTTON, At(5, 5));
            SendMessageA(button, WM_LBUTTONUP, 0, At(5, 5));
            SendMessageA(button, WM_RBUTTONDOWN, MK_RBUTTON, At(5, 5));
            SendMessageA(button, WM_RBUTTONUP, 0, At(5, 5));
            PrintClient(button);
        }
        Pump(1);
    }
    CHECK_EQ(before, LiveGdiObjects());

    for (TitleButton* control : {&b.control, &captioned}) {
        for (UINT state : {0u, static_cast<UINT>(ODS_SELECTED)}) {
            const DirectPaint paint = PaintDirect(*control, state);
            CHECK(paint.objectsRestored);
            CHECK_EQ(0, paint.liveObjectChange);
        }
    }
    // The composition lands in item coordinates, as on the screen.
    CHECK(PaintDirect(b.control, 0).pixels == PrintClient(b.button));
}
