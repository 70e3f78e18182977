#include "host/workbench/screenshot_win.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "host/hosting/module_link_win.h"
#include "res/bitmaps/bmp_file.h"
#include "win/Gdi_win.h"

namespace workbench {

bool CaptureScreenArea(const RECT& area, const std::string& path, std::string* error) {
    RECT screen{GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN), 0, 0};
    screen.right = screen.left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    screen.bottom = screen.top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    RECT r;
    if (!IntersectRect(&r, &area, &screen)) {
        *error = "the window is not on the screen";
        return false;
    }
    const int width = r.right - r.left, height = r.bottom - r.top;

    WindowDC screenDc(nullptr);
    MemoryDC memory(screenDc.Get());
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down 0x00RRGGBB pixels, as a Picture keeps them
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiObject<HBITMAP> dib(CreateDIBSection(screenDc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!screenDc.Get() || !memory.Get() || !dib.Get() || !bits) {
        *error = "no bitmap for the screenshot: " + hosting::DescribeError(GetLastError());
        return false;
    }
    {
        Selection picked(memory.Get(), dib.Get());
        if (!BitBlt(memory.Get(), 0, 0, width, height, screenDc.Get(), r.left, r.top, SRCCOPY | CAPTUREBLT)) {
            *error = "copying the screen failed: " + hosting::DescribeError(GetLastError());
            return false;
        }
        GdiFlush();
    }
    bitmaps::Picture shot;
    shot.width = width;
    shot.height = height;
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    shot.pixels.assign(pixels, pixels + static_cast<size_t>(width) * height);
    const std::vector<std::uint8_t> file = bitmaps::EncodeBmp(shot, 24);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    out.close();
    if (!out) {
        *error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace workbench
