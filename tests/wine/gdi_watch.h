// Live GDI objects, menus and hooks of one module, seen through its imports.
// Wine's GetGuiResources always answers 0, so the watch patches the module's
// import address table: every GDI object or device context that the module
// creates, loads or borrows through an import is recorded until the module
// deletes or releases it, and so is every menu it creates until it destroys
// it. Objects that system code makes for its own use while serving
// the module (inside DrawFrameControl, say) are that code's business and are
// not seen.
#pragma once

#include <windows.h>

#include <cstddef>
#include <set>

namespace gdi_watch {

// Patches the module's imports; false when it imports none of the watched
// functions. Stays in force until the module is unloaded.
bool Watch(HMODULE module);

// Handles created and not yet deleted since Watch or the last Reset.
size_t Live();
const std::set<void*>& LiveHandles();
// Handles created since Watch or the last Reset, deleted or not.
size_t Created();
// Menus (a USER object) created and not yet destroyed, counted apart.
size_t LiveMenus();
// Window hooks set and not yet removed, counted apart too.
size_t LiveHooks();
// Forgets every handle seen so far.
void Reset();

}  // namespace gdi_watch
