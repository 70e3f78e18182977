// The drag on a spin's arrows, Shift and Ctrl, and a held key on a slow host,
// with real X input where Wine takes it from the X server.
#include <algorithm>
#include <cstring>

#include "harness.h"
#include "res/resource.h"
#include "x_input.h"

using namespace harness;

namespace {

struct SpinPanel : OpenedPanel {
    // A point on the upper arrow of the spin beside field `field`.
    POINT UpArrow(int field) const {
        const RECT r = WindowRect(Item(field + 1));
        return {(r.left + r.right) / 2, r.top + (r.bottom - r.top) / 4};
    }
    // Presses that arrow and moves the pointer by `dy`, 20 pixels at most a
    // move; the button is released unless `hold`.
    void Drag(int field, int dy, bool hold = false) const {
        xinput::MoveTo(UpArrow(field));
        xinput::Press(1);
        for (int done = 0; done != dy;) {
            const int move = std::max(-20, std::min(20, dy - done));
            xinput::MoveBy(0, move);
            done += move;
        }
        if (!hold) xinput::Release(1);
    }
};

// SendInput's mouse: a pen (touch, a remote session) puts the pointer at a
// pixel whatever SetCursorPos did; a touchpad turns parts of a notch.
constexpr DWORD kPen = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
void SendMouse(DWORD flags, POINT at = {}, int wheel = 0) {
    const auto part = [](LONG pixel, int size) { return (2 * pixel + 1) * 32768 / size; };
    INPUT input{INPUT_MOUSE,
                {{part(at.x, GetSystemMetrics(SM_CXSCREEN)),
                  part(at.y, GetSystemMetrics(SM_CYSCREEN)), DWORD(wheel), flags, 0, 0}}};
    SendInput(1, &input, sizeof input);
    Pump(30);
}

volatile int refreshesAtRelease = 0;

// The keyboard's repeats of a held Up, thirty a second, as the system queues
// them while the host's thread is busy; then the release.
DWORD WINAPI HoldUp(void* field) {
    for (int i = 0; i < 30; ++i, Sleep(33)) hosting::PostKey(HWND(field), WM_KEYDOWN, VK_UP);
    refreshesAtRelease = standinRefreshCount();
    hosting::PostKey(HWND(field), WM_KEYUP, VK_UP);
    return 0;
}

}  // namespace

// Up increases, down decreases, one step per two pixels, from the value
// before the press; every change is one apply through the stepping rule
// (the size's minimum, rotation's wrap). A press without motion is one step.
// The screen's edge ends a pen's drag, not a mouse's: the pointer is put back.
WINE_TEST(DraggingASpinsArrowsSlidesTheValue) {
    SpinPanel p;
    p.Drag(IDC_LOCATION_X, -40);
    CHECK_EQ(std::string("2.000"), p.Text(IDC_LOCATION_X));
    CHECK_EQ(2.0f, Cube().location.x);
    p.Drag(IDC_LOCATION_Y, 40);
    CHECK_EQ(std::string("-2.000"), p.Text(IDC_LOCATION_Y));
    p.Drag(IDC_SIZE_X, 100);  // 2 - 5
    CHECK_EQ(0.001f, Cube().size.x);
    Replace(p.Item(IDC_ROTATION_Z), "175");
    p.Drag(IDC_ROTATION_Z, -20);  // 185 wraps to the other end
    CHECK_EQ(-180.0f, Cube().rotation.z);
    xinput::MoveTo(p.UpArrow(IDC_LOCATION_Z));
    xinput::Click(1);
    CHECK_EQ(std::string("0.100"), p.Text(IDC_LOCATION_Z));
    const RECT panel = WindowRect(p.panel);
    SetWindowPos(p.panel, nullptr, panel.left, panel.top + 300 - p.UpArrow(IDC_LOCATION_X).y, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK_EQ(300L, p.UpArrow(IDC_LOCATION_X).y);
    p.Drag(IDC_LOCATION_X, -600);  // from 2
    CHECK_EQ(32.0f, Cube().location.x);
    const LONG x = p.UpArrow(IDC_LOCATION_Y).x;
    SendMouse(kPen | MOUSEEVENTF_LEFTDOWN, {x, 300});
    for (int y : {280, 200, 120, 40, 20, 4, 24, 4, 24, 10}) SendMouse(kPen, {x, y});
    SendMouse(kPen | MOUSEEVENTF_LEFTUP, {x, 10});
    CHECK_EQ(12.5f, Cube().location.y);  // from -2, (300 - 10) / 2 steps
}

// Escape or a right click during the drag puts the host's exact value back with one apply,
// the panel stays, and the view under the pointer gets nothing of the right click.
WINE_TEST(EscapeOrARightClickCancelsADrag) {
    for (bool escape : {true, false}) {
        SpinPanel p;
        StandinObject cube = Cube();
        cube.location.x = 1.2345678f;
        standinSetObject(standinObjectAt(0), &cube);
        p.Click(IDC_READ_LOCATION);
        p.Drag(IDC_LOCATION_X, -40, true);
        CHECK_EQ(std::string("3.235"), p.Text(IDC_LOCATION_X));
        xinput::MoveBy(WindowRect(p.panel).left - 40 - p.UpArrow(IDC_LOCATION_X).x, 0);
        standinJournalClear();
        CHECK(escape ? xinput::Tap("Escape") : xinput::Click(3));
        xinput::MoveBy(0, -20);  // moves nothing any more
        xinput::Release(1);
        CHECK_EQ(1u, JournalCalls("tsxGNodeSetLocation").size());
        CHECK_EQ(1.2345678f, Cube().location.x);
        CHECK(IsWindowVisible(p.panel) && GetCapture() == nullptr);
        CHECK(escape || p.f.host.TakePointerMessages().empty());
    }
}

// Shift steps a tenth of the row's step and Ctrl ten steps, in every way of
// stepping, with the row's digits: a click, Up, a notch of the wheel, and
// twenty steps of a drag. Without either, each steps as it always has.
WINE_TEST(ShiftStepsFinerAndCtrlCoarser) {
    SpinPanel p;
    HWND field = p.Item(IDC_LOCATION_X);
    for (const char* way : {"shift 0.010 0.020 0.030 0.230", "ctrl 1.000 2.000 3.000 23.000",
                            "none 0.100 0.200 0.300 2.300"}) {
        const std::string modifier(way, std::strcspn(way, " "));
        std::string texts = modifier;
        Replace(field, "0");
        xinput::MoveTo(p.UpArrow(IDC_LOCATION_X));
        if (modifier != "none") xinput::KeyDown(modifier);
        xinput::Click(1);
        texts += " " + p.Text(IDC_LOCATION_X);
        SetFocus(field);
        for (UINT message : {WM_KEYDOWN, WM_KEYUP}) hosting::PostKey(field, message, VK_UP);
        Drain();
        texts += " " + p.Text(IDC_LOCATION_X);
        xinput::MoveTo(xinput::CentreOf(field));
        xinput::Click(4);
        texts += " " + p.Text(IDC_LOCATION_X);
        p.Drag(IDC_LOCATION_X, -40);
        if (modifier != "none") xinput::KeyUp(modifier);
        CHECK_EQ(std::string(way), texts + " " + p.Text(IDC_LOCATION_X));
    }
    // A step finer than the row's digits moves the value all the same.
    Replace(p.Item(IDC_LOCATION_STEP), "0.001");
    Replace(field, "1");
    for (int i = 0; i < 10; ++i) hosting::PressKey(p.f.host.Loop(), field, VK_UP, MOD_SHIFT);
    CHECK_EQ(std::string("1.0010"), p.Text(IDC_LOCATION_X));
}

// Four quarter notches make a step, the panel active or not. A wheel over the host's view
// is the view's, sent there (Windows 10) or to the focused field (Windows 7).
WINE_TEST(TheWheelStepsByWholeNotchesAndOverTheViewIsTheViews) {
    SpinPanel p;
    HWND field = p.Item(IDC_LOCATION_Z);
    const auto postWheel = [&](int delta, POINT at) {
        PostMessageA(field, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(at.x, at.y));
        Pump(30);
    };
    xinput::MoveTo(xinput::CentreOf(field));
    for (int i = 0; i < 4; ++i) SendMouse(MOUSEEVENTF_WHEEL, {}, WHEEL_DELTA / 4);
    SetActiveWindow(p.f.view);
    for (int i = 0; i < 4; ++i) postWheel(WHEEL_DELTA / 4, xinput::CentreOf(field));
    CHECK_EQ(std::string("0.200"), p.Text(IDC_LOCATION_Z));
    SetActiveWindow(p.panel);
    SetFocus(field);
    const POINT view{WindowRect(p.panel).left - 40, xinput::CentreOf(field).y};
    xinput::MoveTo(view);
    SendMouse(MOUSEEVENTF_WHEEL, {}, WHEEL_DELTA);
    postWheel(WHEEL_DELTA, view);
    CHECK_EQ(std::string("0.200"), p.Text(IDC_LOCATION_Z));
    CHECK(p.f.host.TakePointerMessages() == std::vector<UINT>(2, WM_MOUSEWHEEL));
}

// A host whose redraw takes longer than the keyboard's repeat: the repeats
// that pile up meanwhile are stepped at once, so the object stops within
// about one redraw of the release, at the value all of them ask for, up to
// a click into another field, which takes the keys after it.
WINE_TEST(AHeldKeyStopsAtTheReleaseOnASlowHost) {
    SpinPanel p;
    SetFocus(p.Item(IDC_LOCATION_X));
    standinSetRefreshDelay(80);
    const int before = standinRefreshCount();
    HANDLE holder = CreateThread(nullptr, 0, HoldUp, p.Item(IDC_LOCATION_X), 0, nullptr);
    PumpUntil([&] { return WaitForSingleObject(holder, 0) == WAIT_OBJECT_0; }, 10000);
    CloseHandle(holder);
    Pump(300);
    standinSetRefreshDelay(0);
    CHECK_EQ(3.0f, Cube().location.x);
    CHECK(standinRefreshCount() - before < 30);
    CHECK(standinRefreshCount() - refreshesAtRelease <= 2);
    xinput::MoveTo(xinput::CentreOf(p.Item(IDC_LOCATION_Y)));
    standinSetRefreshDelay(250);
    xinput::Xdotool("key Up key Up click 1 key Up");  // queued behind the first Up's redraw
    PumpUntil([&] { return p.Text(IDC_LOCATION_Y) != "0"; }, 3000);
    standinSetRefreshDelay(0);
    CHECK_EQ(std::string("3.200 0.100"), p.Text(IDC_LOCATION_X) + " " + p.Text(IDC_LOCATION_Y));
}
