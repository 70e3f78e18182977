#include "controls/TitleButton_win.h"

#include <windowsx.h>

#include "controls/FilePath.h"
#include "win/OffscreenDC_win.h"
#include "win/WindowText_win.h"

namespace {

const COLORREF kCaptionFace = RGB(0xC0, 0xC0, 0xC0);
const UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;

}  // namespace

TitleButton::TitleButton() { CreateDrawingObjects(); }

TitleButton::~TitleButton() { Detach(); }

void TitleButton::CreateDrawingObjects() {
    if (!captionFont)
        captionFont.Reset(CreateFontA(-11, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                      OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                      FF_SWISS | DEFAULT_PITCH, "Arial"));
    if (!lightPen) lightPen.Reset(CreatePen(PS_SOLID, 1, RGB(0xFF, 0xFF, 0xFF)));
    if (!shadowPen) shadowPen.Reset(CreatePen(PS_SOLID, 1, RGB(0x80, 0x80, 0x80)));
}

bool TitleButton::Attach(HWND item) {
    if (!TakeOver(item)) return false;
    CreateDrawingObjects();  // again, if an earlier window took them along
    return true;
}

void TitleButton::SetCaption(const std::string& text) {
    caption = text;
    Repaint();
}

void TitleButton::SetCaptionFromPath(const std::string& path) {
    SetCaption(FileNameWithExtension(path));
}

void TitleButton::SetTextColour(COLORREF colour) {
    textColour = colour;
    Repaint();
}

void TitleButton::SetFaceBitmap(HBITMAP bitmap) {
    if (bitmap != faceBitmap.Get()) faceBitmap.Reset(bitmap);
    Repaint();
}

void TitleButton::SetPressedBitmap(HBITMAP bitmap) {
    if (bitmap != pressedBitmap.Get()) pressedBitmap.Reset(bitmap);
    Repaint();
}

void TitleButton::OnWindowDestroyed() { ReleaseResources(); }

void TitleButton::ReleaseResources() {
    faceBitmap.Reset();
    pressedBitmap.Reset();
    captionFont.Reset();
    lightPen.Reset();
    shadowPen.Reset();
}

void TitleButton::SetShowBorder(bool show) {
    showBorder = show;
    Repaint();
}

LRESULT TitleButton::OnMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_LBUTTONDOWN: OnLeftButton(true); break;
    case WM_LBUTTONUP: OnLeftButton(false); break;
    case WM_RBUTTONDOWN: OnRightButtonDown(); break;
    case WM_RBUTTONUP: OnRightButtonUp({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}); break;
    case WM_CAPTURECHANGED: OnCaptureChanged(reinterpret_cast<HWND>(lp)); break;
    case WM_ERASEBKGND: return 0;  // the paint covers every pixel from off screen
    }
    return Default(message, wp, lp);
}

// The system button does the capture, focus and BN_CLICKED of the left
// button; only the look is ours.
void TitleButton::OnLeftButton(bool down) {
    pressed = down;
    Repaint();
}

// The system button ignores the right button, so the capture is ours.
void TitleButton::OnRightButtonDown() {
    pressed = true;
    SetCapture(hwnd);
    Repaint();
}

// The capture went elsewhere (Alt+Tab, another window, a popup) while a
// button held the control down: the release will not come here, so the
// control pops up now, as the system's buttons do. A left press while the
// right button holds the control gives the capture to this same window.
void TitleButton::OnCaptureChanged(HWND newCapture) {
    if (!pressed || newCapture == hwnd) return;
    pressed = false;
    Repaint();
}

void TitleButton::OnRightButtonUp(POINT at) {
    if (GetCapture() != hwnd) return;
    pressed = false;
    Repaint();
    ReleaseCapture();
    ClientToScreen(hwnd, &at);
    RECT window{};
    GetWindowRect(hwnd, &window);
    if (!PtInRect(&window, at)) return;
    if (!notifyTarget) notifyTarget = GetParent(hwnd);
    SendMessageA(notifyTarget, WM_TITLE_RCLICK, static_cast<WPARAM>(GetDlgCtrlID(hwnd)), 0);
}

void TitleButton::DrawItem(const DRAWITEMSTRUCT& item) {
    OffscreenDC offscreen(item.hDC, item.rcItem);
    if (!offscreen) {
        Compose(item.hDC, item.rcItem);  // flickers, but shows something
        return;
    }
    Compose(offscreen.Get(), item.rcItem);
    offscreen.CopyToTarget();
}

void TitleButton::Compose(HDC dc, const RECT& rect) {
    {
        Brush face(CreateSolidBrush(kCaptionFace));
        FillRect(dc, &rect, face.Get());
    }
    if (faceBitmap) {
        // The grey fill shows where a bitmap smaller than the control leaves
        // pixels uncovered, rather than whatever the fresh off-screen bitmap
        // held. Without a pressed bitmap the face bitmap stays up; the
        // bevel, if shown, still sinks.
        HBITMAP shown = pressed && pressedBitmap ? pressedBitmap.Get() : faceBitmap.Get();
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(shown), 0, rect.left, rect.top, 0,
                   0, DST_BITMAP);
    } else {
        if (caption.empty() && hwnd) caption = WindowText(hwnd);
        Selection font(dc, captionFont.Get());
        TextSettings settings(dc);
        SetTextColor(dc, textColour);
        SetBkMode(dc, TRANSPARENT);
        RECT textRect = rect;
        DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &textRect, kCaptionFormat);
    }
    if (showBorder) DrawBorder(dc, rect);
}

// Raised when up, sunken when pressed: the two pens swap.
void TitleButton::DrawBorder(HDC dc, const RECT& rect) const {
    const int left = rect.left;
    const int top = rect.top;
    const int right = rect.right - 1;
    const int bottom = rect.bottom - 1;
    {
        Selection pen(dc, pressed ? shadowPen.Get() : lightPen.Get());
        MoveToEx(dc, left, bottom, nullptr);
        LineTo(dc, left, top);
        LineTo(dc, right, top);
    }
    Selection pen(dc, pressed ? lightPen.Get() : shadowPen.Get());
    LineTo(dc, right, bottom);
    LineTo(dc, left, bottom);
}
