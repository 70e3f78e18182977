// Small owners for GDI and USER handles: one owner per handle, never copied,
// and a selection that remembers both the device context and what it
// displaced. A null handle simply draws nothing.
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
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC Get() const { return dc; }

private:
    HWND hwnd;
    HDC dc;
};
