// Which module's resources and state are current. Every entry point makes
// this module's current on entry and restores the caller's on return, so
// that templates, bitmaps and profile values come from this module and a
// host that keeps its own notion of the current module finds it unchanged.
#pragma once

struct ModuleState {
    void* resourceInstance = nullptr;  // HINSTANCE resources are loaded from
};

// The state in force; null outside any entry point.
ModuleState* CurrentModuleState();

class ModuleStateGuard {
public:
    explicit ModuleStateGuard(ModuleState& state);
    ~ModuleStateGuard();
    ModuleStateGuard(const ModuleStateGuard&) = delete;
    ModuleStateGuard& operator=(const ModuleStateGuard&) = delete;

private:
    ModuleState* previous;
};
