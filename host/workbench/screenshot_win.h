// Screenshots for the demo: what the screen shows in a rectangle.
#pragma once

#include <windows.h>

#include <string>

namespace workbench {

// Copies the screen area of `area` (clipped to the screen) from the screen's
// DC into a DIB section and writes it as a 24-bit BMP file. So it shows the
// window and everything over it, the module's panel included.
bool CaptureScreenArea(const RECT& area, const std::string& path, std::string* error);

}  // namespace workbench
