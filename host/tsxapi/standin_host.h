// The whole behaviour of the stand-in tsxapi.dll behind its exports, without
// windows.h: one member per host API call, each doing the call's work on the
// scene and appending its journal line. The exports in tsxapi_win.cpp only
// forward here (and invalidate the main view on a refresh).
//
// Unknown or null handles and null record pointers never crash: the call is
// journaled, changes nothing, leaves every output as it was and returns 0 or
// null. Calls that fill or return something journal " -> result" only when
// they did fill or return it; e.g. tsxGNodeGetSize(null) has no result.
#pragma once

#include <string>
#include <vector>

#include "host/tsxapi/host_memory.h"
#include "host/tsxapi/journal.h"
#include "host/tsxapi/scene.h"

namespace standin {

class StandinHost {
public:
    StandinHost() = default;
    StandinHost(const StandinHost&) = delete;
    StandinHost& operator=(const StandinHost&) = delete;

    // Default scene, empty journal, no main view, block count from zero,
    // allocations succeed, counters zero, installation directory = defaultDir.
    // The listener stays.
    void Reset(const std::string& defaultDir);

    // tsx calls, in the order of api/tsxapi.h.
    void* GetCurrentSelection();
    void GetLocation(void* object, Vector3* out);
    void GetRotation(void* object, Vector3* out);
    void GetSize(void* object, Vector3* out);
    void GetAxesPosition(void* object, Vector3* out);
    void SetLocation(void* object, const Vector3* value);
    void SetRotation(void* object, const Vector3* value);
    void SetSize(void* object, const Vector3* value);
    void SetAxesPosition(void* object, const Vector3* value);
    void SetAxesOrientation(void* object, const Axes* axes);
    void EulerToAxes(const Vector3* euler, Axes* out);
    void AxesToEuler(const Axes* axes, Vector3* out);
    void BBoxInit(BBox* box);
    void GetBBox(void* object, BBox* out);
    int GetUnits(void* object);
    void SetUnits(void* object, int code);
    void CurrobjToggleAxes();
    void SelectUp();
    void CurrobjCopy();
    void SceneRefresh();
    void SceneSetChanged(int changed);
    int GetNbrVxs(void* object);
    Vector3* GetVxArray(void* object);
    void GetVxTxmx(void* object, Matrix* out);
    int GetUserSelectedFaces(void* object, int* list);
    void PointsGetAxesPosition(Vector3* out);
    void PointsGetAxesOrientation(Axes* out);
    void* Malloc(int bytes);
    void* Calloc(int count, int size);
    void Free(void* block);
    void* GetMainView();  // journaled as tsxGetMainViewHwnd
    char* GetTSDir(int which);

    // Hooks (not journaled).
    Scene& GetScene() { return scene; }
    const Scene& GetScene() const { return scene; }
    Journal& GetJournal() { return journal; }
    HostMemory& Memory() { return memory; }
    void SetMainView(void* view) { mainView = view; }
    void* MainView() const { return mainView; }
    // A null `dir` makes tsxGetTSDir answer a null text, as a host that
    // knows no installation folder.
    void SetTSDir(const char* dir);
    // What tsxSceneRefresh does after its work (standinSetRefreshLoop).
    void SetRefreshLoop(int loop) { refreshLoop = loop; }
    int RefreshLoop() const { return refreshLoop; }
    // How long tsxSceneRefresh takes, as a heavy scene's redraw does
    // (standinSetRefreshDelay).
    void SetRefreshDelay(int milliseconds) { refreshDelay = milliseconds; }
    int RefreshDelay() const { return refreshDelay; }
    void CountRefreshEscape() { ++refreshEscapes; }
    int RefreshEscapes() const { return refreshEscapes; }
    int RefreshCount() const { return refreshes; }
    int ChangedCount() const { return changes; }
    int ChangedFlag() const { return changedFlag; }
    int SelectUpCount() const { return selectUps; }

private:
    std::string Handle(const void* object) const;
    void Log(const CallLine& line) { journal.Append(line.Text()); }
    // Shared shape of the four Vector3 getters and setters.
    void GetVector(const char* name, void* object, Vector3* out, Vector3 ObjectData::*field);
    void SetVector(const char* name, void* object, const Vector3* value,
                   bool (Scene::*setter)(const void*, const Vector3&));

    Scene scene;
    Journal journal;
    HostMemory memory;
    void* mainView = nullptr;
    std::vector<char> tsDir{'\0'};  // tsxGetTSDir hands out a char*; empty: null
    int refreshes = 0;
    int refreshLoop = 0;
    int refreshDelay = 0;
    int refreshEscapes = 0;
    int changes = 0;
    int changedFlag = 0;
    int selectUps = 0;
};

}  // namespace standin
