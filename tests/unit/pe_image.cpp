#include "pe_image.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

PeImage::PeImage(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    try {
        if (U16(0) != 0x5A4D) return;
        const std::size_t pe = U32(0x3C);
        if (U32(pe) != 0x00004550) return;
        const std::size_t coff = pe + 4;
        machine = U16(coff);
        const std::uint16_t sectionCount = U16(coff + 2);
        const std::uint16_t optionalSize = U16(coff + 16);
        characteristics = U16(coff + 18);
        const std::size_t optional = coff + 20;
        pe64 = U16(optional) == 0x20B;
        const std::size_t dirs = optional + (pe64 ? 112 : 96);
        for (int i = 0; i < 3; ++i) {
            directories[i][0] = U32(dirs + 8 * i);
            directories[i][1] = U32(dirs + 8 * i + 4);
        }
        const std::size_t table = optional + optionalSize;
        for (std::size_t i = 0; i < sectionCount; ++i) {
            const std::size_t s = table + 40 * i;
            sections.push_back({U32(s + 12), U32(s + 8), U32(s + 20), U32(s + 16)});
        }
        valid = true;
    } catch (const std::out_of_range&) { valid = false; }
}

std::uint32_t PeImage::U32(std::size_t offset) const {
    if (offset + 4 > bytes.size()) throw std::out_of_range("read past the end of the file");
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

std::uint16_t PeImage::U16(std::size_t offset) const {
    if (offset + 2 > bytes.size()) throw std::out_of_range("read past the end of the file");
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

std::size_t PeImage::FileOffset(std::uint32_t rva) const {
    for (const Section& s : sections) {
        const std::uint32_t extent = s.virtualSize ? s.virtualSize : s.rawSize;
        if (rva >= s.virtualAddress && rva < s.virtualAddress + extent)
            return rva - s.virtualAddress + s.rawPointer;
    }
    throw std::out_of_range("address outside every section");
}

std::string PeImage::CString(std::uint32_t rva) const {
    std::size_t at = FileOffset(rva);
    std::string text;
    while (at < bytes.size() && bytes[at]) text += static_cast<char>(bytes[at++]);
    return text;
}

std::vector<std::string> PeImage::ExportNames() const {
    std::vector<std::string> names;
    if (!valid || directories[0][0] == 0) return names;
    const std::size_t dir = FileOffset(directories[0][0]);
    const std::uint32_t count = U32(dir + 24);
    const std::size_t table = FileOffset(U32(dir + 32));
    for (std::uint32_t i = 0; i < count; ++i) names.push_back(CString(U32(table + 4 * i)));
    return names;
}

std::map<std::string, std::vector<std::string>> PeImage::Imports() const {
    std::map<std::string, std::vector<std::string>> imports;
    if (!valid || directories[1][0] == 0) return imports;
    for (std::size_t d = FileOffset(directories[1][0]);; d += 20) {
        const std::uint32_t lookup = U32(d) ? U32(d) : U32(d + 16);
        const std::uint32_t nameRva = U32(d + 12);
        if (nameRva == 0) break;
        std::vector<std::string>& functions = imports[CString(nameRva)];
        const std::size_t width = pe64 ? 8 : 4;
        for (std::size_t t = FileOffset(lookup);; t += width) {
            const std::uint32_t low = U32(t);
            const std::uint32_t high = pe64 ? U32(t + 4) : 0;
            if (low == 0 && high == 0) break;
            const bool byOrdinal = pe64 ? (high & 0x80000000u) != 0 : (low & 0x80000000u) != 0;
            if (byOrdinal)
                functions.push_back("#" + std::to_string(low & 0xFFFF));
            else
                functions.push_back(CString(low + 2));
        }
    }
    return imports;
}

std::vector<std::uint8_t> PeImage::Resource(std::uint32_t type, std::uint32_t id) const {
    if (!valid || directories[2][0] == 0) return {};
    const std::size_t root = FileOffset(directories[2][0]);
    // Finds the entry with the given id in the directory at `dir`; returns
    // its offset field, or 0.
    auto find = [&](std::size_t dir, std::uint32_t wanted, bool any) -> std::uint32_t {
        const std::size_t entries = U16(dir + 12) + U16(dir + 14);
        for (std::size_t i = 0; i < entries; ++i) {
            const std::size_t e = dir + 16 + 8 * i;
            if (any || U32(e) == wanted) return U32(e + 4);
        }
        return 0;
    };
    const std::uint32_t types = find(root, type, false);
    if (!(types & 0x80000000u)) return {};
    const std::uint32_t names = find(root + (types & 0x7FFFFFFFu), id, false);
    if (!(names & 0x80000000u)) return {};
    const std::uint32_t language = find(root + (names & 0x7FFFFFFFu), 0, true);
    if (language == 0 || (language & 0x80000000u)) return {};
    const std::size_t entry = root + language;
    const std::size_t data = FileOffset(U32(entry));
    const std::uint32_t size = U32(entry + 4);
    if (data + size > bytes.size()) return {};
    return std::vector<std::uint8_t>(bytes.begin() + data, bytes.begin() + data + size);
}
