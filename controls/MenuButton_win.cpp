#include "controls/MenuButton_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <cassert>
#include <vector>

#include "controls/ButtonGeometry.h"
#include "win/PixelGeometry_win.h"
#include "win/WindowText_win.h"

namespace {

const COLORREF kWhite = RGB(0xFF, 0xFF, 0xFF);
const COLORREF kBlack = RGB(0, 0, 0);
const UINT kCaptionFormat = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
const UINT kMenuFlags = TPM_RIGHTALIGN | TPM_NONOTIFY | TPM_RETURNCMD | TPM_LEFTBUTTON;
// What BM_SETSTYLE may not change: the type bits and the bit above them.
const WPARAM kStyleTypeBits = 0x1F;

}  // namespace

MenuButton::MenuButton() = default;

MenuButton::~MenuButton() { Detach(); }

// The default button's type would be lost to BS_OWNERDRAW: the control
// keeps it as isDefault, which it reports to the dialog manager and draws.
DWORD MenuButton::TakeStyle(DWORD style) {
    if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) isDefault = true;
    return OwnerDrawnButton::TakeStyle(style);
}

bool MenuButton::Create(HWND parent, int id, const RECT& rect, DWORD style, const char* caption) {
    if (hwnd) return false;
    style = TakeStyle(style);
    auto* instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    HWND created =
        CreateWindowExA(0, "BUTTON", caption ? caption : "", style, rect.left, rect.top,
                        rect.right - rect.left, rect.bottom - rect.top, parent,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!created) return false;
    if (Subclass(created)) {
        EnsureMenu();
        return true;
    }
    DestroyWindow(created);
    return false;
}

bool MenuButton::Create(HWND parent, int id, const RECT& rect, DWORD style, HINSTANCE strings,
                        UINT captionId) {
    char caption[256] = {};
    LoadStringA(strings, captionId, caption, sizeof caption);
    return Create(parent, id, rect, style, caption);
}

bool MenuButton::Attach(HWND item) {
    if (!TakeOver(item)) return false;
    EnsureMenu();
    return true;
}

void MenuButton::EnsureMenu() {
    if (!menu) menu.Reset(CreatePopupMenu());
}

void MenuButton::OnWindowDestroyed() { ReleaseResources(); }

void MenuButton::ReleaseResources() {
    menu.Reset();
    hasItems = false;
    selection = -1;
    image.Reset();
    disabledImage.Reset();
    hasImage = false;
}

int MenuButton::AddItem(const std::string& text) {
    const int count = GetMenuItemCount(menu.Get());
    if (count < 0 || count >= kMaxMenuPositions) return -1;  // the masking would alias
    UINT flags = MF_STRING;
    if (count == 0) {
        if (hwnd) SetWindowTextA(hwnd, text.c_str());
        hasItems = true;
        selection = 0;
        flags |= MF_CHECKED;
    }
    if (!AppendMenuA(menu.Get(), flags, MenuCommandFor(count), text.c_str())) return -1;
    return count;
}

void MenuButton::AddSeparator() {
    if (hasItems) AppendMenuA(menu.Get(), MF_SEPARATOR, 0, "");
}

bool MenuButton::RemoveItem(int position) {
    if (!hasItems) return false;
    return DeleteMenu(menu.Get(), static_cast<UINT>(position), MF_BYPOSITION) != FALSE;
}

bool MenuButton::EnableItem(int position, bool enable) {
    if (!hasItems) return false;
    const UINT before = EnableMenuItem(menu.Get(), static_cast<UINT>(position),
                                       MF_BYPOSITION | (enable ? MF_ENABLED : MF_GRAYED));
    return before != static_cast<UINT>(-1) && (before & (MF_GRAYED | MF_DISABLED)) == 0;
}

std::string MenuButton::ItemText(int position) const {
    const UINT at = static_cast<UINT>(position);
    const int length = GetMenuStringA(menu.Get(), at, nullptr, 0, MF_BYPOSITION);
    if (length <= 0) return std::string();
    std::vector<char> text(static_cast<size_t>(length) + 1);
    const int copied = GetMenuStringA(menu.Get(), at, text.data(), length + 1, MF_BYPOSITION);
    return std::string(text.data(), copied > 0 ? static_cast<size_t>(copied) : 0);
}

void MenuButton::SelectItem(int position) {
    if (!hasItems) return;
    const std::string text = ItemText(position);
    if (text.empty()) return;
    if (hwnd) SetWindowTextA(hwnd, text.c_str());
    if (selection >= 0)
        CheckMenuItem(menu.Get(), static_cast<UINT>(selection), MF_BYPOSITION | MF_UNCHECKED);
    CheckMenuItem(menu.Get(), static_cast<UINT>(position), MF_BYPOSITION | MF_CHECKED);
    selection = position;
}

void MenuButton::SetLatched(bool on) {
    if (on == latched) return;
    latched = on;
    arrowPushed = on;
    Repaint();
}

bool MenuButton::SetButtonState(bool pushed) {
    const bool was = latched;
    if (hwnd) SendMessageA(hwnd, BM_SETSTATE, pushed ? 1 : 0, 0);
    return was;
}

bool MenuButton::SetImage(HINSTANCE resources, UINT imageId, COLORREF transparent, bool resize) {
    const auto id = static_cast<INT_PTR>(imageId);
    COLORMAP map{transparent, GetSysColor(COLOR_BTNFACE)};
    image.Reset(CreateMappedBitmap(resources, id, 0, &map, 1));
    if (!image) {
        hasImage = false;
        return false;
    }
    BITMAP info{};
    GetObjectA(image.Get(), sizeof info, &info);
    imageSize = {info.bmWidth, info.bmHeight};

    map.to = kWhite;
    disabledImage.Reset(CreateMappedBitmap(resources, id, 0, &map, 1));
    if (!disabledImage) {
        hasImage = false;
        return false;
    }
    hasImage = true;

    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    if (resize && hwnd && GetWindowPlacement(hwnd, &placement)) {
        placement.rcNormalPosition.bottom =
            placement.rcNormalPosition.top + imageSize.cy + 2 * margin;
        // The placement's show command would otherwise show a hidden control.
        if (!IsWindowVisible(hwnd)) placement.showCmd = SW_HIDE;
        SetWindowPlacement(hwnd, &placement);
    }
    return true;
}

void MenuButton::SizeToContent(int extra) {
    if (!hwnd) return;
    WindowDC dc(hwnd);
    if (!dc) return;
    Selection font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd, WM_GETFONT, 0, 0)));
    auto extent = [&](const std::string& text) {
        SIZE size{0, 0};
        GetTextExtentPoint32A(dc.Get(), text.c_str(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
    MenuButtonContent content;
    if (hasItems) {
        const int count = GetMenuItemCount(menu.Get());
        for (int i = 0; i < count; ++i) {
            const std::string text = ItemText(i);
            if (!text.empty()) content.textWidth = std::max(content.textWidth, extent(text));
        }
    } else {
        content.textWidth = extent(WindowText(hwnd));
    }
    content.extra = extra;
    content.margin = margin;
    content.hasImage = hasImage;
    content.imageSpacing = imageSpacing;
    content.imageWidth = imageSize.cx;
    content.hasItems = hasItems;
    content.arrowWidth = arrowWidth;
    RECT client{};
    GetClientRect(hwnd, &client);
    SetWindowPos(hwnd, nullptr, 0, 0, MenuButtonWidth(content), client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER);
}

void MenuButton::SetPressOffset(int offset) {
    pressOffset = offset;
    Repaint();
}

void MenuButton::SetArrowWidth(unsigned width) {
    arrowWidth = ArrowWidthFor(width, margin);
    Repaint();
}

void MenuButton::SetMargin(int pixels) {
    margin = pixels;
    Repaint();
}

void MenuButton::SetImageSpacing(int pixels) {
    imageSpacing = pixels;
    Repaint();
}

LRESULT MenuButton::OnMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: return OnButtonDown(message, wp, {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
    case WM_LBUTTONUP: OnRelease(); break;
    case WM_KEYUP:
        if (wp == VK_SPACE) OnRelease();
        break;
    case WM_SYSKEYDOWN:
        if (wp == VK_DOWN && hasItems)
            return OnButtonDown(
                WM_LBUTTONDOWN, 0,
                {(arrowRect.left + arrowRect.right) / 2, (arrowRect.top + arrowRect.bottom) / 2});
        break;
    case WM_GETDLGCODE:
        return Default(message, wp, lp) | (isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
    case BM_SETSTYLE: return OnSetStyle(wp, lp);
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = Default(message, wp, lp);
        Repaint();
        return result;
    }
    }
    return Default(message, wp, lp);
}

// The face part is an ordinary button; the arrow part opens the menu;
// anything else (the default button's ring, or everything before the first
// paint) swallows the press.
LRESULT MenuButton::OnButtonDown(UINT message, WPARAM wp, POINT at) {
    if (PtInRect(&faceRect, at)) return Default(message, wp, MAKELPARAM(at.x, at.y));
    if (hasItems && PtInRect(&arrowRect, at)) OpenMenu();
    return 0;
}

// Clearing the system pushed state before the default release keeps the
// system button from sending BN_CLICKED: only a latched control reports a
// face click, and it does so itself.
void MenuButton::OnRelease() {
    if (latched) PostCommand();
    SendMessageA(hwnd, BM_SETSTATE, 0, 0);
}

// The dialog manager moves the default button with BM_SETSTYLE; the type
// bits it sends would turn the control back into a plain push button.
LRESULT MenuButton::OnSetStyle(WPARAM style, LPARAM redraw) {
    isDefault = (style & BS_DEFPUSHBUTTON) != 0;
    return Default(BM_SETSTYLE, (style & ~kStyleTypeBits) | BS_OWNERDRAW, redraw);
}

void MenuButton::OpenMenu() {
    const bool wasPushed = arrowPushed;
    arrowPushed = true;
    POINT anchor{arrowRect.left, arrowRect.bottom};
    ClientToScreen(hwnd, &anchor);
    // The pushed arrow shows before the menu's modal loop starts.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    const UINT command = static_cast<UINT>(
        TrackPopupMenu(menu.Get(), kMenuFlags, anchor.x, anchor.y, 0, hwnd, nullptr));
    if (command != 0) {
        // Only the menu's own entries can be chosen, and AddItem appends none
        // past the positions the identifiers can tell apart.
        assert(command >= kFirstMenuCommand &&
               command - kFirstMenuCommand < static_cast<unsigned>(kMaxMenuPositions));
        SelectItem(MenuPositionFor(command));
        PostCommand();
        arrowPushed = false;
        latched = false;
    } else {
        arrowPushed = wasPushed;
    }
    Repaint();
}

// Posted, so the parent sees the new caption, check mark and selection.
void MenuButton::PostCommand() {
    PostMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), BN_CLICKED),
                 reinterpret_cast<LPARAM>(hwnd));
}

void MenuButton::DrawArrowGlyph(HDC dc, POINT point, COLORREF colour) const {
    Pen pen(CreatePen(PS_SOLID, 1, colour));
    Selection use(dc, pen.Get());
    for (const GlyphRow& row : ArrowGlyph({point.x, point.y})) {
        if (row.right - row.left == 1) {
            SetPixel(dc, row.left, row.y, colour);
        } else {
            MoveToEx(dc, row.left, row.y, nullptr);
            LineTo(dc, row.right, row.y);
        }
    }
}

void MenuButton::DrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType != ODT_BUTTON) return;
    HDC dc = item.hDC;
    const std::string caption = WindowText(item.hwndItem);
    const LONG style = GetWindowLongA(item.hwndItem, GWL_STYLE);
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    UINT frame = DFCS_BUTTONPUSH | ((style & BS_FLAT) ? DFCS_FLAT : 0);

    const MenuButtonParts parts =
        SplitMenuButton(ToPixelRect(item.rcItem), isDefault, hasItems, arrowWidth);
    faceRect = ToRect(parts.face);
    if (hasItems) {
        arrowRect = ToRect(parts.arrow);
        POINT point{parts.arrowPoint.x, parts.arrowPoint.y};
        UINT arrowFrame = frame;
        if (arrowPushed) {
            arrowFrame |= DFCS_PUSHED;
            point.x += pressOffset;
            point.y += pressOffset;
        }
        RECT arrow = arrowRect;
        DrawFrameControl(dc, &arrow, DFC_BUTTON, arrowFrame);
        if (disabled) {
            DrawArrowGlyph(dc, {point.x + 1, point.y + 1}, kWhite);
            DrawArrowGlyph(dc, point, GetSysColor(COLOR_GRAYTEXT));
        } else {
            DrawArrowGlyph(dc, point, kBlack);
        }
    }

    PixelRect text = MenuTextBox(parts.face, margin, latched, pressOffset);
    if (latched) frame |= DFCS_PUSHED;
    RECT face = faceRect;
    DrawFrameControl(dc, &face, DFC_BUTTON, frame);

    if (hasImage) {
        const PixelPoint at = MenuImageOrigin(text, imageSize.cy);
        HBITMAP shown = disabled ? disabledImage.Get() : image.Get();
        DrawStateA(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(shown), 0, at.x, at.y,
                   imageSize.cx, imageSize.cy, DST_BITMAP | (disabled ? DSS_DISABLED : 0));
        text.left += imageSize.cx + imageSpacing;
    }

    TextSettings settings(dc);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    RECT textRect = ToRect(text);
    const int length = static_cast<int>(caption.size());
    if (disabled) {
        OffsetRect(&textRect, 1, 1);
        SetTextColor(dc, kWhite);
        DrawTextA(dc, caption.c_str(), length, &textRect, kCaptionFormat);
        OffsetRect(&textRect, -1, -1);
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    DrawTextA(dc, caption.c_str(), length, &textRect, kCaptionFormat);
}
