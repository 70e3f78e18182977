#include "host/workbench/scene_view_win.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>

#include "host/standin.h"
#include "host/hosting/window_win.h"
#include "win/Gdi_win.h"
#include "win/OffscreenDC_win.h"

namespace workbench {
namespace {

const char* const kClassName = "OrtolanWorkbenchView";
const COLORREF kBackground = RGB(255, 255, 255);

struct InkStyle {
    int width;
    COLORREF colour;
};

InkStyle StyleOf(Ink ink) {
    switch (ink) {
    case Ink::Grid: return {1, RGB(225, 228, 232)};
    case Ink::Edge: return {1, RGB(70, 70, 80)};
    case Ink::SelectedEdge: return {2, RGB(235, 120, 0)};
    case Ink::AxisX: return {2, RGB(0, 160, 0)};
    case Ink::AxisY: return {2, RGB(0, 0, 230)};
    case Ink::AxisZ: return {2, RGB(220, 0, 0)};
    }
    return {1, RGB(0, 0, 0)};
}

// GDI takes ints; a far-off point is clamped rather than wrapped.
int Pixel(double v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::lround(std::max(-30000.0, std::min(30000.0, v))));
}

void Line(HDC dc, const Point& a, const Point& b) {
    MoveToEx(dc, Pixel(a.x), Pixel(a.y), nullptr);
    LineTo(dc, Pixel(b.x), Pixel(b.y));
}

// A small triad in the lower left corner naming the world's directions.
void DrawLegend(HDC dc, const RECT& client) {
    const double length = 26;
    Point origin{client.left + 30.0, client.bottom - 30.0};
    struct Arm {
        Vector3 direction;
        Ink ink;
        const char* label;
    } arms[] = {{{1, 0, 0}, Ink::AxisX, "X"}, {{0, 1, 0}, Ink::AxisY, "Y"}, {{0, 0, 1}, Ink::AxisZ, "Z"}};
    SetBkMode(dc, TRANSPARENT);
    for (const Arm& arm : arms) {
        Point plane = ProjectToPlane(arm.direction);
        double norm = std::sqrt(plane.x * plane.x + plane.y * plane.y);
        Point tip{origin.x + plane.x / norm * length, origin.y - plane.y / norm * length};
        InkStyle style = StyleOf(arm.ink);
        GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, style.colour));
        Selection selected(dc, pen.Get());
        Line(dc, origin, tip);
        SetTextColor(dc, style.colour);
        TextOutA(dc, Pixel(tip.x + (plane.x / norm) * 8 - 3), Pixel(tip.y - (plane.y / norm) * 8 - 6), arm.label, 1);
    }
}

}  // namespace

std::vector<ViewObject> ReadScene() {
    std::vector<ViewObject> objects;
    void* selection = standinSelection();
    int count = standinObjectCount();
    for (int i = 0; i < count; ++i) {
        void* handle = standinObjectAt(i);
        StandinObject record;
        if (!standinGetObject(handle, &record)) continue;
        ViewObject object;
        object.name = std::string(record.name, strnlen(record.name, sizeof record.name));
        object.location = record.location;
        object.rotation = record.rotation;
        object.size = record.size;
        object.axesPosition = record.axesPosition;
        object.axesRotation = record.axesRotation;
        object.axesVisible = record.axesVisible != 0;
        object.selected = handle == selection;
        objects.push_back(object);
    }
    return objects;
}

bool SceneView::Create(HWND parent, HINSTANCE instance) {
    if (!hosting::RegisterObjectClass<SceneView>(instance, kClassName, nullptr, CS_HREDRAW | CS_VREDRAW)) return false;
    CreateWindowExA(WS_EX_CLIENTEDGE, kClassName, "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 10, 10, parent, nullptr,
                    instance, this);
    return hwnd != nullptr;
}

void SceneView::Invalidate() const {
    if (hwnd) InvalidateRect(hwnd, nullptr, FALSE);
}

LRESULT SceneView::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void SceneView::OnPaint() {
    PaintDC paint(hwnd);
    RECT client;
    GetClientRect(hwnd, &client);
    OffscreenDC buffer(paint.Get(), client);
    if (!buffer) {
        Draw(paint.Get(), client);  // no memory for the buffer: draw straight on
        return;
    }
    Draw(buffer.Get(), client);
    buffer.CopyToTarget();
}

void SceneView::Draw(HDC dc, const RECT& client) {
    GdiObject<HBRUSH> background(CreateSolidBrush(kBackground));
    FillRect(dc, &client, background.Get());
    std::vector<ViewObject> objects = ReadScene();
    Drawing drawing = DrawScene(objects, client.right, client.bottom);

    // Consecutive segments mostly share an ink: make a pen per run.
    size_t i = 0;
    while (i < drawing.segments.size()) {
        Ink ink = drawing.segments[i].ink;
        InkStyle style = StyleOf(ink);
        GdiObject<HPEN> pen(CreatePen(PS_SOLID, style.width, style.colour));
        Selection selected(dc, pen.Get());
        for (; i < drawing.segments.size() && drawing.segments[i].ink == ink; ++i) {
            Line(dc, drawing.segments[i].a, drawing.segments[i].b);
        }
    }

    Selection font(dc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_BOTTOM);
    for (const Label& label : drawing.labels) {
        SetTextColor(dc, label.selected ? StyleOf(Ink::SelectedEdge).colour : RGB(90, 90, 100));
        TextOutA(dc, Pixel(label.at.x), Pixel(label.at.y - 2), label.text.c_str(), static_cast<int>(label.text.size()));
    }
    SetTextAlign(dc, TA_LEFT | TA_TOP);
    SetTextColor(dc, RGB(120, 120, 130));
    std::string caption = "Main view: " + std::to_string(objects.size()) + " object" + (objects.size() == 1 ? "" : "s");
    TextOutA(dc, 6, 4, caption.c_str(), static_cast<int>(caption.size()));
    DrawLegend(dc, client);
}

}  // namespace workbench
