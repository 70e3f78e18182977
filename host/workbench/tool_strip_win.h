// The strip at the top of the workbench: the module's icon, which takes the
// left and right clicks a host gives its extension modules, and beside it
// the module's name and description. The icon's tooltip is the module's
// credit line.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "win/Gdi_win.h"

namespace workbench {

class ToolStrip {
public:
    ToolStrip() = default;
    ToolStrip(const ToolStrip&) = delete;
    ToolStrip& operator=(const ToolStrip&) = delete;

    bool Create(HWND parent, HINSTANCE instance);
    HWND Window() const { return hwnd; }

    // Takes the bitmap (null: the grey stand-in square).
    void SetModule(HBITMAP icon, const std::string& name, const std::string& description, const std::string& credit);
    int Height() const;
    RECT IconRect() const;

    std::function<void()> onLeftClick;
    std::function<void()> onRightClick;

    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
    HWND hwnd = nullptr;

private:
    void OnPaint();
    void OnButtonDown(POINT at);
    void OnButtonUp(POINT at);
    void OnRightButtonUp(POINT at);
    void OnCaptureLost();
    void UpdateTooltip();
    bool OverIcon(POINT at) const;

    static const int kPad = 4;
    static const int kFallbackSide = 32;

    GdiObject<HBITMAP> icon;
    SIZE iconSize{kFallbackSide, kFallbackSide};
    GdiObject<HFONT> boldFont;
    std::string name, description, credit;
    HWND tooltip = nullptr;  // owned by the strip, destroyed with it
    bool pressed = false;
};

}  // namespace workbench
