#include "controls/SpinDrag.h"

#include <cstdlib>

double StepScale(bool shift, bool control) {
    if (shift) return 0.1;
    if (control) return 10.0;
    return 1.0;
}

void SpinDrag::Press(int y, int dragThreshold) {
    pressY = lastY = y;
    travel = 0;
    threshold = dragThreshold;
    stepsTaken = 0;
    dragging = false;
    putBackFrom.reset();
    reportsPlace = false;
}

int SpinDrag::MoveTo(int y) {
    int moved = lastY - y;  // screen heights grow downward
    // The put-back point itself (the system's move to it) tells nothing yet.
    if (putBackFrom && y != lastY) {
        const int fromOwnPlace = *putBackFrom - y;
        if (std::abs(fromOwnPlace) < std::abs(moved)) {
            reportsPlace = true;
            // Of the two readings, only what both agree on counts: a mouse
            // flung far past the put-back point in one move, read as a pen,
            // must not step the value backwards.
            moved = (fromOwnPlace > 0) == (moved > 0) ? fromOwnPlace : 0;
        }
        putBackFrom.reset();
    }
    travel += moved;
    lastY = y;
    if (!dragging && std::abs(travel) <= threshold) return 0;
    dragging = true;
    // Toward zero, so that up and down need the same travel per step.
    const int steps = travel / kPixelsPerStep;
    const int now = steps - stepsTaken;
    stepsTaken = steps;
    return now;
}

std::optional<int> SpinDrag::KeepFromEdge(int y, int top, int bottom) const {
    if (reportsPlace) return std::nullopt;
    const auto nearEdge = [&](int at) { return at < top + kEdgeMargin || at >= bottom - kEdgeMargin; };
    if (!nearEdge(y)) return std::nullopt;
    const int back = nearEdge(pressY) ? top + (bottom - top) / 2 : pressY;
    if (back == y) return std::nullopt;
    return back;
}

void SpinDrag::PutBack(int y) {
    putBackFrom = lastY;
    lastY = y;
}

int WheelNotches::Add(int delta) {
    carried += delta;
    const int notches = carried / kNotch;  // toward zero: the rest keeps its sign
    carried -= notches * kNotch;
    return notches;
}
