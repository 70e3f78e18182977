// The ways of stepping a value beyond a plain click, with real input where
// Wine takes it from the X server (the pointer once captured, the modifiers
// at each pointer event): the drag on a spin's arrows, Shift and Ctrl, and a
// held key on a host whose redraw is slower than the keyboard's repeat.
#include <algorithm>

#include "harness.h"
#include "res/resource.h"
#include "x_input.h"

using namespace harness;

namespace {

volatile int refreshesAtRelease = 0;

struct SpinPanel : OpenedPanel {
    // A point on the upper arrow of the spin beside field `field`.
    POINT UpArrow(int field) const {
        RECT r{};
        GetWindowRect(Item(field + 1), &r);
        return {(r.left + r.right) / 2, r.top + (r.bottom - r.top) / 4};
    }
    // Presses the upper arrow beside `field`, moves the pointer by `dy` in
    // moves of at most 20 pixels, and leaves the button down.
    void PressAndDrag(int field, int dy) const {
        xinput::MoveTo(UpArrow(field));
        xinput::Press(1);
        for (int done = 0; done != dy;) {
            const int move = dy > done ? std::min(20, dy - done) : std::max(-20, dy - done);
            xinput::MoveBy(0, move);
            done += move;
        }
    }
    void Drag(int field, int dy) const {
        PressAndDrag(field, dy);
        xinput::Release(1);
    }
};

}  // namespace

// Up increases, down decreases, one step per two pixels, from the value
// before the press; every change is one apply of the row through the
// stepping rule (the size's minimum, rotation's wrap).
WINE_TEST(DraggingASpinsArrowsSlidesTheValue) {
    SpinPanel p;
    p.Drag(IDC_LOCATION_X, -40);
    CHECK_EQ(std::string("2.000"), p.Text(IDC_LOCATION_X));
    CHECK_EQ(2.0f, Cube().location.x);
    p.Drag(IDC_LOCATION_Y, 40);
    CHECK_EQ(std::string("-2.000"), p.Text(IDC_LOCATION_Y));
    p.Drag(IDC_SIZE_X, 100);  // 2 - 5: held at the minimum
    CHECK_EQ(std::string("0.001"), p.Text(IDC_SIZE_X));
    CHECK_EQ(0.001f, Cube().size.x);
    Replace(p.Item(IDC_ROTATION_Z), "175");
    p.Drag(IDC_ROTATION_Z, -20);  // 185 wraps to the other end
    CHECK_EQ(std::string("-180.00"), p.Text(IDC_ROTATION_Z));
    CHECK_EQ(-180.0f, Cube().rotation.z);
    // A press without motion is one step, as ever.
    xinput::MoveTo(p.UpArrow(IDC_LOCATION_Z));
    xinput::Click(1);
    CHECK_EQ(std::string("0.100"), p.Text(IDC_LOCATION_Z));
}

// Escape or a right click during the drag puts the value from before the
// press back with one apply, and the panel stays.
WINE_TEST(EscapeOrARightClickCancelsADrag) {
    for (bool escape : {true, false}) {
        SpinPanel p;
        Replace(p.Item(IDC_LOCATION_X), "1");
        p.PressAndDrag(IDC_LOCATION_X, -40);
        CHECK_EQ(std::string("3.000"), p.Text(IDC_LOCATION_X));
        standinJournalClear();
        CHECK(escape ? xinput::Tap("Escape") : xinput::Click(3));
        xinput::MoveBy(0, -20);  // moves nothing any more
        xinput::Release(1);
        CHECK_EQ(std::string("1"), p.Text(IDC_LOCATION_X));
        CHECK_EQ(std::vector<std::string>{"tsxGNodeSetLocation(#1, {1, 0, 0})"},
                 JournalCalls("tsxGNodeSetLocation"));
        CHECK(IsWindowVisible(p.panel));
        CHECK(GetCapture() == nullptr);
    }
}

// The screen's edge does not end a drag: the pointer is put back and the
// drag goes on.
WINE_TEST(ADragGoesOnPastTheScreensEdge) {
    SpinPanel p;
    const RECT panel = WindowRect(p.panel);
    SetWindowPos(p.panel, nullptr, panel.left, panel.top + 300 - p.UpArrow(IDC_LOCATION_X).y, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    CHECK_EQ(300L, p.UpArrow(IDC_LOCATION_X).y);
    p.Drag(IDC_LOCATION_X, -600);
    CHECK_EQ(std::string("30.000"), p.Text(IDC_LOCATION_X));
    CHECK_EQ(30.0f, Cube().location.x);
}

// Shift steps a tenth of the row's step and Ctrl ten steps, in every way of
// stepping; the text keeps the row's digits.
WINE_TEST(ShiftStepsFinerAndCtrlCoarser) {
    SpinPanel p;
    HWND field = p.Item(IDC_LOCATION_X);
    struct Way {
        const char *modifier, *afterClick, *afterUp, *afterWheel, *afterDrag;
    };
    for (const Way& way : {Way{"shift", "0.010", "0.020", "0.030", "0.230"},
                           Way{"ctrl", "1.000", "2.000", "3.000", "23.000"}}) {
        const std::string name = std::string(way.modifier) + ": ";
        Replace(field, "0");
        xinput::MoveTo(p.UpArrow(IDC_LOCATION_X));
        xinput::KeyDown(way.modifier);
        xinput::Click(1);
        CHECK_EQ(name + way.afterClick, name + p.Text(IDC_LOCATION_X));
        SetFocus(field);
        for (UINT message : {WM_KEYDOWN, WM_KEYUP}) hosting::PostKey(field, message, VK_UP);
        Drain();
        CHECK_EQ(name + way.afterUp, name + p.Text(IDC_LOCATION_X));
        xinput::MoveTo(xinput::CentreOf(field));
        xinput::Click(4);  // a notch of the wheel, up
        CHECK_EQ(name + way.afterWheel, name + p.Text(IDC_LOCATION_X));
        p.Drag(IDC_LOCATION_X, -40);
        xinput::KeyUp(way.modifier);
        CHECK_EQ(name + way.afterDrag, name + p.Text(IDC_LOCATION_X));
    }
    // Without a modifier, the wheel steps once a notch, as it always has.
    Replace(field, "0");
    xinput::MoveTo(xinput::CentreOf(field));
    xinput::Click(4);
    CHECK_EQ(std::string("0.100"), p.Text(IDC_LOCATION_X));
}

namespace {

// The keyboard's repeats of a held Up, thirty a second, as the system queues
// them while the host's thread is busy; then the release.
DWORD WINAPI HoldUp(void* field) {
    for (int i = 0; i < 30; ++i) {
        hosting::PostKey(static_cast<HWND>(field), WM_KEYDOWN, VK_UP);
        Sleep(33);
    }
    refreshesAtRelease = standinRefreshCount();
    hosting::PostKey(static_cast<HWND>(field), WM_KEYUP, VK_UP);
    return 0;
}

}  // namespace

// A host whose redraw takes longer than the keyboard's repeat: the repeats
// that pile up meanwhile are stepped at once, so the object stops within
// about one redraw of the release, at the value all of them ask for.
WINE_TEST(AHeldKeyStopsAtTheReleaseOnASlowHost) {
    SpinPanel p;
    HWND field = p.Item(IDC_LOCATION_X);
    SetFocus(field);
    standinSetRefreshDelay(80);
    const int before = standinRefreshCount();
    HANDLE holder = CreateThread(nullptr, 0, HoldUp, field, 0, nullptr);
    PumpUntil([&] { return WaitForSingleObject(holder, 0) == WAIT_OBJECT_0; }, 10000);
    CloseHandle(holder);
    Pump(300);
    standinSetRefreshDelay(0);
    CHECK_EQ(std::string("3.000"), p.Text(IDC_LOCATION_X));
    CHECK_EQ(3.0f, Cube().location.x);
    CHECK(standinRefreshCount() - before < 30);
    CHECK(standinRefreshCount() - refreshesAtRelease <= 2);
}
