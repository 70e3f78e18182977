#include "host/workbench/bmp_file.h"

#include <cstring>

namespace workbench {
namespace {

const int kFileHeaderSize = 14;
const int kInfoHeaderSize = 40;
const int kScreenDpm = 3780;  // 96 dots per inch

void Put16(std::vector<std::uint8_t>& out, size_t at, std::uint32_t value) {
    out[at] = static_cast<std::uint8_t>(value);
    out[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::vector<std::uint8_t>& out, size_t at, std::uint32_t value) {
    Put16(out, at, value & 0xFFFF);
    Put16(out, at + 2, value >> 16);
}

}  // namespace

int BmpStride(int width) { return ((width * 3) + 3) & ~3; }

std::vector<std::uint8_t> BmpFileBytes(int width, int height, const std::uint8_t* rows) {
    if (width <= 0 || height <= 0 || !rows) return {};
    const std::uint32_t pixelBytes = static_cast<std::uint32_t>(BmpStride(width)) * height;
    const std::uint32_t offset = kFileHeaderSize + kInfoHeaderSize;
    std::vector<std::uint8_t> out(offset + pixelBytes, 0);
    out[0] = 'B';
    out[1] = 'M';
    Put32(out, 2, offset + pixelBytes);  // file size
    Put32(out, 10, offset);              // pixel data offset
    Put32(out, 14, kInfoHeaderSize);
    Put32(out, 18, static_cast<std::uint32_t>(width));
    Put32(out, 22, static_cast<std::uint32_t>(height));  // positive: bottom-up
    Put16(out, 26, 1);                                   // planes
    Put16(out, 28, 24);                                  // bits per pixel
    Put32(out, 30, 0);                                   // BI_RGB
    Put32(out, 34, pixelBytes);
    Put32(out, 38, kScreenDpm);
    Put32(out, 42, kScreenDpm);
    std::memcpy(out.data() + offset, rows, pixelBytes);
    return out;
}

}  // namespace workbench
