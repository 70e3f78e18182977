// Off-screen composition for one paint: a memory device context compatible
// with the target, holding a compatible bitmap of the area's size. Drawing
// uses the target's coordinates (the memory context's origin is moved to the
// area's top-left corner), and CopyToTarget puts the result on the target
// with one BitBlt. Teardown runs in member order reversed: the bitmap is
// selected out, deleted, then the context is deleted.
#pragma once

#include <windows.h>

#include "win/Gdi_win.h"

class OffscreenDC {
public:
    OffscreenDC(HDC target, const RECT& area);
    OffscreenDC(const OffscreenDC&) = delete;
    OffscreenDC& operator=(const OffscreenDC&) = delete;

    // False when the context or the bitmap could not be made; drawing into
    // Get() then goes nowhere and CopyToTarget does nothing.
    explicit operator bool() const { return ready; }
    HDC Get() const { return memory.Get(); }

    // One BitBlt (SRCCOPY) of the whole area to the target.
    bool CopyToTarget() const;

private:
    HDC target;
    RECT area;
    MemoryDC memory;  // declared first, deleted last
    Bitmap bitmap;
    Selection selection;
    bool ready;
};
