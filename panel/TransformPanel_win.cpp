#include "panel/TransformPanel_win.h"

#include <windowsx.h>

#include <algorithm>

#include "api/tsxapi.h"
#include "app/Module_win.h"
#include "app/PanelApp_win.h"
#include "base/ModuleEntry.h"
#include "panel/ObjectRules.h"
#include "panel/PanelGeometry.h"
#include "res/box_marks.h"
#include "res/resource.h"
#include "res/version.h"
#include "win/CommonControls_win.h"
#include "win/Gdi_win.h"
#include "win/ModelessKeyboard_win.h"
#include "win/PixelGeometry_win.h"

namespace {

constexpr const char* kProfileSection = "MainPanel";
constexpr int kDefaultPanelX = 170;
constexpr int kDefaultPanelY = 50;
constexpr COLORREF kBackground = RGB(191, 191, 191);

void Line(HDC dc, COLORREF colour, std::initializer_list<POINT> points) {
    Pen pen(CreatePen(PS_SOLID, 1, colour));
    Selection use(dc, pen.Get());
    auto it = points.begin();
    MoveToEx(dc, it->x, it->y, nullptr);
    for (++it; it != points.end(); ++it) LineTo(dc, it->x, it->y);
}

}  // namespace

TransformPanel::TransformPanel(PanelNotifier*) {}

TransformPanel::~TransformPanel() {
    if (hwnd) DestroyWindow(hwnd);
}

bool TransformPanel::OpenPanel() {
    RequireCommonControls(ICC_UPDOWN_CLASS);  // the template's spins
    mainView.Attach(tsxGetMainViewHwnd());
    HWND created = CreateDialogParamA(ModuleInstance(), MAKEINTRESOURCEA(IDD_TRANSFORM_PANEL),
                                      mainView.Get(), DialogProc, reinterpret_cast<LPARAM>(this));
    if (!created) {
        // The controls let go of their fonts, pens, bitmaps and menus with
        // their windows; when opening fails before the initialisation
        // attached them (a control that could not be created, a main view
        // that is no window), no window will, so they do it now. Those a
        // window already took are gone.
        for (const OwnerDrawnItem& item : OwnerDrawnControls()) item.control->ReleaseResources();
        return false;
    }
    CentreOverMainView();
    return true;
}

void TransformPanel::ClosePanel() {
    if (!hwnd) return;
    RECT r{};
    GetWindowRect(hwnd, &r);
    ThePanelApp().WriteProfileInt(kProfileSection, "PanelX", r.left);
    ThePanelApp().WriteProfileInt(kProfileSection, "PanelY", r.top);
    mainView.Detach();
    DestroyWindow(hwnd);
}

void TransformPanel::OnHostEvent(PanelNotifier*, int) {}

void TransformPanel::ShowPanel() {
    closed = false;
    if (!hwnd) {
        // Its window went with the host's main view (a reset of the host's
        // layout, a new document window), or could never be made: it opens
        // again under the host's main view of now, as at the first click.
        OpenPanel();
        return;
    }
    SetActiveWindow(hwnd);
    ShowWindow(hwnd, SW_SHOW);
}

void TransformPanel::CentreOverMainView() {
    RECT viewClient{};
    RECT viewWindow{};
    RECT panel{};
    GetClientRect(mainView.Get(), &viewClient);
    GetWindowRect(mainView.Get(), &viewWindow);
    GetClientRect(hwnd, &panel);
    const PixelPoint origin =
        CentredOrigin(ToPixelRect(viewClient), ToPixelRect(viewWindow), ToPixelRect(panel));
    SetWindowPos(hwnd, nullptr, origin.x, origin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

INT_PTR CALLBACK TransformPanel::DialogProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    return GuardedEntry([&] { return Dispatch(window, message, wp, lp); }, [] { return FALSE; });
}

INT_PTR TransformPanel::Dispatch(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    TransformPanel* self;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<TransformPanel*>(lp);
        self->hwnd = window;
        SetWindowLongPtrA(window, DWLP_USER, lp);
    } else {
        self = reinterpret_cast<TransformPanel*>(GetWindowLongPtrA(window, DWLP_USER));
    }
    if (!self) return FALSE;
    if (ModelessKeyboard::OnDialogMessage(window, message, wp)) return TRUE;
    const INT_PTR result = self->OnMessage(message, wp, lp);
    if (message == WM_NCDESTROY) {
        ModelessKeyboard::Deactivate(window);
        SetWindowLongPtrA(window, DWLP_USER, 0);
        self->hwnd = nullptr;
        // The spins keep no subclass that would tell them their windows
        // are gone (the children are gone by now).
        for (FloatSpin& spin : self->spins) spin.Detach();
        self->titleFont.Reset();
    }
    return result;
}

INT_PTR TransformPanel::OnMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_INITDIALOG: return OnInitDialog();
    case WM_DRAWITEM: return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
    case WM_NOTIFY:
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, OnNotify(*reinterpret_cast<const NMHDR*>(lp)));
        return TRUE;
    case WM_PAINT: OnPaint(); return TRUE;
    case WM_NCHITTEST:
        // Any bare point of the panel drags it, as its title bar would.
        SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, HTCAPTION);
        return TRUE;
    case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return TRUE;
    case WM_SETCURSOR:
        // Every pointer event over the panel and its controls: the control
        // still sets its cursor.
        tips.OnSetCursor(hwnd, reinterpret_cast<HWND>(wp), HIWORD(lp));
        return FALSE;
    case WM_DESTROY: tips.Reset(); return FALSE;
    case WM_ACTIVATE:
        // The panel has the keyboard only while it is the active window; the
        // dialog manager still saves and restores the focus.
        if (LOWORD(wp) == WA_INACTIVE)
            ModelessKeyboard::Deactivate(hwnd);
        else
            ModelessKeyboard::Activate(hwnd, this);
        return FALSE;
    }
    return FALSE;
}

std::array<TransformPanel::OwnerDrawnItem, 7> TransformPanel::OwnerDrawnControls() {
    return {{{IDC_ROLL_FIELDS, &rollFieldsButton},
             {IDC_ROLL_TITLE, &rollTitleButton},
             {IDC_HIDE, &hideButton},
             {IDC_SHOW_AXES, &showAxesButton},
             {IDC_HIDE_AXES, &hideAxesButton},
             {IDC_UNIT, &unitButton},
             {IDC_COORDS, &coordsButton}}};
}

void TransformPanel::AttachControls() {
    for (const OwnerDrawnItem& item : OwnerDrawnControls())
        item.control->Attach(GetDlgItem(hwnd, item.id));
    for (int i = 0; i < kValueFieldCount; ++i)
        spins[i].Attach(GetDlgItem(hwnd, kValueFields[i].spin));
}

bool TransformPanel::OnDrawItem(const DRAWITEMSTRUCT& item) {
    for (const OwnerDrawnItem& owned : OwnerDrawnControls()) {
        if (owned.control->Window() == item.hwndItem) {
            owned.control->DrawItem(item);
            return true;
        }
    }
    return false;
}

INT_PTR TransformPanel::OnInitDialog() {
    AttachControls();
    exchange.Bind(hwnd);
    exchange.ToFields();

    // The stored place is read and taken here, then replaced by the
    // centring in OpenPanel: kept on purpose, so that what a host may have
    // stored still reaches the window first.
    const int x = ThePanelApp().GetProfileInt(kProfileSection, "PanelX", kDefaultPanelX);
    const int y = ThePanelApp().GetProfileInt(kProfileSection, "PanelY", kDefaultPanelY);
    SetWindowPos(hwnd, HWND_TOP, x, y, 0, 0, SWP_NOSIZE);

    // The title-strip buttons own their bitmaps from here on.
    struct TitleFaces {
        TitleButton* button;
        int face, pressed;
    };
    const TitleFaces faces[] = {{&hideButton, IDB_HIDE, IDB_HIDE_PRESSED},
                                {&rollTitleButton, IDB_ROLL_TITLE, IDB_ROLL_TITLE_PRESSED},
                                {&rollFieldsButton, IDB_ROLL_FIELDS, IDB_ROLL_FIELDS_PRESSED}};
    for (const TitleFaces& t : faces) {
        t.button->SetFaceBitmap(LoadBitmapA(ModuleInstance(), MAKEINTRESOURCEA(t.face)));
        t.button->SetPressedBitmap(LoadBitmapA(ModuleInstance(), MAKEINTRESOURCEA(t.pressed)));
        t.button->SetShowBorder(false);
    }
    PlaceTitleButtons();
    FitLayoutToPicture();

    rolledUp = false;
    title = ORTOLAN_TITLE;
    SetUpRows();

    showAxesButton.SetImage(ModuleInstance(), IDB_SHOW_AXES, RGB(255, 0, 255));
    hideAxesButton.SetImage(ModuleInstance(), IDB_HIDE_AXES, RGB(255, 0, 255));

    // With nothing selected the dialog manager sets no default focus.
    return ReadObject() ? TRUE : FALSE;
}

void TransformPanel::PlaceTitleButtons() {
    RECT client{};
    GetClientRect(hwnd, &client);
    const TitleButtonRects at = TitleStripButtons(client.right);
    const struct {
        TitleButton& button;
        PixelRect rect;
    } places[] = {
        {hideButton, at.hide}, {rollFieldsButton, at.rollFields}, {rollTitleButton, at.rollTitle}};
    for (const auto& p : places)
        SetWindowPos(p.button.Window(), nullptr, p.rect.left, p.rect.top,
                     p.rect.right - p.rect.left, p.rect.bottom - p.rect.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    for (const auto& p : places) InvalidateRect(p.button.Window(), nullptr, TRUE);
}

// The step fields' texts and the spins' digits, ranges and steps.
void TransformPanel::SetUpRows() {
    {
        // The spins take their steps with their ranges below: the step
        // fields' change notifications would only set them on a range about
        // to go.
        FieldExchange::OwnWrites quiet(exchange);
        for (const RowSettings& row : kRows) SetDlgItemTextA(hwnd, row.stepField, row.stepText);
    }
    for (int i = 0; i < kValueFieldCount; ++i) {
        const RowSettings& row = SettingsOf(kValueFields[i].row);
        spins[i].SetPrecision(row.precision);
        spins[i].SetTrimZeros(0);
        spins[i].SetRange(row.minimum, row.maximum, row.step);
    }
}

// Up and Down in a value field step its spin, and a wheel may not be the
// panel's at all (OnWheel). The keys are stepped here rather than by the
// up-down control, for two things it does not do: key-downs that piled up
// behind this one while the host was busy redrawing (the keyboard's repeats
// come faster than a heavy scene's redraw) are taken at once and stepped as
// one step of their sum, with one apply, so that the object stops soon after
// the key is released; and Shift and Ctrl step a tenth or ten times as far.
// (Stepped by the control, a key also leaves it a timer that, under Wine,
// steps the value down once when it fires with the pointer over the arrows.)
bool TransformPanel::PreviewInput(MSG& msg) {
    if (msg.message == WM_MOUSEWHEEL) return OnWheel(msg);
    if (msg.message != WM_KEYDOWN || (msg.wParam != VK_UP && msg.wParam != VK_DOWN)) return false;
    if (GetParent(msg.hwnd) != hwnd) return false;
    const int field = ValueFieldIndex(GetDlgCtrlID(msg.hwnd));
    if (field < 0) return false;
    const int presses = std::max(1, static_cast<int>(LOWORD(msg.lParam))) + TakeQueuedRepeats(msg);
    spins[field].Step(msg.wParam == VK_UP ? presses : -presses, HeldModifiersScale());
    return true;
}

// A wheel whose pointer is not over the panel is not the panel's: Windows 7
// and 8, and Windows 10 with "scroll inactive windows" off, send the wheel
// to the focused window wherever the pointer is, and the field would step
// while the user turned the wheel over the host's view to zoom it. It goes
// where Windows 10 sends it, to the window under the pointer. Over the
// panel, a value field or its arrows step by it (FloatSpin).
bool TransformPanel::OnWheel(const MSG& msg) {
    HWND under = WindowFromPoint({GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)});
    if (under && GetAncestor(under, GA_ROOT) == hwnd) return false;
    if (under) PostMessageA(under, msg.message, msg.wParam, msg.lParam);
    return true;
}

LRESULT TransformPanel::OnNotify(const NMHDR& header) {
    if (header.code != static_cast<UINT>(UDN_DELTAPOS)) return 0;
    for (FloatSpin& spin : spins)
        if (spin.Window() == header.hwndFrom)
            return spin.OnDeltaPos(reinterpret_cast<const NMUPDOWN&>(header));
    return 0;
}

void TransformPanel::OnCommand(int id, int code) {
    const RowSettings* row = FindRow(id);
    if (code == EN_CHANGE) {
        exchange.FieldChanged(id);  // the exchange's own writes too: the texts changed
        if (exchange.WritingFields()) return;
        const int field = ValueFieldIndex(id);
        if (field >= 0)
            ApplyRow(kValueFields[field].row);
        else if (row && row->stepField == id)
            SetRowStep(*row);
        return;
    }
    if (code != BN_CLICKED) return;
    if (id >= IDC_ANCHOR_FIRST && id <= IDC_ANCHOR_LAST) {
        MoveAxesToAnchor(id);
        return;
    }
    if (row && row->readButton == id) {
        ReadRow(row->row);
        return;
    }
    switch (id) {
    case IDC_COPY: CopyObject(); break;
    case IDC_SHOW_AXES: ToggleAxes(1); break;
    case IDC_HIDE_AXES: ToggleAxes(2); break;
    case IDC_UNIT: ApplyUnit(); break;
    case IDC_COORDS: ApplyCoordinates(); break;
    case IDC_POINT_AXES: ReadPointSelection(); break;
    case IDC_GET_OBJECT: ReadObject(); break;
    case IDC_ROLL_FIELDS: ToggleReduction(fieldRowsHeight); break;
    case IDC_ROLL_TITLE: ToggleReduction(kTitleStripHeight); break;
    case IDC_HIDE:
    case IDCANCEL: Hide(); break;
    }
}

// The box picture is a bitmap of fixed pixels in a control that grows with
// the dialog font, and the anchor buttons grow and move with the font too.
// They sit on the picture's marks only with the base units the template was
// made for; under any other (another dpi, another dialog font) they are moved
// onto the marks, and the reduction to the field rows follows the picture.
void TransformPanel::FitLayoutToPicture() {
    HWND firstAnchor = GetDlgItem(hwnd, IDC_ANCHOR_FIRST);
    HWND picture = GetWindow(firstAnchor, GW_HWNDPREV);  // the template's order
    if (!firstAnchor || !picture) return;
    RECT frame{};
    GetWindowRect(picture, &frame);
    MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&frame), 2);
    fieldRowsHeight = FieldRowsHeight(frame.top);

    RECT units = {0, 0, 4, 8};
    MapDialogRect(hwnd, &units);
    if (units.right == kTemplateBaseUnitX && units.bottom == kTemplateBaseUnitY) return;

    RECT client{};
    GetClientRect(picture, &client);
    MapWindowPoints(picture, hwnd, reinterpret_cast<POINT*>(&client), 2);
    RECT button{};
    GetClientRect(firstAnchor, &button);
    int dpi = 96;
    if (WindowDC dc{hwnd}) dpi = GetDeviceCaps(dc.Get(), LOGPIXELSY);
    const PixelPoint circle = RadioCircleCentre(button.bottom, dpi);
    for (const box::Mark& mark : box::kMarks) {
        const PixelPoint at = AnchorButtonOrigin(ToPixelRect(client), box::kPictureWidth,
                                                 box::kPictureHeight, {mark.x, mark.y}, circle);
        SetWindowPos(GetDlgItem(hwnd, mark.id), nullptr, at.x, at.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TransformPanel::ToggleReduction(int reducedHeight) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    int height;
    if (!rolledUp) {
        rolledUp = true;
        savedHeight = r.bottom - r.top;
        height = reducedHeight;
    } else {
        rolledUp = false;
        height = savedHeight;
    }
    MoveWindow(hwnd, r.left, r.top, r.right - r.left, height, TRUE);
}

void TransformPanel::Hide() {
    closed = true;
    tips.Pop();
    ShowWindow(hwnd, SW_HIDE);
}

void TransformPanel::OnPaint() {
    PaintDC paint(hwnd);
    HDC dc = paint.Get();
    RECT client{};
    GetClientRect(hwnd, &client);
    const int w = client.right;
    const int h = client.bottom;

    Brush background(CreateSolidBrush(kBackground));
    FillRect(dc, &client, background.Get());

    RECT strip = ToRect(TitleStripRect(w));
    const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
    Brush stripBrush(CreateSolidBrush(caption));
    FillRect(dc, &strip, stripBrush.Get());
    SetBkColor(dc, caption);
    if (!titleFont) {
        // Made once and kept with the window, which lets it go at WM_NCDESTROY.
        titleFont.Reset(CreateFontA(-9, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                    OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS,
                                    "Arial"));
    }
    {
        Selection useFont(dc, titleFont.Get());
        SetTextColor(dc, GetSysColor(COLOR_CAPTIONTEXT));
        SetBkMode(dc, OPAQUE);
        DrawTextA(dc, title.c_str(), static_cast<int>(title.size()), &strip, DT_CENTER);
    }

    Line(dc, RGB(0, 0, 0), {{0, kTitleStripLine}, {w - 1, kTitleStripLine}});
    Line(dc, RGB(255, 255, 255), {{0, h - 1}, {0, 0}, {w - 1, 0}});
    Line(dc, RGB(0, 0, 0), {{w - 1, 0}, {w - 1, h - 1}, {0, h - 1}});
}
