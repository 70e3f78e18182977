// The panel on a desktop: Wine's managed windows under a window manager
// (openbox, on the test's own display; see cmake/windows.cmake), driven by
// real X input, since a window manager's moves and stacking come from the X
// server. Managed windows wait for the window manager at every map, unmap and
// move, so every outcome is polled for with a limit.
#include <cstdint>
#include <cstdio>

#include "harness.h"
#include "res/resource.h"
#include "x_input.h"

using namespace harness;

namespace {

template <class Condition>
bool PumpUntil(Condition holds, DWORD limit = 5000) {
    for (const DWORD start = GetTickCount(); !holds(); Pump(20))
        if (GetTickCount() - start > limit) return false;
    return true;
}

RECT WindowRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

POINT ClientPoint(HWND window, int x, int y) {
    POINT at{x, y};
    ClientToScreen(window, &at);
    return at;
}

// The X window of a window: its client window for the window manager.
std::string XWindow(HWND window) {
    char id[32];
    std::snprintf(id, sizeof id, "0x%llx,",
                  static_cast<unsigned long long>(reinterpret_cast<std::uintptr_t>(
                      GetPropA(window, "__wine_x11_whole_window"))));
    return id;
}

// A property of the root window as xprop prints it, each line ended by a
// comma, as are the windows in its lists.
std::string RootProperty(const char* name) {
    std::string text = xinput::Output(std::string("/usr/bin/xprop -root ") + name);
    for (char& c : text)
        if (c == '\n') c = ',';
    return text;
}

// The panel stands above the view for Wine (it is what shows at its centre)
// and for the window manager (in its stacking, bottom to top).
bool PanelAboveView(const OpenedPanel& p) {
    const HWND found = WindowFromPoint(xinput::CentreOf(p.panel));
    if (!found || GetAncestor(found, GA_ROOT) != p.panel) return false;
    const std::string stack = RootProperty("_NET_CLIENT_LIST_STACKING");
    const size_t view = stack.find(XWindow(p.f.view));
    const size_t panel = stack.find(XWindow(p.panel));
    return view != std::string::npos && panel != std::string::npos && view < panel;
}

// An opened panel once the window manager has mapped it.
struct ShownPanel : OpenedPanel {
    ShownPanel() {
        REQUIRE(PumpUntil([&] { return PanelAboveView(*this); }));
    }
};

}  // namespace

WINE_TEST(ThePanelOpensOverTheViewAndStaysAboveItWhenTheViewIsClicked) {
    ShownPanel p;
    const RECT view = WindowRect(p.f.view);
    const RECT panel = WindowRect(p.panel);
    CHECK(view.left < panel.left && panel.right < view.right);
    CHECK(view.top < panel.top && panel.bottom < view.bottom);
    const POINT bare = ClientPoint(p.f.view, 10, 10);
    REQUIRE(!PtInRect(&panel, bare));
    REQUIRE(xinput::MoveTo(bare) && xinput::Click(1));
    // The window manager raised the view and gave it the focus; Wine took it.
    CHECK(PumpUntil([&] {
        return GetActiveWindow() == p.f.view &&
               RootProperty("_NET_ACTIVE_WINDOW").find(XWindow(p.f.view)) != std::string::npos;
    }));
    Pump(200);  // what Wine does when its window is activated
    CHECK(PanelAboveView(p));
}

WINE_TEST(ThePanelDragsByItsTitleStrip) {
    ShownPanel p;
    const RECT before = WindowRect(p.panel);
    RECT client{};
    GetClientRect(p.panel, &client);
    const POINT grip = ClientPoint(p.panel, client.right / 2, 6);  // clear of the buttons
    REQUIRE(WindowFromPoint(grip) == p.panel);
    REQUIRE(xinput::MoveTo(grip));
    // One chain, so that the pointer moves while Wine hands the move to the
    // window manager and waits inside it for the release.
    REQUIRE(xinput::Xdotool("mousedown 1 sleep 0.3 mousemove_relative 15 10 sleep 0.1 "
                            "mousemove_relative 15 10 sleep 0.1 mousemove_relative 15 10 "
                            "sleep 0.1 mousemove_relative 15 10 sleep 0.3 mouseup 1"));
    const auto offset = [&] {
        const RECT r = WindowRect(p.panel);
        return POINT{r.left - before.left, r.top - before.top};
    };
    const auto arrived = [](POINT d) { return abs(d.x - 60) <= 2 && abs(d.y - 40) <= 2; };
    PumpUntil([&] { return arrived(offset()); });
    const POINT moved = offset();
    if (!arrived(moved))
        Fail(__FILE__, __LINE__, "moved by " + ToText(moved.x) + ", " + ToText(moved.y));
    CHECK_EQ(before.right - before.left, WindowRect(p.panel).right - WindowRect(p.panel).left);
}

WINE_TEST(TheCloseButtonHidesThePanelAndTheIconBringsItBackInPlace) {
    ShownPanel p;
    const RECT before = WindowRect(p.panel);
    REQUIRE(xinput::MoveTo(xinput::CentreOf(p.Item(IDC_HIDE))) && xinput::Click(1));
    CHECK(PumpUntil([&] { return !IsWindowVisible(p.panel); }));
    p.f.leftClick();
    CHECK(PumpUntil([&] { return PanelAboveView(p); }));
    const RECT after = WindowRect(p.panel);
    CHECK_EQ(before.left, after.left);
    CHECK_EQ(before.top, after.top);
    CHECK_EQ(before.right, after.right);
    CHECK_EQ(before.bottom, after.bottom);
}

WINE_TEST(ADigitTypedIntoAFieldReachesTheObjectAndNotTheHostsShortcuts) {
    ShownPanel p;
    const int fired = p.f.host.Keys().Fired();
    const HWND field = p.Item(IDC_LOCATION_X);
    REQUIRE(xinput::MoveTo(xinput::CentreOf(field)) && xinput::Click(1));
    REQUIRE(PumpUntil([&] { return GetFocus() == field; }));
    SendMessageA(field, EM_SETSEL, 0, -1);
    REQUIRE(xinput::Tap("5"));
    CHECK(PumpUntil([] { return Cube().location.x == 5.0f; }));
    CHECK_EQ(std::string("5"), p.Text(IDC_LOCATION_X));
    CHECK_EQ(fired, p.f.host.Keys().Fired());
}
