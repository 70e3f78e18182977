#include "host/workbench/wireframe.h"

#include <algorithm>
#include <cmath>

#include "host/tsxapi/euler.h"
#include "host/tsxapi/scene.h"

namespace workbench {
namespace {

const double kDepthScale = 0.5;            // X drawn at half length
const double kDepthSlant = 0.70710678118;  // cos 45 = sin 45
const double kMargin = 24.0;               // pixels kept free round the picture
const double kMinGrid = 5.0;               // the grid covers at least -5 .. 5
const int kMaxGridLines = 40;
const double kLabelWidth = 60.0;   // pixels two names need side by side
const double kLabelHeight = 13.0;  // one line of the view's font

struct Bounds {
    double minX = 1e300, minY = 1e300, maxX = -1e300, maxY = -1e300;
    void Add(const Point& p) {
        minX = std::min(minX, p.x);
        maxX = std::max(maxX, p.x);
        minY = std::min(minY, p.y);
        maxY = std::max(maxY, p.y);
    }
};

Vector3 Plus(const Vector3& a, const Vector3& b) { return Vector3{a.x + b.x, a.y + b.y, a.z + b.z}; }

Vector3 Times(const Vector3& a, double k) {
    return Vector3{static_cast<float>(a.x * k), static_cast<float>(a.y * k), static_cast<float>(a.z * k)};
}

bool Finite(const Vector3& v) { return std::isfinite(v.x) && std::isfinite(v.y) && std::isfinite(v.z); }

// A world-space line; turned into pixels once the fit is known.
struct WorldSegment {
    Vector3 a, b;
    Ink ink;
};

void AddBox(const ViewObject& object, std::vector<WorldSegment>* out) {
    standin::Rotation r = standin::RotationFromEuler(object.rotation);
    Vector3 corners[8];
    for (int k = 0; k < 8; ++k) {
        Vector3 c = standin::UnitCubeCorner(k);
        Vector3 local{c.x * object.size.x, c.y * object.size.y, c.z * object.size.z};
        corners[k] = Plus(standin::Rotate(r, local), object.location);
    }
    Ink ink = object.selected ? Ink::SelectedEdge : Ink::Edge;
    // The twelve edges join corners that differ in exactly one bit.
    for (int k = 0; k < 8; ++k) {
        for (int bit = 1; bit < 8; bit <<= 1) {
            if (!(k & bit)) out->push_back(WorldSegment{corners[k], corners[k | bit], ink});
        }
    }
}

void AddAxes(const ViewObject& object, std::vector<WorldSegment>* out) {
    Axes axes = standin::AxesFromEuler(object.axesRotation);
    double length = AxisLength(object.size);
    const Ink inks[3] = {Ink::AxisX, Ink::AxisY, Ink::AxisZ};
    for (int i = 0; i < 3; ++i) {
        Vector3 tip = Plus(object.axesPosition, Times(standin::AxesVector(axes, i), length));
        out->push_back(WorldSegment{object.axesPosition, tip, inks[i]});
    }
}

double GridStep(double extent) {
    double step = 1.0;
    while (2.0 * extent / step > kMaxGridLines) step *= 2.0;
    return step;
}

}  // namespace

Point ProjectToPlane(const Vector3& p) {
    return Point{p.y - kDepthScale * kDepthSlant * p.x, p.z - kDepthScale * kDepthSlant * p.x};
}

double AxisLength(const Vector3& size) {
    double largest = std::max({std::fabs(size.x), std::fabs(size.y), std::fabs(size.z)});
    if (!std::isfinite(largest)) largest = 1.0;
    return std::min(3.0, std::max(0.75, 0.6 * largest));
}

Drawing DrawScene(const std::vector<ViewObject>& objects, int width, int height) {
    std::vector<WorldSegment> grid, edges, selectedEdges, axes;
    std::vector<const ViewObject*> drawn;
    for (const ViewObject& object : objects) {
        // An object with a non-finite value has no place to be drawn.
        if (!Finite(object.location) || !Finite(object.rotation) || !Finite(object.size)) continue;
        drawn.push_back(&object);
        AddBox(object, object.selected ? &selectedEdges : &edges);
        if (object.axesVisible && Finite(object.axesPosition) && Finite(object.axesRotation)) { AddAxes(object, &axes); }
    }

    // Ground grid on z = 0 over the scene's X and Y extent.
    double extent = kMinGrid;
    for (const auto* list : {&edges, &selectedEdges, &axes}) {
        for (const WorldSegment& s : *list) {
            for (const Vector3& p : {s.a, s.b}) {
                extent = std::max({extent, std::fabs(static_cast<double>(p.x)), std::fabs(static_cast<double>(p.y))});
            }
        }
    }
    double step = GridStep(extent);
    double reach = std::ceil(extent / step) * step;
    for (double at = -reach; at <= reach + 1e-9; at += step) {
        float f = static_cast<float>(at), r = static_cast<float>(reach);
        grid.push_back(WorldSegment{Vector3{f, -r, 0}, Vector3{f, r, 0}, Ink::Grid});
        grid.push_back(WorldSegment{Vector3{-r, f, 0}, Vector3{r, f, 0}, Ink::Grid});
    }

    Bounds bounds;
    for (const auto* list : {&grid, &edges, &selectedEdges, &axes}) {
        for (const WorldSegment& s : *list) {
            bounds.Add(ProjectToPlane(s.a));
            bounds.Add(ProjectToPlane(s.b));
        }
    }
    double spanX = std::max(bounds.maxX - bounds.minX, 1e-6);
    double spanY = std::max(bounds.maxY - bounds.minY, 1e-6);
    double usableX = std::max(1.0, width - 2 * kMargin);
    double usableY = std::max(1.0, height - 2 * kMargin);
    Drawing drawing;
    drawing.scale = std::min(usableX / spanX, usableY / spanY);
    double centreU = (bounds.minX + bounds.maxX) / 2, centreV = (bounds.minY + bounds.maxY) / 2;
    auto toPixels = [&](const Vector3& p) {
        Point plane = ProjectToPlane(p);
        return Point{width / 2.0 + (plane.x - centreU) * drawing.scale, height / 2.0 - (plane.y - centreV) * drawing.scale};
    };

    for (const auto* list : {&grid, &edges, &selectedEdges, &axes}) {
        for (const WorldSegment& s : *list) { drawing.segments.push_back(Segment{toPixels(s.a), toPixels(s.b), s.ink}); }
    }
    for (const ViewObject* object : drawn) {
        // Above the box's highest corner, whatever its turn.
        Vector3 top = object->location;
        double half = 0.5 * std::sqrt(object->size.x * object->size.x + object->size.y * object->size.y +
                                      object->size.z * object->size.z);
        top.z = static_cast<float>(top.z + half);
        Label label{toPixels(top), object->name, object->selected};
        // Objects in one place (a fresh copy sits on its original) would
        // print their names over each other: stack them instead.
        bool moved = true;
        for (int tries = 0; moved && tries < 64; ++tries) {
            moved = false;
            for (const Label& earlier : drawing.labels) {
                if (std::fabs(earlier.at.x - label.at.x) < kLabelWidth &&
                    std::fabs(earlier.at.y - label.at.y) < kLabelHeight) {
                    label.at.y = earlier.at.y - kLabelHeight;
                    moved = true;
                }
            }
        }
        drawing.labels.push_back(label);
    }
    return drawing;
}

}  // namespace workbench
