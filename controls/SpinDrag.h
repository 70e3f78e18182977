// The rules of a drag on a spin's arrows, kept free of Win32: the pointer's
// vertical travel from the press becomes steps of the value, and the pointer
// is kept from the screen's edges so that a drag can go on for as long as
// the user moves. Also the modifiers' scale of every way of stepping.
#pragma once

#include <optional>

// The step that a held modifier makes of the row's step: a tenth with Shift
// (finer), ten steps with Ctrl (coarser), the step itself with neither. Shift
// wins when both are held.
double StepScale(bool shift, bool control);

class SpinDrag {
public:
    // Travel per step of the value, in pixels.
    static constexpr int kPixelsPerStep = 2;
    // The pointer is put back before it comes this close to an edge.
    static constexpr int kEdgeMargin = 32;

    // A press at height `y`; a drag begins once the pointer has travelled
    // more than `threshold` pixels from there, up or down.
    void Press(int y, int threshold);
    // The pointer is at `y` now. Returns the steps to take now, upward
    // positive: none before the drag begins; at its beginning, those of the
    // whole travel from the press (the value then follows the pointer from
    // where it was before the press); afterwards, those the travel has added
    // since the last call.
    int MoveTo(int y);
    bool Dragging() const { return dragging; }

    // Where to put the pointer back to when it has come within the margin of
    // the top or bottom of a screen spanning [top, bottom): the height of the
    // press, or the screen's middle when the press itself was that close.
    // Nothing while it is clear of them. The travel is kept: the next MoveTo
    // counts from the new height.
    std::optional<int> KeepFromEdge(int y, int top, int bottom) const;
    void PutBack(int y) { lastY = y; }

private:
    int pressY = 0;
    int lastY = 0;
    int travel = 0;  // pixels, upward positive, since the press
    int threshold = 0;
    int stepsTaken = 0;
    bool dragging = false;
};
