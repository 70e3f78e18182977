// Common ground of the module's owner-drawn buttons: a system button window
// subclassed with SetWindowSubclass (the object as reference data), a typed
// message handler in each control, and the owner-draw entry point that the
// owner calls when it receives WM_DRAWITEM for the control's window:
//
//     case WM_DRAWITEM: {
//         const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
//         OwnerDrawnButton* control = FindOwnerDrawn(item.hwndItem);
//         if (control) control->DrawItem(item);
//         return control != nullptr;
//     }
//
// The window is unhooked when it is destroyed (WM_NCDESTROY) or when the
// object is, whichever comes first. An object may outlive its window by far
// (the panel's are never deleted), so what a control holds for drawing its
// window goes with the window: OnWindowDestroyed, just before the unhooking.
#pragma once

#include <windows.h>

class OwnerDrawnButton {
public:
    OwnerDrawnButton() = default;
    OwnerDrawnButton(const OwnerDrawnButton&) = delete;
    OwnerDrawnButton& operator=(const OwnerDrawnButton&) = delete;
    virtual ~OwnerDrawnButton() { Detach(); }

    HWND Window() const { return hwnd; }
    void Detach();

    // Paints one WM_DRAWITEM request for this control's window.
    virtual void DrawItem(const DRAWITEMSTRUCT& item) = 0;

protected:
    // Subclasses the window; fails when it is null or this object already
    // has one.
    bool Subclass(HWND item);
    virtual LRESULT OnMessage(UINT message, WPARAM wp, LPARAM lp) = 0;
    // WM_NCDESTROY of the subclassed window, whose handle is still valid.
    virtual void OnWindowDestroyed() {}
    // The system button's own processing of a message.
    LRESULT Default(UINT message, WPARAM wp, LPARAM lp);
    // InvalidateRect of the whole client area, with background erase.
    void Repaint();

    HWND hwnd = nullptr;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wp, LPARAM lp, UINT_PTR id,
                                 DWORD_PTR ref);
    static const UINT_PTR kSubclassId = 0x4F42;  // 'OB'
};
