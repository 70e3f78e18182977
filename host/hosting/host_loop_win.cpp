#include "host/hosting/host_loop_win.h"

#include <cstring>

#include "host/hosting/host_exception_win.h"

namespace hosting {
namespace {

const WORD kFirstKeyCommand = 0x7100;

struct Key {
    BYTE modifiers;
    WORD key;
    const char* name;
};

const Key kKeys[] = {
    {0, VK_DELETE, "Delete"},
    {FCONTROL, 'C', "Ctrl+C"},
    {FCONTROL, 'V', "Ctrl+V"},
    {FCONTROL, 'Z', "Ctrl+Z"},
    {0, '0', "0"},
    {0, '1', "1"},
    {0, '2', "2"},
    {0, '3', "3"},
    {0, '4', "4"},
    {0, '5', "5"},
    {0, '6', "6"},
    {0, '7', "7"},
    {0, '8', "8"},
    {0, '9', "9"},
    {0, VK_LEFT, "Left"},
    {0, VK_RIGHT, "Right"},
    {0, VK_UP, "Up"},
    {0, VK_DOWN, "Down"},
    {0, VK_F5, "F5"},
};
constexpr int kKeyCount = sizeof kKeys / sizeof kKeys[0];

bool IsDialogWindow(HWND window) {
    char name[16];
    return GetClassNameA(window, name, sizeof name) && std::strcmp(name, "#32770") == 0;
}

}  // namespace

HostKeys::HostKeys() {
    static_assert(kKeyCount <= sizeof counts / sizeof counts[0], "a counter for each key");
    ACCEL entries[kKeyCount];
    for (int i = 0; i < kKeyCount; ++i)
        entries[i] = ACCEL{static_cast<BYTE>(FVIRTKEY | kKeys[i].modifiers), kKeys[i].key,
                           static_cast<WORD>(kFirstKeyCommand + i)};
    table = CreateAcceleratorTableA(entries, kKeyCount);
}

HostKeys::~HostKeys() {
    if (table) DestroyAcceleratorTable(table);
}

const char* HostKeys::OnCommand(int command) {
    const int index = command - kFirstKeyCommand;
    if (index < 0 || index >= kKeyCount) return nullptr;
    ++counts[index];
    ++fired;
    last = kKeys[index].name;
    return last;
}

int HostKeys::Fired(const char* name) const {
    for (int i = 0; i < kKeyCount; ++i)
        if (std::strcmp(kKeys[i].name, name) == 0) return counts[i];
    return 0;
}

void HostKeys::Reset() {
    for (int& count : counts) count = 0;
    fired = 0;
    last = nullptr;
}

void MessageLoop::Handle(MSG& msg) const {
    if (kind == LoopKind::Dialog) {
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root && IsDialogWindow(root) && IsDialogMessageA(root, &msg)) return;
    }
    if (kind != LoopKind::Plain && keys && TranslateAcceleratorA(mainWindow, keys, &msg)) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}

// A message is retrieved and handled within the handler of the host's own
// exceptions, as a host's loop does its work: a call that the host ends with
// one (raised in the module's call of it, say) ends there, and the loop goes
// on with the next message. The retrieval is inside too: a message hook of
// the thread runs there, and may handle the message itself.
bool MessageLoop::Next(MSG& msg, bool wait) const {
    bool got = false;
    CatchHostException([&] {
        if (wait) {
            const BOOL result = GetMessageA(&msg, nullptr, 0, 0);
            if (result == -1) msg = MSG{nullptr, WM_QUIT, 1, 0, 0, {}};
            got = true;
            if (result <= 0) return;
        } else {
            if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) return;
            got = true;
            if (msg.message == WM_QUIT) return;
        }
        Handle(msg);
    });
    return got;
}

int MessageLoop::Run() const {
    MSG msg;
    while (Next(msg, true))
        if (msg.message == WM_QUIT) return static_cast<int>(msg.wParam);
    return 1;
}

bool MessageLoop::PumpFor(DWORD milliseconds) const {
    DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (Next(msg, false)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                return false;
            }
        }
        DWORD spent = GetTickCount() - start;
        if (spent >= milliseconds) return true;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, milliseconds - spent, QS_ALLINPUT);
    }
}

void MessageLoop::Drain() const {
    MSG msg;
    while (Next(msg, false)) {}
}

void PostKey(HWND target, UINT message, UINT key) {
    const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC)) << 16;
    PostMessageA(target, message, key, scan | (message == WM_KEYUP ? 0xC0000001 : 1));
}

void PressKey(const MessageLoop& loop, HWND target, UINT key, UINT modifiers) {
    BYTE before[256];
    GetKeyboardState(before);
    BYTE held[256];
    CopyMemory(held, before, sizeof held);
    held[VK_CONTROL] = held[VK_LCONTROL] = (modifiers & MOD_CONTROL) ? 0x80 : 0;
    held[VK_SHIFT] = held[VK_LSHIFT] = (modifiers & MOD_SHIFT) ? 0x80 : 0;
    SetKeyboardState(held);
    PostKey(target, WM_KEYDOWN, key);
    loop.Drain();
    PostKey(target, WM_KEYUP, key);
    loop.Drain();
    SetKeyboardState(before);
}

void TypeKeys(const MessageLoop& loop, HWND target, const char* text) {
    for (const char* c = text; c && *c; ++c) {
        const SHORT found = VkKeyScanA(*c);
        if (found == -1) continue;
        PressKey(loop, target, LOBYTE(found), (HIBYTE(found) & 1) ? MOD_SHIFT : 0);
    }
}

}  // namespace hosting
