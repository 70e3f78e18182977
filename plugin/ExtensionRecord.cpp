#include "plugin/ExtensionRecord.h"

#include <cstring>

#include "res/resource.h"

namespace {

ExtensionRecordImage BuildImage() {
    ExtensionRecordImage image{};
    static const char kName[] = "Ortolan";
    static const char kDescription[] = "Was written by me";
    static_assert(sizeof(kName) <= kRecordNameWidth, "name fits its field");
    static_assert(sizeof(kDescription) <= kRecordDescriptionWidth, "description fits its field");
    std::memcpy(image.data(), kName, sizeof(kName));
    std::memcpy(image.data() + kRecordNameWidth, kDescription, sizeof(kDescription));
    const std::size_t ids = kRecordNameWidth + kRecordDescriptionWidth;
    image[ids + 0] = IDB_MODULE_ICON & 0xFF;
    image[ids + 1] = (IDB_MODULE_ICON >> 8) & 0xFF;
    image[ids + 2] = IDS_CREDIT & 0xFF;
    image[ids + 3] = (IDS_CREDIT >> 8) & 0xFF;
    return image;
}

}  // namespace

const ExtensionRecordImage& ExtensionRecord() {
    static const ExtensionRecordImage image = BuildImage();
    return image;
}

void CopyExtensionRecord(void* buffer) {
    std::memcpy(buffer, ExtensionRecord().data(), kExtensionRecordSize);
}
