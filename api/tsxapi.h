// The host's extension API (tsxapi.dll). Plain C, cdecl, undecorated names.
// The module binds to it through an import library made from tsxapi.def;
// the stand-in host in host/ implements the same declarations.
#pragma once

#include <windows.h>

#include "host_records.h"

#ifndef TSXAPI
#define TSXAPI
#endif

extern "C" {

TSXAPI void* __cdecl tsxGetCurrentSelection(void);

TSXAPI void __cdecl tsxGNodeGetLocation(void* object, Vector3* out);
TSXAPI void __cdecl tsxGNodeGetRotation(void* object, Vector3* out);
TSXAPI void __cdecl tsxGNodeGetSize(void* object, Vector3* out);
TSXAPI void __cdecl tsxGNodeGetAxesPosition(void* object, Vector3* out);

TSXAPI void __cdecl tsxGNodeSetLocation(void* object, Vector3* value);
TSXAPI void __cdecl tsxGNodeSetRotation(void* object, Vector3* value);
TSXAPI void __cdecl tsxGNodeSetSize(void* object, Vector3* value);
TSXAPI void __cdecl tsxMNodeSetAxesPosition(void* object, Vector3* value);

TSXAPI void __cdecl tsxMNodeSetAxesOrientation(void* object, Axes* axes);
TSXAPI void __cdecl tsxEulerToAxes(Vector3* euler, Axes* out);
TSXAPI void __cdecl tsxAxesToEuler(Axes* axes, Vector3* out);

TSXAPI void __cdecl tsxBBoxInit(BBox* box);
TSXAPI void __cdecl tsxGNodeGetBBox(void* object, BBox* out);

TSXAPI int __cdecl tsxGNodeGetUnits(void* object);
TSXAPI void __cdecl tsxGNodeSetUnits(void* object, int code);

TSXAPI void __cdecl tsxCurrobjToggleAxes(void);
TSXAPI void __cdecl tsxSelectUp(void);
TSXAPI void __cdecl tsxCurrobjCopy(void);
TSXAPI void __cdecl tsxSceneRefresh(void);
TSXAPI void __cdecl tsxSceneSetChanged(int changed);

TSXAPI int __cdecl tsxPolyhGetNbrVxs(void* object);
TSXAPI Vector3* __cdecl tsxPolyhGetVxArray(void* object);
TSXAPI void __cdecl tsxPolyhGetVxTxmx(void* object, Matrix* out);
TSXAPI int __cdecl tsxPolyhGetUserSelectedFaces(void* object, int* list);

TSXAPI void __cdecl tsxPointsGetAxesPosition(Vector3* out);
TSXAPI void __cdecl tsxPointsGetAxesOrientation(Axes* out);

TSXAPI void* __cdecl tsxMalloc(int bytes);
TSXAPI void* __cdecl tsxCalloc(int count, int size);
TSXAPI void __cdecl tsxFree(void* block);

TSXAPI HWND __cdecl tsxGetMainViewHwnd(void);
TSXAPI char* __cdecl tsxGetTSDir(int which);

}  // extern "C"
