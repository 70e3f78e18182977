// The workbench's main view: the window the stand-in hands out as the host's
// main view (tsxGetMainViewHwnd, the panel's parent) and invalidates on
// tsxSceneRefresh. It draws the stand-in's scene as wireframe boxes.
#pragma once

#include <windows.h>

#include <vector>

#include "host/workbench/wireframe.h"

namespace workbench {

class SceneView {
public:
    SceneView() = default;
    SceneView(const SceneView&) = delete;
    SceneView& operator=(const SceneView&) = delete;

    bool Create(HWND parent, HINSTANCE instance);
    HWND Window() const { return hwnd; }
    void Invalidate() const;

    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd = nullptr;

private:
    void OnPaint();
    void Draw(HDC dc, const RECT& client);
};

// The stand-in's objects as the view draws them, read through the hooks
// (the host API would journal every read).
std::vector<ViewObject> ReadScene();

}  // namespace workbench
