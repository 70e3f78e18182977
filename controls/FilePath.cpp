#include "controls/FilePath.h"

PathParts SplitPath(const std::string& path) {
    PathParts parts;
    size_t start = 0;
    if (path.size() >= 2 && path[1] == ':') {
        parts.drive = path.substr(0, 2);
        start = 2;
    }
    const size_t slash = path.find_last_of("\\/");
    size_t nameStart = start;
    if (slash != std::string::npos && slash >= start) {
        parts.directory = path.substr(start, slash + 1 - start);
        nameStart = slash + 1;
    }
    const size_t dot = path.find_last_of('.');
    if (dot != std::string::npos && dot >= nameStart) {
        parts.name = path.substr(nameStart, dot - nameStart);
        parts.extension = path.substr(dot);
    } else {
        parts.name = path.substr(nameStart);
    }
    return parts;
}

std::string FileNameWithExtension(const std::string& path) {
    const PathParts parts = SplitPath(path);
    return parts.name + parts.extension;
}
