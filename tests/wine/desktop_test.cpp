// The panel in managed windows under openbox (cmake/windows.cmake), driven by
// real X input. Wine waits for the window manager, so every outcome is polled.
#include <cstdint>

#include "harness.h"
#include "res/resource.h"
#include "x_input.h"

using namespace harness;

namespace {

// A window's X window, and a property of the root window, as xprop writes
// them, each window ended by a comma.
std::string XWindow(HWND window) {
    char id[32];
    wsprintfA(id, "0x%lx,", static_cast<unsigned long>(reinterpret_cast<std::uintptr_t>(
                                 GetPropA(window, "__wine_x11_whole_window"))));
    return id;
}
std::string RootProperty(const char* name) {
    std::string text = xinput::Output(std::string("/usr/bin/xprop -root ") + name);
    for (char& c : text) c = c == '\n' ? ',' : c;
    return text;
}

// The panel is above the view for Wine (it shows at its own centre) and in
// the window manager's stacking, listed bottom to top.
bool PanelAboveView(const OpenedPanel& p) {
    const std::string stack = RootProperty("_NET_CLIENT_LIST_STACKING");
    const size_t view = stack.find(XWindow(p.f.view)), panel = stack.find(XWindow(p.panel));
    const HWND found = WindowFromPoint(xinput::CentreOf(p.panel));
    return found && GetAncestor(found, GA_ROOT) == p.panel && view < panel &&
           panel != std::string::npos;
}

}  // namespace

WINE_TEST(ThePanelStaysAboveTheViewDragsHidesAndTakesItsKeys) {
    OpenedPanel p;
    REQUIRE(PumpUntil([&] { return PanelAboveView(p); }));
    const RECT view = WindowRect(p.f.view), opened = WindowRect(p.panel);
    RECT inside{};
    CHECK(IntersectRect(&inside, &view, &opened) && EqualRect(&inside, &opened));  // over the view
    // A click on the view: the window manager raises it and gives it the focus.
    POINT bare{10, 10};
    ClientToScreen(p.f.view, &bare);
    REQUIRE(!PtInRect(&opened, bare) && xinput::MoveTo(bare) && xinput::Click(1));
    CHECK(PumpUntil([&] {
        return GetActiveWindow() == p.f.view &&
               RootProperty("_NET_ACTIVE_WINDOW").find(XWindow(p.f.view)) != std::string::npos;
    }));
    Pump(200);  // what Wine does on the activation
    CHECK(PanelAboveView(p));

    // Dragged by its title strip, clear of its buttons: one chain of input,
    // as Wine hands the move to the window manager inside the press.
    POINT grip{(opened.right - opened.left) / 2, 6};
    ClientToScreen(p.panel, &grip);
    REQUIRE(WindowFromPoint(grip) == p.panel && xinput::MoveTo(grip));
    REQUIRE(xinput::Xdotool("mousedown 1 sleep 0.3 mousemove_relative 30 20 sleep 0.1 "
                            "mousemove_relative 30 20 sleep 0.3 mouseup 1"));
    CHECK(PumpUntil([&] {
        const RECT r = WindowRect(p.panel);
        return abs(r.left - opened.left - 60) <= 2 && abs(r.top - opened.top - 40) <= 2;
    }));

    // Hidden with its X and shown again by the icon, where it was.
    const RECT placed = WindowRect(p.panel);
    REQUIRE(xinput::MoveTo(xinput::CentreOf(p.Item(IDC_HIDE))) && xinput::Click(1));
    CHECK(PumpUntil([&] { return !IsWindowVisible(p.panel); }));
    p.f.leftClick();
    CHECK(PumpUntil([&] { return PanelAboveView(p); }));
    const RECT shown = WindowRect(p.panel);
    CHECK(EqualRect(&placed, &shown));

    // A digit typed into a field reaches the host, and no shortcut of its.
    const HWND field = p.Item(IDC_LOCATION_X);
    REQUIRE(xinput::MoveTo(xinput::CentreOf(field)) && xinput::Click(1));
    REQUIRE(PumpUntil([&] { return GetFocus() == field; }));
    SendMessageA(field, EM_SETSEL, 0, -1);
    REQUIRE(xinput::Tap("5"));
    CHECK(PumpUntil([] { return Cube().location.x == 5.0f; }));
    CHECK_EQ(0, p.f.host.Keys().Fired());
}
