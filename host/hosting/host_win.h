// The smallest whole host: the module loaded beside the stand-in tsxapi.dll,
// a main view that owns the module's panels and takes the host's keys, and
// the host's message loop around them. The Wine tests and the panel
// benchmark run the module in it; the workbench builds its richer window on
// the same link, keys and loop.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "host/hosting/host_loop_win.h"
#include "host/hosting/module_link_win.h"

namespace hosting {

class Host {
public:
    // Resets the stand-in's scene and makes the main view, which the
    // stand-in hands out as tsxGetMainViewHwnd.
    explicit Host(LoopKind kind = LoopKind::Accelerators);
    // Destroys the main view, and with it every window of the module, then
    // unloads the module.
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    // Loads the module; tsxGetTSDir answers `installFolder` from now on.
    bool Load(const std::string& modulePath, const std::string& installFolder);
    // Destroys the main view with the module's windows (handling what that
    // leaves in the queue) and unloads the module, as a host that closes.
    void Close();
    // Unloads the module and leaves the main view standing, as a host that
    // frees its extensions before it closes its view (at exit, or from a
    // manager of its extensions).
    void UnloadModule() { module.Unload(); }
    // Destroys the main view, with the module's windows that it owns, and
    // makes a new one in its place, as a host that resets its layout or
    // opens a new document window does while the module stays loaded.
    void ReplaceView();

    const ModuleLink& Module() const { return module; }
    HWND View() const { return hwnd; }
    HostKeys& Keys() { return keys; }
    const MessageLoop& Loop() const { return loop; }
    // Top-level windows of this thread that the view owns: the panels.
    std::vector<HWND> Owned() const;
    // The buttons' messages, wheels and context menu requests that reached
    // the view, in order, since the last call: what a host's view acts on
    // (a click selects, a wheel zooms, a right click opens its menu).
    std::vector<UINT> TakePointerMessages();

    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd = nullptr;

private:
    ModuleLink module;
    HostKeys keys;
    MessageLoop loop;
    std::vector<UINT> pointerMessages;
};

}  // namespace hosting
