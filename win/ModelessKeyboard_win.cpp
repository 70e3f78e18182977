#include "win/ModelessKeyboard_win.h"

#include <algorithm>

#include "base/ModuleEntry.h"

namespace {

HHOOK hook = nullptr;
HWND activeDialog = nullptr;  // the dialog the hook is there for
InputPreview* activePreview = nullptr;

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

// The control of the dialog that holds the mouse, or null.
HWND CaptureInDialog(HWND dialog) {
    HWND capture = GetCapture();
    return capture && GetAncestor(capture, GA_ROOT) == dialog ? capture : nullptr;
}

// True when the key (or the wheel) was the dialog's and has been handled.
bool HandleKey(MSG& msg) {
    if (!msg.hwnd) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    if (root != activeDialog) return false;
    if (InModalLoop()) return false;
    if (msg.wParam == VK_ESCAPE && (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP)) {
        if (HWND holder = CaptureInDialog(root)) {
            msg.hwnd = holder;
            DispatchMessageA(&msg);
            return true;
        }
    }
    if (activePreview && activePreview->PreviewInput(msg)) return true;
    if (msg.message == WM_MOUSEWHEEL) return false;
    bool dialogKey = IsDialogKey(msg);
    if (!dialogKey) {
        // Elsewhere than in an edit field, the host's.
        if (!IsEditControl(msg.hwnd)) return false;
        // Alt combinations may be the dialog's mnemonics.
        dialogKey = msg.message >= WM_SYSKEYDOWN && msg.message <= WM_SYSDEADCHAR;
    }
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
        if (((msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
             msg.message == WM_MOUSEWHEEL) &&
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

void ModelessKeyboard::Activate(HWND dialog, InputPreview* preview) {
    activeDialog = dialog;
    activePreview = preview;
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
    activePreview = nullptr;
}

int TakeQueuedRepeats(const MSG& keyDown) {
    int presses = 0;
    MSG next;
    // Each look is at the first message of the keyboard that waits for the
    // window; the one taken is that same message.
    while (PeekMessageA(&next, keyDown.hwnd, WM_KEYFIRST, WM_KEYLAST, PM_NOREMOVE) &&
           (next.message == WM_KEYDOWN || next.message == WM_KEYUP) &&
           next.wParam == keyDown.wParam) {
        PeekMessageA(&next, keyDown.hwnd, next.message, next.message, PM_REMOVE);
        if (next.message == WM_KEYDOWN) presses += std::max(1, static_cast<int>(LOWORD(next.lParam)));
    }
    return presses;
}
