// The pointer confined to a rectangle for a while, and the confinement in
// force before put back afterwards.
#pragma once

#include <windows.h>

class CursorClip {
public:
    CursorClip() = default;
    ~CursorClip() { Release(); }
    CursorClip(const CursorClip&) = delete;
    CursorClip& operator=(const CursorClip&) = delete;

    void Confine(const RECT& area) {
        if (!confined) confined = GetClipCursor(&before) != FALSE;
        ClipCursor(&area);
    }
    void Release() {
        if (confined) ClipCursor(&before);
        confined = false;
    }

private:
    RECT before{};
    bool confined = false;
};
