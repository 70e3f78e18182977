// The five entry points the host calls, and the module-wide state between
// those calls.

#include <windows.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "api/module_exports.h"
#include "api/tsxapi.h"
#include "app/Module_win.h"
#include "app/PanelApp_win.h"
#include "base/ModuleEntry.h"
#include "log/Log.h"
#include "panel/TransformPanel_win.h"
#include "plugin/ExtensionRecord.h"
#include "plugin/Lifecycle.h"
#include "win/ModelessKeyboard_win.h"

namespace {

constexpr int kApiVersion = 510;

class HostBridge : public ModuleHost {
public:
    std::optional<std::string> InstallDirectory() override {
        const char* dir = tsxGetTSDir(0);
        if (!dir) return std::nullopt;
        return std::string(dir);
    }
    PanelListener& CreatePanel(PanelNotifier& notifier) override {
        ReleaseClosedPanels();
        auto panel = std::make_unique<TransformPanel>(&notifier);
        panels.push_back(panel.get());
        return *panel.release();
    }

    // The module is being unloaded while the host goes on: a panel window
    // left standing would send its next message (a repaint, a mouse move,
    // the host's WM_ACTIVATEAPP) into code that is gone. So every panel goes
    // now, with its window, its controls' subclasses and its keyboard hook.
    // The host loads, calls and unloads the module on its user-interface
    // thread, the one that owns the panels; a window of another thread could
    // not be destroyed from here.
    void ReleaseAllPanels() {
        for (TransformPanel* panel : panels) delete panel;
        panels.clear();
    }

private:
    // A panel outlives its activation: one left open keeps working, and its
    // window lives until the host closes the main view that owns it, or
    // until the module is unloaded. One that its user closed can never be
    // shown again once a new activation begins (only the latest panel comes
    // back), so it goes then with its window, and closed panels do not pile
    // up over a long session.
    void ReleaseClosedPanels() {
        auto closed = std::stable_partition(panels.begin(), panels.end(),
                                            [](const TransformPanel* p) { return !p->IsClosed(); });
        for (auto it = closed; it != panels.end(); ++it) delete *it;
        panels.erase(closed, panels.end());
    }

    // Left alone when the process ends: its windows are the system's to
    // tear down then, not code's that runs while the process is exiting.
    std::vector<TransformPanel*> panels;
};

HostBridge hostBridge;
Lifecycle lifecycle(hostBridge);

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
    return GuardedEntry(
        [&] {
            if (reason == DLL_PROCESS_ATTACH) {
                SetModuleInstance(instance);
                TheModuleState().resourceInstance = instance;
                DisableThreadLibraryCalls(instance);
                ThePanelApp().Initialise(instance);
            }
            // Unloaded by the host (not at the process's end): nothing of
            // the module may stay in the thread's message path. The log
            // closes after this, as the module's objects are destroyed.
            if (reason == DLL_PROCESS_DETACH && !reserved) {
                hostBridge.ReleaseAllPanels();
                ModelessKeyboard::Shutdown();
            }
            return TRUE;
        },
        [] { return FALSE; });
}

int __cdecl tsxGetData(void* record, int) {
    return GuardedEntry(
        [&] {
            if (record) CopyExtensionRecord(record);
            return 0;
        },
        [] { return 0; });
}

int __cdecl tsxGetVersion(void) {
    return GuardedEntry([] { return kApiVersion; }, [] { return kApiVersion; });
}

int __cdecl tsxOnLeftClick(void) {
    return GuardedEntry(
        [] {
            lifecycle.OnLeftClick();
            return 0;
        },
        [] { return 0; });
}

void __cdecl tsxOnRightClick(void) {
    GuardedEntry([] { lifecycle.OnRightClick(); }, [] {});
}

void __cdecl tsxDeactivate(void) {
    GuardedEntry([] { lifecycle.OnDeactivate(); }, [] {});
}

}  // extern "C"
