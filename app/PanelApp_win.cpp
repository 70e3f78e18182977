#include "app/PanelApp_win.h"

#include <vector>

#include "app/Profile.h"

namespace {

class RegistryKey {
public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key) RegCloseKey(key);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY* Receive() { return &key; }
    HKEY Get() const { return key; }

private:
    HKEY key = nullptr;
};

std::string ModulePath(HINSTANCE module) {
    std::vector<char> path(MAX_PATH);
    for (;;) {
        DWORD length = GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return std::string();
        if (length < path.size()) return std::string(path.data(), length);
        path.resize(path.size() * 2);
    }
}

}  // namespace

PanelApp& ThePanelApp() {
    static PanelApp app;
    return app;
}

void PanelApp::Initialise(HINSTANCE module) {
    applicationName = ApplicationNameFromPath(ModulePath(module));
    registryKey = kProfileCompany;
}

int PanelApp::GetProfileInt(const char* section, const char* entry, int fallback) const {
    RegistryKey key;
    const std::string path = ProfileKeyPath(registryKey, applicationName, section);
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Receive()) != ERROR_SUCCESS)
        return fallback;
    DWORD type = 0;
    DWORD value = 0;
    DWORD size = sizeof value;
    if (RegQueryValueExA(key.Get(), entry, nullptr, &type, reinterpret_cast<BYTE*>(&value),
                         &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return fallback;
    return static_cast<int>(value);
}

bool PanelApp::WriteProfileInt(const char* section, const char* entry, int value) const {
    RegistryKey key;
    const std::string path = ProfileKeyPath(registryKey, applicationName, section);
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                        key.Receive(), nullptr) != ERROR_SUCCESS)
        return false;
    const DWORD data = static_cast<DWORD>(value);
    return RegSetValueExA(key.Get(), entry, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                          sizeof data) == ERROR_SUCCESS;
}
