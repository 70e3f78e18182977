// Driving windows as the Wine tests and the panel benchmark do: keystrokes
// and typing sent as messages straight to a window, the thread's pending
// messages handled, a window painted, and its text read back. Needs nothing else of the
// harness, so the benchmark builds it too.
#pragma once

#include <windows.h>

#include <string>

#include "host/hosting/host_loop_win.h"

namespace harness {

// Key scripts for Type and Replace: printable bytes and backspace are typed
// with WM_CHAR; these bytes stand for caret keys, so that a text can be
// typed in an order that a user might use (the digits first, then a letter
// put in front of them).
constexpr char kHome = '\x01';
constexpr char kRight = '\x02';
constexpr char kEnd = '\x03';

// A key pressed and released: WM_KEYDOWN, then WM_KEYUP.
void Key(HWND window, int key);

void SelectAll(HWND edit);

// Types a key script into an edit at its caret, over its selection.
void Type(HWND edit, const std::string& keys);

// Selects the edit's whole text and types the key script over it.
void Replace(HWND edit, const std::string& keys);

// Handles what is waiting in this thread's message queue, and returns: through
// the loop of the host the module runs in, while there is one (UseLoop), and
// with TranslateMessage and DispatchMessage alone otherwise.
void Drain();
void UseLoop(const hosting::MessageLoop* loop);

// Erases and paints the window and all its children now.
void Repaint(HWND window);

// A window's whole text.
std::string Text(HWND window);

}  // namespace harness
