// A C++ object attached to an existing window by subclassing it with
// SetWindowSubclass, the object as reference data: every message reaches the
// object's typed handler first, and what the handler passes on goes to the
// window's own procedure through Default.
//
// The subclass is removed when the window is destroyed (WM_NCDESTROY) or
// when the object is, whichever comes first. An object may outlive its
// window by far and be attached to another one later, so what it holds for
// the window goes with the window: OnWindowDestroyed runs at WM_NCDESTROY,
// where the handle is still valid, just before the unhooking. A derived
// class detaches in its own destructor as well, so that no message reaches
// an object whose derived part is already gone.
#pragma once

#include <windows.h>

class SubclassedWindow {
public:
    SubclassedWindow() = default;
    SubclassedWindow(const SubclassedWindow&) = delete;
    SubclassedWindow& operator=(const SubclassedWindow&) = delete;
    virtual ~SubclassedWindow() { Detach(); }

    HWND Window() const { return hwnd; }
    // Removes the subclass; the window goes on with its own procedure.
    void Detach();

protected:
    // Fails when the window is null or this object already has one.
    bool Subclass(HWND window);
    virtual LRESULT OnMessage(UINT message, WPARAM wp, LPARAM lp) = 0;
    virtual void OnWindowDestroyed() {}
    // The window's own processing of a message.
    LRESULT Default(UINT message, WPARAM wp, LPARAM lp);

    HWND hwnd = nullptr;

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wp, LPARAM lp, UINT_PTR id,
                                 DWORD_PTR ref);
    // SetWindowSubclass tells subclasses apart by procedure and id: the same
    // pair installs and removes.
    static const UINT_PTR kSubclassId = 0x4F42;  // 'OB'
};
