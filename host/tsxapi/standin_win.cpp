// The stand-in's own hooks (host/standin.h) for the workbench and the tests.
// None of them is journaled: the journal records the module's calls only.
#include "host/standin.h"

#include <cstring>

#include "host/tsxapi/dll_win.h"

using standin::ObjectData;
using standin::TheHost;

namespace {

void ToRecord(const ObjectData& d, StandinObject* out) {
    out->id = d.id;
    std::memset(out->name, 0, sizeof out->name);
    std::memcpy(out->name, d.name.data(),
                d.name.size() < sizeof out->name ? d.name.size() : sizeof out->name - 1);
    out->location = d.location;
    out->rotation = d.rotation;
    out->size = d.size;
    out->axesPosition = d.axesPosition;
    out->axesRotation = d.axesRotation;
    out->units = d.units;
    out->axesVisible = d.axesVisible;
    out->selectedFaces = d.selectedFaces;
    out->emptyBox = d.emptyBox;
}

ObjectData FromRecord(const StandinObject& in) {
    ObjectData d;
    d.id = in.id;
    // The record's name need not be terminated: never read past its 32 bytes.
    size_t length = 0;
    while (length < sizeof in.name && in.name[length]) ++length;
    d.name.assign(in.name, length);
    d.location = in.location;
    d.rotation = in.rotation;
    d.size = in.size;
    d.axesPosition = in.axesPosition;
    d.axesRotation = in.axesRotation;
    d.units = in.units;
    d.axesVisible = in.axesVisible;
    d.selectedFaces = in.selectedFaces;
    d.emptyBox = in.emptyBox;
    return d;
}

struct ListenerTarget {
    StandinListener listener = nullptr;
    void* context = nullptr;
};
ListenerTarget listenerTarget;

}  // namespace

void __cdecl standinReset(void) { standin::ResetHost(); }

int __cdecl standinObjectCount(void) { return TheHost().GetScene().Count(); }

void* __cdecl standinObjectAt(int index) { return TheHost().GetScene().At(index); }

void* __cdecl standinAddObject(const char* name, const Vector3* location, const Vector3* size) {
    return TheHost().GetScene().Add(name ? name : "", location ? *location : Vector3{0, 0, 0},
                                    size ? *size : Vector3{1, 1, 1});
}

void __cdecl standinRemoveAll(void) { TheHost().GetScene().RemoveAll(); }

int __cdecl standinGetObject(void* object, StandinObject* out) {
    ObjectData d;
    if (!out || !TheHost().GetScene().Get(object, &d)) return 0;
    ToRecord(d, out);
    return 1;
}

int __cdecl standinSetObject(void* object, const StandinObject* in) {
    if (!in) return 0;
    return TheHost().GetScene().Set(object, FromRecord(*in)) ? 1 : 0;
}

void __cdecl standinSelect(void* object) { TheHost().GetScene().Select(object); }

void* __cdecl standinSelection(void) { return TheHost().GetScene().Selection(); }

void __cdecl standinSetPointAxes(const Vector3* position, const Vector3* euler) {
    standin::Scene& scene = TheHost().GetScene();
    scene.SetPointAxes(position ? *position : scene.PointAxesPosition(),
                       euler ? *euler : scene.PointAxesRotation());
}

void __cdecl standinSetMainView(HWND view) { TheHost().SetMainView(view); }

void __cdecl standinSetTSDir(const char* dir) { TheHost().SetTSDir(dir); }

void __cdecl standinSetRefreshLoop(int loop) { TheHost().SetRefreshLoop(loop); }

void __cdecl standinSetRefreshDelay(int milliseconds) { TheHost().SetRefreshDelay(milliseconds); }

int __cdecl standinRefreshEscapes(void) { return TheHost().RefreshEscapes(); }

int __cdecl standinBlocksOutstanding(void) { return TheHost().Memory().Outstanding(); }

void __cdecl standinSetAllocFails(int fails) { TheHost().Memory().SetFailing(fails != 0); }

int __cdecl standinJournalCount(void) { return TheHost().GetJournal().Count(); }

int __cdecl standinJournalLine(int index, char* buffer, int size) {
    return TheHost().GetJournal().CopyLine(index, buffer, size);
}

void __cdecl standinJournalClear(void) { TheHost().GetJournal().Clear(); }

void __cdecl standinSetListener(StandinListener listener, void* context) {
    listenerTarget.listener = listener;
    listenerTarget.context = context;
    if (!listener) {
        TheHost().GetJournal().SetListener(nullptr);
        return;
    }
    TheHost().GetJournal().SetListener([](const std::string& line) {
        if (listenerTarget.listener) listenerTarget.listener(line.c_str(), listenerTarget.context);
    });
}

int __cdecl standinRefreshCount(void) { return TheHost().RefreshCount(); }

int __cdecl standinChangedCount(void) { return TheHost().ChangedCount(); }
