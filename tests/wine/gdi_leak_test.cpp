// GDI hygiene of the module as a whole. Wine's GetGuiResources is a stub, so
// the test watches the module's own imports: it patches the module's import
// address table so that every GDI object the module creates or deletes is
// seen, then paints and clicks every control of the panel many times.
#include <set>

#include "harness.h"

using namespace harness;

namespace {

std::set<void*> live;

template <class Function>
bool Patch(HMODULE module, const char* dll, const char* name, Function replacement, Function& original) {
    auto* base = reinterpret_cast<BYTE*>(module);
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* imp = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); imp->Name; ++imp) {
        if (lstrcmpiA(reinterpret_cast<char*>(base + imp->Name), dll) != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + imp->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (lstrcmpA(reinterpret_cast<char*>(byName->Name), name) != 0) continue;
            original = reinterpret_cast<Function>(reinterpret_cast<void*>(slots->u1.Function));
            DWORD protection = 0;
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, PAGE_READWRITE, &protection);
            slots->u1.Function = reinterpret_cast<ULONG_PTR>(reinterpret_cast<void*>(replacement));
            VirtualProtect(&slots->u1.Function, sizeof slots->u1.Function, protection, &protection);
            return true;
        }
    }
    return false;  // the module does not import it: nothing to watch
}

template <class H>
H Track(H handle) {
    if (handle) live.insert(handle);
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
decltype(&DeleteObject) realDeleteObject;
decltype(&DeleteDC) realDeleteDC;

HPEN WINAPI HookCreatePen(int style, int width, COLORREF colour) {
    return Track(realCreatePen(style, width, colour));
}
HBRUSH WINAPI HookCreateSolidBrush(COLORREF colour) { return Track(realCreateSolidBrush(colour)); }
HFONT WINAPI HookCreateFontA(int h, int w, int e, int o, int weight, DWORD i, DWORD u, DWORD s, DWORD cs,
                             DWORD op, DWORD cp, DWORD q, DWORD pf, LPCSTR face) {
    return Track(realCreateFontA(h, w, e, o, weight, i, u, s, cs, op, cp, q, pf, face));
}
HDC WINAPI HookCreateCompatibleDC(HDC dc) { return Track(realCreateCompatibleDC(dc)); }
HBITMAP WINAPI HookCreateCompatibleBitmap(HDC dc, int w, int h) {
    return Track(realCreateCompatibleBitmap(dc, w, h));
}
HBITMAP WINAPI HookCreateBitmap(int w, int h, UINT planes, UINT bits, const void* data) {
    return Track(realCreateBitmap(w, h, planes, bits, data));
}
HBITMAP WINAPI HookCreateDIBSection(HDC dc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section,
                                    DWORD offset) {
    return Track(realCreateDIBSection(dc, info, usage, bits, section, offset));
}
HBITMAP WINAPI HookLoadBitmapA(HINSTANCE instance, LPCSTR name) {
    return Track(realLoadBitmapA(instance, name));
}
BOOL WINAPI HookDeleteObject(HGDIOBJ object) {
    live.erase(object);
    return realDeleteObject(object);
}
BOOL WINAPI HookDeleteDC(HDC dc) {
    live.erase(dc);
    return realDeleteDC(dc);
}

void WatchModule(HMODULE module) {
    Patch(module, "gdi32.dll", "CreatePen", &HookCreatePen, realCreatePen);
    Patch(module, "gdi32.dll", "CreateSolidBrush", &HookCreateSolidBrush, realCreateSolidBrush);
    Patch(module, "gdi32.dll", "CreateFontA", &HookCreateFontA, realCreateFontA);
    Patch(module, "gdi32.dll", "CreateCompatibleDC", &HookCreateCompatibleDC, realCreateCompatibleDC);
    Patch(module, "gdi32.dll", "CreateCompatibleBitmap", &HookCreateCompatibleBitmap, realCreateCompatibleBitmap);
    Patch(module, "gdi32.dll", "CreateBitmap", &HookCreateBitmap, realCreateBitmap);
    Patch(module, "gdi32.dll", "CreateDIBSection", &HookCreateDIBSection, realCreateDIBSection);
    Patch(module, "user32.dll", "LoadBitmapA", &HookLoadBitmapA, realLoadBitmapA);
    Patch(module, "gdi32.dll", "DeleteObject", &HookDeleteObject, realDeleteObject);
    Patch(module, "gdi32.dll", "DeleteDC", &HookDeleteDC, realDeleteDC);
}

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

void Press(HWND button, UINT down, UINT up) {
    SendMessageA(button, down, MK_LBUTTON, MAKELPARAM(3, 3));
    Repaint(button);
    SendMessageA(button, up, 0, MAKELPARAM(3, 3));
    Repaint(button);
}

}  // namespace

WINE_TEST(PaintingAndClickingEveryControlLeaksNoGdiObject) {
    ModuleFixture f;
    WatchModule(f.module);
    live.clear();
    f.leftClick();
    Pump();
    HWND panel = f.Panel();
    CHECK(!live.empty());  // the watch works: the title-strip buttons own bitmaps, a font and pens
    Repaint(panel);
    Pump();
    const std::set<void*> baseline = live;

    for (int round = 0; round < 10; ++round) {
        Repaint(panel);
        for (int id : {3006, 3007, 3008, 3050, 3051}) {
            HWND button = GetDlgItem(panel, id);
            Press(button, WM_LBUTTONDOWN, WM_LBUTTONUP);
        }
        Press(GetDlgItem(panel, 3006), WM_RBUTTONDOWN, WM_RBUTTONUP);
        EnableWindow(GetDlgItem(panel, 3050), FALSE);  // the embossed look
        Repaint(GetDlgItem(panel, 3050));
        EnableWindow(GetDlgItem(panel, 3050), TRUE);
        SendMessageA(GetDlgItem(panel, 3057), WM_SETFOCUS, 0, 0);
        ShowWindow(panel, SW_SHOW);  // 3008 hid it
        Pump(10);
    }
    Pump();
    CHECK_EQ(baseline.size(), live.size());
    CHECK(baseline == live);
    CHECK(TakeDismissedBoxes().empty());
}

WINE_TEST(ThePanelsGdiObjectsGoWithItsWindow) {
    // The module never deletes a panel object; when the host's main view
    // goes, and the panel window with it, its bitmaps, font and pens must go too.
    ModuleFixture f;
    WatchModule(f.module);
    live.clear();
    f.leftClick();
    Pump();
    HWND panel = f.Panel();
    Repaint(panel);
    Pump();
    CHECK(!live.empty());
    DestroyWindow(f.view);
    f.view = nullptr;
    Pump();
    CHECK(!IsWindow(panel));
    CHECK_EQ(0u, live.size());
}
