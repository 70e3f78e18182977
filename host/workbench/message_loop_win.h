// The workbench's message loop. Modeless dialogs (the module's panel is one)
// get their keyboard handling through IsDialogMessage, as in any host.
#pragma once

#include <windows.h>

namespace workbench {

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Processes messages for about `milliseconds`. False when WM_QUIT came (it is
// posted again so the outer loop sees it too).
bool PumpFor(DWORD milliseconds);

}  // namespace workbench
