#include "win/SubclassedWindow_win.h"

#include <commctrl.h>

#include "base/ModuleEntry.h"

bool SubclassedWindow::Subclass(HWND window) {
    if (!window || hwnd) return false;
    if (!SetWindowSubclass(window, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this)))
        return false;
    hwnd = window;
    return true;
}

void SubclassedWindow::Detach() {
    if (!hwnd) return;
    RemoveWindowSubclass(hwnd, Proc, kSubclassId);
    hwnd = nullptr;
}

LRESULT SubclassedWindow::Default(UINT message, WPARAM wp, LPARAM lp) {
    return DefSubclassProc(hwnd, message, wp, lp);
}

LRESULT CALLBACK SubclassedWindow::Proc(HWND window, UINT message, WPARAM wp, LPARAM lp, UINT_PTR,
                                        DWORD_PTR ref) {
    auto* self = reinterpret_cast<SubclassedWindow*>(ref);
    return GuardedEntry(
        [&] {
            if (message != WM_NCDESTROY) return self->OnMessage(message, wp, lp);
            self->OnWindowDestroyed();
            self->Detach();  // the handle is still valid here
            return DefSubclassProc(window, message, wp, lp);
        },
        [&] { return DefSubclassProc(window, message, wp, lp); });
}
