// The workbench's main window: menu, the module's tool strip, the list of
// scene objects, the main view and a status line with the last host call.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "host/hosting/host_loop_win.h"
#include "host/hosting/module_link_win.h"
#include "host/workbench/scene_view_win.h"
#include "host/workbench/tool_strip_win.h"

namespace workbench {

class MainWindow {
public:
    explicit MainWindow(const hosting::ModuleLink& module) : module(module) {}
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow();

    // Creates and shows the window at `bounds` (screen coordinates).
    bool Create(HINSTANCE instance, const RECT& bounds);
    HWND Window() const { return hwnd; }
    HWND View() const { return view.Window(); }
    // The host's shortcuts; each one that fires is named in the status line.
    hosting::HostKeys& Keys() { return keys; }

    // What the icon, the menu and the list do; the demo runs the same.
    void LeftClickIcon();
    void RightClickIcon();
    void DeactivateModule();
    void ResetScene();
    void ChooseObject(int listIndex);  // 0 = "(nothing)"

    // Brings the list and the view up to date with the stand-in's scene.
    void SyncScene(bool force);
    // The status line.
    void SetStatus(const std::string& text);

    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd = nullptr;

private:
    static void __cdecl OnHostCall(const char* line, void* context);
    void OnCreate();
    void OnDestroy();
    void OnSize(int width, int height);
    void OnCommand(int id, int code);
    void ShowModule();

    const hosting::ModuleLink& module;
    hosting::HostKeys keys;
    ToolStrip strip;
    SceneView view;
    HWND list = nullptr;
    HWND status = nullptr;
    HINSTANCE instance = nullptr;
    // What the list shows: (id, name) per object, and the selected row.
    std::vector<std::pair<int, std::string>> listed;
    int listedSelection = -1;
};

}  // namespace workbench
