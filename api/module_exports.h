// The five entry points an extension module exports, under their
// undecorated names, cdecl. The module defines them (plugin/Exports_win.cpp,
// exported through plugin/ortolan.def); a host finds them by name and calls
// them through pointers of these types.
#pragma once

extern "C" {

// Copies the extension record (api/extension_record.h) into the host's
// buffer of `size` bytes; always 0.
int __cdecl tsxGetData(void* record, int size);
// The host API version the module was written for.
int __cdecl tsxGetVersion(void);
// A left click on the module's icon; always 0.
int __cdecl tsxOnLeftClick(void);
// A right click on the module's icon.
void __cdecl tsxOnRightClick(void);
// The host leaves the module's tool.
void __cdecl tsxDeactivate(void);

}  // extern "C"
