// Paths as the module meets them: its own file name from the loader (the
// profile's application name) and file paths shown as captions. Any bytes.
//
// SplitPath cuts the path into pieces that put back together give the path:
// a drive that is empty or two characters ending in ':', a directory that is
// empty or ends in a separator, then a name and an extension without
// separators, the extension empty or starting at the name's last '.'.
// The application name is the last component after any '\', '/' or ':',
// without its extension unless the only '.' it has is its first character.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/Profile.h"
#include "controls/FilePath.h"
#include "fuzz_check.h"

namespace {

bool HasAny(const std::string& text, const char* characters) {
    return text.find_first_of(characters) != std::string::npos;
}

void CheckSplit(const std::string& path) {
    const PathParts p = SplitPath(path);
    const std::string text = Shown(path);
    const char* shown = text.c_str();
    REQUIRE(p.drive + p.directory + p.name + p.extension == path, "%s", shown);
    const bool hasDrive = path.size() >= 2 && path[1] == ':';
    REQUIRE(hasDrive ? p.drive == path.substr(0, 2) : p.drive.empty(), "%s: drive %s", shown,
            Shown(p.drive).c_str());
    REQUIRE(p.directory.empty() || p.directory.back() == '\\' || p.directory.back() == '/',
            "%s: directory %s", shown, Shown(p.directory).c_str());
    REQUIRE(!HasAny(p.name, "\\/") && !HasAny(p.extension, "\\/"), "%s: name %s, extension %s",
            shown, Shown(p.name).c_str(), Shown(p.extension).c_str());
    if (p.extension.empty())
        REQUIRE(p.name.find('.') == std::string::npos, "%s: name %s", shown, Shown(p.name).c_str());
    else
        REQUIRE(p.extension[0] == '.' && p.extension.find('.', 1) == std::string::npos,
                "%s: extension %s", shown, Shown(p.extension).c_str());
    REQUIRE(FileNameWithExtension(path) == p.name + p.extension, "%s", shown);
}

void CheckApplicationName(const std::string& path) {
    const std::string name = ApplicationNameFromPath(path);
    const size_t cut = path.find_last_of("\\/:");
    const std::string last = cut == std::string::npos ? path : path.substr(cut + 1);
    const std::string shown = Shown(path);
    REQUIRE(last.compare(0, name.size(), name) == 0, "%s: %s", shown.c_str(), Shown(name).c_str());
    const std::string extension = last.substr(name.size());
    if (extension.empty()) {
        const size_t dot = last.find('.');
        REQUIRE(dot == std::string::npos || (dot == 0 && last.find('.', 1) == std::string::npos),
                "%s: %s keeps its extension", shown.c_str(), Shown(name).c_str());
    } else {
        REQUIRE(!name.empty() && extension[0] == '.' && extension.find('.', 1) == std::string::npos,
                "%s: %s without %s", shown.c_str(), Shown(name).c_str(), Shown(extension).c_str());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path(reinterpret_cast<const char*>(data), size);
    CheckSplit(path);
    CheckApplicationName(path);
    return 0;
}
