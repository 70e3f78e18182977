// Writer of uncompressed Windows BMP files, as windres and LoadBitmap take
// them: the bitmap generator writes the module's resources with it, and the
// workbench its screenshots. Portable: no windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace bitmaps {

// A picture in 0x00RRGGBB colours, top row first. A top-down 32-bit DIB
// holds its pixels in the same order and form (the top byte aside).
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;

    Picture() = default;
    Picture(int w, int h, uint32_t ground);
    uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    void Set(int x, int y, uint32_t colour);  // ignores points outside
};

// The whole file: BITMAPFILEHEADER, BITMAPINFOHEADER, a colour table for 4
// and 8 bits per pixel (the picture's colours in order of first use, the
// rest of the table black), then bottom-up rows padded to four bytes.
// Empty when the depth is not 4, 8 or 24, the picture has more colours than
// the depth can index, its size is not positive, or its pixels do not
// match its size.
std::vector<uint8_t> EncodeBmp(const Picture& picture, int bitsPerPixel);

}  // namespace bitmaps
