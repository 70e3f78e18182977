#include "tests/support/bmp_reader.h"

namespace support {

uint32_t Read32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | uint32_t(b[at + 3]) << 24;
}

uint32_t Read16(const std::vector<uint8_t>& b, size_t at) { return b[at] | b[at + 1] << 8; }

std::string ReadBmp(const std::vector<uint8_t>& b, Bmp& out) {
    using std::to_string;
    if (b.size() < 54 || b[0] != 'B' || b[1] != 'M') return "no BMP header";
    if (Read32(b, 2) != b.size()) return "file size field " + to_string(Read32(b, 2));
    if (Read32(b, 14) != 40) return "info header size " + to_string(Read32(b, 14));
    const int width = int(Read32(b, 18)), height = int(Read32(b, 22));
    out.bitsPerPixel = int(Read16(b, 28));
    if (width <= 0 || height <= 0) return "not a bottom-up bitmap";
    if (Read16(b, 26) != 1 || Read32(b, 30) != 0) return "planes or compression";
    const int bpp = out.bitsPerPixel;
    if (bpp != 4 && bpp != 8 && bpp != 24) return "depth " + to_string(bpp);
    uint32_t entries = bpp == 24 ? 0 : Read32(b, 46);
    if (bpp != 24 && entries == 0) entries = 1u << bpp;
    const size_t bits = Read32(b, 10);
    if (bits != 54 + entries * 4) return "bits offset " + to_string(bits);
    for (uint32_t i = 0; i < entries; ++i) out.palette.push_back(Read32(b, 54 + i * 4) & 0xFFFFFF);
    const size_t row = ((size_t(width) * bpp + 31) / 32) * 4;
    if (b.size() != bits + row * height) return "pixel data size";

    out.picture = bitmaps::Picture(width, height, 0);
    for (int y = 0; y < height; ++y) {
        const size_t start = bits + row * size_t(height - 1 - y);
        for (int x = 0; x < width; ++x) {
            uint32_t colour;
            if (bpp == 24) {
                const size_t at = start + size_t(x) * 3;
                colour = b[at] | b[at + 1] << 8 | uint32_t(b[at + 2]) << 16;
            } else {
                const uint8_t byte = b[start + size_t(x) * bpp / 8];
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

}  // namespace support
