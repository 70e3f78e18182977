// The keyboard of modeless dialogs that live in someone else's message loop.
//
// A host's loop translates its own accelerators for every message of its
// thread and never calls IsDialogMessage for a module's windows: left alone,
// Delete typed into a field deletes the host's object, Ctrl+V pastes into
// the host's document and Tab moves nowhere. A registered dialog gets its
// keys first instead. A message hook of the thread (WH_GETMESSAGE) sees each
// key message as the loop retrieves it, takes the dialog's, and leaves the
// loop a message of the dialog's own in its place, which no accelerator and
// no IsDialogMessage of the host's mistakes for a key. The loop dispatches
// that to the dialog, whose procedure hands it back here
// (OnDialogMessage), and the dialog manager handles the key then
// (IsDialogMessage, which translates and dispatches it too). The key is not
// handled inside the hook because the system calls a hook from its own code
// in the middle of the loop's GetMessage: an exception of the host's own
// raised in that handling (in a host call of the apply that the key starts)
// would have to pass the system's frames on its way to the host's loop,
// which 64-bit Windows does not let a 32-bit program's exception do. Handled
// in the dialog's procedure, it is dispatched by the host's loop like any
// message of any window.
//
// Which keys are the dialog's: with the focus in an edit control, all of
// them; with the focus on another of its controls, the dialog's own keys
// (Tab, Escape, Enter, Space, the arrows), and any other key goes on to the
// host, so that its shortcuts still work after a click on a button. Nothing
// is taken while a menu is open or the window is being moved: the menu loop
// and the move loop read their own keys. The mouse, painting and every other
// message pass untouched.
//
// Two things come before the dialog manager. While a control of the dialog
// holds the mouse (a drag, a button held down), Escape goes to that control,
// as the system's own move and menu loops take it, instead of to the
// dialog's cancel. And the dialog may look at each key and wheel message
// first (InputPreview), to handle what its controls do differently from the
// dialog manager's way: the wheel stays the control's own unless taken there.
//
// What it costs the host: the hook is there only while a registered dialog
// is the active window, where the user's keys go. While the user works
// elsewhere, the host's messages pass through no code of the module. And
// while the module itself is at work (inside any of its entries: an apply
// that calls the host, a command, a message box), every message passes
// untouched too: a loop retrieving messages then is one that the host, or
// the system, runs inside that work (an abort check that looks for Escape, a
// progress loop, a dialog), and the keys it reads are its own.
#pragma once

#include <windows.h>

class InputPreview {
public:
    // A key or wheel message for a window of the active dialog, before the
    // dialog manager sees it: true when it has been handled, and is done.
    virtual bool PreviewInput(MSG& msg) = 0;

protected:
    ~InputPreview() = default;
};

class ModelessKeyboard {
public:
    // The dialog became the active window (WM_ACTIVATE, WA_ACTIVE or
    // WA_CLICKACTIVE): its keys are taken from here on, and shown to
    // `preview` first when there is one.
    static void Activate(HWND dialog, InputPreview* preview = nullptr);
    // The dialog is no longer active (WA_INACTIVE), or is going
    // (WM_NCDESTROY): the hook goes, unless another dialog is active now.
    static void Deactivate(HWND dialog);
    // Removes the hook whatever is active. Code of an unloaded module left
    // in the thread's message path would crash the host, so the module
    // calls this before it is unloaded.
    static void Shutdown();
    // The dialog's procedure hands each message here first: true when it was
    // one that stands for a key taken from the host's loop, now handled.
    static bool OnDialogMessage(HWND dialog, UINT message, WPARAM wp);
};

// The key-downs of the same key for the same window that wait in the queue
// right behind `keyDown` (a key held while the thread was busy: the
// keyboard's repeats pile up), taken out of it with the releases among them:
// how many presses they count, repeat counts included. The run ends at any
// other input: another key or a character, so that none is taken or
// passed, and any message of the mouse, so that the keys after a click into
// another field go to that field.
int TakeQueuedRepeats(const MSG& keyDown);

