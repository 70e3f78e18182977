// Owners for the workbench's GDI and USER handles: one owner per handle,
// never copied; a null handle draws nothing.
#pragma once

#include <windows.h>

namespace workbench {

template <class Handle>
class GdiObject {
public:
    explicit GdiObject(Handle h = nullptr) : handle(h) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    ~GdiObject() { Reset(); }
    Handle Get() const { return handle; }
    void Reset(Handle h = nullptr) {
        if (handle) DeleteObject(handle);
        handle = h;
    }

private:
    Handle handle;
};

// Selects an object into a DC for the scope and puts the old one back.
// Declare the object before its Selection so the selection is undone first.
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

class PaintDc {
public:
    explicit PaintDc(HWND window) : hwnd(window) { dc = BeginPaint(hwnd, &paint); }
    ~PaintDc() { EndPaint(hwnd, &paint); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;
    HDC Get() const { return dc; }

private:
    HWND hwnd;
    PAINTSTRUCT paint{};
    HDC dc = nullptr;
};

// GetDC / ReleaseDC; a null window gives the screen.
class WindowDc {
public:
    explicit WindowDc(HWND window) : hwnd(window), dc(GetDC(window)) {}
    ~WindowDc() {
        if (dc) ReleaseDC(hwnd, dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return dc; }

private:
    HWND hwnd;
    HDC dc;
};

class MemoryDc {
public:
    explicit MemoryDc(HDC compatible) : dc(CreateCompatibleDC(compatible)) {}
    ~MemoryDc() {
        if (dc) DeleteDC(dc);
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return dc; }

private:
    HDC dc;
};

// An off-screen picture of one paint: DC, bitmap, selection, so teardown
// selects back, deletes the bitmap, then the DC. Blits on Present only.
class OffscreenBuffer {
public:
    OffscreenBuffer(HDC target, int w, int h)
        : dc(target),
          bitmap(CreateCompatibleBitmap(target, w > 0 ? w : 1, h > 0 ? h : 1)),
          selection(dc.Get(), bitmap.Get()),
          width(w),
          height(h) {}
    HDC Get() const { return bitmap.Get() ? dc.Get() : nullptr; }
    void Present(HDC target) const {
        if (Get()) BitBlt(target, 0, 0, width, height, dc.Get(), 0, 0, SRCCOPY);
    }

private:
    MemoryDc dc;
    GdiObject<HBITMAP> bitmap;
    Selection selection;
    int width, height;
};

}  // namespace workbench
