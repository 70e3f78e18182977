#include "host/hosting/module_link_win.h"

#include <cstdint>
#include <cstring>

namespace hosting {

std::string DescribeError(DWORD code) {
    char* text = nullptr;
    DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length && text ? std::string(text, length) : std::string("unknown error");
    if (text) LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.')) {
        message.pop_back();
    }
    return message + " (error " + std::to_string(code) + ")";
}

ModuleLink::~ModuleLink() { Unload(); }

void ModuleLink::Unload() {
    if (module) FreeLibrary(module);
    module = nullptr;
    getData = nullptr;
    getVersion = nullptr;
    leftClick = nullptr;
    rightClick = nullptr;
    deactivate = nullptr;
}

namespace {

template <class Function>
bool Resolve(HMODULE module, const char* name, Function& slot) {
    slot = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return slot != nullptr;
}

}  // namespace

bool ModuleLink::Load(const std::string& requested) {
    Unload();
    char full[MAX_PATH * 2];
    DWORD length = GetFullPathNameA(requested.c_str(), sizeof full, full, nullptr);
    path = length && length < sizeof full ? std::string(full, length) : requested;
    // Altered search path: the module's own imports (tsxapi.dll) are looked
    // for in its folder first, as the real host arranges.
    module = LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (!module) {
        error = "cannot load the module " + path + ": " + DescribeError(GetLastError());
        return false;
    }
    const char* missing = nullptr;
    if (!Resolve(module, "tsxGetData", getData))
        missing = "tsxGetData";
    else if (!Resolve(module, "tsxGetVersion", getVersion))
        missing = "tsxGetVersion";
    else if (!Resolve(module, "tsxOnLeftClick", leftClick))
        missing = "tsxOnLeftClick";
    else if (!Resolve(module, "tsxOnRightClick", rightClick))
        missing = "tsxOnRightClick";
    else if (!Resolve(module, "tsxDeactivate", deactivate))
        missing = "tsxDeactivate";
    if (missing) {
        error = "the module " + path + " has no export " + missing;
        Unload();
        return false;
    }
    error.clear();
    return true;
}

ExtensionInfo ModuleLink::GetData() const {
    // A little slack behind the record: a module that writes past 100 bytes
    // spoils the slack, not the host's stack.
    std::uint8_t buffer[extension_record::kSize + 28] = {};
    if (getData) getData(buffer, static_cast<int>(extension_record::kSize));
    std::uint8_t record[extension_record::kSize];
    std::memcpy(record, buffer, sizeof record);
    return DecodeExtensionRecord(record);
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

}  // namespace hosting
