// The up-down control of FloatSpinMath's rules, attached to a dialog item.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "controls/FloatSpinMath.h"

class FloatSpin {
public:
    FloatSpin() = default;
    FloatSpin(const FloatSpin&) = delete;
    FloatSpin& operator=(const FloatSpin&) = delete;

    // Takes the dialog's up-down control and applies the stored range. The
    // control needs no messages of its own: its owner routes UDN_DELTAPOS
    // here and lets go of it when the owner's window is destroyed. (A
    // subclass would cost every message to the up-down a property lookup,
    // which under Wine is a server round trip, for nothing.)
    bool Attach(HWND updown);
    void Detach() { hwnd = nullptr; }
    HWND Window() const { return hwnd; }

    // A step of 0 stores the values and leaves the native range and
    // position as they are.
    void SetRange(double minimum, double maximum, double step);
    void GetRange(double& minimum, double& maximum, double& step) const;
    void SetPrecision(int digits) { settings.precision = digits; }
    void SetTrimZeros(int on) { settings.trimZeros = on != 0; }

    // UDN_DELTAPOS, which the owner routes back to the control: steps the
    // buddy's value and writes it back. The result lets the native control
    // move its own position as usual.
    LRESULT OnDeltaPos(const NMUPDOWN& change);

    const SpinSettings& Settings() const { return settings; }

private:
    HWND Buddy() const;
    double GetValue(HWND buddy) const;
    void ShowValue(HWND buddy, double value);
    void SyncPosition(double value);

    HWND hwnd = nullptr;
    SpinSettings settings;
};
