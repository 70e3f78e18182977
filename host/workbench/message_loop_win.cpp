#include "host/workbench/message_loop_win.h"

#include <cstring>

namespace workbench {
namespace {

bool IsDialogWindow(HWND window) {
    char name[16];
    return GetClassNameA(window, name, sizeof name) && std::strcmp(name, "#32770") == 0;
}

void Handle(MSG& msg) {
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root && IsDialogWindow(root) && IsDialogMessageA(root, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

}  // namespace

int RunMessageLoop() {
    MSG msg;
    BOOL got;
    while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
        if (got == -1) return 1;
        Handle(msg);
    }
    return static_cast<int>(msg.wParam);
}

bool PumpFor(DWORD milliseconds) {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return false;
            }
            Handle(msg);
        }
        DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_ALLINPUT);
    }
}

}  // namespace workbench
