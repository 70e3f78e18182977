#include "host/hosting/host_win.h"

#include "host/hosting/window_win.h"
#include "host/standin.h"

namespace hosting {
namespace {

const char* const kViewClass = "OrtolanHostView";

HWND CreateView(Host* host) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    RegisterObjectClass<Host>(instance, kViewClass, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1));
    return CreateWindowExA(0, kViewClass, "host main view", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100,
                           80, 800, 600, nullptr, nullptr, instance, host);
}

struct OwnedSearch {
    HWND owner;
    std::vector<HWND>* found;
};

BOOL CALLBACK CollectOwned(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<OwnedSearch*>(lp);
    if (GetWindow(window, GW_OWNER) == search->owner) search->found->push_back(window);
    return TRUE;
}

}  // namespace

Host::Host(LoopKind kind) : loop(kind, CreateView(this), keys.Table()) {
    standinReset();
    standinSetMainView(hwnd);
    loop.Drain();
}

Host::~Host() { Close(); }

bool Host::Load(const std::string& modulePath, const std::string& installFolder) {
    standinSetTSDir(installFolder.c_str());
    return module.Load(modulePath);
}

void Host::Close() {
    if (hwnd) DestroyWindow(hwnd);
    loop.Drain();
    standinSetMainView(nullptr);
    module.Unload();
}

void Host::ReplaceView() {
    if (hwnd) DestroyWindow(hwnd);
    loop.Drain();
    loop.SetMainWindow(CreateView(this));
    standinSetMainView(hwnd);
    loop.Drain();
}

std::vector<HWND> Host::Owned() const {
    std::vector<HWND> found;
    OwnedSearch search{hwnd, &found};
    EnumThreadWindows(GetCurrentThreadId(), CollectOwned, reinterpret_cast<LPARAM>(&search));
    return found;
}

std::vector<UINT> Host::TakePointerMessages() {
    std::vector<UINT> taken;
    taken.swap(pointerMessages);
    return taken;
}

LRESULT Host::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if ((msg >= WM_LBUTTONDOWN && msg <= WM_MOUSELAST) || msg == WM_CONTEXTMENU)
        pointerMessages.push_back(msg);
    // The accelerators' commands come with 1 in the high word.
    if (msg == WM_COMMAND && HIWORD(wp) == 1 && keys.OnCommand(LOWORD(wp))) return 0;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

}  // namespace hosting
