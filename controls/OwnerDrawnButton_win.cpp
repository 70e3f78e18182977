#include "controls/OwnerDrawnButton_win.h"

#include <commctrl.h>

bool OwnerDrawnButton::Subclass(HWND item) {
    if (!item || hwnd) return false;
    if (!SetWindowSubclass(item, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd = item;
    return true;
}

void OwnerDrawnButton::Detach() {
    if (!hwnd) return;
    RemoveWindowSubclass(hwnd, Proc, kSubclassId);
    hwnd = nullptr;
}

LRESULT OwnerDrawnButton::Default(UINT message, WPARAM wp, LPARAM lp) {
    return DefSubclassProc(hwnd, message, wp, lp);
}

void OwnerDrawnButton::Repaint() {
    if (hwnd) InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT CALLBACK OwnerDrawnButton::Proc(HWND window, UINT message, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR ref) {
    auto* self = reinterpret_cast<OwnerDrawnButton*>(ref);
    if (message != WM_NCDESTROY) return self->OnMessage(message, wp, lp);
    self->OnWindowDestroyed();
    self->Detach();  // the handle is still valid here
    return DefSubclassProc(window, message, wp, lp);
}
