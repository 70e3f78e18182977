#include "res/bitmaps/bmp_file.h"

#include <algorithm>

namespace bitmaps {
namespace {

void PutU16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

}  // namespace

Picture::Picture(int w, int h, uint32_t ground)
    : width(w), height(h), pixels(static_cast<size_t>(w) * h, ground) {}

void Picture::Set(int x, int y, uint32_t colour) {
    if (Contains(x, y)) pixels[static_cast<size_t>(y) * width + x] = colour;
}

std::vector<uint8_t> EncodeBmp(const Picture& picture, int bitsPerPixel) {
    if (bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 24) return {};
    if (picture.width <= 0 || picture.height <= 0 ||
        picture.pixels.size() !=
            static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height))
        return {};

    std::vector<uint32_t> palette;
    if (bitsPerPixel != 24) {
        const size_t limit = size_t(1) << bitsPerPixel;
        for (uint32_t c : picture.pixels) {
            if (std::find(palette.begin(), palette.end(), c) != palette.end()) continue;
            if (palette.size() == limit) return {};
            palette.push_back(c);
        }
        palette.resize(limit, 0);
    }

    const uint32_t rowBytes = ((uint32_t(picture.width) * bitsPerPixel + 31) / 32) * 4;
    const uint32_t imageBytes = rowBytes * uint32_t(picture.height);
    const uint32_t bitsOffset = 14 + 40 + uint32_t(palette.size()) * 4;

    std::vector<uint8_t> out;
    out.reserve(bitsOffset + imageBytes);
    // BITMAPFILEHEADER
    PutU16(out, 0x4D42);  // "BM"
    PutU32(out, bitsOffset + imageBytes);
    PutU32(out, 0);
    PutU32(out, bitsOffset);
    // BITMAPINFOHEADER; a positive height means bottom-up rows.
    PutU32(out, 40);
    PutU32(out, uint32_t(picture.width));
    PutU32(out, uint32_t(picture.height));
    PutU16(out, 1);
    PutU16(out, uint32_t(bitsPerPixel));
    PutU32(out, 0);  // BI_RGB
    PutU32(out, imageBytes);
    PutU32(out, 3780);  // 96 dots per inch
    PutU32(out, 3780);
    PutU32(out, 0);  // the whole table is given
    PutU32(out, 0);
    for (uint32_t c : palette) PutU32(out, c & 0xFFFFFF);  // RGBQUAD: blue, green, red, 0

    for (int y = picture.height - 1; y >= 0; --y) {
        const size_t rowStart = out.size();
        if (bitsPerPixel == 24) {
            for (int x = 0; x < picture.width; ++x) {
                const uint32_t c = picture.At(x, y);
                out.push_back(static_cast<uint8_t>(c));
                out.push_back(static_cast<uint8_t>(c >> 8));
                out.push_back(static_cast<uint8_t>(c >> 16));
            }
        } else {
            const int perByte = 8 / bitsPerPixel;
            for (int x = 0; x < picture.width; x += perByte) {
                uint8_t byte = 0;
                for (int i = 0; i < perByte; ++i) {
                    byte = static_cast<uint8_t>(byte << bitsPerPixel);
                    if (x + i < picture.width) {
                        const auto at =
                            std::find(palette.begin(), palette.end(), picture.At(x + i, y));
                        byte = static_cast<uint8_t>(byte | (at - palette.begin()));
                    }
                }
                out.push_back(byte);
            }
        }
        out.resize(rowStart + rowBytes, 0);
    }
    return out;
}

}  // namespace bitmaps
