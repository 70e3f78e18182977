#include "ControlKit_win.h"

#include <cstdio>

#include "controls/TitleButton_win.h"
#include "gdi_watch.h"
#include "harness.h"
#include "win/Gdi_win.h"

namespace kit {

namespace {

// Before main: Watch only patches the import table, and nothing draws yet.
[[maybe_unused]] const bool watchingThisProgram = gdi_watch::Watch(GetModuleHandleA(nullptr));

const int kClientWidth = 320;
const int kClientHeight = 200;

struct Template {
    DLGTEMPLATE header;
    WORD menu, windowClass, title;
};

std::string TextOf(HWND window) {
    char text[256] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// A top-down 32-bit section: pixel (x, y) is word y * width + x.
struct Canvas {
    Canvas(int w, int h) : width(w), height(h), dc(nullptr) {
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = w;
        info.bmiHeader.biHeight = -h;
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        section = CreateDIBSection(dc.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        old = SelectObject(dc.Get(), section);
    }
    ~Canvas() {
        SelectObject(dc.Get(), old);
        DeleteObject(section);
    }
    void Fill(COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        RECT all{0, 0, width, height};
        FillRect(dc.Get(), &all, brush);
        DeleteObject(brush);
    }
    Pixels Read() const {
        GdiFlush();
        std::vector<COLORREF> colours(static_cast<size_t>(width) * height);
        const auto* words = static_cast<const DWORD*>(bits);
        for (size_t i = 0; i < colours.size(); ++i) {
            const DWORD w = words[i];
            colours[i] = RGB((w >> 16) & 0xFF, (w >> 8) & 0xFF, w & 0xFF);
        }
        return Pixels(width, height, colours);
    }
    int width, height;
    MemoryDC dc;
    HBITMAP section = nullptr;
    HGDIOBJ old = nullptr;
    void* bits = nullptr;
};

}  // namespace

std::string Hex(COLORREF colour) {
    char text[16];
    std::snprintf(text, sizeof text, "%06lX", static_cast<unsigned long>(colour));
    return text;
}

// --- TestDialog ---

namespace {

struct PooledDialog {
    HWND hwnd;
    bool inUse;
};

std::vector<PooledDialog>& Pool() {
    static std::vector<PooledDialog> pool;
    return pool;
}

HWND NewDialog(DLGPROC proc) {
    Template t{};
    // A tool window: the harness's watcher leaves those alone.
    t.header.style = WS_POPUP | WS_VISIBLE;
    t.header.dwExtendedStyle = WS_EX_TOOLWINDOW;
    t.header.cx = 100;
    t.header.cy = 100;
    HWND dialog =
        CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &t.header, nullptr, proc, 0);
    const int offset = 340 * static_cast<int>(Pool().size());
    SetWindowPos(dialog, HWND_TOP, 100 + offset, 100, kClientWidth, kClientHeight, SWP_SHOWWINDOW);
    return dialog;
}

BOOL CALLBACK DestroyChild(HWND child, LPARAM parent) {
    if (GetParent(child) == reinterpret_cast<HWND>(parent)) DestroyWindow(child);
    return TRUE;
}

}  // namespace

TestDialog::TestDialog() {
    for (PooledDialog& pooled : Pool()) {
        if (!pooled.inUse) {
            pooled.inUse = true;
            hwnd = pooled.hwnd;
            break;
        }
    }
    if (!hwnd) {
        hwnd = NewDialog(Proc);
        Pool().push_back({hwnd, true});
    }
    harness::Pump(0);  // what was posted to the previous user goes nowhere
    SetWindowLongPtrA(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(this));
    SetForegroundWindow(hwnd);
    UpdateWindow(hwnd);
}

TestDialog::~TestDialog() {
    EnumChildWindows(hwnd, DestroyChild, reinterpret_cast<LPARAM>(hwnd));
    SendMessageA(hwnd, DM_SETDEFID, IDOK, 0);
    SetWindowLongPtrA(hwnd, DWLP_USER, 0);
    for (PooledDialog& pooled : Pool())
        if (pooled.hwnd == hwnd) pooled.inUse = false;
}

HWND TestDialog::AddButton(int id, const char* caption, DWORD style, int x, int y, int width,
                           int height) {
    HWND button = CreateWindowExA(0, "BUTTON", caption, WS_CHILD | style, x, y, width, height, hwnd,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  GetModuleHandleA(nullptr), nullptr);
    SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return button;
}

std::vector<Received> TestDialog::Take() {
    std::vector<Received> taken;
    taken.swap(received);
    return taken;
}

void TestDialog::Record(UINT message, WPARAM wp, LPARAM lp) {
    Received r{message, wp, lp, std::string()};
    if (message == WM_COMMAND && lp) r.senderText = TextOf(reinterpret_cast<HWND>(lp));
    received.push_back(r);
    if (onMessage) onMessage(r);
}

INT_PTR CALLBACK TestDialog::Proc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (message == WM_INITDIALOG) return TRUE;
    auto* self = reinterpret_cast<TestDialog*>(GetWindowLongPtrA(window, DWLP_USER));
    return self ? self->OnMessage(message, wp, lp) : FALSE;
}

INT_PTR TestDialog::OnMessage(UINT message, WPARAM wp, LPARAM lp) {
    switch (message) {
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
        for (OwnerDrawnButton* control : controls) {
            if (control->Window() == item.hwndItem) {
                ++draws;
                control->DrawItem(item);
                return TRUE;
            }
        }
        return FALSE;
    }
    case WM_COMMAND:
    case WM_TITLE_RCLICK:
    case WM_CONTEXTMENU:  // swallowed: no system menu may open in a test
        Record(message, wp, lp);
        return TRUE;
    }
    return FALSE;
}

// --- Pixels ---

Pixels::Pixels(int w, int h, std::vector<COLORREF> c)
    : width(w), height(h), colours(std::move(c)) {}

COLORREF Pixels::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return CLR_INVALID;
    return colours[static_cast<size_t>(y) * width + x];
}

int Pixels::Count(COLORREF colour) const { return CountIn({0, 0, width, height}, colour); }

int Pixels::CountIn(const RECT& area, COLORREF colour) const {
    int n = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (At(x, y) == colour) ++n;
    return n;
}

RECT Pixels::Bounds(COLORREF colour) const {
    RECT box{width, height, 0, 0};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (At(x, y) == colour) {
                if (x < box.left) box.left = x;
                if (y < box.top) box.top = y;
                if (x + 1 > box.right) box.right = x + 1;
                if (y + 1 > box.bottom) box.bottom = y + 1;
            }
    if (box.right == 0) return RECT{};
    return box;
}

bool Pixels::operator==(const Pixels& other) const {
    return width == other.width && height == other.height && colours == other.colours;
}

std::string Pixels::Dump() const {
    std::string text;
    for (int y = 0; y < height; ++y) {
        text += "\n        ";
        for (int x = 0; x < width; ++x) text += Hex(At(x, y)) + (x + 1 < width ? " " : "");
    }
    return text;
}

// --- Snapshots ---

long LiveGdiObjects() { return static_cast<long>(gdi_watch::Live()); }

Pixels PrintClient(HWND window, COLORREF background) {
    RECT client{};
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    canvas.Fill(background);
    const int saved = SaveDC(canvas.dc.Get());  // the button selects its font and leaves it
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas.dc.Get()), PRF_CLIENT);
    RestoreDC(canvas.dc.Get(), saved);
    return canvas.Read();
}

Pixels Screen(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    HDC screen = GetDC(window);
    BitBlt(canvas.dc.Get(), 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
    return canvas.Read();
}

Pixels Erase(HWND window, LRESULT& result, COLORREF background) {
    RECT client{};
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    canvas.Fill(background);
    result = SendMessageA(window, WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.dc.Get()), 0);
    return canvas.Read();
}

DirectPaint PaintDirect(OwnerDrawnButton& control, UINT itemState, COLORREF background) {
    HWND window = control.Window();
    RECT client{};
    GetClientRect(window, &client);
    Canvas canvas(client.right, client.bottom);
    canvas.Fill(background);
    HDC dc = canvas.dc.Get();
    HPEN pen = CreatePen(PS_DOT, 1, RGB(9, 9, 9));
    HBRUSH brush = CreateSolidBrush(RGB(7, 7, 7));
    HFONT font =
        CreateFontA(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, FF_SWISS, "Arial");
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, brush);
    HGDIOBJ oldFont = SelectObject(dc, font);

    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(window));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = itemState;
    item.hwndItem = window;
    item.hDC = dc;
    item.rcItem = client;
    const long before = LiveGdiObjects();
    control.DrawItem(item);

    DirectPaint result;
    result.liveObjectChange = LiveGdiObjects() - before;
    result.objectsRestored = GetCurrentObject(dc, OBJ_PEN) == pen &&
                             GetCurrentObject(dc, OBJ_BRUSH) == brush &&
                             GetCurrentObject(dc, OBJ_FONT) == font &&
                             GetCurrentObject(dc, OBJ_BITMAP) == canvas.section;
    result.pixels = canvas.Read();
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldFont);
    DeleteObject(pen);
    DeleteObject(brush);
    DeleteObject(font);
    return result;
}

// --- Timeline ---

namespace {

Timeline* recording = nullptr;

bool IsNoise(UINT message) {
    switch (message) {
    case WM_PAINT:
    case WM_NCPAINT:
    case WM_SYNCPAINT:
    case WM_ERASEBKGND:
    case WM_PRINTCLIENT:
    case WM_DRAWITEM:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_GETICON:
    case WM_IME_SETCONTEXT:
    case WM_IME_NOTIFY: return true;
    }
    return message >= 0xC000;
}

bool Matches(const Step& expected, const Step& got) {
    return expected.who == got.who && expected.message == got.message &&
           (!(expected.flags & kMatchWParam) || expected.wp == got.wp) &&
           (!(expected.flags & kMatchLParam) || expected.lp == got.lp);
}

std::string Listed(const Step& step, bool expected) {
    static const char* const kNames[] = {"control", "parent", "other"};
    char wp[24] = "*";
    char lp[24] = "*";
    if (!expected || (step.flags & kMatchWParam))
        std::snprintf(wp, sizeof wp, "%lX", static_cast<unsigned long>(step.wp));
    if (!expected || (step.flags & kMatchLParam))
        std::snprintf(lp, sizeof lp, "%lX", static_cast<unsigned long>(step.lp));
    char text[96];
    std::snprintf(text, sizeof text, "\n        %-7s %04X wp=%s lp=%s%s", kNames[step.who],
                  step.message, wp, lp, expected && (step.flags & kOptional) ? " (optional)" : "");
    return text;
}

}  // namespace

Timeline::Timeline() {
    recording = this;
    const DWORD thread = GetCurrentThreadId();
    sent = SetWindowsHookExA(WH_CALLWNDPROC, OnSent, nullptr, thread);
    posted = SetWindowsHookExA(WH_GETMESSAGE, OnPosted, nullptr, thread);
}

Timeline::~Timeline() {
    UnhookWindowsHookEx(sent);
    UnhookWindowsHookEx(posted);
    recording = nullptr;
}

void Timeline::Watch(HWND window, Who who) { windows.emplace_back(window, who); }

LRESULT CALLBACK Timeline::OnSent(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && recording) {
        const auto& sentMessage = *reinterpret_cast<const CWPSTRUCT*>(lp);
        recording->Record(sentMessage.hwnd, sentMessage.message, sentMessage.wParam,
                          sentMessage.lParam);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

LRESULT CALLBACK Timeline::OnPosted(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && wp == PM_REMOVE && recording) {
        const auto& postedMessage = *reinterpret_cast<const MSG*>(lp);
        recording->Record(postedMessage.hwnd, postedMessage.message, postedMessage.wParam,
                          postedMessage.lParam);
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void Timeline::Record(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    if (IsNoise(message)) return;
    for (const auto& [watched, who] : windows)
        if (watched == window) entries.push_back({who, message, wp, lp, 0});
}

std::string Timeline::Differences(const Step* expected, const std::string& action) {
    for (const auto& [window, who] : windows)
        if (who == Parent) SendMessageA(window, WM_APP, 0, 0);
    harness::Pump(20);
    std::vector<Step> got;
    got.swap(entries);
    size_t next = 0;
    bool same = true;
    for (const Step* step = expected; same && step->message; ++step) {
        if (next < got.size() && Matches(*step, got[next]))
            ++next;
        else
            same = (step->flags & kOptional) != 0;
    }
    if (same && next == got.size()) return std::string();
    std::string report = action + ": the messages differ\n      expected:";
    for (const Step* step = expected; step->message; ++step) report += Listed(*step, true);
    report += "\n      recorded:";
    for (const Step& step : got) report += Listed(step, false);
    return report;
}

// --- MenuDriver ---

namespace {

struct MenuSearch {
    HWND found;
};

BOOL CALLBACK FindMenu(HWND window, LPARAM lp) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (process == GetCurrentProcessId() && lstrcmpA(name, "#32768") == 0 &&
        IsWindowVisible(window)) {
        reinterpret_cast<MenuSearch*>(lp)->found = window;
        return FALSE;
    }
    return TRUE;
}

HWND VisibleMenu() {
    MenuSearch search{nullptr};
    EnumWindows(FindMenu, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

MenuDriver::MenuDriver(HWND window, std::vector<WPARAM> pressed, DWORD showWithin)
    : target(window), keys(std::move(pressed)), showWithinMs(showWithin) {
    thread = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

MenuDriver::~MenuDriver() { Finish(); }

void MenuDriver::Finish() {
    if (!thread) return;
    WaitForSingleObject(thread, 10000);
    CloseHandle(thread);
    thread = nullptr;
}

DWORD WINAPI MenuDriver::Run(void* self) {
    static_cast<MenuDriver*>(self)->Drive();
    return 0;
}

void MenuDriver::Drive() {
    HWND menu = nullptr;
    const DWORD start = GetTickCount();
    while (!menu && GetTickCount() - start < showWithinMs) {
        menu = VisibleMenu();
        if (!menu) Sleep(10);
    }
    if (menu) {
        GetWindowRect(menu, &menuRect);
        sawMenu = true;
        for (WPARAM key : keys) {
            PostMessageA(target, WM_KEYDOWN, key, 1);
            Sleep(30);
        }
        for (int i = 0; i < 300 && VisibleMenu(); ++i) Sleep(10);
    }
    // Whatever happened, no menu loop may outlive the test.
    for (int i = 0; i < 3 && VisibleMenu(); ++i) {
        PostMessageA(target, WM_CANCELMODE, 0, 0);
        Sleep(100);
    }
}

}  // namespace kit
