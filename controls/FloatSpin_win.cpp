#include "controls/FloatSpin_win.h"

#include <algorithm>
#include <vector>

#include "base/ModuleEntry.h"
#include "controls/NumberText.h"
#include "win/WindowText_win.h"

namespace {

// The attached spins, for the subclass procedure to find its object by
// window: a handful per panel, and a search here costs less than any lookup
// that the system keeps for a window.
std::vector<FloatSpin*>& AttachedSpins() {
    static std::vector<FloatSpin*> spins;
    return spins;
}

template <class Matches>
FloatSpin* FindSpin(Matches matches) {
    for (FloatSpin* spin : AttachedSpins())
        if (matches(spin)) return spin;
    return nullptr;
}

// StepScale of Shift and Ctrl as a mouse message's key state has them.
double KeysScale(WPARAM keys) {
    return StepScale((keys & MK_SHIFT) != 0, (keys & MK_CONTROL) != 0);
}

}  // namespace

// A press held over a step that calls into the host: should the host end
// that call with an exception of its own, unwinding past the module to its
// loop, the press ends there and the mouse is let go, instead of staying
// captured by a control that nothing will release.
class FloatSpin::PressHeld : public HeldForEntry {
public:
    explicit PressHeld(FloatSpin& spin) : spin(spin) {}
    ~PressHeld() = default;  // the press goes on after the step
    void GiveBack() noexcept override {
        spin.EndPress();
        if (GetCapture() == spin.hwnd) ReleaseCapture();
    }

private:
    FloatSpin& spin;
};

bool FloatSpin::Attach(HWND updown) {
    if (!updown || hwnd) return false;
    hwnd = updown;
    AttachedSpins().push_back(this);
    original.Replace(updown, Proc);
    if ((buddyWindow = Buddy())) buddyOriginal.Replace(buddyWindow, BuddyProc);
    SetRange(settings.minimum, settings.maximum, settings.step);
    return true;
}

void FloatSpin::Detach() {
    if (!hwnd) return;
    auto& spins = AttachedSpins();
    spins.erase(std::remove(spins.begin(), spins.end(), this), spins.end());
    original.Restore(hwnd, Proc);
    ReleaseBuddy();
    hwnd = nullptr;
    EndPress();
}

void FloatSpin::ReleaseBuddy() {
    if (buddyWindow) buddyOriginal.Restore(buddyWindow, BuddyProc);
    buddyWindow = nullptr;
}

LRESULT CALLBACK FloatSpin::Proc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    FloatSpin* self = FindSpin([&](const FloatSpin* spin) { return spin->hwnd == window; });
    if (!self) return DefaultProc(window, message, wp, lp);
    const ReplacedProc next = self->original;
    return GuardedEntry(
        [&] {
            if (message != WM_NCDESTROY) return self->OnMessage(message, wp, lp);
            self->Detach();
            return next.Call(window, message, wp, lp);
        },
        [&] { return next.Call(window, message, wp, lp); });
}

// Of the buddy's messages only the wheel is the spin's: the up-down
// control's own subclass of its buddy steps whole notches and drops the
// parts of one, and Shift and Ctrl with them; and Windows 10 sends the
// wheel to the field under the pointer while the panel is not the active
// window, where no keyboard hook sees it. The buddy is an edit, which sees
// every keystroke: everything else goes straight on.
LRESULT CALLBACK FloatSpin::BuddyProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    FloatSpin* self = FindSpin([&](const FloatSpin* spin) { return spin->buddyWindow == window; });
    if (!self) return DefaultProc(window, message, wp, lp);
    const ReplacedProc next = self->buddyOriginal;
    if (message == WM_MOUSEWHEEL)
        return GuardedEntry([&] { return self->OnWheel(wp); },
                            [&] { return next.Call(window, message, wp, lp); });
    if (message == WM_NCDESTROY) self->ReleaseBuddy();
    return next.Call(window, message, wp, lp);
}

LRESULT FloatSpin::Default(UINT message, WPARAM wp, LPARAM lp) {
    return original.Call(hwnd, message, wp, lp);
}

LRESULT FloatSpin::OnMessage(UINT message, WPARAM wp, LPARAM lp) {
    if (holdingMouse && OnHeldMessage(message, wp)) return 0;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // Before the control's own press, whose first step changes the text.
        OnButtonDown();
        break;
    case WM_MOUSEMOVE:
        // A press ends with the capture (WM_CAPTURECHANGED), so a pressed
        // control holds it.
        if (pressed) {
            OnPointerMoved(wp);
            // While dragging, the control's own tracking of its arrows is
            // kept out of it.
            if (Dragging()) return 0;
        }
        break;
    case WM_TIMER:
        if (Dragging()) return 0;  // the control's repeating stops for the drag
        break;
    case WM_LBUTTONUP: {
        const LRESULT result = Default(message, wp, lp);  // its repeat and capture end
        EndPress();
        return result;
    }
    case WM_RBUTTONDOWN:
        if (pressed) {
            CancelPress(true);
            return 0;
        }
        break;
    case WM_KEYDOWN:
        // Escape comes here while the control holds the mouse (see
        // ModelessKeyboard), not to the dialog's cancel.
        if (pressed && wp == VK_ESCAPE) {
            CancelPress(false);
            return 0;
        }
        break;
    case WM_CAPTURECHANGED: EndPress(); break;
    case WM_MOUSEWHEEL: return OnWheel(wp);
    }
    return Default(message, wp, lp);
}

void FloatSpin::OnButtonDown() {
    HWND buddy = Buddy();
    textBeforePress = buddy ? WindowText(buddy) : std::string();
    POINT at{};
    GetCursorPos(&at);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (GetMonitorInfoA(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor))
        screen = monitor.rcMonitor;
    else
        screen = RECT{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    drag.Press(at.y, GetSystemMetrics(SM_CYDRAG));
    pressed = true;
}

// The pointer is read where it is now rather than where the message says:
// once it has been put back from the screen's edge, moves queued before
// that carry heights that no longer count.
void FloatSpin::OnPointerMoved(WPARAM keys) {
    POINT at{};
    GetCursorPos(&at);
    const bool began = !drag.Dragging();
    const int steps = drag.MoveTo(at.y);
    if (!drag.Dragging()) return;
    if (began) {
        // Kept while the control holds the mouse: no WM_SETCURSOR comes then.
        SetCursor(LoadCursor(nullptr, IDC_SIZENS));
        const RECT inside{screen.left + 1, screen.top + 1, screen.right - 1, screen.bottom - 1};
        clip.Confine(inside);
    }
    const double scale = KeysScale(keys);
    HWND buddy = Buddy();
    {
        PressHeld held(*this);
        // From the value before the press, which the press's own step and
        // repeats had left behind; then on from the value shown.
        if (began)
            StepFrom(buddy, AtofDecimal(textBeforePress.c_str()), steps, scale);
        else if (steps != 0)
            StepFrom(buddy, GetValue(buddy), steps, scale);
    }
    if (!pressed) return;
    if (const std::optional<int> back = drag.KeepFromEdge(at.y, screen.top, screen.bottom)) {
        SetCursorPos(at.x, *back);
        drag.PutBack(*back);
    }
}

// Back to the value before the press, with one apply; the control's own
// press ends as at a release, its repeat and capture with it. After a right
// click the control takes the mouse again and keeps it (OnHeldMessage):
// let go at the right press, the right release would reach the window under
// the pointer, where the system makes a context menu of it, and so would
// the left release.
void FloatSpin::CancelPress(bool holdMouse) {
    EndPress();
    Default(WM_LBUTTONUP, 0, 0);
    if (holdMouse) {
        SetCapture(hwnd);
        holdingMouse = true;
    } else if (GetCapture() == hwnd) {
        ReleaseCapture();
    }
    HWND buddy = Buddy();
    if (!buddy) return;
    PressHeld held(*this);  // an apply ended by the host's exception lets the mouse go
    SetWindowTextA(buddy, textBeforePress.c_str());
}

// The mouse held after a right click's cancel: every message of the mouse
// ends here, and the release of the last button down lets it go (the loss
// of the capture then ends the hold).
bool FloatSpin::OnHeldMessage(UINT message, WPARAM wp) {
    if (message < WM_MOUSEFIRST || message > WM_MOUSELAST) return false;
    constexpr WPARAM kButtons = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2;
    const bool release = message == WM_LBUTTONUP || message == WM_RBUTTONUP ||
                         message == WM_MBUTTONUP || message == WM_XBUTTONUP;
    if (release && !(GET_KEYSTATE_WPARAM(wp) & kButtons)) ReleaseCapture();
    return true;
}

void FloatSpin::EndPress() {
    pressed = false;
    holdingMouse = false;
    clip.Release();
}

void FloatSpin::SetRange(double minimum, double maximum, double step) {
    settings.minimum = minimum;
    settings.maximum = maximum;
    settings.step = step;
    if (step == 0.0) return;
    settings.positionCount = PositionCountFor(minimum, maximum, step);
    if (!hwnd) return;
    SendMessageA(hwnd, UDM_SETRANGE32, 0, settings.positionCount);
    SyncPosition(GetValue(Buddy()));
}

void FloatSpin::GetRange(double& minimum, double& maximum, double& step) const {
    minimum = settings.minimum;
    maximum = settings.maximum;
    step = settings.step;
}

LRESULT FloatSpin::OnDeltaPos(const NMUPDOWN& change) {
    Step(change.iDelta, HeldModifiersScale());
    return 0;
}

double HeldModifiersScale() {
    // The whole keyboard at once: under Wine each reading is a server round
    // trip, one for two keys.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    return StepScale((keys[VK_SHIFT] & 0x80) != 0, (keys[VK_CONTROL] & 0x80) != 0);
}

// The buddy is asked for once per step: each question is a message to the
// up-down control.
void FloatSpin::Step(int delta, double scale) {
    HWND buddy = Buddy();
    StepFrom(buddy, GetValue(buddy), delta, scale);
}

// A step for every whole notch that the wheel's delta completes with the
// parts of notches before it, with Shift and Ctrl as the message has them.
LRESULT FloatSpin::OnWheel(WPARAM wp) {
    if (const int notches = wheel.Add(GET_WHEEL_DELTA_WPARAM(wp)))
        Step(notches, KeysScale(GET_KEYSTATE_WPARAM(wp)));
    return 0;
}

// A step finer than the row's digits is shown with the digits it needs, so
// that it moves the text, from which the next step starts.
void FloatSpin::StepFrom(HWND buddy, double current, int delta, double scale) {
    if (!buddy) return;
    const bool wrap = (GetWindowLongA(hwnd, GWL_STYLE) & UDS_WRAP) != 0;
    SpinSettings scaled = settings;
    scaled.step *= scale;
    SetWindowTextA(buddy, FormatStepped(StepValue(current, delta, wrap, scaled), scaled).c_str());
}

HWND FloatSpin::Buddy() const {
    return hwnd ? reinterpret_cast<HWND>(SendMessageA(hwnd, UDM_GETBUDDY, 0, 0)) : nullptr;
}

double FloatSpin::GetValue(HWND buddy) const {
    if (!buddy) return 0.0;
    return AtofDecimal(WindowText(buddy).c_str());
}

void FloatSpin::SyncPosition(double value) {
    if (const std::optional<int> position = PositionFor(value, settings))
        SendMessageA(hwnd, UDM_SETPOS, 0, MAKELPARAM(*position, 0));
}
