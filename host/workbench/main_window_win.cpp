#include "host/workbench/main_window_win.h"

#include <commctrl.h>

#include <cstring>

#include "host/standin.h"
#include "host/workbench/commands.h"
#include "host/hosting/window_win.h"

namespace workbench {
namespace {

const char* const kTitle = "Ortolan workbench";
const int kListWidth = 170;

HMENU BuildMenu() {
    HMENU bar = CreateMenu();
    HMENU moduleMenu = CreatePopupMenu();
    AppendMenuA(moduleMenu, MF_STRING, kDeactivateCommand, "&Deactivate");
    AppendMenuA(moduleMenu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(moduleMenu, MF_STRING, kExitCommand, "E&xit");
    HMENU sceneMenu = CreatePopupMenu();
    AppendMenuA(sceneMenu, MF_STRING, kResetCommand, "&Reset scene");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(moduleMenu), "&Module");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(sceneMenu), "&Scene");
    return bar;  // the window destroys it with itself
}

}  // namespace

MainWindow::~MainWindow() {
    if (hwnd) DestroyWindow(hwnd);
}

bool MainWindow::Create(HINSTANCE appInstance, const RECT& bounds) {
    instance = appInstance;
    if (!hosting::RegisterObjectClass<MainWindow>(instance, kMainWindowClass, GetSysColorBrush(COLOR_BTNFACE))) return false;
    CreateWindowExA(0, kMainWindowClass, kTitle, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, bounds.left, bounds.top,
                    bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, BuildMenu(), instance, this);
    if (!hwnd) return false;
    ShowWindow(hwnd, SW_SHOW);
    UpdateWindow(hwnd);
    return true;
}

void MainWindow::OnCreate() {
    strip.Create(hwnd, instance);
    strip.onLeftClick = [this] { LeftClickIcon(); };
    strip.onRightClick = [this] { RightClickIcon(); };
    ShowModule();

    list = CreateWindowExA(WS_EX_CLIENTEDGE, "LISTBOX", "",
                           WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT, 0, 0, 10, 10, hwnd,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(kListId)), instance, nullptr);
    SendMessageA(list, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    view.Create(hwnd, instance);
    status = CreateWindowExA(0, STATUSCLASSNAMEA, "Ready", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, hwnd,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(kStatusId)), instance, nullptr);

    standinSetMainView(view.Window());
    standinSetListener(&MainWindow::OnHostCall, this);
    SyncScene(true);
}

void MainWindow::ShowModule() {
    hosting::ExtensionInfo info = module.GetData();
    strip.SetModule(module.LoadBitmapResource(info.iconId), info.name, info.description,
                    module.LoadStringResource(info.creditId));
}

LRESULT MainWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_CREATE: OnCreate(); return 0;
    case WM_SIZE: OnSize(LOWORD(lp), HIWORD(lp)); return 0;
    case WM_COMMAND: OnCommand(LOWORD(wp), HIWORD(wp)); return 0;
    case WM_DESTROY: OnDestroy(); return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void MainWindow::OnDestroy() {
    // Nothing may call into this object once it is gone.
    standinSetListener(nullptr, nullptr);
    standinSetMainView(nullptr);
    PostQuitMessage(0);
}

void MainWindow::OnSize(int width, int height) {
    int statusHeight = 0;
    if (status) {
        SendMessageA(status, WM_SIZE, 0, 0);
        RECT r;
        GetWindowRect(status, &r);
        statusHeight = r.bottom - r.top;
    }
    int top = strip.Window() ? strip.Height() : 0;
    if (strip.Window()) MoveWindow(strip.Window(), 0, 0, width, top, TRUE);
    int middle = height - top - statusHeight;
    if (middle < 0) middle = 0;
    if (list) MoveWindow(list, 0, top, kListWidth, middle, TRUE);
    if (view.Window()) MoveWindow(view.Window(), kListWidth, top, width > kListWidth ? width - kListWidth : 0, middle, TRUE);
}

void MainWindow::OnCommand(int id, int code) {
    if (code == 1) {  // from the accelerators
        if (const char* key = keys.OnCommand(id)) SetStatus(std::string("Host key: ") + key);
        return;
    }
    switch (id) {
    case kDeactivateCommand: DeactivateModule(); break;
    case kExitCommand: DestroyWindow(hwnd); break;
    case kResetCommand: ResetScene(); break;
    case kListId:
        if (code == LBN_SELCHANGE) ChooseObject(static_cast<int>(SendMessageA(list, LB_GETCURSEL, 0, 0)));
        break;
    }
}

void MainWindow::LeftClickIcon() {
    SetStatus("Module: left click");
    module.leftClick();
    SyncScene(false);
}

void MainWindow::RightClickIcon() {
    SetStatus("Module: right click");
    module.rightClick();
    SyncScene(false);
}

void MainWindow::DeactivateModule() {
    SetStatus("Module: deactivate");
    module.deactivate();
}

void MainWindow::ResetScene() {
    // The reset forgets the main view too: hand it over again.
    standinReset();
    standinSetMainView(view.Window());
    SyncScene(true);
    SetStatus("Scene reset");
}

void MainWindow::ChooseObject(int listIndex) {
    standinSelect(listIndex > 0 ? standinObjectAt(listIndex - 1) : nullptr);
    SyncScene(false);
    view.Invalidate();
}

void MainWindow::SyncScene(bool force) {
    std::vector<std::pair<int, std::string>> now;
    int selected = 0;
    void* selection = standinSelection();
    for (int i = 0; i < standinObjectCount(); ++i) {
        void* handle = standinObjectAt(i);
        StandinObject record;
        if (!standinGetObject(handle, &record)) continue;
        now.emplace_back(record.id, std::string(record.name, strnlen(record.name, sizeof record.name)));
        if (handle == selection) selected = i + 1;
    }
    if (!list) return;
    bool changed = force || now != listed;
    if (changed) {
        SendMessageA(list, WM_SETREDRAW, FALSE, 0);
        SendMessageA(list, LB_RESETCONTENT, 0, 0);
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("(nothing)"));
        for (const auto& entry : now) {
            std::string text = "#" + std::to_string(entry.first) + "  " + entry.second;
            SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
        }
        SendMessageA(list, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(list, nullptr, TRUE);
        listed = now;
    }
    if (changed || selected != listedSelection) {
        SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(selected), 0);
        listedSelection = selected;
        view.Invalidate();
    }
}

void MainWindow::SetStatus(const std::string& text) {
    if (status) SendMessageA(status, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void __cdecl MainWindow::OnHostCall(const char* line, void* context) {
    auto* self = static_cast<MainWindow*>(context);
    if (!self || !self->hwnd) return;
    self->SetStatus(std::string("Last host call: ") + (line ? line : ""));
    // A copy adds an object and moves the selection without a refresh.
    self->SyncScene(false);
}

}  // namespace workbench
