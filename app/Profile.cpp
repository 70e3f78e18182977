#include "app/Profile.h"

std::string ApplicationNameFromPath(const std::string& modulePath) {
    const std::string::size_type slash = modulePath.find_last_of("\\/:");
    std::string name = slash == std::string::npos ? modulePath : modulePath.substr(slash + 1);
    const std::string::size_type dot = name.find_last_of('.');
    if (dot != std::string::npos && dot != 0) name.erase(dot);
    return name;
}

std::string ProfileKeyPath(const std::string& company, const std::string& application,
                           const std::string& section) {
    return "Software\\" + company + "\\" + application + "\\" + section;
}
