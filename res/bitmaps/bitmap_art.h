// Pixel art of the module's bitmap resources. Portable on purpose: the
// make_bitmaps generator writes the committed BMP files from it, and the unit
// tests draw it again to prove that the committed files are up to date.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "res/bitmaps/bmp_file.h"
#include "res/box_marks.h"

namespace bitmaps {

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
constexpr uint32_t kMagenta = 0xFF00FF;  // the image buttons' key colour

}  // namespace bitmaps
