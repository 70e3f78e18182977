// The panel in managed windows under a window manager (openbox, see
// cmake/windows.cmake), driven by real X input: the window manager's moves and
// stacking come from the X server. Wine waits for it at every map, unmap and
// move, so every outcome is polled for.
#include <cstdint>

#include "harness.h"
#include "res/resource.h"
#include "x_input.h"

using namespace harness;

namespace {

// A window's X window as xprop lists it ("0x800004,"), and a root window
// property as xprop prints it, each line ended by a comma too.
std::string XWindow(HWND window) {
    const auto id = reinterpret_cast<std::uintptr_t>(GetPropA(window, "__wine_x11_whole_window"));
    char text[32];
    wsprintfA(text, "0x%lx,", static_cast<unsigned long>(id));
    return text;
}
std::string RootProperty(const char* name) {
    std::string text = xinput::Output(std::string("/usr/bin/xprop -root ") + name);
    for (char& c : text) c = c == '\n' ? ',' : c;
    return text;
}

// The panel is above the view for Wine (it shows at its own centre) and in
// the window manager's stacking (listed bottom to top).
bool PanelAboveView(const OpenedPanel& p) {
    const HWND found = WindowFromPoint(xinput::CentreOf(p.panel));
    const std::string stack = RootProperty("_NET_CLIENT_LIST_STACKING");
    const size_t view = stack.find(XWindow(p.f.view)), panel = stack.find(XWindow(p.panel));
    return found && GetAncestor(found, GA_ROOT) == p.panel && view < panel &&
           panel != std::string::npos;
}

struct MappedPanel : OpenedPanel {
    MappedPanel() { REQUIRE(PumpUntil([&] { return PanelAboveView(*this); })); }
};

}  // namespace

WINE_TEST(ThePanelOpensOverTheViewAndStaysAboveItWhenTheViewIsClicked) {
    MappedPanel p;
    const RECT view = WindowRect(p.f.view), panel = WindowRect(p.panel);
    RECT inside{};
    CHECK(IntersectRect(&inside, &view, &panel) && EqualRect(&inside, &panel));
    POINT bare{10, 10};
    ClientToScreen(p.f.view, &bare);
    REQUIRE(!PtInRect(&panel, bare) && xinput::MoveTo(bare) && xinput::Click(1));
    // The window manager raised the view and gave it the focus, and Wine took it.
    CHECK(PumpUntil([&] {
        return GetActiveWindow() == p.f.view &&
               RootProperty("_NET_ACTIVE_WINDOW").find(XWindow(p.f.view)) != std::string::npos;
    }));
    Pump(200);  // what Wine does on the activation
    CHECK(PanelAboveView(p));
}

WINE_TEST(ThePanelDragsByItsTitleStripAndHidesWithItsCloseButton) {
    MappedPanel p;
    const RECT before = WindowRect(p.panel);
    RECT client{};
    GetClientRect(p.panel, &client);
    POINT grip{client.right / 2, 6};  // in the title strip, clear of its buttons
    ClientToScreen(p.panel, &grip);
    REQUIRE(WindowFromPoint(grip) == p.panel && xinput::MoveTo(grip));
    // One chain: the pointer moves while Wine, inside the press, has handed
    // the move to the window manager and waits for the release.
    REQUIRE(xinput::Xdotool("mousedown 1 sleep 0.3 mousemove_relative 15 10 sleep 0.1 "
                            "mousemove_relative 15 10 sleep 0.1 mousemove_relative 15 10 "
                            "sleep 0.1 mousemove_relative 15 10 sleep 0.3 mouseup 1"));
    RECT moved = before;
    OffsetRect(&moved, 60, 40);
    const auto arrived = [&] {
        const RECT r = WindowRect(p.panel);
        return abs(r.left - moved.left) <= 2 && abs(r.top - moved.top) <= 2 &&
               r.right - r.left == moved.right - moved.left;
    };
    CHECK(PumpUntil(arrived));

    // Hidden with its X and shown again by the icon, where it was.
    const RECT placed = WindowRect(p.panel);
    REQUIRE(xinput::MoveTo(xinput::CentreOf(p.Item(IDC_HIDE))) && xinput::Click(1));
    CHECK(PumpUntil([&] { return !IsWindowVisible(p.panel); }));
    p.f.leftClick();
    CHECK(PumpUntil([&] { return PanelAboveView(p); }));
    const RECT shown = WindowRect(p.panel);
    CHECK(EqualRect(&placed, &shown));
}

WINE_TEST(ADigitTypedIntoAFieldMovesTheObjectAndFiresNoShortcut) {
    MappedPanel p;
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
