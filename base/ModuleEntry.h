// Every way into the module: the host's calls of its exports, and the
// system's calls of its dialog procedure, its subclass procedures and its
// message hook. Each one goes through GuardedEntry, which
//   - makes the module's own state current (templates, bitmaps and profile
//     values come from this module) and puts the caller's back on return;
//   - counts how deep the thread is inside the module, so that the message
//     hook can tell the host's own loop from a loop run within the module's
//     work (a host's abort check, progress loop or dialog inside a call the
//     panel made; a message box of the panel's);
//   - stops every exception: the host's frames were built without unwind
//     information, and an exception unwinding into them ends the host. What
//     escapes ends the entry with its unhandled result instead (a message
//     treated as unhandled, an export's failure value).
// Kept free of Win32, so that it is tested natively.
#pragma once

struct ModuleState {
    void* resourceInstance = nullptr;  // the HINSTANCE resources are loaded from
};

// The module's own state, made current by every entry.
ModuleState& TheModuleState();

// The state in force; null outside any entry.
ModuleState* CurrentModuleState();

// Whether the thread is inside one of the module's entries now.
bool InsideModule();

class ModuleStateGuard {
public:
    explicit ModuleStateGuard(ModuleState& state);
    ~ModuleStateGuard();
    ModuleStateGuard(const ModuleStateGuard&) = delete;
    ModuleStateGuard& operator=(const ModuleStateGuard&) = delete;

private:
    ModuleState* previous;
};

// Runs `work` as one entry into the module and returns its result; when it
// throws, returns `unhandled()` instead.
template <class Work, class Unhandled>
auto GuardedEntry(Work&& work, Unhandled&& unhandled) noexcept -> decltype(work()) {
    ModuleStateGuard guard(TheModuleState());
    try {
        return work();
    } catch (...) {}
    return unhandled();
}
