#include "box_watch.h"

#include <windows.h>

namespace harness {
namespace {

// The win32 thread model of the runtime has no std::mutex.
class Lock {
public:
    Lock() { InitializeCriticalSection(&section); }
    void Enter() { EnterCriticalSection(&section); }
    void Leave() { LeaveCriticalSection(&section); }

private:
    CRITICAL_SECTION section;
};

class Hold {
public:
    explicit Hold(Lock& lock) : lock(lock) { lock.Enter(); }
    ~Hold() { lock.Leave(); }

private:
    Lock& lock;
};

Lock boxesLock;
std::vector<std::string> dismissedBoxes;
void (*volatile boxSeen)(HWND) = nullptr;

// Reads and dismisses a visible dialog box of this process unless it is a panel.
BOOL CALLBACK DismissBox(HWND window, LPARAM) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0) return TRUE;
    if (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) return TRUE;  // a panel
    char text[512] = {};
    GetDlgItemTextA(window, 0xFFFF, text, sizeof text);  // the message box's text
    if (boxSeen) boxSeen(window);
    {
        Hold hold(boxesLock);
        dismissedBoxes.push_back(text);
    }
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    PostMessageA(window, WM_COMMAND, IDCANCEL, 0);
    return TRUE;
}

DWORD WINAPI BoxWatcher(void*) {
    for (;;) {
        EnumWindows(DismissBox, 0);
        Sleep(100);
    }
}

}  // namespace

void StartBoxWatcher() { CreateThread(nullptr, 0, BoxWatcher, nullptr, 0, nullptr); }

void OnEveryBox(void (*seen)(HWND)) { boxSeen = seen; }

std::vector<std::string> TakeDismissedBoxes() {
    Hold hold(boxesLock);
    std::vector<std::string> boxes;
    boxes.swap(dismissedBoxes);
    return boxes;
}

}  // namespace harness
