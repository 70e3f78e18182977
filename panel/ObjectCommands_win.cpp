// The panel's commands on the current object beyond the transform fields:
// pivot anchors, copy, the axes display, units, coordinates and the
// point-selection readout.

#include <climits>

#include "api/tsxapi.h"
#include "panel/ChangeMark_win.h"
#include "panel/ObjectRules.h"
#include "panel/TransformPanel_win.h"

namespace {

// A block of host memory, given back to the host when the command ends.
class HostBlock {
public:
    explicit HostBlock(void* block) : block(block) {}
    ~HostBlock() {
        if (block) tsxFree(block);
    }
    HostBlock(const HostBlock&) = delete;
    HostBlock& operator=(const HostBlock&) = delete;
    void* Get() const { return block; }

private:
    void* block;
};

}  // namespace

void TransformPanel::MoveAxesToAnchor(int anchor) {
    exchange.ToMembers();
    void* object = tsxGetCurrentSelection();
    if (!object) return;
    const AnchorKind kind = KindOfAnchor(anchor);
    if (kind == AnchorKind::Face) tsxGNodeGetAxesPosition(object, &axesPosition);
    BBox box;
    tsxBBoxInit(&box);
    tsxGNodeGetBBox(object, &box);
    if (kind == AnchorKind::Centre) tsxGNodeGetSize(object, &anchorSize);
    Vector3 point = AnchorPoint(anchor, box, axesPosition, anchorSize);
    // An empty box, a box of NaNs or infinities, or a centre past the float
    // range moves nothing: the axes keep their place and the scene is not
    // marked.
    if (IsEmptyBox(box) || !AllFinite(point)) return;
    ChangeMark changed;
    tsxMNodeSetAxesPosition(object, &point);
    changed.Written();
    tsxCurrobjToggleAxes();
    tsxSelectUp();
    tsxSceneRefresh();
    changed.Mark();
}

void TransformPanel::CopyObject() {
    if (!tsxGetCurrentSelection()) return;
    tsxCurrobjCopy();
}

// Showing the axes toggles them once, hiding twice.
void TransformPanel::ToggleAxes(int toggles) {
    exchange.ToMembers();
    if (!tsxGetCurrentSelection()) return;
    ChangeMark changed;
    for (int i = 0; i < toggles; ++i) {
        tsxCurrobjToggleAxes();
        changed.Written();
    }
    tsxSelectUp();
    tsxSceneRefresh();
    changed.Mark();
}

void TransformPanel::ApplyUnit() {
    exchange.ToMembers();
    // The host is never handed a null object, here as in every command.
    void* object = tsxGetCurrentSelection();
    if (!object) return;
    bool latch = false;
    const int code =
        UnitCodeForPosition(unitButton.GetSelection(), tsxGNodeGetUnits(object), latch);
    if (latch) unitButton.SetButtonState(true);
    // The rows go back to the host whole; one that still holds a NaN or an
    // infinity from the host stops the command before anything is written.
    if (!AllFinite(size) || !AllFinite(location)) return;
    ChangeMark changed;
    tsxGNodeSetUnits(object, code);
    changed.Written();
    tsxGNodeSetSize(object, &size);
    tsxGNodeSetLocation(object, &location);
    tsxSceneRefresh();
    changed.Mark();
    exchange.ToFields();
}

void TransformPanel::ApplyCoordinates() {
    exchange.ToMembers();
    if (coordsButton.GetSelection() == 1) coordsButton.SetButtonState(true);
    tsxSceneRefresh();
    tsxSceneSetChanged(1);
}

void TransformPanel::ReadPointSelection() {
    void* object = tsxGetCurrentSelection();
    if (!object) return;
    tsxPointsGetAxesPosition(&location);
    tsxPointsGetAxesOrientation(&axesScratch);
    tsxAxesToEuler(&axesScratch, &rotation);
    // Kept on purpose: the vertex data is fetched and dropped, and the size
    // read twice below, because this is the readout's order of host calls;
    // nothing is derived from them yet.
    {
        // The scratch block goes back at once.
        const int vertices = tsxPolyhGetNbrVxs(object);
        Matrix transform;
        tsxPolyhGetVxTxmx(object, &transform);
        tsxPolyhGetVxArray(object);
        const int perVertex = static_cast<int>(sizeof(Vector3));
        const bool fits = vertices >= 0 && vertices <= INT_MAX / perVertex;
        HostBlock scratch(fits ? tsxMalloc(vertices * perVertex) : nullptr);
    }
    tsxGNodeGetSize(object, &size);
    const int faces = tsxPolyhGetUserSelectedFaces(tsxGetCurrentSelection(), nullptr);
    if (faces <= 0) return;
    {
        HostBlock list(tsxCalloc(faces, 4));
        if (list.Get())
            tsxPolyhGetUserSelectedFaces(tsxGetCurrentSelection(), static_cast<int*>(list.Get()));
    }
    tsxGNodeGetSize(object, &size);
    exchange.ToFields();
}
