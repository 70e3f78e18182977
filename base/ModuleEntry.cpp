#include "base/ModuleEntry.h"

namespace {
// The host calls the module on one thread only.
ModuleState moduleState;
ModuleState* current = nullptr;
int depth = 0;
}  // namespace

ModuleState& TheModuleState() { return moduleState; }

ModuleState* CurrentModuleState() { return current; }

bool InsideModule() { return depth > 0; }

ModuleStateGuard::ModuleStateGuard(ModuleState& state) : previous(current) {
    current = &state;
    ++depth;
}

ModuleStateGuard::~ModuleStateGuard() {
    current = previous;
    --depth;
}
