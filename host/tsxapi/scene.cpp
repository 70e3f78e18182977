#include "host/tsxapi/scene.h"

#include <cmath>

#include "host/tsxapi/euler.h"

namespace standin {

Vector3 UnitCubeCorner(int k) {
    return Vector3{(k & 1) ? 0.5f : -0.5f, (k & 2) ? 0.5f : -0.5f, (k & 4) ? 0.5f : -0.5f};
}

void Scene::Reset() {
    RemoveAll();
    Add("Cube", Vector3{0, 0, 0}, Vector3{2, 2, 2});
    Add("Slab", Vector3{5, 0, 0}, Vector3{4, 2, 0.5f});
    Add("Post", Vector3{-4, 3, 1}, Vector3{0.5f, 0.5f, 3});
    selection = At(0);
    pointPosition = Vector3{0, 0, 0};
    pointRotation = Vector3{0, 0, 0};
}

void Scene::RemoveAll() {
    objects.clear();
    selection = nullptr;
    nextId = 1;
}

void* Scene::Add(const std::string& name, const Vector3& location, const Vector3& size) {
    auto node = std::make_unique<Node>();
    node->data.id = nextId++;
    node->data.name = name.substr(0, kMaxName);
    node->data.location = location;
    node->data.size = size;
    node->data.axesPosition = location;
    node->data.units = kDefaultUnits;
    Derive(node.get());
    objects.push_back(std::move(node));
    return objects.back().get();
}

void* Scene::At(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return objects[index].get();
}

Scene::Node* Scene::Lookup(const void* handle) const {
    if (!handle) return nullptr;
    for (const auto& node : objects) {
        if (node.get() == handle) return node.get();
    }
    return nullptr;
}

bool Scene::IsLive(const void* handle) const { return Lookup(handle) != nullptr; }

int Scene::IdOf(const void* handle) const {
    const Node* node = Lookup(handle);
    return node ? node->data.id : 0;
}

const ObjectData* Scene::Find(const void* handle) const {
    const Node* node = Lookup(handle);
    return node ? &node->data : nullptr;
}

bool Scene::Get(const void* handle, ObjectData* out) const {
    const Node* node = Lookup(handle);
    if (!node || !out) return false;
    *out = node->data;
    return true;
}

bool Scene::Set(const void* handle, const ObjectData& in) {
    Node* node = Lookup(handle);
    if (!node) return false;
    int id = node->data.id;
    node->data = in;
    node->data.id = id;
    node->data.name = in.name.substr(0, kMaxName);
    Derive(node);
    return true;
}

bool Scene::SetLocation(const void* handle, const Vector3& value) {
    Node* node = Lookup(handle);
    if (!node) return false;
    ObjectData& d = node->data;
    d.axesPosition.x += value.x - d.location.x;
    d.axesPosition.y += value.y - d.location.y;
    d.axesPosition.z += value.z - d.location.z;
    d.location = value;
    Derive(node);
    return true;
}

bool Scene::SetRotation(const void* handle, const Vector3& value) {
    Node* node = Lookup(handle);
    if (!node) return false;
    node->data.rotation = value;
    Derive(node);
    return true;
}

bool Scene::SetSize(const void* handle, const Vector3& value) {
    Node* node = Lookup(handle);
    if (!node) return false;
    node->data.size = value;
    Derive(node);
    return true;
}

bool Scene::SetAxesPosition(const void* handle, const Vector3& value) {
    Node* node = Lookup(handle);
    if (!node) return false;
    node->data.axesPosition = value;
    return true;
}

bool Scene::SetAxesRotation(const void* handle, const Vector3& value) {
    Node* node = Lookup(handle);
    if (!node) return false;
    node->data.axesRotation = value;
    return true;
}

bool Scene::SetUnits(const void* handle, int code) {
    Node* node = Lookup(handle);
    if (!node) return false;
    node->data.units = code;
    return true;
}

bool Scene::GetBBox(const void* handle, BBox* out) const {
    const Node* node = Lookup(handle);
    if (!node || !out) return false;
    const ObjectData& d = node->data;
    if (d.emptyBox) return true;  // no geometry to put into the box
    float hx = std::fabs(d.size.x) / 2, hy = std::fabs(d.size.y) / 2, hz = std::fabs(d.size.z) / 2;
    out->min = Vector3{d.location.x - hx, d.location.y - hy, d.location.z - hz};
    out->max = Vector3{d.location.x + hx, d.location.y + hy, d.location.z + hz};
    return true;
}

const Vector3* Scene::Vertices(const void* handle) const {
    const Node* node = Lookup(handle);
    return node ? node->vertices.data() : nullptr;
}

bool Scene::VertexTransform(const void* handle, Matrix* out) const {
    const Node* node = Lookup(handle);
    if (!node || !out) return false;
    const ObjectData& d = node->data;
    Rotation r = RotationFromEuler(d.rotation);
    const float scale[3] = {d.size.x, d.size.y, d.size.z};
    const float shift[3] = {d.location.x, d.location.y, d.location.z};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            out->m[row * 4 + col] = static_cast<float>(r.m[row][col] * scale[col]);
        }
        out->m[row * 4 + 3] = shift[row];
    }
    return true;
}

int Scene::SelectedFaces(const void* handle, int* list) const {
    const Node* node = Lookup(handle);
    if (!node) return 0;
    int count = node->data.selectedFaces;
    if (count < 0) count = 0;
    if (count > kBoxFaces) count = kBoxFaces;
    if (list) {
        for (int i = 0; i < count; ++i) list[i] = i;
    }
    return count;
}

void Scene::Derive(Node* node) {
    const ObjectData& d = node->data;
    Rotation r = RotationFromEuler(d.rotation);
    for (int k = 0; k < kBoxVertices; ++k) {
        Vector3 c = UnitCubeCorner(k);
        Vector3 local{c.x * d.size.x, c.y * d.size.y, c.z * d.size.z};
        Vector3 turned = Rotate(r, local);
        node->vertices[k] =
            Vector3{turned.x + d.location.x, turned.y + d.location.y, turned.z + d.location.z};
    }
}

void Scene::Select(void* handle) { selection = Lookup(handle) ? handle : nullptr; }

void* Scene::CopySelected() {
    const Node* source = Lookup(selection);
    if (!source) return nullptr;
    ObjectData copy = source->data;  // before Add: the vector may grow
    void* added = Add(copy.name + " copy", copy.location, copy.size);
    Node* node = Lookup(added);
    int id = node->data.id;
    node->data = copy;
    node->data.id = id;
    node->data.name = (copy.name + " copy").substr(0, kMaxName);
    Derive(node);
    selection = added;
    return added;
}

int Scene::ToggleSelectedAxes() {
    Node* node = Lookup(selection);
    if (!node) return -1;
    node->data.axesVisible = node->data.axesVisible ? 0 : 1;
    return node->data.axesVisible;
}

void Scene::SetPointAxes(const Vector3& position, const Vector3& euler) {
    pointPosition = position;
    pointRotation = euler;
}

}  // namespace standin
