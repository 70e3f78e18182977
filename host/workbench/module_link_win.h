// The workbench's hold on an extension module: the loaded library and its
// five entry points.
#pragma once

#include <windows.h>

#include <string>

#include "host/workbench/extension_record.h"

namespace workbench {

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
    const std::string& Error() const { return error; }
    const std::string& Path() const { return path; }
    HMODULE Handle() const { return module; }

    ExtensionInfo GetData() const;  // tsxGetData into a 100-byte buffer
    int GetVersion() const;
    int LeftClick() const;
    void RightClick() const;
    void Deactivate() const;

    // From the module's own resources; null / empty when it has none.
    HBITMAP LoadBitmapResource(int id) const;
    std::string LoadStringResource(int id) const;

private:
    using GetDataFn = int(__cdecl*)(void* buffer, int size);
    using IntFn = int(__cdecl*)(void);
    using VoidFn = void(__cdecl*)(void);

    HMODULE module = nullptr;
    GetDataFn getData = nullptr;
    IntFn getVersion = nullptr;
    IntFn onLeftClick = nullptr;
    VoidFn onRightClick = nullptr;
    VoidFn deactivate = nullptr;
    std::string path;
    std::string error;
};

// "text of the system message (error N)".
std::string DescribeError(DWORD code);

}  // namespace workbench
