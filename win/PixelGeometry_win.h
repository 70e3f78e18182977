// RECT to the portable PixelRect and back.
#pragma once

#include <windows.h>

#include "base/PixelGeometry.h"

inline PixelRect ToPixelRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline RECT ToRect(const PixelRect& r) { return {r.left, r.top, r.right, r.bottom}; }
