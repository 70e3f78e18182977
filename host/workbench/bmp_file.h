// Writing a 24-bit BMP file image, without windows.h.
#pragma once

#include <cstdint>
#include <vector>

namespace workbench {

// Bytes per pixel row of a 24-bit bitmap: padded to a multiple of four.
int BmpStride(int width);

// The complete file: BITMAPFILEHEADER, BITMAPINFOHEADER (bottom-up, BI_RGB,
// 24 bits), then height rows of BmpStride(width) bytes. `rows` holds them in
// file order (bottom row first, blue-green-red), as a bottom-up DIB section
// keeps them. Empty for a non-positive size.
std::vector<std::uint8_t> BmpFileBytes(int width, int height, const std::uint8_t* rows);

}  // namespace workbench
