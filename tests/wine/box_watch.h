// Under Xvfb nobody answers a message box, and one would stop a program for
// good: a watcher thread reads and dismisses every modal dialog box of this
// process that is not a panel. The tests and the benchmarks use it alike.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

// Starts the watcher thread; once per program.
void StartBoxWatcher();

// Texts of the modal message boxes dismissed since the last call.
std::vector<std::string> TakeDismissedBoxes();

// Called on the watcher's thread with each box it finds, before it is
// dismissed; null for none.
void OnEveryBox(void (*seen)(HWND box));

}  // namespace harness
