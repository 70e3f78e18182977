// Reading the current object into the fields and applying field changes to
// it. Every command asks the host for the current object afresh.
//
// An apply sends nothing when its row holds a value that is not a finite
// float. Fields never parse to one, but a row keeps what the host gave it
// until the fields are read back, and a refused field stops that read: with
// location X holding the host's NaN, an edit of location Y would otherwise
// send the NaN straight back.

#include "api/tsxapi.h"
#include "controls/NumberText.h"
#include "panel/ChangeMark_win.h"
#include "panel/FieldTable.h"
#include "panel/ObjectRules.h"
#include "panel/TransformPanel_win.h"
#include "win/WindowText_win.h"

bool TransformPanel::ReadObject() {
    exchange.ToMembers();
    void* object = tsxGetCurrentSelection();
    if (!object) return false;
    tsxGNodeGetSize(object, &size);
    tsxGNodeGetLocation(object, &location);
    tsxGNodeGetRotation(object, &rotation);
    exchange.ToFields();
    return true;
}

void TransformPanel::ReadRow(Row row) {
    void* object = tsxGetCurrentSelection();
    if (!object) return;
    switch (row) {
    case Row::Location: tsxGNodeGetLocation(object, &location); break;
    case Row::Rotation: tsxGNodeGetRotation(object, &rotation); break;
    case Row::Size: tsxGNodeGetSize(object, &size); break;
    }
    exchange.ToFields();
}

void TransformPanel::ApplyRow(Row row) {
    // A field changed while the prompt about a refused one is open (its
    // modal loop dispatches what was queued) holds values from before the
    // refused text: nothing is sent until the user has answered.
    if (exchange.Prompting()) return;
    switch (row) {
    case Row::Location: ApplyLocation(); break;
    case Row::Rotation: ApplyRotation(); break;
    case Row::Size: ApplySize(); break;
    }
}

void TransformPanel::ApplyLocation() {
    exchange.ToMembers();
    void* object = tsxGetCurrentSelection();
    if (!object || !AllFinite(location)) return;
    ChangeMark changed;
    if (axisMode == 0) {
        tsxGNodeSetLocation(object, &location);
        changed.Written();
    } else {
        // Only the axes move; the geometry stays where it is.
        tsxCurrobjToggleAxes();
        tsxMNodeSetAxesPosition(object, &location);
        changed.Written();
        tsxSelectUp();
    }
    tsxSceneRefresh();
    changed.Mark();
}

void TransformPanel::ApplyRotation() {
    exchange.ToMembers();
    void* object = tsxGetCurrentSelection();
    if (!object || !AllFinite(rotation)) return;
    ChangeMark changed;
    if (axisMode == 0) {
        tsxGNodeSetRotation(object, &rotation);
        changed.Written();
    } else {
        tsxCurrobjToggleAxes();
        tsxEulerToAxes(&rotation, &axesScratch);
        tsxMNodeSetAxesOrientation(object, &axesScratch);
        changed.Written();
        // Keep the host's own Euler form of the axes just set; the fields
        // show it at the next exchange.
        tsxAxesToEuler(&axesScratch, &rotation);
        tsxSelectUp();
    }
    tsxSceneRefresh();
    changed.Mark();
}

void TransformPanel::ApplySize() {
    exchange.ToMembers();
    // The selection is asked for twice, as the host has always seen this
    // command do: kept on purpose, not a pattern to copy.
    if (!tsxGetCurrentSelection() || !AllFinite(size)) return;
    ChangeMark changed;
    tsxGNodeSetSize(tsxGetCurrentSelection(), &size);
    changed.Written();
    tsxSceneRefresh();
    changed.Mark();
}

// The three spins of a row share their range; the one read last is kept.
void TransformPanel::SetRowStep(const RowSettings& row) {
    const std::string text = WindowText(GetDlgItem(hwnd, row.stepField));
    double minimum = 0.0, maximum = 0.0, step = 0.0;
    for (int i = 0; i < kValueFieldCount; ++i)
        if (kValueFields[i].row == row.row) spins[i].GetRange(minimum, maximum, step);
    const double newStep = AtofDecimal(text.c_str());
    if (newStep == 0.0) return;
    for (int i = 0; i < kValueFieldCount; ++i)
        if (kValueFields[i].row == row.row) spins[i].SetRange(minimum, maximum, newStep);
}
