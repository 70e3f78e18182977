#include "controls/FloatSpin_win.h"

#include "controls/NumberText.h"
#include "win/WindowText_win.h"

bool FloatSpin::Attach(HWND updown) {
    if (!updown || hwnd) return false;
    hwnd = updown;
    SetRange(settings.minimum, settings.maximum, settings.step);
    return true;
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

// The buddy is asked for once per step: each question is a message to the
// up-down control.
LRESULT FloatSpin::OnDeltaPos(const NMUPDOWN& change) {
    const bool wrap = (GetWindowLongA(hwnd, GWL_STYLE) & UDS_WRAP) != 0;
    HWND buddy = Buddy();
    ShowValue(buddy, StepValue(GetValue(buddy), change.iDelta, wrap, settings));
    return 0;
}

HWND FloatSpin::Buddy() const {
    return hwnd ? reinterpret_cast<HWND>(SendMessageA(hwnd, UDM_GETBUDDY, 0, 0)) : nullptr;
}

double FloatSpin::GetValue(HWND buddy) const {
    if (!buddy) return 0.0;
    return AtofDecimal(WindowText(buddy).c_str());
}

void FloatSpin::ShowValue(HWND buddy, double value) {
    if (!buddy) return;
    SetWindowTextA(buddy, FormatValue(value, settings).c_str());
}

void FloatSpin::SyncPosition(double value) {
    if (const std::optional<int> position = PositionFor(value, settings))
        SendMessageA(hwnd, UDM_SETPOS, 0, MAKELPARAM(*position, 0));
}
