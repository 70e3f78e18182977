// What the workbench's main view draws, without windows.h: every object as a
// wireframe box turned by its Euler angles, its axes as three short lines,
// a grid on the ground plane, all in an oblique projection fitted to the view.
//
// The projection matches the module's own pictures: Y to the right, Z up,
// X toward the viewer, drawn down and to the left at half length (cabinet
// projection at 45 degrees).
#pragma once

#include <string>
#include <vector>

#include "api/host_records.h"

namespace workbench {

struct ViewObject {
    std::string name;
    Vector3 location{0, 0, 0};
    Vector3 rotation{0, 0, 0};
    Vector3 size{1, 1, 1};
    Vector3 axesPosition{0, 0, 0};
    Vector3 axesRotation{0, 0, 0};
    bool axesVisible = false;
    bool selected = false;
};

struct Point {
    double x, y;  // pixels, y down
};

// The pen a segment is drawn with. Axes: X green, Y blue, Z red.
enum class Ink { Grid, Edge, SelectedEdge, AxisX, AxisY, AxisZ };

struct Segment {
    Point a, b;
    Ink ink;
};

struct Label {
    Point at;  // the text's bottom centre; labels that would overlap are stacked
    std::string text;
    bool selected;
};

struct Drawing {
    // In drawing order: grid, the other objects' edges, the selected object's
    // edges, then all axes, so the selection and the axes stay on top.
    std::vector<Segment> segments;
    std::vector<Label> labels;
    double scale = 0;  // pixels per world unit
};

// The plane coordinates (u right, v up) of a world point.
Point ProjectToPlane(const Vector3& p);

// Length in world units of the axis lines drawn for an object of this size.
double AxisLength(const Vector3& size);

// The whole picture for a view of width x height pixels. The grid covers at
// least -5 .. 5 on X and Y and grows with the scene; everything is fitted
// into the view with a margin, keeping proportions.
Drawing DrawScene(const std::vector<ViewObject>& objects, int width, int height);

}  // namespace workbench
