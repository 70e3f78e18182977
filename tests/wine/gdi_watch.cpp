#include "gdi_watch.h"

#include <commctrl.h>

namespace gdi_watch {
namespace {

std::set<void*> live;
size_t created = 0;
std::set<void*> liveMenus;
std::set<void*> liveHooks;

template <class Function>
bool Patch(HMODULE module, const char* dll, const char* name, Function replacement,
           Function& original) {
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir =
        nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0) return false;
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress);
         imp->Name; ++imp) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + imp->Name), dll) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<char*>(byName->Name), name) != 0) continue;
            // Watched already: taking the hook for the original would make it call itself.
            if (slots->u1.Function ==
                reinterpret_cast<ULONG_PTR>(reinterpret_cast<void*>(replacement)))
                return true;
            original = reinterpret_cast<Function>(reinterpret_cast<void*>(slots->u1.Function));
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE,
                           &protection);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(reinterpret_cast<void*>(replacement));
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return true;
        }
    }
    return false;
}

template <class H>
H Track(H handle) {
    if (handle) {
        live.insert(handle);
        ++created;
    }
    return handle;
}

decltype(&CreatePen) realCreatePen;
decltype(&CreateSolidBrush) realCreateSolidBrush;
decltype(&CreateFontA) realCreateFontA;
decltype(&CreateCompatibleDC) realCreateCompatibleDC;
decltype(&CreateCompatibleBitmap) realCreateCompatibleBitmap;
decltype(&CreateBitmap) realCreateBitmap;
decltype(&CreateDIBSection) realCreateDIBSection;
decltype(&LoadBitmapA) realLoadBitmapA;
decltype(&CreateMappedBitmap) realCreateMappedBitmap;
decltype(&GetDC) realGetDC;
decltype(&ReleaseDC) realReleaseDC;
decltype(&DeleteObject) realDeleteObject;
decltype(&DeleteDC) realDeleteDC;
decltype(&CreatePopupMenu) realCreatePopupMenu;
decltype(&CreateMenu) realCreateMenu;
decltype(&DestroyMenu) realDestroyMenu;
decltype(&SetWindowsHookExA) realSetWindowsHookExA;
decltype(&UnhookWindowsHookEx) realUnhookWindowsHookEx;

HPEN WINAPI HookCreatePen(int style, int width, COLORREF colour) {
    return Track(realCreatePen(style, width, colour));
}
HBRUSH WINAPI HookCreateSolidBrush(COLORREF colour) { return Track(realCreateSolidBrush(colour)); }
HFONT WINAPI HookCreateFontA(int h, int w, int e, int o, int weight, DWORD i, DWORD u, DWORD s,
                             DWORD cs, DWORD op, DWORD cp, DWORD q, DWORD pf, LPCSTR face) {
    return Track(realCreateFontA(h, w, e, o, weight, i, u, s, cs, op, cp, q, pf, face));
}
HDC WINAPI HookCreateCompatibleDC(HDC dc) { return Track(realCreateCompatibleDC(dc)); }
HBITMAP WINAPI HookCreateCompatibleBitmap(HDC dc, int w, int h) {
    return Track(realCreateCompatibleBitmap(dc, w, h));
}
HBITMAP WINAPI HookCreateBitmap(int w, int h, UINT planes, UINT bits, const void* data) {
    return Track(realCreateBitmap(w, h, planes, bits, data));
}
HBITMAP WINAPI HookCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits,
                                    HANDLE section, DWORD offset) {
    return Track(realCreateDIBSection(dc, info, usage, bits, section, offset));
}
HBITMAP WINAPI HookLoadBitmapA(HINSTANCE instance, LPCSTR name) {
    return Track(realLoadBitmapA(instance, name));
}
HBITMAP WINAPI HookCreateMappedBitmap(HINSTANCE instance, INT_PTR id, UINT flags, LPCOLORMAP map,
                                      int count) {
    return Track(realCreateMappedBitmap(instance, id, flags, map, count));
}
HDC WINAPI HookGetDC(HWND window) { return Track(realGetDC(window)); }
int WINAPI HookReleaseDC(HWND window, HDC dc) {
    live.erase(dc);
    return realReleaseDC(window, dc);
}
BOOL WINAPI HookDeleteObject(HGDIOBJ object) {
    live.erase(object);
    return realDeleteObject(object);
}
BOOL WINAPI HookDeleteDC(HDC dc) {
    live.erase(dc);
    return realDeleteDC(dc);
}

HMENU WINAPI HookCreatePopupMenu() {
    HMENU menu = realCreatePopupMenu();
    if (menu) liveMenus.insert(menu);
    return menu;
}
HMENU WINAPI HookCreateMenu() {
    HMENU menu = realCreateMenu();
    if (menu) liveMenus.insert(menu);
    return menu;
}
BOOL WINAPI HookDestroyMenu(HMENU menu) {
    liveMenus.erase(menu);
    return realDestroyMenu(menu);
}

HHOOK WINAPI HookSetWindowsHookExA(int type, HOOKPROC proc, HINSTANCE instance, DWORD thread) {
    HHOOK hook = realSetWindowsHookExA(type, proc, instance, thread);
    if (hook) liveHooks.insert(hook);
    return hook;
}
BOOL WINAPI HookUnhookWindowsHookEx(HHOOK hook) {
    liveHooks.erase(hook);
    return realUnhookWindowsHookEx(hook);
}

}  // namespace

bool Watch(HMODULE module) {
    bool any = false;
    any |= Patch(module, "gdi32.dll", "CreatePen", &HookCreatePen, realCreatePen);
    any |=
        Patch(module, "gdi32.dll", "CreateSolidBrush", &HookCreateSolidBrush, realCreateSolidBrush);
    any |= Patch(module, "gdi32.dll", "CreateFontA", &HookCreateFontA, realCreateFontA);
    any |= Patch(module, "gdi32.dll", "CreateCompatibleDC", &HookCreateCompatibleDC,
                 realCreateCompatibleDC);
    any |= Patch(module, "gdi32.dll", "CreateCompatibleBitmap", &HookCreateCompatibleBitmap,
                 realCreateCompatibleBitmap);
    any |= Patch(module, "gdi32.dll", "CreateBitmap", &HookCreateBitmap, realCreateBitmap);
    any |=
        Patch(module, "gdi32.dll", "CreateDIBSection", &HookCreateDIBSection, realCreateDIBSection);
    any |= Patch(module, "user32.dll", "LoadBitmapA", &HookLoadBitmapA, realLoadBitmapA);
    any |= Patch(module, "comctl32.dll", "CreateMappedBitmap", &HookCreateMappedBitmap,
                 realCreateMappedBitmap);
    any |= Patch(module, "user32.dll", "GetDC", &HookGetDC, realGetDC);
    Patch(module, "user32.dll", "ReleaseDC", &HookReleaseDC, realReleaseDC);
    Patch(module, "gdi32.dll", "DeleteObject", &HookDeleteObject, realDeleteObject);
    Patch(module, "gdi32.dll", "DeleteDC", &HookDeleteDC, realDeleteDC);
    any |=
        Patch(module, "user32.dll", "CreatePopupMenu", &HookCreatePopupMenu, realCreatePopupMenu);
    any |= Patch(module, "user32.dll", "CreateMenu", &HookCreateMenu, realCreateMenu);
    Patch(module, "user32.dll", "DestroyMenu", &HookDestroyMenu, realDestroyMenu);
    any |= Patch(module, "user32.dll", "SetWindowsHookExA", &HookSetWindowsHookExA,
                 realSetWindowsHookExA);
    Patch(module, "user32.dll", "UnhookWindowsHookEx", &HookUnhookWindowsHookEx,
          realUnhookWindowsHookEx);
    return any;
}

size_t Live() { return live.size(); }
const std::set<void*>& LiveHandles() { return live; }
size_t Created() { return created; }
size_t LiveMenus() { return liveMenus.size(); }
size_t LiveHooks() { return liveHooks.size(); }

void Reset() {
    live.clear();
    created = 0;
    liveMenus.clear();
    liveHooks.clear();
}

}  // namespace gdi_watch
