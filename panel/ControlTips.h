// What the pointer resting on a control of the panel tells the user: one
// short text per control that does something, in plain English. The panel
// hands these to its tooltip; nothing else words them. Portable: no
// windows.h.
#pragma once

#include "res/resource.h"

struct ControlTip {
    int id;
    const char* text;
};

// Every control of the panel's template that has a tip: the ones the user
// sees and that act. The labels and the box picture do nothing, and the
// hidden controls are never under the pointer.
extern const ControlTip kControlTips[];
extern const int kControlTipCount;

// The tip of control `id`; null when it has none.
const char* TipOf(int id);
