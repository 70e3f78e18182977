// A reader of the BMP files the project writes: the module's bitmap
// resources and the workbench's screenshots. It is written apart from the
// encoder (res/bitmaps/bmp_file), so that a fault in one is not mirrored by
// the other, and accepts only what the resource compiler and LoadBitmap are
// given here: uncompressed, bottom-up, 4, 8 or 24 bits. Portable and without
// a test framework: the unit tests and the Wine tests both read with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "res/bitmaps/bmp_file.h"

namespace support {

struct Bmp {
    int bitsPerPixel = 0;
    std::vector<uint32_t> palette;
    std::set<int> usedEntries;  // palette entries that some pixel takes
    bitmaps::Picture picture;
};

// Little-endian fields of a file's bytes.
uint32_t Read32(const std::vector<uint8_t>& bytes, size_t at);
uint32_t Read16(const std::vector<uint8_t>& bytes, size_t at);

// Reads a whole file into `out`. The fault found, or an empty text.
std::string ReadBmp(const std::vector<uint8_t>& file, Bmp& out);
inline std::string ReadBmp(const std::string& file, Bmp& out) {
    return ReadBmp(std::vector<uint8_t>(file.begin(), file.end()), out);
}

}  // namespace support
