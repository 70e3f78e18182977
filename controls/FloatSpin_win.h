// The up-down control of FloatSpinMath's rules, attached to a dialog item,
// and its drag: press either arrow and move the pointer up or down, and the
// value follows it (SpinDrag's rules).
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "controls/FloatSpinMath.h"
#include "controls/SpinDrag.h"
#include "win/CursorClip_win.h"
#include "win/ReplacedProc_win.h"

class FloatSpin {
public:
    FloatSpin() = default;
    FloatSpin(const FloatSpin&) = delete;
    FloatSpin& operator=(const FloatSpin&) = delete;
    ~FloatSpin() { Detach(); }

    // Takes the dialog's up-down control and applies the stored range. Its
    // owner routes UDN_DELTAPOS here. The control's own messages come here
    // too, for the drag and the wheel, and so do its buddy's, for the wheel,
    // through subclasses of the plain kind (ReplacedProc): the up-down
    // control handles a few messages at every step, the edit at every
    // keystroke. The control lets go of each window at its WM_NCDESTROY.
    bool Attach(HWND updown);
    void Detach();
    HWND Window() const { return hwnd; }

    // A step of 0 stores the values and leaves the native range and
    // position as they are.
    void SetRange(double minimum, double maximum, double step);
    void GetRange(double& minimum, double& maximum, double& step) const;
    void SetPrecision(int digits) { settings.precision = digits; }
    void SetTrimZeros(int on) { settings.trimZeros = on != 0; }

    // UDN_DELTAPOS, which the owner routes back to the control: steps the
    // buddy's value by the delta, finer or coarser with Shift or Ctrl held,
    // and writes it back. The result lets the native control move its own
    // position as usual.
    LRESULT OnDeltaPos(const NMUPDOWN& change);

    // Steps the buddy's value `delta` steps of `scale` times the step, by
    // the stepping rule, and writes it back.
    void Step(int delta, double scale);

    // Whether the pointer is dragging the value now.
    bool Dragging() const { return drag.Dragging() && pressed; }

    const SpinSettings& Settings() const { return settings; }

private:
    class PressHeld;
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK BuddyProc(HWND window, UINT message, WPARAM wp, LPARAM lp);
    LRESULT OnMessage(UINT message, WPARAM wp, LPARAM lp);
    LRESULT OnWheel(WPARAM wp);
    void ReleaseBuddy();
    LRESULT Default(UINT message, WPARAM wp, LPARAM lp);
    void OnButtonDown();
    void OnPointerMoved(WPARAM keys);
    bool OnHeldMessage(UINT message, WPARAM wp);
    void CancelPress(bool holdMouse);
    void EndPress();

    HWND Buddy() const;
    double GetValue(HWND buddy) const;
    void StepFrom(HWND buddy, double current, int delta, double scale);
    void SyncPosition(double value);

    HWND hwnd = nullptr;
    ReplacedProc original;  // the up-down control's own procedure
    // The buddy, whose wheel comes here through a subclass of the same kind.
    HWND buddyWindow = nullptr;
    ReplacedProc buddyOriginal;
    SpinSettings settings;

    // A press on the arrows, from the button's going down until its release,
    // a cancel (Escape, a right click) or the loss of the capture.
    bool pressed = false;
    // After a right click's cancel, the control keeps the mouse until every
    // button is up: the releases, and the context menu of the right one, are
    // the cancel's and go nowhere else.
    bool holdingMouse = false;
    std::string textBeforePress;  // what the cancel puts back
    SpinDrag drag;
    RECT screen{};  // the monitor of the press
    // While dragging, the pointer stays on the monitor of the press, and a
    // pixel away from its edges.
    CursorClip clip;
    WheelNotches wheel;
};

// StepScale of Shift and Ctrl as the thread's keyboard state holds them now
// (as of the message being handled).
double HeldModifiersScale();

