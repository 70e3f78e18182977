// The description record a host reads from an extension module with
// tsxGetData before anything else: a fixed 100-byte image. The module
// builds it (plugin/ExtensionRecord) and the stand-in host decodes it.
#pragma once

#include <cstddef>

namespace extension_record {

constexpr std::size_t kSize = 100;
// The module's name and its description: single-byte text, NUL-padded to
// the width of the field.
constexpr std::size_t kNameOffset = 0;
constexpr std::size_t kNameWidth = 32;
constexpr std::size_t kDescriptionOffset = 32;
constexpr std::size_t kDescriptionWidth = 64;
// Resource ids of the icon bitmap and of the credit string, unsigned 16-bit
// little-endian.
constexpr std::size_t kIconIdOffset = 96;
constexpr std::size_t kCreditIdOffset = 98;

static_assert(kNameOffset + kNameWidth == kDescriptionOffset, "the description follows the name");
static_assert(kDescriptionOffset + kDescriptionWidth == kIconIdOffset, "the ids follow the texts");
static_assert(kCreditIdOffset + 2 == kSize, "the credit id ends the record");

}  // namespace extension_record
