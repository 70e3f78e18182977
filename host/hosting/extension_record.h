// Reading a module's extension record, without windows.h.
#pragma once

#include <cstdint>
#include <string>

#include "api/extension_record.h"

namespace hosting {

struct ExtensionInfo {
    std::string name;
    std::string description;
    std::uint16_t iconId = 0;
    std::uint16_t creditId = 0;
};

// Texts stop at their first NUL or at the end of their field, whichever
// comes first: a module that fills a field to the brim still reads safely.
ExtensionInfo DecodeExtensionRecord(const std::uint8_t (&record)[extension_record::kSize]);

}  // namespace hosting
