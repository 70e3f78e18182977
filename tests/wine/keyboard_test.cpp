// The panel's keys in the loops hosts run, with keys posted as the system
// queues them: a loop that translates the host's accelerators for every
// message (the default), one that hands every dialog to IsDialogMessage, and
// a plain one. Also what the module costs the host's thread: its hook only
// while a panel is active, none inside the host's own loops, and nothing
// left behind by closed panels or an unloaded module.
#include <cstring>

#include "gdi_watch.h"
#include "harness.h"
#include "host/hosting/host_exception_win.h"
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

// The key the user presses while the host redraws after the panel's apply,
// posted from inside the refresh as the system queues it.
UINT keyDuringRefresh = 0;
void __cdecl PressDuringRefresh(const char* line, void* field) {
    if (!keyDuringRefresh || std::strcmp(line, "tsxSceneRefresh()") != 0) return;
    for (UINT message : {WM_KEYDOWN, WM_KEYUP})
        hosting::PostKey(static_cast<HWND>(field), message, keyDuringRefresh);
    keyDuringRefresh = 0;
}

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

WINE_TEST(TheHookIsThereOnlyWhileAPanelIsActive) {
    ModuleFixture f;
    REQUIRE(gdi_watch::Watch(f.module));
    f.leftClick();
    f.deactivate();
    f.leftClick();
    Pump();
    const std::vector<HWND> panels = f.Panels();
    REQUIRE(panels.size() == 2u);
    for (HWND active : {panels[0], f.view, panels[1]}) {
        SetFocus(active == f.view ? f.view : GetDlgItem(active, IDC_LOCATION_X));
        CHECK_EQ(active == f.view ? 0u : 1u, gdi_watch::LiveHooks());
    }
    hosting::PressKey(f.host.Loop(), GetFocus(), VK_ESCAPE);  // hides the panel
    CHECK_EQ(0u, gdi_watch::LiveHooks());
}

// A host's abort check gets the Escape pressed during its redraw, and the
// panel stays; a host that pumps its queue there hands a digit typed
// meanwhile to the field.
WINE_TEST(TheHostsLoopsInsideARefreshGetTheirKeys) {
    for (int loop : {STANDIN_REFRESH_ABORT_CHECK, STANDIN_REFRESH_PUMP}) {
        const bool abortCheck = loop == STANDIN_REFRESH_ABORT_CHECK;
        KeyedPanel p(LoopKind::Accelerators);
        HWND field = p.Item(IDC_LOCATION_X);
        SelectAll(field);
        standinSetRefreshLoop(loop);
        keyDuringRefresh = abortCheck ? VK_ESCAPE : '2';
        standinSetListener(PressDuringRefresh, field);
        p.Press(field, '4');
        standinSetListener(nullptr, nullptr);
        CHECK_EQ(abortCheck ? 1 : 0, standinRefreshEscapes());
        CHECK(IsWindowVisible(p.panel));
        CHECK_EQ(abortCheck ? 4.0f : 42.0f, Cube().location.x);
    }
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

// A host that frees the module before it closes its main view: the panels
// go with the module, the view repaints and takes its keys, and keys are
// dispatched as if the module had never been there.
WINE_TEST(UnloadedWithPanelsShownTheHostGoesOn) {
    {
        ModuleFixture f;
        f.leftClick();
        f.deactivate();
        f.leftClick();
        Pump();
        const std::vector<HWND> panels = f.Panels();
        f.host.UnloadModule();
        for (HWND panel : panels) CHECK(!IsWindow(panel));
        RedrawWindow(f.view, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        hosting::PressKey(f.host.Loop(), f.view, VK_DELETE);
        CHECK_EQ(1, f.host.Keys().Fired("Delete"));
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

// A host that ends its redraw with an exception of its own, which its loop
// catches: the exception is the host's, and passes the module's entries on
// its way, which give back what they hold. The panel keeps its keys.
// A command that had written to the object marks it changed on the way.
WINE_TEST(AHostsOwnExceptionLeavesThePanelItsKeys) {
    KeyedPanel p(LoopKind::Accelerators);
    HWND field = p.Item(IDC_LOCATION_X);
    SelectAll(field);
    const int caught = hosting::CaughtHostExceptions();
    const int marked = standinChangedCount();
    standinSetRefreshLoop(STANDIN_REFRESH_RAISE);
    p.Press(field, '4');
    CHECK_EQ(marked + 1, hosting::ChangedCountAtLastCatch());
    hosting::CatchHostException([&] { Command(p.panel, IDC_COORDS); });
    CHECK_EQ(marked + 1, hosting::ChangedCountAtLastCatch());
    standinSetRefreshLoop(STANDIN_REFRESH_NOTHING);
    CHECK_EQ(caught + 2, hosting::CaughtHostExceptions());
    p.Press(field, '5');
    p.Press(field, VK_END);
    p.Press(field, VK_BACK);
    p.Press(field, VK_DELETE);
    p.Press(field, '2');
    CHECK_EQ(std::string("42"), p.Text(IDC_LOCATION_X));
    CHECK_EQ(42.0f, Cube().location.x);
    CHECK_EQ(0, p.f.host.Keys().Fired());
}
