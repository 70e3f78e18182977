// Ties a window to the C++ object that handles its messages: the object's
// address travels in CreateWindowEx's parameter and lives in GWLP_USERDATA.
// T needs a member `HWND hwnd` and `LRESULT OnMessage(UINT, WPARAM, LPARAM)`.
#pragma once

#include <windows.h>

namespace hosting {

template <class T>
LRESULT CALLBACK ObjectWindowProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    T* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<T*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        self->hwnd = window;
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<T*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcA(window, msg, wp, lp);
    if (msg == WM_NCDESTROY) {
        // Messages after this one (there should be none) go to the default proc.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->hwnd = nullptr;
        return DefWindowProcA(window, msg, wp, lp);
    }
    return self->OnMessage(msg, wp, lp);
}

// Registers the class once per process; later calls find it registered.
template <class T>
bool RegisterObjectClass(HINSTANCE instance, const char* name, HBRUSH background, UINT style = 0) {
    WNDCLASSEXA existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExA(instance, name, &existing)) return true;
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = style;
    wc.lpfnWndProc = ObjectWindowProc<T>;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassExA(&wc) != 0;
}

}  // namespace hosting
