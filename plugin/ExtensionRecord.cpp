#include "plugin/ExtensionRecord.h"

#include <cstring>

#include "res/resource.h"

namespace {

using namespace extension_record;

void PutLittle16(ExtensionRecordImage& image, std::size_t offset, unsigned value) {
    image[offset] = value & 0xFF;
    image[offset + 1] = (value >> 8) & 0xFF;
}

ExtensionRecordImage BuildImage() {
    ExtensionRecordImage image{};
    static const char kName[] = "Ortolan";
    static const char kDescription[] = "Was written by me";
    static_assert(sizeof(kName) <= kNameWidth, "name fits its field");
    static_assert(sizeof(kDescription) <= kDescriptionWidth, "description fits its field");
    std::memcpy(image.data() + kNameOffset, kName, sizeof(kName));
    std::memcpy(image.data() + kDescriptionOffset, kDescription, sizeof(kDescription));
    PutLittle16(image, kIconIdOffset, IDB_MODULE_ICON);
    PutLittle16(image, kCreditIdOffset, IDS_CREDIT);
    return image;
}

}  // namespace

const ExtensionRecordImage& ExtensionRecord() {
    static const ExtensionRecordImage image = BuildImage();
    return image;
}

void CopyExtensionRecord(void* buffer) {
    std::memcpy(buffer, ExtensionRecord().data(), ExtensionRecord().size());
}
