// The stand-in host's scene, without windows.h: objects, the selection and
// the axes of the point selection.
//
// An object is a box: centred on `location`, `size` wide along X, Y, Z and
// turned by the Euler angles `rotation` (see euler.h) about its centre. Its
// axes (pivot) have their own position and orientation. Objects have no
// parents and no children.
//
// Handles handed to the module are the addresses of the objects, which stay
// put for an object's whole life. Every handle that comes back is checked
// against the live objects first, so null, stale and made-up handles are
// recognised and refused rather than followed.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "api/host_records.h"

namespace standin {

// Mirrors StandinObject of host/standin.h field by field (that header pulls
// in windows.h, this one must not).
struct ObjectData {
    int id = 0;
    std::string name;  // at most kMaxName characters
    Vector3 location{0, 0, 0};
    Vector3 rotation{0, 0, 0};
    Vector3 size{1, 1, 1};
    Vector3 axesPosition{0, 0, 0};
    Vector3 axesRotation{0, 0, 0};
    int units = 0;
    int axesVisible = 1;
    int selectedFaces = 0;
    int emptyBox = 0;
};

const int kMaxName = 31;  // StandinObject::name is char[32]
const int kBoxVertices = 8;
const int kBoxFaces = 6;
const int kDefaultUnits = 4;  // the first of the unit codes the panel knows

class Scene {
public:
    Scene() = default;
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // The default scene: "Cube" (0, 0, 0) 2 x 2 x 2, "Slab" (5, 0, 0)
    // 4 x 2 x 0.5, "Post" (-4, 3, 1) 0.5 x 0.5 x 3; ids 1 to 3, Cube selected,
    // point axes at the origin, unturned.
    void Reset();
    void RemoveAll();  // also clears the selection; ids start again at 1

    // Adds an object with the next id, axes at its centre, unit code
    // kDefaultUnits, axes visible; returns its handle.
    void* Add(const std::string& name, const Vector3& location, const Vector3& size);

    int Count() const { return static_cast<int>(objects.size()); }
    void* At(int index) const;  // null outside 0 .. Count() - 1
    bool IsLive(const void* handle) const;
    int IdOf(const void* handle) const;  // 0 for null or unknown
    const ObjectData* Find(const void* handle) const;

    // Whole-record access for the workbench and tests. Set keeps the id
    // (it is the object's identity), truncates the name and re-derives the
    // vertices. False for an unknown handle.
    bool Get(const void* handle, ObjectData* out) const;
    bool Set(const void* handle, const ObjectData& in);

    // Field setters of the host API. Moving an object carries its axes along
    // (the pivot belongs to the object); turning it or resizing it leaves
    // the axes where they are. False for an unknown handle.
    bool SetLocation(const void* handle, const Vector3& value);
    bool SetRotation(const void* handle, const Vector3& value);
    bool SetSize(const void* handle, const Vector3& value);
    bool SetAxesPosition(const void* handle, const Vector3& value);
    bool SetAxesRotation(const void* handle, const Vector3& value);
    bool SetUnits(const void* handle, int code);

    // Axis-aligned box location +- size / 2 (a negative size component is
    // taken by its magnitude, so min <= max always holds). An object marked
    // emptyBox has no geometry to put into it: the box stays as it was given.
    bool GetBBox(const void* handle, BBox* out) const;
    // The eight corners of the turned box in world coordinates. The array is
    // the object's own and keeps its address while the object lives; its
    // contents follow every change of the object.
    const Vector3* Vertices(const void* handle) const;
    // Maps the unit cube (corners +-0.5) onto the vertices: twelve floats,
    // three rows of (R * diag(size) | location), row-major.
    bool VertexTransform(const void* handle, Matrix* out) const;
    // Fills list (when given) with the selected face indices 0 .. n - 1 and
    // returns n, the object's selected-face count clamped to 0 .. 6.
    int SelectedFaces(const void* handle, int* list) const;

    // The selection: 0 or a live handle. Selecting an unknown handle selects
    // nothing.
    void Select(void* handle);
    void* Selection() const { return selection; }

    // The current-object commands. Copy adds "<name> copy" with a new id and
    // every other field equal, selects it and returns it (null when nothing
    // is selected). ToggleAxes flips the selected object's axes visibility
    // and returns the new value (-1 when nothing is selected).
    void* CopySelected();
    int ToggleSelectedAxes();

    void SetPointAxes(const Vector3& position, const Vector3& euler);
    Vector3 PointAxesPosition() const { return pointPosition; }
    Vector3 PointAxesRotation() const { return pointRotation; }

private:
    struct Node {
        ObjectData data;
        std::array<Vector3, kBoxVertices> vertices;
    };
    Node* Lookup(const void* handle) const;
    static void Derive(Node* node);

    std::vector<std::unique_ptr<Node>> objects;
    void* selection = nullptr;
    int nextId = 1;
    Vector3 pointPosition{0, 0, 0};
    Vector3 pointRotation{0, 0, 0};
};

// Corner k of a box: bit 0 picks +X, bit 1 +Y, bit 2 +Z (of +-0.5). The
// workbench draws the twelve edges between corners that differ in one bit.
Vector3 UnitCubeCorner(int k);

}  // namespace standin
