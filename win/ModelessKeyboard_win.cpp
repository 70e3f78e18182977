#include "win/ModelessKeyboard_win.h"

#include <algorithm>
#include <vector>

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

// Whether a key (or the wheel) that the host's loop has just retrieved is
// the active dialog's: every key while an edit field has the focus, the
// dialog's own keys elsewhere, the wheel over any of its windows (the
// preview may want it).
bool IsTheDialogs(const MSG& msg) {
    if (!msg.hwnd || GetAncestor(msg.hwnd, GA_ROOT) != activeDialog) return false;
    if (InModalLoop()) return false;
    if (msg.message == WM_MOUSEWHEEL) return activePreview != nullptr;
    return IsDialogKey(msg) || IsEditControl(msg.hwnd);
}

// The keys taken from the host's loop, each until the loop dispatches the
// message that stands in its place: one at a time in any ordinary loop.
struct Taken {
    WPARAM id;
    MSG msg;
};
std::vector<Taken> taken;
WPARAM lastTaken = 0;

UINT TakenMessage() {
    static const UINT message = RegisterWindowMessageA("OrtolanTakenInput");
    return message;
}

// The key handled as the dialog manager would, with what comes first: the
// Escape of a control that holds the mouse, and the preview.
void HandleTaken(HWND dialog, MSG& msg) {
    if (msg.wParam == VK_ESCAPE && (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP)) {
        if (HWND holder = CaptureInDialog(dialog)) {
            msg.hwnd = holder;
            DispatchMessageA(&msg);
            return;
        }
    }
    if (activePreview && activePreview->PreviewInput(msg)) return;
    // Alt combinations may be the dialog's mnemonics.
    const bool dialogKey =
        IsDialogKey(msg) || (msg.message >= WM_SYSKEYDOWN && msg.message <= WM_SYSDEADCHAR);
    if (dialogKey) {
        IsDialogMessageA(dialog, &msg);
        return;
    }
    // Any other key in an edit field: the dialog manager would translate and
    // dispatch it unchanged (the edit wants its characters), so that is done
    // here without asking the control again. The wheel goes to its window.
    if (msg.message != WM_MOUSEWHEEL) TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM removal, LPARAM lp) {
    // PM_NOREMOVE: the message stays in the queue and is seen again when it
    // is taken. Inside the module's own work, the loop taking it is not the
    // host's main loop (see the header).
    if (code == HC_ACTION && removal == PM_REMOVE && !InsideModule()) {
        MSG& msg = *reinterpret_cast<MSG*>(lp);
        if (((msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) ||
             msg.message == WM_MOUSEWHEEL) &&
            GuardedEntry([&] { return IsTheDialogs(msg); }, [] { return false; })) {
            taken.push_back({++lastTaken, msg});
            msg = MSG{activeDialog, TakenMessage(), lastTaken, 0, msg.time, msg.pt};
        }
    }
    // The hook handle is ignored here: the hook may already be gone.
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
    taken.clear();
}

bool ModelessKeyboard::OnDialogMessage(HWND dialog, UINT message, WPARAM wp) {
    if (message != TakenMessage() || taken.empty()) return false;
    // Taken before this one and never dispatched (a loop that dropped them):
    // gone.
    auto it = std::find_if(taken.begin(), taken.end(), [&](const Taken& t) { return t.id == wp; });
    if (it == taken.end()) return false;
    MSG msg = it->msg;
    taken.erase(taken.begin(), it + 1);
    HandleTaken(dialog, msg);
    return true;
}

int TakeQueuedRepeats(const MSG& keyDown) {
    int presses = 0;
    MSG next;
    // Each look is at the first message of the keyboard or the mouse that
    // waits for any window of the thread, the mouse's non-client ones
    // included (a press on the bare panel is one): the next of them that the
    // loop would retrieve. The one taken is that same message.
    while (PeekMessageA(&next, nullptr, WM_NCMOUSEMOVE, WM_MOUSELAST, PM_NOREMOVE) &&
           next.hwnd == keyDown.hwnd && (next.message == WM_KEYDOWN || next.message == WM_KEYUP) &&
           next.wParam == keyDown.wParam) {
        PeekMessageA(&next, keyDown.hwnd, next.message, next.message, PM_REMOVE);
        if (next.message == WM_KEYDOWN) presses += std::max(1, static_cast<int>(LOWORD(next.lParam)));
    }
    return presses;
}
