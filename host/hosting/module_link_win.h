// A host's hold on an extension module: the loaded library and its five
// entry points.
#pragma once

#include <windows.h>

#include <string>

#include "api/module_exports.h"
#include "host/hosting/extension_record.h"

namespace hosting {

class ModuleLink {
public:
    ModuleLink() = default;
    ModuleLink(const ModuleLink&) = delete;
    ModuleLink& operator=(const ModuleLink&) = delete;
    // Unloads the module: every window of the module must be gone by then.
    ~ModuleLink();

    // Loads the module and finds all five exports. On failure the module is
    // not kept and Error() names the file or the missing export.
    bool Load(const std::string& path);
    // Lets go of the module now (as the destructor does); its windows must
    // be gone.
    void Unload();
    const std::string& Error() const { return error; }
    const std::string& Path() const { return path; }
    HMODULE Handle() const { return module; }

    ExtensionInfo GetData() const;  // tsxGetData into a 100-byte buffer
    // The five entry points; each is a null pointer until Load succeeded.
    decltype(&tsxGetData) getData = nullptr;
    decltype(&tsxGetVersion) getVersion = nullptr;
    decltype(&tsxOnLeftClick) leftClick = nullptr;
    decltype(&tsxOnRightClick) rightClick = nullptr;
    decltype(&tsxDeactivate) deactivate = nullptr;

    // From the module's own resources; null / empty when it has none.
    HBITMAP LoadBitmapResource(int id) const;
    std::string LoadStringResource(int id) const;

private:
    HMODULE module = nullptr;
    std::string path;
    std::string error;
};

// "text of the system message (error N)".
std::string DescribeError(DWORD code);

}  // namespace hosting
