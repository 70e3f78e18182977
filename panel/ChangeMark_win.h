// The mark of a command that has written to the scene. A command asks for
// the redraw and then marks the scene changed, so that the host asks to save
// it. The redraw of a heavy scene is where a host may end the call with an
// exception of its own (the user's abort), which unwinds past the command to
// the host's loop: the object is written by then, and the mark must still
// reach the host, before its handler goes on (it may close the document
// next, and would not ask to save an edit it was never told of). So the mark
// is held for the entry, and the unwinding gives it.
#pragma once

#include "api/tsxapi.h"
#include "base/ModuleEntry.h"

class ChangeMark : public HeldForEntry {
public:
    ChangeMark() = default;
    ~ChangeMark() { GiveBack(); }

    // The command has written to the scene: whatever ends it now, the scene
    // is marked. Before this, an end by the host's exception marks nothing.
    void Written() { written = true; }
    // The command's own mark, after its redraw: always given, once.
    void Mark() {
        done = true;
        tsxSceneSetChanged(1);
    }
    void GiveBack() noexcept override {
        if (!written || done) return;
        done = true;
        tsxSceneSetChanged(1);
    }

private:
    bool written = false;
    bool done = false;
};
