#include "win/ModelessKeyboard_win.h"

#include "base/ModuleEntry.h"

namespace {

HHOOK hook = nullptr;
HWND activeDialog = nullptr;  // the dialog the hook is there for

bool IsDialogKey(const MSG& msg) {
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_KEYUP:
        switch (msg.wParam) {
        case VK_TAB:
        case VK_ESCAPE:
        case VK_RETURN:
        case VK_SPACE:
        case VK_LEFT:
        case VK_RIGHT:
        case VK_UP:
        case VK_DOWN: return true;
        }
        return false;
    case WM_CHAR:
        return msg.wParam == '\t' || msg.wParam == '\x1b' || msg.wParam == '\r' ||
               msg.wParam == ' ';
    }
    return false;
}

// A menu, the window menu or a move or size loop is running: it reads its
// keys itself.
bool InModalLoop() {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetCurrentThreadId(), &info)) return false;
    return (info.flags &
            (GUI_INMENUMODE | GUI_POPUPMENUMODE | GUI_SYSTEMMENUMODE | GUI_INMOVESIZE)) != 0;
}

bool IsEditControl(HWND window) {
    char name[8];
    return GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, "Edit") == 0;
}

// True when the key was the dialog's and has been handled.
bool HandleKey(MSG& msg) {
    if (!msg.hwnd) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (root != activeDialog) return false;
    bool dialogKey = IsDialogKey(msg);
    if (!dialogKey) {
        // Elsewhere than in an edit field, the host's.
        if (!IsEditControl(msg.hwnd)) return false;
        // Alt combinations may be the dialog's mnemonics.
        dialogKey = msg.message >= WM_SYSKEYDOWN && msg.message <= WM_SYSDEADCHAR;
    }
    if (InModalLoop()) return false;
    if (dialogKey) return IsDialogMessageA(root, &msg) != FALSE;
    // Any other key in an edit field: the dialog manager would translate and
    // dispatch it unchanged (the edit wants its characters), so that is done
    // here without asking the control again.
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    return true;
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM removal, LPARAM lp) {
    // PM_NOREMOVE: the message stays in the queue and is seen again when it
    // is taken. Inside the module's own work, the loop taking it is not the
    // host's main loop (see the header).
    if (code == HC_ACTION && removal == PM_REMOVE && !InsideModule()) {
        MSG& msg = *reinterpret_cast<MSG*>(lp);
        if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST &&
            GuardedEntry([&] { return HandleKey(msg); }, [] { return false; })) {
            msg.message = WM_NULL;
            msg.wParam = 0;
            msg.lParam = 0;
        }
    }
    // The hook handle is ignored here: the hook may already be gone, as when
    // Escape hid the panel.
    return CallNextHookEx(nullptr, code, removal, lp);
}

}  // namespace

void ModelessKeyboard::Activate(HWND dialog) {
    activeDialog = dialog;
    if (!hook)
        hook = SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId());
}

void ModelessKeyboard::Deactivate(HWND dialog) {
    if (dialog == activeDialog) Shutdown();
}

void ModelessKeyboard::Shutdown() {
    if (hook) UnhookWindowsHookEx(hook);
    hook = nullptr;
    activeDialog = nullptr;
}
