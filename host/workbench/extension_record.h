// Reading a module's ExtensionRecord, without windows.h.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace workbench {

// The fixed 100-byte record a module's tsxGetData fills: name at 0 (32 bytes),
// description at 32 (64 bytes), both single-byte text NUL-padded; then the
// icon bitmap id at 96 and the credit string id at 98, little-endian 16-bit.
const size_t kRecordSize = 100;
const size_t kNameOffset = 0;
const size_t kNameWidth = 32;
const size_t kDescriptionOffset = 32;
const size_t kDescriptionWidth = 64;
const size_t kIconIdOffset = 96;
const size_t kCreditIdOffset = 98;

struct ExtensionInfo {
    std::string name;
    std::string description;
    std::uint16_t iconId = 0;
    std::uint16_t creditId = 0;
};

// Texts stop at their first NUL or at the end of their field, whichever
// comes first: a module that fills a field to the brim still reads safely.
ExtensionInfo DecodeExtensionRecord(const std::uint8_t (&record)[kRecordSize]);

}  // namespace workbench
