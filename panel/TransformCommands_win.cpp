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
#include "panel/ObjectRules.h"
#include "panel/TransformPanel_win.h"
#include "res/resource.h"
#include "win/WindowText_win.h"

void TransformPanel::ReadObject() {
    ExchangeToMembers();
    void* object = tsxGetCurrentSelection();
    if (!object) return;
    tsxGNodeGetSize(object, &size);
    tsxGNodeGetLocation(object, &location);
    tsxGNodeGetRotation(object, &rotation);
    ExchangeToFields();
}

void TransformPanel::ReadRow(int button) {
    void* object = tsxGetCurrentSelection();
    if (!object) return;
    switch (button) {
    case IDC_READ_LOCATION:
        tsxGNodeGetLocation(object, &location);
        break;
    case IDC_READ_ROTATION:
        tsxGNodeGetRotation(object, &rotation);
        break;
    case IDC_READ_SIZE:
        tsxGNodeGetSize(object, &size);
        break;
    }
    ExchangeToFields();
}

void TransformPanel::ApplyLocation() {
    ExchangeToMembers();
    void* object = tsxGetCurrentSelection();
    if (!object || !AllFinite(location)) return;
    if (axisMode == 0) {
        tsxGNodeSetLocation(object, &location);
    } else {
        // Only the axes move; the geometry stays where it is.
        tsxCurrobjToggleAxes();
        tsxMNodeSetAxesPosition(object, &location);
        tsxSelectUp();
    }
    tsxSceneRefresh();
    tsxSceneSetChanged(1);
}

void TransformPanel::ApplyRotation() {
    ExchangeToMembers();
    void* object = tsxGetCurrentSelection();
    if (!object || !AllFinite(rotation)) return;
    if (axisMode == 0) {
        tsxGNodeSetRotation(object, &rotation);
    } else {
        tsxCurrobjToggleAxes();
        tsxEulerToAxes(&rotation, &axesScratch);
        tsxMNodeSetAxesOrientation(object, &axesScratch);
        // Keep the host's own Euler form of the axes just set; the fields
        // show it at the next exchange.
        tsxAxesToEuler(&axesScratch, &rotation);
        tsxSelectUp();
    }
    tsxSceneRefresh();
    tsxSceneSetChanged(1);
}

void TransformPanel::ApplySize() {
    ExchangeToMembers();
    if (!tsxGetCurrentSelection() || !AllFinite(size)) return;
    tsxGNodeSetSize(tsxGetCurrentSelection(), &size);
    tsxSceneRefresh();
    tsxSceneSetChanged(1);
}

void TransformPanel::SetRowStep(int stepField) {
    const std::string text = WindowText(GetDlgItem(hwnd, stepField));
    const int firstField = stepField == IDC_LOCATION_STEP   ? IDC_LOCATION_X
                           : stepField == IDC_ROTATION_STEP ? IDC_ROTATION_X
                                                            : IDC_SIZE_X;
    double minimum = 0.0, maximum = 0.0, step = 0.0;
    for (int i = 0; i < 3; ++i) Spin(firstField + 2 * i).GetRange(minimum, maximum, step);
    const double newStep = AtofDecimal(text.c_str());
    if (newStep == 0.0) return;
    for (int i = 0; i < 3; ++i) Spin(firstField + 2 * i).SetRange(minimum, maximum, newStep);
}
