// Real X input for the Wine tests. Wine takes some things from the X server
// and not from SendInput: the modifiers' state at each pointer event (a Shift
// held with SendInput is dropped at the next pointer move), a window
// manager's move, the pointer itself once a window has captured it. These
// are driven with xdotool, a Unix program that a Wine program starts like
// any other. Under Wine, the screen's coordinates are the X screen's.
#pragma once

#include <windows.h>

#include <string>

namespace xinput {

// Runs xdotool with `arguments` (one command, or a chain of them) and waits
// for it (at most ten seconds), handling this thread's messages meanwhile;
// false when it could not be started or failed. Then handles them for a
// moment more, so that Wine has read the events it caused.
bool Xdotool(const std::string& arguments);
// Runs a Unix command line (an X tool: "/usr/bin/xprop -root") in the same
// way, and returns what it printed; empty when it failed.
std::string Output(const std::string& commandLine);

bool MoveTo(POINT screen);
bool MoveBy(int dx, int dy);
// `button`: 1 left, 2 middle, 3 right; 4 and 5 a wheel notch up and down.
bool Press(int button);
bool Release(int button);
bool Click(int button);
// X key names: "shift", "ctrl", "Escape", "Up", "5".
bool KeyDown(const char* key);
bool KeyUp(const char* key);
bool Tap(const char* key);

// The centre of a window, in screen coordinates.
POINT CentreOf(HWND window);

}  // namespace xinput
