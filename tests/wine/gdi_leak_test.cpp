// GDI hygiene of the module as a whole. Wine's GetGuiResources is a stub, so
// the test watches the module's own imports: it patches the module's import
// address table so that every GDI object and menu the module creates or
// deletes is seen, then paints and clicks every control of the panel many
// times, destroys the panel, and makes opening it fail part way.
#include <set>
#include <string>

#include "gdi_watch.h"
#include "harness.h"
#include "res/resource.h"

using namespace harness;

namespace {

void Press(HWND button, UINT down, UINT up) {
    SendMessageA(button, down, MK_LBUTTON, MAKELPARAM(3, 3));
    Repaint(button);
    SendMessageA(button, up, 0, MAKELPARAM(3, 3));
    Repaint(button);
}

// Opens the panel with the module's GDI calls watched from its first one,
// and paints it once.
HWND OpenWatchedPanel(ModuleFixture& f) {
    gdi_watch::Watch(f.module);
    gdi_watch::Reset();
    f.leftClick();
    Pump();
    HWND panel = f.Panel();
    Repaint(panel);
    Pump();
    return panel;
}

}  // namespace

WINE_TEST(PaintingAndClickingEveryControlLeaksNoGdiObject) {
    ModuleFixture f;
    HWND panel = OpenWatchedPanel(f);
    CHECK(gdi_watch::Live() !=
          0);  // the watch works: the title-strip buttons own bitmaps, a font and pens
    const std::set<void*> baseline = gdi_watch::LiveHandles();

    for (int round = 0; round < 10; ++round) {
        Repaint(panel);
        for (int id : {IDC_ROLL_FIELDS, IDC_ROLL_TITLE, IDC_HIDE, IDC_SHOW_AXES, IDC_HIDE_AXES}) {
            HWND button = GetDlgItem(panel, id);
            Press(button, WM_LBUTTONDOWN, WM_LBUTTONUP);
        }
        Press(GetDlgItem(panel, IDC_ROLL_FIELDS), WM_RBUTTONDOWN, WM_RBUTTONUP);
        EnableWindow(GetDlgItem(panel, IDC_SHOW_AXES), FALSE);  // the embossed look
        Repaint(GetDlgItem(panel, IDC_SHOW_AXES));
        EnableWindow(GetDlgItem(panel, IDC_SHOW_AXES), TRUE);
        SendMessageA(GetDlgItem(panel, IDC_UNIT), WM_SETFOCUS, 0, 0);
        ShowWindow(panel, SW_SHOW);  // the hide button hid it
        Pump(10);
    }
    Pump();
    CHECK_EQ(baseline.size(), gdi_watch::Live());
    CHECK(baseline == gdi_watch::LiveHandles());
    CHECK(TakeDismissedBoxes().empty());
}

WINE_TEST(ThePanelsGdiObjectsAndMenusGoWithItsWindow) {
    // The module never deletes a panel object; when the host's main view
    // goes, and the panel window with it, its bitmaps, fonts and pens must
    // go too, and so must the menus of its two menu buttons.
    ModuleFixture f;
    HWND panel = OpenWatchedPanel(f);
    CHECK(gdi_watch::Live() != 0);
    CHECK_EQ(2u, gdi_watch::LiveMenus());
    DestroyWindow(f.view);
    f.view = nullptr;
    Pump();
    CHECK(!IsWindow(panel));
    CHECK_EQ(0u, gdi_watch::Live());
    CHECK_EQ(0u, gdi_watch::LiveMenus());
}

namespace {

// Something destroys the dialog during its WM_INITDIALOG, after the panel's
// own initialisation; CreateDialogParam then returns null.
HHOOK destroyer = nullptr;
LRESULT CALLBACK DestroyAtInitDialog(int code, WPARAM wp, LPARAM lp) {
    const CWPRETSTRUCT& sent = *reinterpret_cast<CWPRETSTRUCT*>(lp);
    if (code == HC_ACTION && sent.message == WM_INITDIALOG) DestroyWindow(sent.hwnd);
    return CallNextHookEx(destroyer, code, wp, lp);
}

}  // namespace

WINE_TEST(OpeningThatFailsPartWayLeavesNoGdiObjectOrMenu) {
    // Before WM_INITDIALOG (here a main view that is no window; a control
    // that cannot be created fails the same way) and during it.
    for (bool duringInit : {false, true}) {
        const std::string what = duringInit ? "destroyed in WM_INITDIALOG" : "no main view";
        ModuleFixture f;
        gdi_watch::Watch(f.module);
        gdi_watch::Reset();
        if (duringInit) {
            destroyer = SetWindowsHookExA(WH_CALLWNDPROCRET, DestroyAtInitDialog, nullptr,
                                          GetCurrentThreadId());
        } else {
            HWND gone = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      nullptr, nullptr);
            DestroyWindow(gone);
            standinSetMainView(gone);
        }
        f.leftClick();
        if (destroyer) UnhookWindowsHookEx(destroyer);
        destroyer = nullptr;
        Pump();
        CHECK(f.Panels().empty());
        CHECK(gdi_watch::Created() >= 9);  // the title buttons' fonts and pens at least
        CHECK_EQ(what + ": 0 GDI objects, 0 menus",
                 what + ": " + std::to_string(gdi_watch::Live()) + " GDI objects, " +
                     std::to_string(gdi_watch::LiveMenus()) + " menus");
    }
}
