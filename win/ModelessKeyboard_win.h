// The keyboard of modeless dialogs that live in someone else's message loop.
//
// A host's loop translates its own accelerators for every message of its
// thread and never calls IsDialogMessage for a module's windows: left alone,
// Delete typed into a field deletes the host's object, Ctrl+V pastes into
// the host's document and Tab moves nowhere. A registered dialog gets its
// keys first instead. A message hook of the thread (WH_GETMESSAGE) sees each
// key message as the loop retrieves it; the dialog manager handles it
// (IsDialogMessage, which translates and dispatches it too), and the loop
// receives WM_NULL in its place, so that neither its accelerators nor its own
// IsDialogMessage handle the key a second time.
//
// Which keys are the dialog's: with the focus in an edit control, all of
// them; with the focus on another of its controls, the dialog's own keys
// (Tab, Escape, Enter, Space, the arrows), and any other key goes on to the
// host, so that its shortcuts still work after a click on a button. Nothing
// is taken while a menu is open or the window is being moved: the menu loop
// and the move loop read their own keys. The mouse, painting and every other
// message pass untouched.
#pragma once

#include <windows.h>

class ModelessKeyboard {
public:
    // The first registered dialog installs the hook in the calling thread.
    static void Add(HWND dialog);
    // The last one to go removes it.
    static void Remove(HWND dialog);
    // Removes the hook whatever is still registered. Code of an unloaded
    // module left in the thread's message path would crash the host, so the
    // module calls this before it is unloaded.
    static void Shutdown();
};
