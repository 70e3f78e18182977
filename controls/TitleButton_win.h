// A small owner-drawn push button of the panel's title strip. It shows a
// face bitmap when up and a pressed bitmap while a mouse button holds it
// down, or, without bitmaps, its caption in bold Arial on a light grey face.
// Besides the system button's own BN_CLICKED for the left button it reports
// a completed right-button click to its notify target with WM_TITLE_RCLICK.
#pragma once

#include <windows.h>

#include <string>

#include "controls/OwnerDrawnButton_win.h"
#include "win/Gdi_win.h"

// Sent (not posted) to the notify target after a right-button press and
// release over the control: wParam = the control's identifier, lParam = 0.
constexpr UINT WM_TITLE_RCLICK = WM_USER + 10;

class TitleButton : public OwnerDrawnButton {
public:
    TitleButton();  // creates the caption font and the two bevel pens
    ~TitleButton() override;

    // Subclasses the item and makes it owner-drawn; makes the font and the
    // pens again if an earlier window took them along.
    bool Attach(HWND item) override;

    void SetCaption(const std::string& text);
    // Shows just the file name and extension of a path.
    void SetCaptionFromPath(const std::string& path);
    void SetTextColour(COLORREF colour);

    // The control takes ownership of the bitmaps and deletes them (and any
    // bitmap it held before) itself; the owner must not delete them.
    void SetFaceBitmap(HBITMAP bitmap);
    void SetPressedBitmap(HBITMAP bitmap);
    void SetShowBorder(bool show);
    // Deletes the bitmaps, the font and the pens.
    void ReleaseResources() override;
    // Where WM_TITLE_RCLICK goes; the parent window when never set.
    void SetNotifyTarget(HWND target) { notifyTarget = target; }

    bool IsPressed() const { return pressed; }
    const std::string& Caption() const { return caption; }
    COLORREF TextColour() const { return textColour; }

    void DrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wp, LPARAM lp) override;
    void OnWindowDestroyed() override;

private:
    void CreateDrawingObjects();
    void OnLeftButton(bool down);
    void OnRightButtonDown();
    void OnRightButtonUp(POINT at);
    void OnCaptureChanged(HWND newCapture);
    void Compose(HDC dc, const RECT& rect);
    void DrawBorder(HDC dc, const RECT& rect) const;

    // From a left or right press to that button's release, or until the
    // capture goes to another window. For the left button the system
    // button's pushed state (ODS_SELECTED) would seem to do, but it pops up
    // while the pointer is off the held button, and this look stays down
    // until the release; so the flag serves both buttons, and the control
    // reads no item state at all.
    bool pressed = false;
    Bitmap faceBitmap;
    Bitmap pressedBitmap;
    bool showBorder = true;
    std::string caption;
    COLORREF textColour = RGB(0, 0, 0);
    Font captionFont;
    Pen lightPen;
    Pen shadowPen;
    HWND notifyTarget = nullptr;
};
