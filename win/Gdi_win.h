// Small owners for GDI and USER handles: one owner per handle, never copied,
// and a selection that remembers both the device context and what it
// displaced. A null handle simply draws nothing.
//
// In the test programs (ORTOLAN_COUNT_GDI_OBJECTS) every handle that one of
// these owners creates or adopts is counted while it lives, so tests can see
// leaks that Wine would hide: its GetGuiResources always answers 0. The count
// covers objects held by GdiObject, MemoryDC, WindowDC and OffscreenDC; a
// handle given away with Release() leaves it. The shipped module and the
// stand-in count nothing. Everything that includes this header in one program
// must be built with the same setting, or the owners' inline code differs.
#pragma once

#include <windows.h>

namespace gdi_accounting {
#ifdef ORTOLAN_COUNT_GDI_OBJECTS
inline long live = 0;  // the module runs on one thread; so do the tests' paints
inline void Adopted(const void* handle) {
    if (handle) ++live;
}
inline void Dropped() { --live; }
#else
inline void Adopted(const void*) {}
inline void Dropped() {}
#endif
}  // namespace gdi_accounting

#ifdef ORTOLAN_COUNT_GDI_OBJECTS
// GDI objects and device contexts currently held by the owners below.
inline long LiveGdiObjects() { return gdi_accounting::live; }
#endif

template <class Handle>
class GdiObject {
public:
    explicit GdiObject(Handle h = nullptr) : handle(h) { gdi_accounting::Adopted(h); }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle(other.Release()) {
        gdi_accounting::Adopted(handle);
    }
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    ~GdiObject() { Reset(); }

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    Handle Release() {
        Handle h = handle;
        if (h) gdi_accounting::Dropped();
        handle = nullptr;
        return h;
    }
    // An object still selected into a device context stays counted, as
    // Windows refuses to delete it (the owner lets go of it all the same, so
    // it leaks). Wine says yes and deletes it once deselected.
    void Reset(Handle h = nullptr) {
        if (handle && DeleteObject(handle)) gdi_accounting::Dropped();
        handle = h;
        gdi_accounting::Adopted(h);
    }

private:
    Handle handle;
};

using Pen = GdiObject<HPEN>;
using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;

class Selection {
public:
    Selection(HDC target, HGDIOBJ object)
        : dc(target), old(object ? SelectObject(target, object) : nullptr) {}
    ~Selection() {
        if (old) SelectObject(dc, old);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc;
    HGDIOBJ old;
};

// A memory device context; its owner deletes it.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatible) : dc(CreateCompatibleDC(compatible)) {
        gdi_accounting::Adopted(dc);
    }
    ~MemoryDC() {
        if (dc && DeleteDC(dc)) gdi_accounting::Dropped();
    }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC Get() const { return dc; }
    explicit operator bool() const { return dc != nullptr; }

private:
    HDC dc;
};

// BeginPaint/EndPaint for one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : hwnd(window) { dc = BeginPaint(hwnd, &paint); }
    ~PaintDC() { EndPaint(hwnd, &paint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC Get() const { return dc; }

private:
    HWND hwnd;
    PAINTSTRUCT paint{};
    HDC dc;
};

// GetDC/ReleaseDC.
class WindowDC {
public:
    explicit WindowDC(HWND window) : hwnd(window), dc(GetDC(window)) {
        gdi_accounting::Adopted(dc);
    }
    ~WindowDC() {
        if (dc && ReleaseDC(hwnd, dc)) gdi_accounting::Dropped();
    }
    explicit operator bool() const { return dc != nullptr; }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc; }

private:
    HWND hwnd;
    HDC dc;
};

// Text colour, background colour and background mode of a device context,
// put back when the drawing that changed them is done.
class TextSettings {
public:
    explicit TextSettings(HDC target)
        : dc(target),
          text(GetTextColor(target)),
          background(GetBkColor(target)),
          mode(GetBkMode(target)) {}
    ~TextSettings() {
        SetTextColor(dc, text);
        SetBkColor(dc, background);
        SetBkMode(dc, mode);
    }
    TextSettings(const TextSettings&) = delete;
    TextSettings& operator=(const TextSettings&) = delete;

private:
    HDC dc;
    COLORREF text;
    COLORREF background;
    int mode;
};

// A popup menu, destroyed with its owner or on Reset (a USER object, not
// counted above).
class PopupMenu {
public:
    PopupMenu() : menu(CreatePopupMenu()) {}
    ~PopupMenu() { Reset(); }
    PopupMenu(const PopupMenu&) = delete;
    PopupMenu& operator=(const PopupMenu&) = delete;
    HMENU Get() const { return menu; }
    explicit operator bool() const { return menu != nullptr; }
    void Reset(HMENU replacement = nullptr) {
        if (menu) DestroyMenu(menu);
        menu = replacement;
    }

private:
    HMENU menu;
};
