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
}

int SpinDrag::MoveTo(int y) {
    travel += lastY - y;  // screen heights grow downward
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
    const auto nearEdge = [&](int at) { return at < top + kEdgeMargin || at >= bottom - kEdgeMargin; };
    if (!nearEdge(y)) return std::nullopt;
    const int back = nearEdge(pressY) ? top + (bottom - top) / 2 : pressY;
    if (back == y) return std::nullopt;
    return back;
}
