#include "host/workbench/module_link_win.h"

#include <cstdint>

namespace workbench {

std::string DescribeError(DWORD code) {
    char* text = nullptr;
    DWORD length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                      FORMAT_MESSAGE_IGNORE_INSERTS,
                                  nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length && text ? std::string(text, length) : std::string("unknown error");
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message + " (error " + std::to_string(code) + ")";
}

ModuleLink::~ModuleLink() {
    if (module) FreeLibrary(module);
}

bool ModuleLink::Load(const std::string& requested) {
    char full[MAX_PATH * 2];
    DWORD length = GetFullPathNameA(requested.c_str(), sizeof full, full, nullptr);
    path = length && length < sizeof full ? std::string(full, length) : requested;
    // Altered search path: the module's own imports (tsxapi.dll) are looked
    // for in its folder first, as the real host arranges.
    HMODULE loaded = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!loaded) {
        error = "cannot load the module " + path + ": " + DescribeError(GetLastError());
        return false;
    }
    struct Export {
        const char* name;
        FARPROC* slot;
    };
    FARPROC found[5] = {};
    const Export exports[] = {{"tsxGetData", &found[0]},
                              {"tsxGetVersion", &found[1]},
                              {"tsxOnLeftClick", &found[2]},
                              {"tsxOnRightClick", &found[3]},
                              {"tsxDeactivate", &found[4]}};
    for (const Export& e : exports) {
        *e.slot = GetProcAddress(loaded, e.name);
        if (!*e.slot) {
            error = "the module " + path + " has no export " + e.name;
            FreeLibrary(loaded);
            return false;
        }
    }
    module = loaded;
    getData = reinterpret_cast<GetDataFn>(reinterpret_cast<void*>(found[0]));
    getVersion = reinterpret_cast<IntFn>(reinterpret_cast<void*>(found[1]));
    onLeftClick = reinterpret_cast<IntFn>(reinterpret_cast<void*>(found[2]));
    onRightClick = reinterpret_cast<VoidFn>(reinterpret_cast<void*>(found[3]));
    deactivate = reinterpret_cast<VoidFn>(reinterpret_cast<void*>(found[4]));
    error.clear();
    return true;
}

ExtensionInfo ModuleLink::GetData() const {
    // A little slack behind the record: a module that writes past 100 bytes
    // spoils the slack, not the workbench's stack.
    std::uint8_t buffer[kRecordSize + 28] = {};
    if (getData) getData(buffer, static_cast<int>(kRecordSize));
    std::uint8_t record[kRecordSize];
    for (size_t i = 0; i < kRecordSize; ++i) record[i] = buffer[i];
    return DecodeExtensionRecord(record);
}

int ModuleLink::GetVersion() const { return getVersion ? getVersion() : 0; }
int ModuleLink::LeftClick() const { return onLeftClick ? onLeftClick() : 0; }
void ModuleLink::RightClick() const {
    if (onRightClick) onRightClick();
}
void ModuleLink::Deactivate() const {
    if (deactivate) deactivate();
}

HBITMAP ModuleLink::LoadBitmapResource(int id) const {
    if (!module || id <= 0) return nullptr;
    return LoadBitmapA(module, MAKEINTRESOURCEA(id));
}

std::string ModuleLink::LoadStringResource(int id) const {
    if (!module || id <= 0) return std::string();
    char text[512];
    int length = LoadStringA(module, static_cast<UINT>(id), text, sizeof text);
    return length > 0 ? std::string(text, length) : std::string();
}

}  // namespace workbench
