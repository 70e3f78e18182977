// The panel's keys in the loops hosts run, with keys posted as the system
// queues them: a loop that translates the host's accelerators for every
// message (the default), one that hands every dialog to IsDialogMessage, and
// a plain one. Also what a long session leaves behind: closed panels, and
// the thread's message path after the module is gone.
#include "harness.h"
#include "res/resource.h"

using namespace harness;
using hosting::LoopKind;

namespace {

const LoopKind kLoops[] = {LoopKind::Accelerators, LoopKind::Dialog, LoopKind::Plain};

struct KeyedPanel : OpenedPanel {
    explicit KeyedPanel(LoopKind loop) : OpenedPanel(loop), name(hosting::LoopKindName(loop)) {}
    void Press(HWND target, UINT key, UINT modifiers = 0) {
        SetFocus(target);
        hosting::PressKey(f.host.Loop(), target, key, modifiers);
    }
    int FocusId() const { return GetDlgCtrlID(GetFocus()); }
    // What a check compares, with the loop's name, so a failure says which loop.
    std::string InLoop(const std::string& what) const { return name + ": " + what; }
    std::string name;
};

}  // namespace

// Tab and Shift+Tab move one tab stop; in a field every key is the panel's.
WINE_TEST(ThePanelsKeysInEveryLoop) {
    for (LoopKind loop : kLoops) {
        KeyedPanel p(loop);
        HWND field = p.Item(IDC_LOCATION_X);
        p.Press(field, VK_TAB);
        CHECK_EQ(p.InLoop(std::to_string(IDC_LOCATION_Y)), p.InLoop(std::to_string(p.FocusId())));
        hosting::PressKey(p.f.host.Loop(), GetFocus(), VK_TAB, MOD_SHIFT);
        CHECK_EQ(p.InLoop(std::to_string(IDC_LOCATION_X)), p.InLoop(std::to_string(p.FocusId())));
        SelectAll(field);
        p.Press(field, '5');
        p.Press(field, '7');
        SendMessageA(field, EM_SETSEL, 0, 0);
        p.Press(field, VK_DELETE);  // "57" loses its 5
        SelectAll(field);
        p.Press(field, 'C', MOD_CONTROL);
        SendMessageA(field, EM_SETSEL, 1, 1);
        p.Press(field, 'V', MOD_CONTROL);
        p.Press(field, VK_UP);  // the spin's step, 0.1
        CHECK_EQ(p.InLoop("77.100"), p.InLoop(p.Text(IDC_LOCATION_X)));
        CHECK_EQ(77.1f, Cube().location.x);
        CHECK_EQ(p.InLoop("0 host keys"),
                 p.InLoop(std::to_string(p.f.host.Keys().Fired()) + " host keys"));
        p.Press(field, VK_ESCAPE);
        CHECK(!IsWindowVisible(p.panel));
    }
}

WINE_TEST(OtherKeysReachTheHostUnlessAFieldHasTheFocus) {
    KeyedPanel p(LoopKind::Accelerators);
    hosting::HostKeys& keys = p.f.host.Keys();
    p.Press(p.f.view, VK_DELETE);
    CHECK_EQ(1, keys.Fired("Delete"));
    p.Press(p.Item(IDC_GET_OBJECT), VK_DELETE);
    CHECK_EQ(2, keys.Fired("Delete"));
    p.Press(p.Item(IDC_GET_OBJECT), VK_TAB);  // the dialog's own key, even on a button
    CHECK_EQ(IDC_ROLL_FIELDS, p.FocusId());
    CHECK_EQ(2, keys.Fired());
    CHECK(IsWindowVisible(p.panel));
}

WINE_TEST(AMenuOpenOverAFieldKeepsItsKeys) {
    KeyedPanel p(LoopKind::Accelerators);
    HWND field = p.Item(IDC_LOCATION_X);
    SetFocus(field);
    HMENU menu = CreatePopupMenu();
    AppendMenuA(menu, MF_STRING, 1, "one");
    AppendMenuA(menu, MF_STRING, 2, "two");
    // Read by the menu's own loop once it runs: down twice to "two", choose it.
    for (UINT key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
        PostMessageA(field, WM_KEYDOWN, key, 1);
        PostMessageA(field, WM_KEYUP, key, 0xC0000001);
    }
    const int chosen =
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, 10, 10, 0, p.panel, nullptr);
    DestroyMenu(menu);
    CHECK_EQ(2, chosen);
    CHECK_EQ(std::string("0"), p.Text(IDC_LOCATION_X));  // the field was not stepped
}

WINE_TEST(ClosedPanelsGoAtTheNextActivationAndOpenOnesStay) {
    ModuleFixture f;
    f.leftClick();
    f.deactivate();
    Pump();
    const HWND open = f.Panel();
    for (int cycle = 0; cycle < 30; ++cycle) {
        f.leftClick();
        Pump(0);
        for (HWND panel : f.Panels())
            if (panel != open && IsWindowVisible(panel))
                SendMessageA(GetDlgItem(panel, IDC_HIDE), BM_CLICK, 0, 0);
        f.deactivate();
    }
    Pump();
    const std::vector<HWND> panels = f.Panels();
    CHECK_EQ(2u, panels.size());
    CHECK(IsWindowVisible(open));
    int hidden = 0;
    for (HWND panel : panels) hidden += !IsWindowVisible(panel);
    CHECK_EQ(1, hidden);
    // The open one keeps working.
    Replace(GetDlgItem(open, IDC_SIZE_X), "3");
    CHECK_EQ(3.0f, Cube().size.x);
}

namespace {

int keysReceived = 0;
LRESULT CALLBACK CountKeys(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_KEYDOWN) ++keysReceived;
    return DefWindowProcA(window, message, wp, lp);
}

}  // namespace

WINE_TEST(KeysAreDispatchedAfterTheModuleIsUnloaded) {
    {
        ModuleFixture f;
        f.leftClick();
        Pump();
        f.host.Close();  // the view and its panels go, then the module
        CHECK(GetModuleHandleA("ortolan.tsx") == nullptr);
    }
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountKeys;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "OrtolanKeyCounter";
    RegisterClassA(&wc);
    HWND window = CreateWindowA(wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, wc.hInstance, nullptr);
    PostMessageA(window, WM_KEYDOWN, VK_DELETE, 1);
    PostMessageA(window, WM_KEYDOWN, 'A', 1);
    Pump();
    CHECK_EQ(2, keysReceived);
    DestroyWindow(window);
}
