// Reads what the tests need from a built Windows file: machine, exports,
// imports and resources. Only for trusted files of this build; every read
// is still bounds-checked so a truncated file fails the test, not the run.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class PeImage {
public:
    explicit PeImage(const std::string& path);

    bool Valid() const { return valid; }
    std::uint16_t Machine() const { return machine; }
    bool IsDll() const { return (characteristics & 0x2000) != 0; }
    bool Is64() const { return pe64; }

    std::vector<std::string> ExportNames() const;
    // Imported DLL name -> imported function names (ordinals as "#n").
    std::map<std::string, std::vector<std::string>> Imports() const;

    // Raw data of resource type/id (first language), empty when absent.
    std::vector<std::uint8_t> Resource(std::uint32_t type, std::uint32_t id) const;

private:
    std::uint32_t U32(std::size_t offset) const;
    std::uint16_t U16(std::size_t offset) const;
    std::size_t FileOffset(std::uint32_t rva) const;  // 0 when unmapped
    std::string CString(std::uint32_t rva) const;

    struct Section {
        std::uint32_t virtualAddress, virtualSize, rawPointer, rawSize;
    };
    std::vector<std::uint8_t> bytes;
    std::vector<Section> sections;
    bool valid = false;
    bool pe64 = false;
    std::uint16_t machine = 0;
    std::uint16_t characteristics = 0;
    std::uint32_t directories[3][2] = {};  // export, import, resource: RVA, size
};
