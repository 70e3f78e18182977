#include "host/hosting/extension_record.h"

namespace hosting {
namespace {

std::string FieldText(const std::uint8_t* field, size_t width) {
    size_t length = 0;
    while (length < width && field[length]) ++length;
    return std::string(reinterpret_cast<const char*>(field), length);
}

std::uint16_t Little16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

}  // namespace

ExtensionInfo DecodeExtensionRecord(const std::uint8_t (&record)[extension_record::kSize]) {
    using namespace extension_record;
    ExtensionInfo info;
    info.name = FieldText(record + kNameOffset, kNameWidth);
    info.description = FieldText(record + kDescriptionOffset, kDescriptionWidth);
    info.iconId = Little16(record + kIconIdOffset);
    info.creditId = Little16(record + kCreditIdOffset);
    return info;
}

}  // namespace hosting
