// The five entry points the host calls, and the module-wide state between
// those calls.

#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "api/module_exports.h"
#include "api/tsxapi.h"
#include "app/Module_win.h"
#include "app/PanelApp_win.h"
#include "log/Log.h"
#include "panel/TransformPanel_win.h"
#include "plugin/ExtensionRecord.h"
#include "plugin/Lifecycle.h"
#include "plugin/ModuleState.h"
#include "win/ModelessKeyboard_win.h"

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
        ReleaseClosedPanels();
        panels.push_back(new TransformPanel(&notifier));
        return *panels.back();
    }

private:
    // A panel outlives its activation: one left open keeps working, and its
    // window lives until the host closes the main view that owns it. One
    // that its user closed can never be shown again once a new activation
    // begins (only the latest panel comes back), so it goes then with its
    // window, and closed panels do not pile up over a long session.
    void ReleaseClosedPanels() {
        auto closed = std::stable_partition(panels.begin(), panels.end(),
                                            [](const TransformPanel* p) { return !p->IsClosed(); });
        for (auto it = closed; it != panels.end(); ++it) delete *it;
        panels.erase(closed, panels.end());
    }

    // Those still open stay behind when the module is unloaded: their
    // windows are the host's to destroy, before that.
    std::vector<TransformPanel*> panels;
};

HostBridge hostBridge;
Lifecycle lifecycle(hostBridge);

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    if (reason == DLL_PROCESS_ATTACH) {
        SetModuleInstance(instance);
        moduleState.resourceInstance = instance;
        DisableThreadLibraryCalls(instance);
        ThePanelApp().Initialise(instance);
    }
    // Unloaded by the host (not at the process's end): nothing of the
    // module may stay in the thread's message path.
    if (reason == DLL_PROCESS_DETACH && !reserved) ModelessKeyboard::Shutdown();
    return TRUE;
}

int __cdecl tsxGetData(void* record, int) {
    ModuleStateGuard guard(moduleState);
    if (record) CopyExtensionRecord(record);
    return 0;
}

int __cdecl tsxGetVersion(void) {
    ModuleStateGuard guard(moduleState);
    return kApiVersion;
}

int __cdecl tsxOnLeftClick(void) {
    ModuleStateGuard guard(moduleState);
    lifecycle.OnLeftClick();
    return 0;
}

void __cdecl tsxOnRightClick(void) {
    ModuleStateGuard guard(moduleState);
    lifecycle.OnRightClick();
}

void __cdecl tsxDeactivate(void) {
    ModuleStateGuard guard(moduleState);
    lifecycle.OnDeactivate();
}

}  // extern "C"
