// Small owners for GDI and USER handles: one owner per handle, never copied,
// and a selection that remembers both the device context and what it
// displaced. A null handle simply draws nothing.
//
// The tests count what these owners hold through the program's import table
// (tests/wine/gdi_watch.h), as Wine's GetGuiResources always answers 0.
#pragma once

#include <windows.h>

template <class Handle>
class GdiObject {
public:
    explicit GdiObject(Handle h = nullptr) : handle(h) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& other) noexcept : handle(other.Release()) {}
    GdiObject& operator=(GdiObject&& other) noexcept {
        if (this != &other) Reset(other.Release());
        return *this;
    }
    ~GdiObject() { Reset(); }

    Handle Get() const { return handle; }
    explicit operator bool() const { return handle != nullptr; }
    Handle Release() {
        Handle h = handle;
        handle = nullptr;
        return h;
    }
    // Windows refuses to delete an object still selected into a device
    // context (the owner lets go of it all the same, so it leaks). Wine says
    // yes and deletes it once deselected.
    void Reset(Handle h = nullptr) {
        if (handle) DeleteObject(handle);
        handle = h;
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
    explicit MemoryDC(HDC compatible) : dc(CreateCompatibleDC(compatible)) {}
    ~MemoryDC() {
        if (dc) DeleteDC(dc);
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
    explicit WindowDC(HWND window) : hwnd(window), dc(GetDC(window)) {}
    ~WindowDC() {
        if (dc) ReleaseDC(hwnd, dc);
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

// A popup menu, destroyed with its owner or on Reset (a USER object).
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
