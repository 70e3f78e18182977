// Splitting a Windows path into drive, directory, file name and extension
// the way the C runtime's _splitpath does, without depending on it: the
// native build has no _splitpath, and the rules are small.
#pragma once

#include <string>

struct PathParts {
    std::string drive;      // "C:" or empty
    std::string directory;  // up to and including the last '\' or '/'
    std::string name;       // file name without its extension
    std::string extension;  // from the last '.' of the file name on, or empty
};

PathParts SplitPath(const std::string& path);

// The file name immediately followed by its extension: what is left of a
// path without its drive and directory.
std::string FileNameWithExtension(const std::string& path);
