#include "host/tsxapi/standin_host.h"

#include <cfloat>
#include <cstring>

#include "host/tsxapi/euler.h"

namespace standin {

void StandinHost::Reset(const std::string& defaultDir) {
    scene.Reset();
    journal.Clear();
    memory.Recount();
    memory.SetFailing(false);
    mainView = nullptr;
    SetTSDir(defaultDir.c_str());
    refreshes = 0;
    refreshLoop = 0;
    refreshDelay = 0;
    refreshEscapes = 0;
    changes = 0;
    changedFlag = 0;
    selectUps = 0;
}

void StandinHost::SetTSDir(const char* dir) {
    tsDir.clear();
    if (dir) tsDir.assign(dir, dir + std::strlen(dir) + 1);
}

std::string StandinHost::Handle(const void* object) const {
    if (!object) return FormatHandle(0);
    int id = scene.IdOf(object);
    return FormatHandle(id ? id : -1);
}

void* StandinHost::GetCurrentSelection() {
    void* selected = scene.Selection();
    Log(CallLine("tsxGetCurrentSelection").Result(Handle(selected)));
    return selected;
}

void StandinHost::GetVector(const char* name, void* object, Vector3* out,
                            Vector3 ObjectData::*field) {
    CallLine line(name);
    line.Arg(Handle(object));
    const ObjectData* data = scene.Find(object);
    if (data && out) {
        *out = data->*field;
        line.Result(FormatVector(*out));
    }
    Log(line);
}

void StandinHost::SetVector(const char* name, void* object, const Vector3* value,
                            bool (Scene::*setter)(const void*, const Vector3&)) {
    CallLine line(name);
    line.Arg(Handle(object)).Arg(value ? FormatVector(*value) : "null");
    if (value) (scene.*setter)(object, *value);
    Log(line);
}

void StandinHost::GetLocation(void* object, Vector3* out) {
    GetVector("tsxGNodeGetLocation", object, out, &ObjectData::location);
}
void StandinHost::GetRotation(void* object, Vector3* out) {
    GetVector("tsxGNodeGetRotation", object, out, &ObjectData::rotation);
}
void StandinHost::GetSize(void* object, Vector3* out) {
    GetVector("tsxGNodeGetSize", object, out, &ObjectData::size);
}
void StandinHost::GetAxesPosition(void* object, Vector3* out) {
    GetVector("tsxGNodeGetAxesPosition", object, out, &ObjectData::axesPosition);
}

void StandinHost::SetLocation(void* object, const Vector3* value) {
    SetVector("tsxGNodeSetLocation", object, value, &Scene::SetLocation);
}
void StandinHost::SetRotation(void* object, const Vector3* value) {
    SetVector("tsxGNodeSetRotation", object, value, &Scene::SetRotation);
}
void StandinHost::SetSize(void* object, const Vector3* value) {
    SetVector("tsxGNodeSetSize", object, value, &Scene::SetSize);
}
void StandinHost::SetAxesPosition(void* object, const Vector3* value) {
    SetVector("tsxMNodeSetAxesPosition", object, value, &Scene::SetAxesPosition);
}

void StandinHost::SetAxesOrientation(void* object, const Axes* axes) {
    CallLine line("tsxMNodeSetAxesOrientation");
    line.Arg(Handle(object)).Arg(axes ? kAxesText : "null");
    // Only the orientation is taken; the record's origin does not move the axes.
    if (axes) scene.SetAxesRotation(object, EulerFromAxes(*axes));
    Log(line);
}

void StandinHost::EulerToAxes(const Vector3* euler, Axes* out) {
    CallLine line("tsxEulerToAxes");
    line.Arg(euler ? FormatVector(*euler) : "null");
    if (euler && out) {
        *out = AxesFromEuler(*euler);
        line.Result(kAxesText);
    }
    Log(line);
}

void StandinHost::AxesToEuler(const Axes* axes, Vector3* out) {
    CallLine line("tsxAxesToEuler");
    line.Arg(axes ? kAxesText : "null");
    if (axes && out) {
        *out = EulerFromAxes(*axes);
        line.Result(FormatVector(*out));
    }
    Log(line);
}

void StandinHost::BBoxInit(BBox* box) {
    CallLine line("tsxBBoxInit");
    if (box) {
        // Empty: every point extends it on both sides.
        box->min = Vector3{FLT_MAX, FLT_MAX, FLT_MAX};
        box->max = Vector3{-FLT_MAX, -FLT_MAX, -FLT_MAX};
        line.Result(FormatBBox(*box));
    } else {
        line.Arg("null");
    }
    Log(line);
}

void StandinHost::GetBBox(void* object, BBox* out) {
    CallLine line("tsxGNodeGetBBox");
    line.Arg(Handle(object));
    if (out && scene.GetBBox(object, out)) line.Result(FormatBBox(*out));
    Log(line);
}

int StandinHost::GetUnits(void* object) {
    const ObjectData* data = scene.Find(object);
    int code = data ? data->units : 0;
    Log(CallLine("tsxGNodeGetUnits").Arg(Handle(object)).Result(FormatInt(code)));
    return code;
}

void StandinHost::SetUnits(void* object, int code) {
    scene.SetUnits(object, code);
    Log(CallLine("tsxGNodeSetUnits").Arg(Handle(object)).Arg(FormatInt(code)));
}

void StandinHost::CurrobjToggleAxes() {
    scene.ToggleSelectedAxes();
    Log(CallLine("tsxCurrobjToggleAxes"));
}

void StandinHost::SelectUp() {
    // Objects have no parents: the selection stays.
    ++selectUps;
    Log(CallLine("tsxSelectUp"));
}

void StandinHost::CurrobjCopy() {
    scene.CopySelected();
    Log(CallLine("tsxCurrobjCopy"));
}

void StandinHost::SceneRefresh() {
    ++refreshes;
    Log(CallLine("tsxSceneRefresh"));
}

void StandinHost::SceneSetChanged(int changed) {
    ++changes;
    changedFlag = changed;
    Log(CallLine("tsxSceneSetChanged").Arg(FormatInt(changed)));
}

int StandinHost::GetNbrVxs(void* object) {
    int count = scene.IsLive(object) ? kBoxVertices : 0;
    Log(CallLine("tsxPolyhGetNbrVxs").Arg(Handle(object)).Result(FormatInt(count)));
    return count;
}

Vector3* StandinHost::GetVxArray(void* object) {
    // The module reads but never frees it; the scene keeps it for the object.
    Vector3* vertices = const_cast<Vector3*>(scene.Vertices(object));
    Log(CallLine("tsxPolyhGetVxArray").Arg(Handle(object)).Result(vertices ? "array" : "null"));
    return vertices;
}

void StandinHost::GetVxTxmx(void* object, Matrix* out) {
    CallLine line("tsxPolyhGetVxTxmx");
    line.Arg(Handle(object));
    if (out && scene.VertexTransform(object, out)) line.Result(kMatrixText);
    Log(line);
}

int StandinHost::GetUserSelectedFaces(void* object, int* list) {
    int count = scene.SelectedFaces(object, list);
    Log(CallLine("tsxPolyhGetUserSelectedFaces")
            .Arg(Handle(object))
            .Arg(list ? "list" : "null")
            .Result(FormatInt(count)));
    return count;
}

void StandinHost::PointsGetAxesPosition(Vector3* out) {
    CallLine line("tsxPointsGetAxesPosition");
    if (out) {
        *out = scene.PointAxesPosition();
        line.Result(FormatVector(*out));
    } else {
        line.Arg("null");
    }
    Log(line);
}

void StandinHost::PointsGetAxesOrientation(Axes* out) {
    CallLine line("tsxPointsGetAxesOrientation");
    if (out) {
        *out = AxesFromEuler(scene.PointAxesRotation(), scene.PointAxesPosition());
        line.Result(kAxesText);
    } else {
        line.Arg("null");
    }
    Log(line);
}

void* StandinHost::Malloc(int bytes) {
    void* block = memory.Allocate(bytes);
    Log(CallLine("tsxMalloc").Arg(FormatInt(bytes)).Result(block ? "block" : "null"));
    return block;
}

void* StandinHost::Calloc(int count, int size) {
    void* block = memory.AllocateZeroed(count, size);
    Log(CallLine("tsxCalloc")
            .Arg(FormatInt(count))
            .Arg(FormatInt(size))
            .Result(block ? "block" : "null"));
    return block;
}

void StandinHost::Free(void* block) {
    HostMemory::FreeResult result = memory.Free(block);
    const char* what = result == HostMemory::FreeResult::Freed  ? "block"
                       : result == HostMemory::FreeResult::Null ? "null"
                                                                : "unknown";
    Log(CallLine("tsxFree").Arg(what));
}

void* StandinHost::GetMainView() {
    Log(CallLine("tsxGetMainViewHwnd").Result(mainView ? "window" : "null"));
    return mainView;
}

char* StandinHost::GetTSDir(int which) {
    // Every code gives the installation directory.
    char* dir = tsDir.empty() ? nullptr : tsDir.data();
    Log(CallLine("tsxGetTSDir").Arg(FormatInt(which)).Result(FormatText(dir)));
    return dir;
}

}  // namespace standin
