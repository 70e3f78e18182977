// A window's whole text, of any length.
#pragma once

#include <windows.h>

#include <string>

std::string WindowText(HWND window);
