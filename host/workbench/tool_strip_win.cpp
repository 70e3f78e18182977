#include "host/workbench/tool_strip_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "host/workbench/commands.h"
#include "host/hosting/window_win.h"

namespace workbench {
bool ToolStrip::Create(HWND parent, HINSTANCE instance) {
    if (!hosting::RegisterObjectClass<ToolStrip>(instance, kToolStripClass, GetSysColorBrush(COLOR_BTNFACE))) {
        return false;
    }
    CreateWindowExA(0, kToolStripClass, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 10, Height(), parent, nullptr,
                    instance, this);
    if (!hwnd) return false;

    LOGFONTA font{};
    HFONT gui = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    GetObjectA(gui, sizeof font, &font);
    font.lfWeight = FW_BOLD;
    boldFont.Reset(CreateFontIndirectA(&font));

    tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd, nullptr, instance, nullptr);
    if (tooltip) {
        TTTOOLINFOA tool{};
        // The version 5 size: the common controls without a manifest refuse a larger one.
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_SUBCLASS;
        tool.hwnd = hwnd;
        tool.uId = 1;
        tool.rect = IconRect();
        tool.lpszText = const_cast<char*>("");
        SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return true;
}

void ToolStrip::SetModule(HBITMAP bitmap, const std::string& moduleName, const std::string& moduleDescription,
                          const std::string& moduleCredit) {
    icon.Reset(bitmap);
    iconSize = SIZE{kFallbackSide, kFallbackSide};
    BITMAP info{};
    if (bitmap && GetObjectA(bitmap, sizeof info, &info)) iconSize = SIZE{info.bmWidth, info.bmHeight};
    name = moduleName;
    description = moduleDescription;
    credit = moduleCredit;
    UpdateTooltip();
    if (hwnd) InvalidateRect(hwnd, nullptr, TRUE);
}

int ToolStrip::Height() const { return std::max<int>(iconSize.cy, kFallbackSide) + 2 * kPad + 2; }

RECT ToolStrip::IconRect() const { return RECT{kPad + 2, kPad + 1, kPad + 2 + iconSize.cx, kPad + 1 + iconSize.cy}; }

bool ToolStrip::OverIcon(POINT at) const {
    RECT r = IconRect();
    return PtInRect(&r, at) != 0;
}

void ToolStrip::UpdateTooltip() {
    if (!tooltip) return;
    TTTOOLINFOA tool{};
    tool.cbSize = TTTOOLINFOA_V2_SIZE;
    tool.hwnd = hwnd;
    tool.uId = 1;
    tool.rect = IconRect();
    SendMessageA(tooltip, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&tool));
    tool.lpszText = const_cast<char*>(credit.c_str());  // the control copies the text
    SendMessageA(tooltip, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

LRESULT ToolStrip::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_LBUTTONDOWN: OnButtonDown({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
    case WM_LBUTTONUP: OnButtonUp({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
    case WM_RBUTTONUP: OnRightButtonUp({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); return 0;
    case WM_CAPTURECHANGED: OnCaptureLost(); return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void ToolStrip::OnButtonDown(POINT at) {
    if (!OverIcon(at)) return;
    pressed = true;
    SetCapture(hwnd);
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ToolStrip::OnButtonUp(POINT at) {
    if (!pressed) return;
    ReleaseCapture();  // clears `pressed` through WM_CAPTURECHANGED
    OnCaptureLost();
    if (OverIcon(at) && onLeftClick) onLeftClick();
}

void ToolStrip::OnCaptureLost() {
    if (!pressed) return;
    pressed = false;
    InvalidateRect(hwnd, nullptr, TRUE);
}

void ToolStrip::OnRightButtonUp(POINT at) {
    if (OverIcon(at) && onRightClick) onRightClick();
}

void ToolStrip::OnPaint() {
    PaintDC paint(hwnd);
    HDC dc = paint.Get();
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    RECT line{client.left, client.bottom - 2, client.right, client.bottom};
    DrawEdge(dc, &line, EDGE_ETCHED, BF_BOTTOM);

    RECT iconRect = IconRect();
    if (icon.Get()) {
        MemoryDC source(dc);
        Selection picked(source.Get(), icon.Get());
        int shift = pressed ? 1 : 0;
        BitBlt(dc, iconRect.left + shift, iconRect.top + shift, iconSize.cx, iconSize.cy, source.Get(), 0, 0, SRCCOPY);
    } else {
        // The module has no icon (yet): a plain grey square stands in.
        GdiObject<HBRUSH> grey(CreateSolidBrush(RGB(160, 160, 160)));
        FillRect(dc, &iconRect, grey.Get());
    }
    RECT frame{iconRect.left - 1, iconRect.top - 1, iconRect.right + 1, iconRect.bottom + 1};
    DrawEdge(dc, &frame, pressed ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    int textLeft = iconRect.right + 3 * kPad;
    int middle = (client.bottom - 2) / 2;
    {
        Selection font(dc, boldFont.Get() ? static_cast<HGDIOBJ>(boldFont.Get()) : GetStockObject(DEFAULT_GUI_FONT));
        RECT nameRect{textLeft, 0, client.right - kPad, middle};
        DrawTextA(dc, name.c_str(), -1, &nameRect, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    Selection font(dc, GetStockObject(DEFAULT_GUI_FONT));
    RECT descriptionRect{textLeft, middle + 1, client.right - kPad, client.bottom - 2};
    DrawTextA(dc, description.c_str(), -1, &descriptionRect,
              DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
}

}  // namespace workbench
