// Real X input for the Wine tests. Wine takes some things from the X server
// and not from SendInput: the modifiers' state at each pointer event (a Shift
// held with SendInput is dropped at the next pointer move), a window
// manager's move, the pointer once a window has captured it. They are driven
// with xdotool, a Unix program that a Wine program starts like any other.
// Under Wine, the screen's coordinates are the X screen's.
#pragma once

#include <windows.h>

#include <string>

namespace xinput {

// Runs xdotool with `arguments` (one command, or a chain of them) and waits
// for it, at most ten seconds, handling this thread's messages meanwhile and
// for a moment after, so that Wine has read the events it caused. False when
// it failed.
bool Xdotool(const std::string& arguments);
// Runs a Unix command line ("/usr/bin/xprop -root") in the same way, and
// returns what it printed; empty when it failed.
std::string Output(const std::string& commandLine);

bool MoveTo(POINT screen);
bool MoveBy(int dx, int dy);
// Buttons: 1 left, 3 right, 4 and 5 a notch of the wheel up and down.
inline bool Press(int button) { return Xdotool("mousedown " + std::to_string(button)); }
inline bool Release(int button) { return Xdotool("mouseup " + std::to_string(button)); }
inline bool Click(int button) { return Xdotool("click " + std::to_string(button)); }
// X key names: "shift", "ctrl", "Escape", "5".
inline bool KeyDown(const std::string& key) { return Xdotool("keydown " + key); }
inline bool KeyUp(const std::string& key) { return Xdotool("keyup " + key); }
inline bool Tap(const std::string& key) { return Xdotool("key " + key); }

// The centre of a window, in screen coordinates.
POINT CentreOf(HWND window);

}  // namespace xinput
