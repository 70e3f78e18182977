// The host API exports of the stand-in tsxapi.dll. Each forwards to the
// portable StandinHost, which does the work and journals the call.
#include "api/tsxapi.h"

#include "host/standin.h"
#include "host/tsxapi/dll_win.h"

using standin::TheHost;

namespace standin {
namespace {

HMODULE dllModule = nullptr;

}  // namespace

StandinHost& TheHost() {
    static StandinHost host;
    return host;
}

std::string DllFolder() {
    char path[MAX_PATH * 2];
    DWORD length = GetModuleFileNameA(dllModule, path, sizeof path);
    if (length == 0 || length >= sizeof path) return std::string();
    std::string folder(path, length);
    size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}

void ResetHost() { TheHost().Reset(DllFolder()); }

}  // namespace standin

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        standin::dllModule = instance;
        DisableThreadLibraryCalls(instance);
        standin::ResetHost();
    }
    return TRUE;
}

extern "C" {

void* __cdecl tsxGetCurrentSelection(void) { return TheHost().GetCurrentSelection(); }

void __cdecl tsxGNodeGetLocation(void* object, Vector3* out) { TheHost().GetLocation(object, out); }
void __cdecl tsxGNodeGetRotation(void* object, Vector3* out) { TheHost().GetRotation(object, out); }
void __cdecl tsxGNodeGetSize(void* object, Vector3* out) { TheHost().GetSize(object, out); }
void __cdecl tsxGNodeGetAxesPosition(void* object, Vector3* out) {
    TheHost().GetAxesPosition(object, out);
}

void __cdecl tsxGNodeSetLocation(void* object, Vector3* value) {
    TheHost().SetLocation(object, value);
}
void __cdecl tsxGNodeSetRotation(void* object, Vector3* value) {
    TheHost().SetRotation(object, value);
}
void __cdecl tsxGNodeSetSize(void* object, Vector3* value) { TheHost().SetSize(object, value); }
void __cdecl tsxMNodeSetAxesPosition(void* object, Vector3* value) {
    TheHost().SetAxesPosition(object, value);
}

void __cdecl tsxMNodeSetAxesOrientation(void* object, Axes* axes) {
    TheHost().SetAxesOrientation(object, axes);
}
void __cdecl tsxEulerToAxes(Vector3* euler, Axes* out) { TheHost().EulerToAxes(euler, out); }
void __cdecl tsxAxesToEuler(Axes* axes, Vector3* out) { TheHost().AxesToEuler(axes, out); }

void __cdecl tsxBBoxInit(BBox* box) { TheHost().BBoxInit(box); }
void __cdecl tsxGNodeGetBBox(void* object, BBox* out) { TheHost().GetBBox(object, out); }

int __cdecl tsxGNodeGetUnits(void* object) { return TheHost().GetUnits(object); }
void __cdecl tsxGNodeSetUnits(void* object, int code) { TheHost().SetUnits(object, code); }

void __cdecl tsxCurrobjToggleAxes(void) { TheHost().CurrobjToggleAxes(); }
void __cdecl tsxSelectUp(void) { TheHost().SelectUp(); }
void __cdecl tsxCurrobjCopy(void) { TheHost().CurrobjCopy(); }

namespace {

// What a host whose redraw takes a while does inside it with the messages
// queued meanwhile (standinSetRefreshLoop).
void RunRefreshLoop(int loop) {
    MSG msg;
    switch (loop) {
    case STANDIN_REFRESH_ABORT_CHECK:
        // Takes the keys and looks for Escape among them; the others are lost.
        while (PeekMessageA(&msg, nullptr, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE))
            if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE)
                TheHost().CountRefreshEscape();
        break;
    case STANDIN_REFRESH_PUMP:
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(msg.wParam));
                break;
            }
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        break;
    case STANDIN_REFRESH_RAISE:
        RaiseException(STANDIN_HOST_EXCEPTION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
        break;
    }
}

}  // namespace

void __cdecl tsxSceneRefresh(void) {
    TheHost().SceneRefresh();
    // The views repaint from the scene on their next WM_PAINT.
    HWND view = static_cast<HWND>(TheHost().MainView());
    if (view && IsWindow(view)) InvalidateRect(view, nullptr, TRUE);
    if (const int delay = TheHost().RefreshDelay()) Sleep(static_cast<DWORD>(delay));
    RunRefreshLoop(TheHost().RefreshLoop());
}

void __cdecl tsxSceneSetChanged(int changed) { TheHost().SceneSetChanged(changed); }

int __cdecl tsxPolyhGetNbrVxs(void* object) { return TheHost().GetNbrVxs(object); }
Vector3* __cdecl tsxPolyhGetVxArray(void* object) { return TheHost().GetVxArray(object); }
void __cdecl tsxPolyhGetVxTxmx(void* object, Matrix* out) { TheHost().GetVxTxmx(object, out); }
int __cdecl tsxPolyhGetUserSelectedFaces(void* object, int* list) {
    return TheHost().GetUserSelectedFaces(object, list);
}

void __cdecl tsxPointsGetAxesPosition(Vector3* out) { TheHost().PointsGetAxesPosition(out); }
void __cdecl tsxPointsGetAxesOrientation(Axes* out) { TheHost().PointsGetAxesOrientation(out); }

void* __cdecl tsxMalloc(int bytes) { return TheHost().Malloc(bytes); }
void* __cdecl tsxCalloc(int count, int size) { return TheHost().Calloc(count, size); }
void __cdecl tsxFree(void* block) { TheHost().Free(block); }

HWND __cdecl tsxGetMainViewHwnd(void) { return static_cast<HWND>(TheHost().GetMainView()); }
char* __cdecl tsxGetTSDir(int which) { return TheHost().GetTSDir(which); }

}  // extern "C"
