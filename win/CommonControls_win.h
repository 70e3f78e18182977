// The common control classes that the module's windows use. Windows
// registers them only when a module asks for them (Wine registers them all
// at load, and hides a missing request).
#pragma once

#include <windows.h>

// Registers `classes` (ICC_ flags) unless this module has already done so.
// False when the system refused; the next call asks again.
bool RequireCommonControls(DWORD classes);
