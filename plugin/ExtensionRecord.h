// The description record the host reads from the module before anything else.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::size_t kExtensionRecordSize = 100;
constexpr std::size_t kRecordNameWidth = 32;
constexpr std::size_t kRecordDescriptionWidth = 64;

using ExtensionRecordImage = std::array<std::uint8_t, kExtensionRecordSize>;

// Byte image: name (32 bytes, NUL padded), description (64 bytes, NUL
// padded), icon bitmap id and credit string id as little-endian 16-bit.
const ExtensionRecordImage& ExtensionRecord();

// Copies the whole record into a host buffer of at least 100 bytes.
void CopyExtensionRecord(void* buffer);
