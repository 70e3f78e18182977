// The five entry points the host calls, and the module-wide state between
// those calls.

#include <windows.h>

#include <string>

#include "api/tsxapi.h"
#include "app/Module_win.h"
#include "app/PanelApp_win.h"
#include "log/Log.h"
#include "panel/TransformPanel_win.h"
#include "plugin/ExtensionRecord.h"
#include "plugin/Lifecycle.h"
#include "plugin/ModuleState.h"

namespace {

constexpr int kApiVersion = 510;

ModuleState moduleState;

class HostBridge : public ModuleHost {
public:
    std::string InstallDirectory() override {
        const char* dir = tsxGetTSDir(0);
        return dir ? std::string(dir) : std::string();
    }
    PanelListener& CreatePanel(PanelNotifier& notifier) override {
        // Panels are never deleted: a panel outlives its activation and its
        // window lives until the host closes the main view that owns it.
        return *new TransformPanel(&notifier);
    }
};

HostBridge hostBridge;
Lifecycle lifecycle(hostBridge);

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        SetModuleInstance(instance);
        moduleState.resourceInstance = instance;
        DisableThreadLibraryCalls(instance);
        ThePanelApp().Initialise(instance);
    }
    return TRUE;
}

__declspec(dllexport) int __cdecl tsxGetData(void* record, int) {
    ModuleStateGuard guard(moduleState);
    if (record) CopyExtensionRecord(record);
    return 0;
}

__declspec(dllexport) int __cdecl tsxGetVersion(void) {
    ModuleStateGuard guard(moduleState);
    return kApiVersion;
}

__declspec(dllexport) int __cdecl tsxOnLeftClick(void) {
    ModuleStateGuard guard(moduleState);
    lifecycle.OnLeftClick();
    return 0;
}

__declspec(dllexport) void __cdecl tsxOnRightClick(void) {
    ModuleStateGuard guard(moduleState);
    lifecycle.OnRightClick();
}

__declspec(dllexport) void __cdecl tsxDeactivate(void) {
    ModuleStateGuard guard(moduleState);
    lifecycle.OnDeactivate();
}

}  // extern "C"
