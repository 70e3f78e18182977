// The module's own instance handle: templates, bitmaps and strings are
// loaded from it, never from the host's executable.
#pragma once

#include <windows.h>

HINSTANCE ModuleInstance();

// Set once, when the module is loaded.
void SetModuleInstance(HINSTANCE instance);
