#include "base/ModuleEntry.h"

namespace {
// The host calls the module on one thread only.
ModuleState moduleState;
ModuleState* current = nullptr;
int depth = 0;
HeldForEntry* held = nullptr;  // the innermost thing held, or null
}  // namespace

ModuleState& TheModuleState() { return moduleState; }

ModuleState* CurrentModuleState() { return current; }

bool InsideModule() { return depth > 0; }

HeldForEntry::HeldForEntry() : below(held) { held = this; }

HeldForEntry::~HeldForEntry() {
    // Not on top only after an unwinding that gave it back already.
    if (held == this) held = below;
}

ModuleStateGuard::ModuleStateGuard(ModuleState& state)
    : previous(current), outerDepth(depth), outerHeld(held) {
    current = &state;
    ++depth;
}

ModuleStateGuard::~ModuleStateGuard() {
    if (left) return;
    current = previous;
    depth = outerDepth;
}

void ModuleStateGuard::Unwound() noexcept {
    if (left) return;
    left = true;
    while (held && held != outerHeld) {
        HeldForEntry* innermost = held;
        held = innermost->below;
        innermost->GiveBack();
    }
    current = previous;
    depth = outerDepth;
}

#ifndef _WIN32
// No structured exceptions here: nothing but C++ exceptions can unwind.
void CallInUnwindFrame(void (*body)(void*), void* context, ModuleStateGuard&) { body(context); }
#endif
