// The stand-in host's keys and message loop. A real host translates its own
// shortcuts for every message of its thread and never hands the module's
// windows to IsDialogMessage; the default loop here does the same, so that
// the module is tried under the loop it meets, not a kinder one.
#pragma once

#include <windows.h>

#include "host/hosting/loop_kind.h"

namespace hosting {

// The shortcuts of a modelling host, as its main window's accelerator
// table: Delete, Ctrl+C, Ctrl+V, Ctrl+Z, the digits, the arrows and F5.
// Each firing is counted, so that a test (and the workbench's status line)
// can tell when a key reached the host.
class HostKeys {
public:
    HostKeys();
    ~HostKeys();
    HostKeys(const HostKeys&) = delete;
    HostKeys& operator=(const HostKeys&) = delete;

    HACCEL Table() const { return table; }
    // The main window's WM_COMMAND from its accelerators: counts the key and
    // returns its name ("Delete", "Ctrl+V", "7", "Up", "F5"); null when
    // `command` is none of the host's keys.
    const char* OnCommand(int command);
    int Fired() const { return fired; }        // every key since the last Reset
    int Fired(const char* name) const;         // one key since the last Reset
    const char* Last() const { return last; }  // the latest one, or null
    void Reset();

private:
    HACCEL table = nullptr;
    int counts[32] = {};
    int fired = 0;
    const char* last = nullptr;
};

class MessageLoop {
public:
    // `mainWindow` receives the accelerators' WM_COMMAND; `keys` may be null
    // (no accelerators).
    MessageLoop(LoopKind kind, HWND mainWindow, HACCEL keys)
        : kind(kind), mainWindow(mainWindow), keys(keys) {}

    LoopKind Kind() const { return kind; }
    // The window that receives the accelerators' commands from now on.
    void SetMainWindow(HWND window) { mainWindow = window; }
    // One message retrieved from the queue, as the loop handles it.
    void Handle(MSG& msg) const;
    // Runs until WM_QUIT; returns its exit code.
    int Run() const;
    // Handles messages for about `milliseconds`. False when WM_QUIT came
    // (it is posted again so that an outer loop sees it too).
    bool PumpFor(DWORD milliseconds) const;
    // Handles what is waiting in the thread's queue now, and returns.
    void Drain() const;

private:
    // Retrieves one message (waiting for it, or only when one is there) and
    // handles it; false when there was none.
    bool Next(MSG& msg, bool wait) const;

    LoopKind kind;
    HWND mainWindow;
    HACCEL keys;
};

// A key's WM_KEYDOWN or WM_KEYUP for `target` put into the thread's queue as
// the system puts it there: posted, with the key's scan code, a repeat count
// of one and, for WM_KEYUP, the previous-state and transition bits.
void PostKey(HWND target, UINT message, UINT key);

// A key pressed and released on `target`, as the system queues it: posted
// WM_KEYDOWN and WM_KEYUP with the key's scan code, while the thread's key
// state shows the `modifiers` held (MOD_CONTROL, MOD_SHIFT). The loop
// retrieves them and handles what follows (the WM_CHAR of its translation)
// before the key state is put back.
void PressKey(const MessageLoop& loop, HWND target, UINT key, UINT modifiers = 0);
// Each character of `text` as the key that types it on the keyboard layout.
void TypeKeys(const MessageLoop& loop, HWND target, const char* text);

}  // namespace hosting
