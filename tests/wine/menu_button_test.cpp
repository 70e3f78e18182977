// MenuButton in a test dialog that routes WM_DRAWITEM to it, driven with
// real messages: the popup menu worked from a helper thread with keys,
// latching, the default button through the dialog manager, flat and
// disabled looks, images, sizing, and GDI hygiene.
#include "controls/ControlKit_win.h"
#include "controls/MenuButton_win.h"
#include "controls/test_bitmaps.h"
#include "harness.h"
#include "win/Gdi_win.h"

#include <memory>

using namespace harness;
using namespace kit;

namespace {

const int kId = 3057;
const COLORREF kWhite = RGB(255, 255, 255);
const COLORREF kBlack = RGB(0, 0, 0);

struct Fixture {
    TestDialog dialog;
    MenuButton control;
    HWND button;
    explicit Fixture(DWORD style = WS_VISIBLE, int width = 100, int height = 24) {
        button = dialog.AddButton(kId, "unit", style, 20, 20, width, height);
        control.Attach(button);
        dialog.Route(control);
    }
    void AddThree() {
        control.AddItem("mm");
        control.AddItem("cm");
        control.AddItem("m");
    }
    Pixels Paint() { return PrintClient(button); }  // also lays out the two parts
    POINT ArrowCentre() const {
        const RECT a = control.ArrowRect();
        return {(a.left + a.right) / 2, (a.top + a.bottom) / 2};
    }
    // Presses the arrow part while a helper thread works the menu with keys.
    std::unique_ptr<MenuDriver> Open(std::vector<WPARAM> keys, UINT message = WM_LBUTTONDOWN) {
        auto driver = std::make_unique<MenuDriver>(button, std::move(keys));
        if (message == WM_SYSKEYDOWN)
            SendMessageA(button, WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
        else
            SendMessageA(button, message, MK_LBUTTON, At(ArrowCentre().x, ArrowCentre().y));
        driver->Finish();
        return driver;
    }
    std::string Caption() const {
        char text[64] = {};
        GetWindowTextA(button, text, sizeof text);
        return text;
    }
    bool Checked(int position) const {
        return (GetMenuState(control.Menu(), position, MF_BYPOSITION) & MF_CHECKED) != 0;
    }
};

// The pixels of the arrow glyph drawn at point p in the given colour.
bool GlyphAt(const Pixels& pixels, POINT p, COLORREF colour) {
    const int rows[][2] = {{-4, 3}, {-3, 2}, {-2, 1}, {-1, 0}};
    for (int row = 0; row < 4; ++row)
        for (int x = p.x + rows[row][0]; x < p.x + rows[row][1]; ++x)
            if (pixels.At(x, p.y - 1 + row) != colour) return false;
    return true;
}

// Timer callback that looks at the control while the menu loop runs.
struct DuringMenu {
    Fixture* fixture = nullptr;
    bool arrowPushed = false;
    Pixels pixels;
};
DuringMenu during;

// At the menu loop's first pause with the menu up, however long it took to
// come: a fixed delay raced the keys that close it again.
void CALLBACK LookWhileOpen(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND menu = FindWindowA("#32768", nullptr);
    if (!menu || !IsWindowVisible(menu)) return;
    KillTimer(nullptr, timer);
    during.arrowPushed = during.fixture->control.IsArrowPushed();
    during.pixels = during.fixture->Paint();
}

}  // namespace

WINE_TEST(WithoutItemsItIsAPlainOwnerDrawnButton) {
    Fixture f(WS_VISIBLE | BS_DEFPUSHBUTTON);
    CHECK_EQ(BS_OWNERDRAW, GetWindowLongA(f.button, GWL_STYLE) & BS_TYPEMASK);
    CHECK(f.control.IsDefault());
    // The type is a number, not flags: a group box (7) is owner-drawn after
    // and no default button, though 7 has the default button's bit.
    Fixture boxed(WS_VISIBLE | BS_GROUPBOX);
    CHECK_EQ(BS_OWNERDRAW, GetWindowLongA(boxed.button, GWL_STYLE) & BS_TYPEMASK);
    CHECK(!boxed.control.IsDefault());
    CHECK(!f.control.RemoveItem(0));
    CHECK(!f.control.EnableItem(0, true));
    f.control.AddSeparator();
    CHECK_EQ(0, GetMenuItemCount(f.control.Menu()));
    f.Paint();
    const RECT arrow = f.control.ArrowRect();
    CHECK(IsRectEmpty(&arrow));
    MenuDriver watch(f.button, {VK_ESCAPE}, 300);
    SendMessageA(f.button, WM_SYSKEYDOWN, VK_DOWN, 0x20000001);
    SendMessageA(f.button, WM_LBUTTONDOWN, MK_LBUTTON, At(95, 12));
    SendMessageA(f.button, WM_LBUTTONUP, 0, At(95, 12));
    watch.Finish();
    CHECK(!watch.SawMenu());
    Pump(20);
    CHECK(f.dialog.Take().empty());  // a face click of an unlatched control says nothing
    CHECK_EQ(-1, f.control.GetSelection());
}

WINE_TEST(EntriesAreAddedCheckedFirstAndAddressedByPosition) {
    Fixture f;
    CHECK_EQ(0, f.control.AddItem("mm"));
    CHECK_EQ(std::string("mm"), f.Caption());
    CHECK_EQ(0, f.control.GetSelection());
    CHECK(f.Checked(0));
    CHECK_EQ(1, f.control.AddItem("cm"));
    CHECK(!f.Checked(1));
    f.control.AddSeparator();
    CHECK_EQ(3, f.control.AddItem("m"));
    CHECK_EQ(0x2400u + 3, GetMenuItemID(f.control.Menu(), 3));

    f.control.SelectItem(2);  // the separator has no text: nothing changes
    CHECK_EQ(0, f.control.GetSelection());
    f.control.SelectItem(3);
    CHECK_EQ(std::string("m"), f.Caption());
    CHECK(!f.Checked(0) && f.Checked(3));

    CHECK(f.control.EnableItem(1, false));   // was enabled
    CHECK(!f.control.EnableItem(1, false));  // was not
    CHECK(!f.control.EnableItem(1, true));
    CHECK(!f.control.EnableItem(9, true));  // no such entry
    CHECK(f.control.RemoveItem(2));
    CHECK(!f.control.RemoveItem(7));
    CHECK_EQ(3, GetMenuItemCount(f.control.Menu()));
}

WINE_TEST(ChoosingAnEntryRenamesChecksAndPostsTheCommand) {
    Fixture f;
    f.AddThree();
    f.Paint();
    during = DuringMenu();
    during.fixture = &f;
    SetTimer(nullptr, 0, 10, LookWhileOpen);
    const auto driver = f.Open({VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
    CHECK(driver->SawMenu());
    // Right edge on the arrow part's left edge, top on the control's bottom.
    POINT anchor{f.control.ArrowRect().left, f.control.ArrowRect().bottom};
    ClientToScreen(f.button, &anchor);
    CHECK_EQ(anchor.x, driver->MenuRect().right);
    CHECK_EQ(anchor.y, driver->MenuRect().top);
    CHECK(during.arrowPushed);
    POINT pushed = f.ArrowCentre();
    pushed.x += 1;
    pushed.y += 1;
    CHECK(GlyphAt(during.pixels, pushed, kBlack));

    CHECK(f.dialog.Take().empty());  // posted, not sent
    Pump(20);
    const std::vector<Received> got = f.dialog.Take();
    REQUIRE(got.size() == 1);
    CHECK_EQ(static_cast<WPARAM>(MAKEWPARAM(kId, 0)), got[0].wp);
    CHECK_EQ(reinterpret_cast<LPARAM>(f.button), got[0].lp);
    CHECK_EQ(std::string("m"), got[0].senderText);  // renamed before the parent heard
    CHECK_EQ(2, f.control.GetSelection());
    CHECK(!f.Checked(0) && !f.Checked(1) && f.Checked(2));
    CHECK(!f.control.IsArrowPushed());
    CHECK(GlyphAt(f.Paint(), f.ArrowCentre(), kBlack));
}

WINE_TEST(AltDownAndDoubleClickOpenTheMenuToo) {
    Fixture f;
    f.AddThree();
    f.Paint();
    f.Open({VK_DOWN, VK_DOWN, VK_RETURN}, WM_SYSKEYDOWN);
    CHECK_EQ(1, f.control.GetSelection());
    f.Open({VK_DOWN, VK_RETURN}, WM_LBUTTONDBLCLK);
    CHECK_EQ(0, f.control.GetSelection());
    Pump(20);
    CHECK_EQ(2u, f.dialog.Take().size());
}

WINE_TEST(DismissingChangesNothingAndKeepsTheLatch) {
    Fixture f;
    f.AddThree();
    f.Paint();
    const auto plain = f.Open({VK_ESCAPE});
    CHECK(plain->SawMenu());
    CHECK(!f.control.IsArrowPushed());
    f.control.SetLatched(true);
    f.Open({VK_DOWN, VK_ESCAPE}, WM_SYSKEYDOWN);
    CHECK(f.control.IsLatched());
    CHECK(f.control.IsArrowPushed());
    Pump(20);
    CHECK(f.dialog.Take().empty());
    CHECK_EQ(0, f.control.GetSelection());
    CHECK_EQ(std::string("mm"), f.Caption());

    // A choice ends the latch.
    f.Open({VK_DOWN, VK_DOWN, VK_RETURN});
    CHECK(!f.control.IsLatched());
    CHECK(!f.control.IsArrowPushed());
}

WINE_TEST(LatchedControlReportsEveryReleaseUnlatchedNone) {
    Fixture f;
    f.AddThree();
    f.Paint();
    auto clickFace = [&](int releaseX) {
        SendMessageA(f.button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
        SendMessageA(f.button, WM_LBUTTONUP, 0, At(releaseX, 10));
        SendMessageA(f.button, WM_KEYDOWN, VK_SPACE, 0);
        SendMessageA(f.button, WM_KEYUP, VK_SPACE, 0xC0000001);
        Pump(20);
        return f.dialog.Take().size();
    };
    CHECK_EQ(0u, clickFace(10));
    const Pixels up = f.Paint();
    CHECK(!f.control.SetButtonState(true));  // returns the latch
    CHECK(SendMessageA(f.button, BM_GETSTATE, 0, 0) & BST_PUSHED);
    CHECK(up == f.Paint());  // the system pushed state has no look
    f.control.SetLatched(true);
    CHECK(f.control.SetButtonState(false));
    CHECK(!(up == f.Paint()));
    CHECK_EQ(2u, clickFace(10));   // mouse and Space
    CHECK_EQ(2u, clickFace(-50));  // the face press captured the mouse
    CHECK(f.control.IsLatched());
}

WINE_TEST(DefaultButtonFollowsTheDialogManagerAndStaysOwnerDrawn) {
    Fixture f;
    f.AddThree();
    HWND other = f.dialog.AddButton(IDOK, "OK", WS_VISIBLE | BS_DEFPUSHBUTTON, 150, 20, 60, 24);
    CHECK(SendMessageA(f.button, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
    SendMessageA(f.dialog.Get(), DM_SETDEFID, kId, 0);
    CHECK(f.control.IsDefault());
    CHECK_EQ(BS_OWNERDRAW, GetWindowLongA(f.button, GWL_STYLE) & BS_TYPEMASK);
    CHECK(SendMessageA(f.button, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON);
    CHECK_EQ(BS_PUSHBUTTON, GetWindowLongA(other, GWL_STYLE) & BS_TYPEMASK);

    const Pixels p = PaintDirect(f.control, 0, RGB(1, 2, 3)).pixels;
    CHECK_EQ(2 * 100 + 2 * 22, p.Count(RGB(1, 2, 3)));  // only the ring is left
    CHECK_EQ(0, p.CountIn({1, 1, 99, 23}, RGB(1, 2, 3)));
    CHECK_EQ(1, f.control.FaceRect().left);
    CHECK_EQ(99, f.control.ArrowRect().right);

    SendMessageA(f.dialog.Get(), DM_SETDEFID, IDOK, 0);
    CHECK(!f.control.IsDefault());
    CHECK_EQ(BS_OWNERDRAW, GetWindowLongA(f.button, GWL_STYLE) & BS_TYPEMASK);
    CHECK(SendMessageA(f.button, WM_GETDLGCODE, 0, 0) & DLGC_UNDEFPUSHBUTTON);
    CHECK_EQ(0, PaintDirect(f.control, 0, RGB(1, 2, 3)).pixels.Count(RGB(1, 2, 3)));
}

WINE_TEST(ArrowWidthHasAFloorAndSetsThePartBoundary) {
    Fixture f;
    f.AddThree();
    f.control.SetArrowWidth(3);
    CHECK_EQ(15u, f.control.ArrowWidth());
    const Pixels p = f.Paint();
    CHECK_EQ(85, f.control.ArrowRect().left);
    // Both parts are raised frames: the arrow part's left edge looks like
    // the face's left edge, the face's right edge like the arrow's right one.
    CHECK_EQ(Hex(p.At(0, 12)), Hex(p.At(85, 12)));
    CHECK_EQ(Hex(p.At(99, 12)), Hex(p.At(84, 12)));
    CHECK(!(p.At(85, 12) == p.At(84, 12)));
}

WINE_TEST(FlatStyleDrawsBothPartsFlat) {
    Fixture raised;
    Fixture flat(WS_VISIBLE | BS_FLAT);
    raised.AddThree();
    flat.AddThree();
    const Pixels r = raised.Paint();
    const Pixels p = flat.Paint();
    RECT face{0, 0, 80, 24};
    HDC screen = GetDC(nullptr);
    // The flat frame of DrawFrameControl, for reference.
    MemoryDC dc(screen);
    Bitmap bitmap(CreateCompatibleBitmap(screen, 80, 24));
    ReleaseDC(nullptr, screen);
    Selection use(dc.Get(), bitmap.Get());
    DrawFrameControl(dc.Get(), &face, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT);
    const COLORREF corner = GetPixel(dc.Get(), 0, 0);
    CHECK_EQ(Hex(corner), Hex(p.At(0, 0)));
    CHECK_EQ(Hex(corner), Hex(p.At(80, 0)));
    CHECK(!(r.At(0, 0) == corner));
    CHECK(!(r.At(80, 0) == corner));
}

WINE_TEST(DisabledDrawsWhiteOffsetThenGrey) {
    Fixture f;
    f.AddThree();
    const Pixels enabled = f.Paint();
    const POINT p = f.ArrowCentre();
    CHECK(GlyphAt(enabled, p, kBlack));
    const RECT text{4, 4, 76, 20};
    CHECK(enabled.CountIn(text, GetSysColor(COLOR_BTNTEXT)) > 0);

    EnableWindow(f.button, FALSE);
    const Pixels disabled = f.Paint();
    const COLORREF grey = GetSysColor(COLOR_GRAYTEXT);
    CHECK(GlyphAt(disabled, p, grey));
    CHECK_EQ(Hex(kWhite), Hex(disabled.At(p.x + 2, p.y)));  // the white copy shows right
    CHECK_EQ(Hex(kWhite), Hex(disabled.At(p.x, p.y + 3)));  // and below
    CHECK(disabled.CountIn(text, grey) > 0);
    CHECK(disabled.CountIn(text, kWhite) > 0);
    CHECK_EQ(0, disabled.CountIn(text, GetSysColor(COLOR_BTNTEXT)));
}

WINE_TEST(ImageIsMappedLoadedTwiceAndFitsTheHeight) {
    Fixture f;
    f.AddThree();
    const HINSTANCE resources = GetModuleHandleA(nullptr);
    CHECK(!f.control.SetImage(resources, 999, RGB(0, 255, 0), false));
    CHECK(!f.control.HasImage());
    CHECK(f.control.SetImage(resources, IDB_MENU_IMAGE, RGB(0, 255, 0), true));
    CHECK_EQ(8, f.control.ImageSize().cx);
    RECT client{};
    GetClientRect(f.button, &client);
    CHECK_EQ(6 + 2 * 4, static_cast<int>(client.bottom));
    CHECK_EQ(100, static_cast<int>(client.right));
    const Pixels p = f.Paint();
    CHECK(!p.Contains(RGB(0, 255, 0)));
    // Text box (4, 4) - (76, 10): the image at x 4, y 7 - 3; its bar 2 rows down.
    CHECK_EQ(8, p.CountIn({6, 6, 10, 8}, kBlack));

    // A hidden control stays hidden when its height is fitted.
    Fixture hidden(0);
    CHECK(hidden.control.SetImage(resources, IDB_MENU_IMAGE, RGB(0, 255, 0), true));
    CHECK(!IsWindowVisible(hidden.button));
}

WINE_TEST(SizeToContentFitsTheWidestEntryAndTheArrow) {
    Fixture f;
    f.control.AddItem("a");
    f.control.AddSeparator();
    f.control.AddItem("a much longer entry");
    f.control.SizeToContent(3);
    SIZE wide{};
    {
        WindowDC dc(f.button);
        Selection font(dc.Get(),
                       reinterpret_cast<HGDIOBJ>(SendMessageA(f.button, WM_GETFONT, 0, 0)));
        GetTextExtentPoint32A(dc.Get(), "a much longer entry", 19, &wide);
    }
    RECT client{};
    GetClientRect(f.button, &client);
    CHECK_EQ(static_cast<int>(3 + 8 + wide.cx + 20), static_cast<int>(client.right));
    CHECK_EQ(24, static_cast<int>(client.bottom));
}

WINE_TEST(CreatedControlsTakeTheDefaultBitAndTheirCaption) {
    TestDialog dialog;
    MenuButton first;
    MenuButton second;
    CHECK(first.Create(dialog.Get(), 11, {0, 0, 80, 20}, WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON,
                       "coods"));
    CHECK(first.IsDefault());
    CHECK_EQ(BS_OWNERDRAW, GetWindowLongA(first.Window(), GWL_STYLE) & BS_TYPEMASK);
    CHECK(second.Create(dialog.Get(), 12, {0, 30, 80, 50}, WS_CHILD, GetModuleHandleA(nullptr),
                        IDS_MENU_CAPTION));
    char text[64] = {};
    GetWindowTextA(second.Window(), text, sizeof text);
    CHECK_EQ(std::string("from the string table"), std::string(text));
    CHECK(!second.IsDefault());
}

WINE_TEST(ItsWindowTakesMenuAndImagesAlongAndTheNextGetsAnEmptyMenu) {
    Fixture f;
    f.AddThree();
    f.control.SetImage(GetModuleHandleA(nullptr), IDB_MENU_IMAGE, RGB(0, 255, 0), false);
    const HMENU menu = f.control.Menu();
    const long before = LiveGdiObjects();
    DestroyWindow(f.button);
    CHECK(!IsMenu(menu));
    CHECK_EQ(before - 2, LiveGdiObjects());
    f.button = f.dialog.AddButton(kId, "unit", WS_VISIBLE, 20, 20, 100, 24);
    CHECK(f.control.Attach(f.button));
    CHECK_EQ(0, GetMenuItemCount(f.control.Menu()));
    CHECK_EQ(0, f.control.AddItem("cm"));  // the first entry: caption and choice
    CHECK_EQ(std::string("cm"), f.Caption());
    CHECK(f.Checked(0));
}

WINE_TEST(PaintsClicksAndMenusLeaveNoObjectsAndTheContextAsItWas) {
    Fixture f;
    Fixture imaged(WS_VISIBLE | BS_FLAT);
    f.AddThree();
    imaged.AddThree();
    imaged.control.SetImage(GetModuleHandleA(nullptr), IDB_MENU_IMAGE, RGB(0, 255, 0), false);
    f.Paint();
    const long before = LiveGdiObjects();
    for (int i = 0; i < 20; ++i) {
        for (Fixture* x : {&f, &imaged}) {
            x->control.SetLatched(i % 2 == 0);
            EnableWindow(x->button, i % 3 != 0);
            SendMessageA(x->button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
            SendMessageA(x->button, WM_LBUTTONUP, 0, At(10, 10));
            x->Paint();
        }
        Pump(1);
    }
    f.Open({VK_DOWN, VK_RETURN});
    f.Open({VK_ESCAPE});
    CHECK_EQ(before, LiveGdiObjects());
    for (Fixture* x : {&f, &imaged}) {
        for (UINT state : {0, ODS_DISABLED, ODS_SELECTED | ODS_FOCUS}) {
            const DirectPaint paint = PaintDirect(x->control, state);
            CHECK(paint.objectsRestored);
            CHECK_EQ(0, paint.liveObjectChange);
        }
    }
    // Menus and images go with the object.
    {
        MenuButton temporary;
        temporary.SetImage(GetModuleHandleA(nullptr), IDB_MENU_IMAGE, RGB(0, 255, 0), false);
        CHECK_EQ(before + 2, LiveGdiObjects());
    }
    CHECK_EQ(before, LiveGdiObjects());
}
