// The rules of a drag on a spin's arrows, kept free of Win32: the pointer's
// vertical travel from the press becomes steps of the value, and the pointer
// is kept from the screen's edges so that a drag can go on for as long as
// the user moves. Also the modifiers' scale of every way of stepping, and
// the wheel's notches.
#pragma once

#include <optional>

// The step that a held modifier makes of the row's step: a tenth with Shift
// (finer), ten steps with Ctrl (coarser), the step itself with neither. Shift
// wins when both are held.
double StepScale(bool shift, bool control);

// A pointing device comes in two kinds. A mouse (and a touchpad) reports how
// far it moved: put back before the screen's edge, it goes on from there,
// and a drag never ends. A pen tablet in pen mode, a touch screen, a remote
// session or a virtual machine that follows the pointer of the machine
// around it report where the pointer is: the next position after a put-back
// is the device's own again, and counting from the put-back point would add
// the whole way back as travel at every event. Such a device is told by the
// first position after a put-back that is nearer to where the pointer was
// put back from than to where it was put; from then on the drag counts the
// travel between the positions it reports and puts nothing back, so it ends
// at the screen's edge. Whatever the device, the travel counted is never
// more than the pointer moved.
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
    // Nothing while it is clear of them, and nothing once the device has
    // shown that it reports its own place.
    std::optional<int> KeepFromEdge(int y, int top, int bottom) const;
    // The pointer was put back to `y`. The travel is kept: the next MoveTo
    // counts from `y`, or, when the device turns out to report its own
    // place, from where the pointer was before.
    void PutBack(int y);

private:
    int pressY = 0;
    int lastY = 0;
    int travel = 0;  // pixels, upward positive, since the press
    int threshold = 0;
    int stepsTaken = 0;
    bool dragging = false;
    // Where the pointer was put back from, until a position tells whether
    // the put-back took.
    std::optional<int> putBackFrom;
    bool reportsPlace = false;
};

// A wheel's deltas in whole notches (WHEEL_DELTA, 120, each): a touchpad or
// a free-spinning wheel sends parts of a notch, which add up; the part of a
// notch left over waits for the next delta.
class WheelNotches {
public:
    static constexpr int kNotch = 120;
    // The whole notches that `delta` completes, upward positive.
    int Add(int delta);

private:
    int carried = 0;
};
