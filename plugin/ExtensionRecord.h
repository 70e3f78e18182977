// The description record the host reads from the module before anything else.
#pragma once

#include <array>
#include <cstdint>

#include "api/extension_record.h"

using ExtensionRecordImage = std::array<std::uint8_t, extension_record::kSize>;

// The module's record: "Ortolan", its description, and the ids of its icon
// bitmap and credit string.
const ExtensionRecordImage& ExtensionRecord();

// Copies the whole record into a host buffer of at least 100 bytes.
void CopyExtensionRecord(void* buffer);
