// Common ground of the module's owner-drawn buttons: a system button window
// subclassed (SubclassedWindow) and made owner-drawn by one rule, a typed
// message handler in each control, and the owner-draw entry point that the
// owner calls when it receives WM_DRAWITEM for the control's window (it
// finds the control by Window()). An owner can keep its owner-drawn controls
// in one list: attaching, drawing and releasing all go through this class.
#pragma once

#include <windows.h>

#include "win/SubclassedWindow_win.h"

class OwnerDrawnButton : public SubclassedWindow {
public:
    // Subclasses a dialog's button item and makes it owner-drawn.
    virtual bool Attach(HWND item) = 0;
    // Paints one WM_DRAWITEM request for this control's window.
    virtual void DrawItem(const DRAWITEMSTRUCT& item) = 0;
    // Lets go of what the control holds for its window (fonts, pens,
    // bitmaps, menus). The window takes them along when it is destroyed; an
    // owner whose window never came to be attached calls this itself.
    virtual void ReleaseResources() {}

protected:
    // Subclasses a button item and gives it the style TakeStyle makes of
    // its own; fails as Subclass does.
    bool TakeOver(HWND item);
    // The button type (the low four bits, BS_TYPEMASK) becomes BS_OWNERDRAW
    // and every other style bit stays. OR-ing BS_OWNERDRAW in would not do:
    // the types are numbers, not flags, and a group box (7) would become 0xF.
    // A control that reads something off the item's type first overrides
    // this and calls it.
    virtual DWORD TakeStyle(DWORD style);
    // InvalidateRect of the whole client area, with background erase.
    void Repaint();
};
