// Hooks of the stand-in tsxapi.dll for the workbench and the tests. These are
// not part of the host API: the module never calls them.
//
// Journal: every host API call appends one line, in call order, of the form
//     name(arguments) -> result
// with ", " between arguments and " -> result" only for calls that return or
// fill something. Object handles read "#N" (N = the object's id, from 1) or
// "null"; a Vector3 reads "{x, y, z}"; a BBox "{{x, y, z}, {x, y, z}}";
// Axes and Matrix records read "axes" and "matrix"; texts are quoted; numbers
// use printf's %g. Examples:
//     tsxGetCurrentSelection() -> #1
//     tsxGNodeGetSize(#1) -> {1, 2, 3}
//     tsxGNodeSetLocation(#1, {1.5, 0, 0})
//     tsxSceneSetChanged(1)
//     tsxGetTSDir(0) -> "C:\ortolan\"
//     tsxCalloc(3, 4) -> block
//     tsxFree(block)
#pragma once

#include <windows.h>

#include "api/host_records.h"

#ifdef STANDIN_BUILD
#define STANDIN_API extern "C" __declspec(dllexport)
#else
#define STANDIN_API extern "C" __declspec(dllimport)
#endif

// One scene object as the stand-in keeps it.
struct StandinObject {
    int id;  // stable, from 1
    char name[32];
    Vector3 location;      // where the object's box is centred
    Vector3 rotation;      // Euler angles in degrees
    Vector3 size;          // extent of the box along X, Y, Z
    Vector3 axesPosition;  // the pivot
    Vector3 axesRotation;  // Euler angles of the pivot's orientation
    int units;             // unit code
    int axesVisible;       // 1 while the axes are shown
    int selectedFaces;     // count of faces the user selected
    int emptyBox;          // 1: tsxGNodeGetBBox leaves the box it is given as it is,
                           // as for an object without geometry
};

// Restores the default scene (several objects, the first one selected),
// empties the journal, forgets the main view and sets the installation
// directory to the folder of tsxapi.dll with a trailing backslash; the refresh
// does nothing more than its work.
STANDIN_API void __cdecl standinReset(void);

STANDIN_API int __cdecl standinObjectCount(void);
STANDIN_API void* __cdecl standinObjectAt(int index);  // handle, or 0
STANDIN_API void* __cdecl standinAddObject(const char* name, const Vector3* location,
                                           const Vector3* size);
STANDIN_API void __cdecl standinRemoveAll(void);
STANDIN_API int __cdecl standinGetObject(void* object, StandinObject* out);  // 0: no such object
STANDIN_API int __cdecl standinSetObject(void* object, const StandinObject* in);

// The current selection handed out by tsxGetCurrentSelection; 0 for none.
STANDIN_API void __cdecl standinSelect(void* object);
STANDIN_API void* __cdecl standinSelection(void);

// The axes of the current point selection (tsxPointsGetAxes*).
STANDIN_API void __cdecl standinSetPointAxes(const Vector3* position, const Vector3* euler);

// The window tsxGetMainViewHwnd returns; tsxSceneRefresh invalidates it.
STANDIN_API void __cdecl standinSetMainView(HWND view);

// The text tsxGetTSDir returns; null makes it return a null text.
STANDIN_API void __cdecl standinSetTSDir(const char* dir);

// Host memory: blocks handed out by tsxMalloc/tsxCalloc and not yet freed.
STANDIN_API int __cdecl standinBlocksOutstanding(void);
// While set, tsxMalloc and tsxCalloc give no block.
STANDIN_API void __cdecl standinSetAllocFails(int fails);

// Journal access.
STANDIN_API int __cdecl standinJournalCount(void);
// Copies line index (NUL-terminated, truncated to size) and returns its full length, or -1.
STANDIN_API int __cdecl standinJournalLine(int index, char* buffer, int size);
STANDIN_API void __cdecl standinJournalClear(void);

// What tsxSceneRefresh does after its work, as a host whose redraw takes a
// while does with the messages queued meanwhile: nothing (the default); an
// abort check that takes every key message and looks for Escape among them
// (standinRefreshEscapes counts those it found); a pump that translates and
// dispatches every message, to keep its windows alive; or an end of the call
// with the host's own exception (STANDIN_HOST_EXCEPTION, a structured
// exception), as a host whose abort check raises one that its message loop
// catches. The host library's loops catch it (hosting::MessageLoop).
#define STANDIN_REFRESH_NOTHING 0
#define STANDIN_REFRESH_ABORT_CHECK 1
#define STANDIN_REFRESH_PUMP 2
#define STANDIN_REFRESH_RAISE 3
#define STANDIN_HOST_EXCEPTION 0xE0484F53u
STANDIN_API void __cdecl standinSetRefreshLoop(int loop);
STANDIN_API int __cdecl standinRefreshEscapes(void);

// How long tsxSceneRefresh takes before its loop, in milliseconds, as the
// redraw of a heavy scene does (0, the default: no time at all).
STANDIN_API void __cdecl standinSetRefreshDelay(int milliseconds);

// Called after every journal line (the workbench shows the last call).
typedef void(__cdecl* StandinListener)(const char* line, void* context);
STANDIN_API void __cdecl standinSetListener(StandinListener listener, void* context);

// Counts of calls that change the scene, for quick checks.
STANDIN_API int __cdecl standinRefreshCount(void);
STANDIN_API int __cdecl standinChangedCount(void);
