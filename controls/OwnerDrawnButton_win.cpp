#include "controls/OwnerDrawnButton_win.h"

bool OwnerDrawnButton::TakeOver(HWND item) {
    if (!Subclass(item)) return false;
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>(TakeStyle(style)));
    return true;
}

DWORD OwnerDrawnButton::TakeStyle(DWORD style) {
    return (style & ~static_cast<DWORD>(BS_TYPEMASK)) | BS_OWNERDRAW;
}

void OwnerDrawnButton::Repaint() {
    if (hwnd) InvalidateRect(hwnd, nullptr, TRUE);
}
