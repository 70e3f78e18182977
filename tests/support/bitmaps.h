// Bitmaps for the unit and the Wine tests: what the module's bitmap resources
// are to be, and a reader of the BMP files the project writes.
#pragma once

#include <set>
#include <string>

#include "res/bitmaps/bmp_file.h"

// What the module's code expects of each bitmap, kept apart from the
// generator's own table: the committed files and the built module hold to it.
struct ExpectedBitmap {
    int id, width, height, bitsPerPixel;
};
constexpr ExpectedBitmap kExpectedBitmaps[] = {
    {2001, 32, 32, 24},   {2005, 11, 11, 24}, {2006, 11, 11, 4},    {2007, 11, 11, 24},
    {2008, 11, 11, 24},   {2009, 32, 32, 24}, {2011, 11, 11, 24},   {2012, 301, 133, 24},
    {2015, 250, 109, 24}, {2020, 11, 11, 4},  {2021, 250, 109, 24}, {2022, 30, 16, 8},
    {2023, 30, 16, 8},    {2025, 15, 12, 4},
};

// The reader is written apart from the encoder, so that a fault in one is not
// mirrored by the other. It takes only what the resource compiler and
// LoadBitmap are given here: uncompressed, bottom-up, 4, 8 or 24 bits.
struct Bmp {
    int bitsPerPixel = 0;
    std::vector<uint32_t> palette;
    std::set<int> usedEntries;
    bitmaps::Picture picture;
};

// Little-endian fields of a file's bytes, in a std::string or a std::vector<uint8_t>.
template <class Bytes>
uint32_t U16(const Bytes& b, size_t at) {
    return uint8_t(b[at]) | uint8_t(b[at + 1]) << 8;
}
template <class Bytes>
uint32_t U32(const Bytes& b, size_t at) {
    return U16(b, at) | U16(b, at + 2) << 16;
}

// Reads a whole file into `out`: what is wrong with it, or an empty text.
template <class Bytes>
std::string ReadBmp(const Bytes& b, Bmp& out) {
    using std::to_string;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return "no BMP header";
    if (U32(b, 2) != b.size()) return "file size field " + to_string(U32(b, 2));
    if (U32(b, 14) != 40) return "info header size " + to_string(U32(b, 14));
    const int width = int(U32(b, 18)), height = int(U32(b, 22)),
              bpp = out.bitsPerPixel = int(U16(b, 28));
    if (width <= 0 || height <= 0) return "not a bottom-up bitmap";
    if (U16(b, 26) != 1 || U32(b, 30) != 0) return "planes or compression";
    if (bpp != 4 && bpp != 8 && bpp != 24) return "depth " + to_string(bpp);
    uint32_t entries = bpp == 24 ? 0 : U32(b, 46);
    if (bpp != 24 && entries == 0) entries = 1u << bpp;
    const size_t bits = U32(b, 10);
    if (bits != 54 + entries * 4) return "bits offset " + to_string(bits);
    for (uint32_t i = 0; i < entries; ++i) out.palette.push_back(U32(b, 54 + i * 4) & 0xFFFFFF);
    const size_t row = ((size_t(width) * bpp + 31) / 32) * 4;
    if (b.size() != bits + row * height) return "pixel data size";
    out.picture = bitmaps::Picture(width, height, 0);
    for (int y = 0; y < height; ++y) {
        const size_t start = bits + row * size_t(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            uint32_t colour;
            if (bpp == 24) {
                const size_t at = start + size_t(x) * 3;
                colour = U16(b, at) | uint32_t(uint8_t(b[at + 2])) << 16;
            } else {
                const uint8_t byte = uint8_t(b[start + size_t(x) * bpp / 8]);
                const int index = bpp == 8 ? byte : (x % 2 == 0 ? byte >> 4 : byte & 0xF);
                if (size_t(index) >= out.palette.size()) return "index " + to_string(index);
                out.usedEntries.insert(index);
                colour = out.palette[size_t(index)];
            }
            out.picture.Set(x, y, colour);
        }
    }
    return "";
}
