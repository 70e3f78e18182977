// Writer of uncompressed Windows BMP files, as windres and LoadBitmap take them.
#pragma once

#include <cstdint>
#include <vector>

#include "bitmap_art.h"

namespace bitmaps {

// The whole file: BITMAPFILEHEADER, BITMAPINFOHEADER, a colour table for 4
// and 8 bits per pixel (the picture's colours in order of first use, the
// rest of the table black), then bottom-up rows padded to four bytes.
// Empty when the depth is not 4, 8 or 24 or the picture has more colours
// than the depth can index.
std::vector<uint8_t> EncodeBmp(const Picture& picture, int bitsPerPixel);

}  // namespace bitmaps
