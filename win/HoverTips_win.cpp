#include "win/HoverTips_win.h"

#include <commctrl.h>

#include "win/CommonControls_win.h"

void HoverTips::OnSetCursor(HWND dialog, HWND under, UINT mouseMessage) {
    // Over a part that answers its hit tests as non-client (a dialog whose
    // bare surface is all caption) the message may be a non-client one; the
    // tooltip knows the client ones.
    if (mouseMessage >= WM_NCMOUSEMOVE && mouseMessage <= WM_NCMBUTTONDBLCLK)
        mouseMessage += WM_MOUSEMOVE - WM_NCMOUSEMOVE;
    if (mouseMessage < WM_MOUSEFIRST || mouseMessage > WM_MOUSELAST || !under) return;
    if (!tooltip) {
        if (under == dialog || !textOf(GetDlgCtrlID(under))) return;  // nothing to tell yet
        if (!Create(dialog)) return;
    }
    POINT screen{};
    GetCursorPos(&screen);
    POINT client = screen;
    ScreenToClient(under, &client);
    MSG relayed{under,
                mouseMessage,
                0,
                MAKELPARAM(client.x, client.y),
                static_cast<DWORD>(GetMessageTime()),
                screen};
    SendMessageA(tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void HoverTips::Pop() {
    if (tooltip) SendMessageA(tooltip, TTM_POP, 0, 0);
}

void HoverTips::Reset() {
    if (tooltip && IsWindow(tooltip)) DestroyWindow(tooltip);
    tooltip = nullptr;
}

bool HoverTips::Create(HWND dialog) {
    if (!RequireCommonControls(ICC_BAR_CLASSES)) return false;  // the tooltip's class
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    tooltip = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog,
                              nullptr, instance, nullptr);
    if (!tooltip) return false;
    // Long tips wrap at the dialog's width, which grows with its font.
    RECT client{};
    GetClientRect(dialog, &client);
    SendMessageA(tooltip, TTM_SETMAXTIPWIDTH, 0, client.right);
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const char* text = textOf(GetDlgCtrlID(child));
        if (!text) continue;
        TTTOOLINFOA tool{};
        // The record's size that every comctl32 since 4.70 accepts: version
        // 5, which a host without a manifest for version 6 gives the module,
        // refuses the larger record the headers declare for version 6.
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        tool.uFlags = TTF_IDISHWND;  // the whole control; no subclass (no TTF_SUBCLASS)
        tool.hwnd = dialog;
        tool.uId = reinterpret_cast<UINT_PTR>(child);
        tool.lpszText = const_cast<char*>(text);  // copied by the tooltip
        SendMessageA(tooltip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return true;
}
