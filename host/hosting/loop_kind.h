// The shapes of host message loops the stand-in host can run, without
// windows.h, so the command line that chooses one is tested natively.
#pragma once

#include <string>

namespace hosting {

enum class LoopKind {
    // What most hosts run: the main window's accelerators are translated for
    // every message of the thread, whichever window it is for, and no window
    // of the module ever goes through IsDialogMessage.
    Accelerators,
    // As generous as a loop gets: IsDialogMessage for every dialog of the
    // thread, the module's included, then the accelerators.
    Dialog,
    // TranslateMessage and DispatchMessage, nothing else.
    Plain,
};

// "accelerators", "dialog" or "plain"; false for anything else.
bool ParseLoopKind(const std::string& name, LoopKind& kind);
const char* LoopKindName(LoopKind kind);

}  // namespace hosting
