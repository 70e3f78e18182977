#include "controls/FloatSpin_win.h"

#include <vector>

#include "controls/NumberText.h"

std::string WindowText(HWND window) {
    const int length = GetWindowTextLengthA(window);
    if (length <= 0) return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const int copied = GetWindowTextA(window, text.data(), length + 1);
    return std::string(text.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

FloatSpin::FloatSpin() { settings.decimalPoint = LocaleDecimalPoint(); }

bool FloatSpin::Attach(HWND updown) {
    if (!updown || hwnd) return false;
    if (!SetWindowSubclass(updown, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd = updown;
    SetRange(settings.minimum, settings.maximum, settings.step);
    return true;
}

void FloatSpin::Detach() {
    if (!hwnd) return;
    RemoveWindowSubclass(hwnd, Proc, kSubclassId);
    hwnd = nullptr;
}

LRESULT CALLBACK FloatSpin::Proc(HWND window, UINT message, WPARAM wp, LPARAM lp, UINT_PTR,
                                 DWORD_PTR ref) {
    if (message == WM_NCDESTROY) reinterpret_cast<FloatSpin*>(ref)->Detach();
    return DefSubclassProc(window, message, wp, lp);
}

void FloatSpin::SetRange(double minimum, double maximum, double step) {
    settings.minimum = minimum;
    settings.maximum = maximum;
    settings.step = step;
    if (step == 0.0) return;
    settings.positionCount = PositionCountFor(minimum, maximum, step);
    if (!hwnd) return;
    SendMessageA(hwnd, UDM_SETRANGE32, 0, settings.positionCount);
    SyncPosition(GetValue());
}

void FloatSpin::GetRange(double& minimum, double& maximum, double& step) const {
    minimum = settings.minimum;
    maximum = settings.maximum;
    step = settings.step;
}

LRESULT FloatSpin::OnDeltaPos(const NMUPDOWN& change) {
    const bool wrap = (GetWindowLongA(hwnd, GWL_STYLE) & UDS_WRAP) != 0;
    ShowValue(StepValue(GetValue(), change.iDelta, wrap, settings));
    return 0;
}

HWND FloatSpin::Buddy() const {
    return hwnd ? reinterpret_cast<HWND>(SendMessageA(hwnd, UDM_GETBUDDY, 0, 0)) : nullptr;
}

double FloatSpin::GetValue() const {
    HWND buddy = Buddy();
    if (!buddy) return 0.0;
    return AtofDecimal(WindowText(buddy).c_str(), settings.decimalPoint);
}

void FloatSpin::ShowValue(double value) {
    HWND buddy = Buddy();
    if (!buddy) return;
    SetWindowTextA(buddy, FormatValue(value, settings).c_str());
}

void FloatSpin::SyncPosition(double value) {
    if (const std::optional<int> position = PositionFor(value, settings))
        SendMessageA(hwnd, UDM_SETPOS, 0, MAKELPARAM(*position, 0));
}
