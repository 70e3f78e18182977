// An owner-drawn push button split in two: the face part on the left shows
// an optional image and the caption, the arrow part on the right (once the
// menu has entries) a small down arrow. A press on the arrow part, or
// Alt+Down, drops down a popup menu of mutually exclusive choices; the
// chosen entry becomes the caption and gets the check mark, and the parent
// is told with a posted WM_COMMAND (identifier, BN_CLICKED, window), after
// which it asks GetSelection for the chosen position.
//
// Entries are addressed by 0-based position everywhere. The pushed looks
// come only from the latched and arrow states, never from the system's
// selected or focus states, and there is no focus rectangle.
#pragma once

#include <windows.h>

#include <string>

#include "controls/OwnerDrawnButton_win.h"
#include "win/Gdi_win.h"

class MenuButton : public OwnerDrawnButton {
public:
    MenuButton();  // creates the (empty) popup menu
    ~MenuButton() override;

    // Creates a new button window. A BS_DEFPUSHBUTTON type in `style` makes
    // it the default button (drawn 1 pixel inset); the window's type is
    // BS_OWNERDRAW. The second form loads the caption from a string resource.
    bool Create(HWND parent, int id, const RECT& rect, DWORD style, const char* caption = "");
    bool Create(HWND parent, int id, const RECT& rect, DWORD style, HINSTANCE strings,
                UINT captionId);
    // The same for an existing dialog item, which is then subclassed.
    // Either makes a new empty menu if an earlier window took the last one.
    bool Attach(HWND item) override;

    // Destroys the menu, with its entries and choice, and deletes the
    // images.
    void ReleaseResources() override;

    // Appends an entry and returns its position, or -1. The first entry of
    // an empty menu becomes the caption and the checked choice.
    int AddItem(const std::string& text);
    void AddSeparator();  // only once there are entries
    bool RemoveItem(int position);
    // True when the entry existed and was enabled before.
    bool EnableItem(int position, bool enable);
    int GetSelection() const { return selection; }  // -1: no choice
    // Makes the entry's text the caption and moves the check mark to it;
    // nothing happens for an entry without text.
    void SelectItem(int position);

    // Held-down look: every left-button or Space release then posts the
    // command notification. A menu choice clears it.
    void SetLatched(bool latched);
    bool IsLatched() const { return latched; }
    // BM_SETSTATE to the button; returns the latched state before the call.
    bool SetButtonState(bool pushed);

    // Loads bitmap resource `imageId` twice with CreateMappedBitmap: for the
    // enabled look `transparent` maps to the button face colour, for the
    // disabled look to white. With `resize` the control's height is fitted
    // to the image and margins.
    bool SetImage(HINSTANCE resources, UINT imageId, COLORREF transparent, bool resize);
    // Widens or narrows the control to its widest text, image and arrow.
    void SizeToContent(int extra);

    void SetPressOffset(int offset);
    // Never narrower than 2 x margin + 7.
    void SetArrowWidth(unsigned width);
    void SetMargin(int pixels);
    void SetImageSpacing(int pixels);

    unsigned ArrowWidth() const { return arrowWidth; }
    int Margin() const { return margin; }
    bool IsDefault() const { return isDefault; }
    bool HasItems() const { return hasItems; }
    bool IsArrowPushed() const { return arrowPushed; }
    bool HasImage() const { return hasImage; }
    SIZE ImageSize() const { return imageSize; }
    HMENU Menu() const { return menu.Get(); }
    // Valid after the first paint.
    RECT FaceRect() const { return faceRect; }
    RECT ArrowRect() const { return arrowRect; }

    void DrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wp, LPARAM lp) override;
    void OnWindowDestroyed() override;
    DWORD TakeStyle(DWORD style) override;

private:
    void EnsureMenu();
    LRESULT OnButtonDown(UINT message, WPARAM wp, POINT at);
    void OnRelease();
    LRESULT OnSetStyle(WPARAM style, LPARAM redraw);
    void OpenMenu();
    void PostCommand();
    std::string ItemText(int position) const;
    void DrawArrowGlyph(HDC dc, POINT point, COLORREF colour) const;

    bool latched = false;
    bool arrowPushed = false;
    bool hasItems = false;
    bool isDefault = false;
    bool hasImage = false;
    Bitmap image;
    Bitmap disabledImage;
    SIZE imageSize{0, 0};
    int pressOffset = 1;
    unsigned arrowWidth = 20;
    int margin = 4;
    int imageSpacing = 4;
    RECT faceRect{};
    RECT arrowRect{};
    PopupMenu menu;
    int selection = -1;
};
