// A window procedure replaced by one of the module's: the subclass of the
// plain kind, which costs a message no more than a call (SetWindowSubclass
// costs each one a window-property lookup, under Wine a server round trip).
//
// It is put in, called on and taken out in the window's own character set.
// A procedure of the other set would switch the window's (an edit of an
// ANSI dialog would become a Unicode window), every message with text would
// be converted on its way through and back, and the procedure read back
// would be a handle of the system's instead of the one put in.
#pragma once

#include <windows.h>

class ReplacedProc {
public:
    // Puts `ours` in place of the window's procedure.
    void Replace(HWND window, WNDPROC ours) {
        unicode = IsWindowUnicode(window) != FALSE;
        const auto proc = reinterpret_cast<LONG_PTR>(ours);
        original = reinterpret_cast<WNDPROC>(
            unicode ? SetWindowLongPtrW(window, GWLP_WNDPROC, proc)
                    : SetWindowLongPtrA(window, GWLP_WNDPROC, proc));
    }

    // Puts the original back, but only over a procedure that is still
    // `ours`: one installed over it since would lose its place in the chain.
    void Restore(HWND window, WNDPROC ours) const {
        if (!IsWindow(window) || !original) return;
        const auto get = unicode ? GetWindowLongPtrW : GetWindowLongPtrA;
        const auto set = unicode ? SetWindowLongPtrW : SetWindowLongPtrA;
        if (get(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(ours))
            set(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
    }

    // The message on to the original procedure.
    LRESULT Call(HWND window, UINT message, WPARAM wp, LPARAM lp) const {
        return unicode ? CallWindowProcW(original, window, message, wp, lp)
                       : CallWindowProcA(original, window, message, wp, lp);
    }

private:
    WNDPROC original = nullptr;
    bool unicode = true;
};

// A window's default procedure in its own character set, for a message that
// comes to a replaced procedure whose owner has let go of the window.
inline LRESULT DefaultProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    return IsWindowUnicode(window) ? DefWindowProcW(window, message, wp, lp)
                                   : DefWindowProcA(window, message, wp, lp);
}
