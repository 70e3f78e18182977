// Tips for the controls of a dialog: when the pointer rests on a control, a
// tooltip says what it does.
//
// What it costs: nothing until the pointer first rests on a control that has
// a tip, then one message to the tooltip per pointer event over the dialog.
// The tooltip window is made at that first need, not when the dialog opens.
// No control is subclassed for it (a subclassed message costs a window
// property lookup, under Wine a server round trip, and the edits see every
// keystroke): the default procedure of a child window asks its parent first
// about the cursor (WM_SETCURSOR, with the child under the pointer and the
// mouse message that moved it), so the dialog hears of every pointer event
// over any of its controls and hands it on to the tooltip (TTM_RELAYEVENT).
// A static control without SS_NOTIFY passes the pointer through to what lies
// beneath it, so a control drawn over a picture gets its tip too.
//
// The tooltip is owned by the dialog: it stays above it and goes with it.
#pragma once

#include <windows.h>

class HoverTips {
public:
    // The tip of the control with dialog id `id`; null for none.
    using TextOf = const char* (*)(int id);

    explicit HoverTips(TextOf textOf) : textOf(textOf) {}
    ~HoverTips() { Reset(); }
    HoverTips(const HoverTips&) = delete;
    HoverTips& operator=(const HoverTips&) = delete;

    // The dialog's WM_SETCURSOR: `under` is the window under the pointer (the
    // dialog or one of its controls), `mouseMessage` what the pointer did (0
    // when it did nothing). The dialog still answers FALSE, so that the
    // control sets its own cursor.
    void OnSetCursor(HWND dialog, HWND under, UINT mouseMessage);
    // The dialog is hidden: a tip showing goes with it.
    void Pop();
    // Destroys the tooltip window, when there is one, and forgets it. A
    // dialog being destroyed has its owned windows destroyed first: at its
    // WM_DESTROY this only forgets a handle that must not be used again.
    void Reset();

    HWND Window() const { return tooltip; }

private:
    bool Create(HWND dialog);

    TextOf textOf;
    HWND tooltip = nullptr;
};
