#include "controls/OwnerDrawnButton_win.h"

// The style changes before the subclass is in place: the notifications of
// the change are the system button's alone, and do not pay for a trip
// through the subclass (a window-property lookup each, a server round trip
// under Wine).
bool OwnerDrawnButton::TakeOver(HWND item) {
    if (!item || hwnd) return false;
    const LONG style = GetWindowLongA(item, GWL_STYLE);
    SetWindowLongA(item, GWL_STYLE, static_cast<LONG>(TakeStyle(static_cast<DWORD>(style))));
    if (Subclass(item)) return true;
    SetWindowLongA(item, GWL_STYLE, style);
    return false;
}

DWORD OwnerDrawnButton::TakeStyle(DWORD style) {
    return (style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void OwnerDrawnButton::Repaint() {
    if (hwnd) InvalidateRect(hwnd, nullptr, TRUE);
}
