// An owner-drawn push button that shows a bitmap from the module's
// resources centred on a standard push-button face: pixels of the key
// colour let the face show through, a pressed button shifts the image one
// pixel right and down, a disabled one shows it embossed. No caption, no
// focus rectangle, no hover look; a click is the system button's BN_CLICKED.
//
// The bitmap is loaded at every paint and released after it, so the control
// holds no GDI object between paints.
#pragma once

#include <windows.h>

#include "controls/OwnerDrawnButton_win.h"

class ImageButton : public OwnerDrawnButton {
public:
    static constexpr COLORREF kDefaultKeyColour = RGB(0xFF, 0x00, 0xFF);

    ImageButton() = default;
    ~ImageButton() override { Detach(); }

    // Subclasses the item, makes it owner-drawn and repaints it.
    bool Attach(HWND item) override;

    // The bitmap resource `imageId` of `resources` (the module's instance;
    // 0 shows no image) and its key colour. Repaints when attached; before
    // that the values wait for the first paint.
    void SetImage(HINSTANCE resources, UINT imageId, COLORREF keyColour = kDefaultKeyColour);
    UINT ImageId() const { return imageId; }
    COLORREF KeyColour() const { return keyColour; }

    void DrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wp, LPARAM lp) override;

private:
    void OnEraseBackground(HDC dc);
    LRESULT OnSetCursor(WPARAM wp, LPARAM lp);
    void DrawTransparent(HDC dc, HBITMAP image, int x, int y, int width, int height) const;
    void DrawEmbossed(HDC dc, HBITMAP image, int x, int y, int width, int height) const;

    HINSTANCE resources = nullptr;
    UINT imageId = 0;
    COLORREF keyColour = kDefaultKeyColour;
};
