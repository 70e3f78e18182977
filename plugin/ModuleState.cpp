#include "plugin/ModuleState.h"

namespace {
// The host calls the module on one thread only.
ModuleState* current = nullptr;
}  // namespace

ModuleState* CurrentModuleState() { return current; }

ModuleStateGuard::ModuleStateGuard(ModuleState& state) : previous(current) { current = &state; }

ModuleStateGuard::~ModuleStateGuard() { current = previous; }
