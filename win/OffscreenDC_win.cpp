#include "win/OffscreenDC_win.h"

OffscreenDC::OffscreenDC(HDC targetDC, const RECT& rect)
    : target(targetDC),
      area(rect),
      memory(targetDC),
      // An empty area would get the shared 1 x 1 default bitmap, which is
      // not ours to delete.
      bitmap(memory && rect.right > rect.left && rect.bottom > rect.top
                 ? CreateCompatibleBitmap(targetDC, rect.right - rect.left, rect.bottom - rect.top)
                 : nullptr),
      selection(memory.Get(), bitmap.Get()),
      ready(memory && bitmap) {
    if (ready) SetWindowOrgEx(memory.Get(), area.left, area.top, nullptr);
}

bool OffscreenDC::CopyToTarget() const {
    if (!ready) return false;
    return BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top,
                  memory.Get(), area.left, area.top, SRCCOPY) != FALSE;
}
