// Writes the module's BMP resources into the folder given on the command
// line (scripts/make-bitmaps passes res/bitmaps).
#include <cstdio>
#include <string>

#include "bitmap_art.h"
#include "bmp_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_bitmaps <output folder>\n");
        return 2;
    }
    for (const bitmaps::Resource& r : bitmaps::Resources()) {
        const bitmaps::Picture picture = r.draw();
        if (picture.width != r.width || picture.height != r.height) {
            std::fprintf(stderr, "make_bitmaps: %d is %dx%d, not %dx%d\n", r.id, picture.width,
                         picture.height, r.width, r.height);
            return 1;
        }
        const std::vector<uint8_t> file = bitmaps::EncodeBmp(picture, r.bitsPerPixel);
        if (file.empty()) {
            std::fprintf(stderr, "make_bitmaps: %d does not fit %d bits per pixel\n", r.id,
                         r.bitsPerPixel);
            return 1;
        }
        const std::string path = std::string(argv[1]) + "/" + r.fileName;
        std::FILE* out = std::fopen(path.c_str(), "wb");
        if (!out || std::fwrite(file.data(), 1, file.size(), out) != file.size()) {
            std::fprintf(stderr, "make_bitmaps: cannot write %s\n", path.c_str());
            if (out) std::fclose(out);
            return 1;
        }
        std::fclose(out);
        std::printf("%d %s\n", r.id, r.fileName);
    }
    return 0;
}
