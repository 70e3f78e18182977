// State of the stand-in tsxapi.dll shared by its two export files.
#pragma once

#include <windows.h>

#include <string>

#include "host/tsxapi/standin_host.h"

namespace standin {

StandinHost& TheHost();
// The folder of tsxapi.dll itself with a trailing backslash.
std::string DllFolder();
// standinReset's work; also run when the DLL is loaded.
void ResetHost();

}  // namespace standin
