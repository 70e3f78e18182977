// Pixel art of the module's bitmap resources. Portable on purpose: the
// make_bitmaps generator writes the committed BMP files from it, and the unit
// tests draw it again to prove that the committed files are up to date.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "res/box_marks.h"

namespace bitmaps {

// A picture in 0x00RRGGBB colours, top row first.
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

// One BITMAP resource of the module: its id, its file under res/bitmaps and
// the size and colour depth that the module's code relies on.
struct Resource {
    int id;
    const char* fileName;
    int width;
    int height;
    int bitsPerPixel;
    Picture (*draw)();
};

const std::vector<Resource>& Resources();
const Resource* FindResource(int id);


// Colours shared by the art and its checks.
constexpr uint32_t kLightGrey = 0xC0C0C0;  // ground of the title-strip buttons
constexpr uint32_t kBevelLight = 0xFFFFFF;
constexpr uint32_t kBevelDark = 0x808080;
constexpr uint32_t kMagenta = 0xFF00FF;    // the image buttons' key colour

}  // namespace bitmaps
