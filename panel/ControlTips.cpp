#include "panel/ControlTips.h"

// A value field and the spin beside it share a tip: they are one number.
// Two lines at most in the tooltip's width, so the keys are only named.
#define ORTOLAN_VALUE_TIP(name) \
    name ". Up, Down, wheel: step it (Shift finer, Ctrl coarser). Drag the arrows to slide it."

#define ORTOLAN_VALUE_TIPS(field, spin, name) \
    {field, ORTOLAN_VALUE_TIP(name)}, { spin, ORTOLAN_VALUE_TIP(name) }

// The anchors as the picture shows the box: X toward the viewer (front), Y to
// the right, Z up.
#define ORTOLAN_CORNER_TIP(place) "Move the axes to the box's " place " corner."
#define ORTOLAN_FACE_TIP(face, axis) \
    "Move the axes onto the plane of the box's " face " face (only " axis " changes)."

const ControlTip kControlTips[] = {
    {IDC_ROLL_TITLE, "Reduce the panel to its title strip; press again for the whole panel."},
    {IDC_ROLL_FIELDS, "Reduce the panel to its field rows; press again for the whole panel."},
    {IDC_HIDE, "Hide the panel. The module's icon brings it back."},
    {IDC_GET_OBJECT, "Read the selected object's location, rotation and size into the fields."},
    {IDC_COPY, "Copy the selected object."},
    {IDC_AXIS_MODE,
     "While ticked, Location and Rotation move and turn the object's axes instead of the object."},

    {IDC_LOCATION_STEP, "Location step: what Up, Down, the wheel and the arrows add in its row."},
    {IDC_ROTATION_STEP, "Rotation step: what Up, Down, the wheel and the arrows add in its row."},
    {IDC_SIZE_STEP, "Size step: what Up, Down, the wheel and the arrows add in its row."},
    {IDC_READ_LOCATION, "Read the location row again from the selected object."},
    {IDC_READ_ROTATION, "Read the rotation row again from the selected object."},
    {IDC_READ_SIZE, "Read the size row again from the selected object."},

    ORTOLAN_VALUE_TIPS(IDC_LOCATION_X, IDC_LOCATION_X_SPIN, "Location X"),
    ORTOLAN_VALUE_TIPS(IDC_LOCATION_Y, IDC_LOCATION_Y_SPIN, "Location Y"),
    ORTOLAN_VALUE_TIPS(IDC_LOCATION_Z, IDC_LOCATION_Z_SPIN, "Location Z"),
    ORTOLAN_VALUE_TIPS(IDC_ROTATION_X, IDC_ROTATION_X_SPIN, "Rotation X"),
    ORTOLAN_VALUE_TIPS(IDC_ROTATION_Y, IDC_ROTATION_Y_SPIN, "Rotation Y"),
    ORTOLAN_VALUE_TIPS(IDC_ROTATION_Z, IDC_ROTATION_Z_SPIN, "Rotation Z"),
    ORTOLAN_VALUE_TIPS(IDC_SIZE_X, IDC_SIZE_X_SPIN, "Size X"),
    ORTOLAN_VALUE_TIPS(IDC_SIZE_Y, IDC_SIZE_Y_SPIN, "Size Y"),
    ORTOLAN_VALUE_TIPS(IDC_SIZE_Z, IDC_SIZE_Z_SPIN, "Size Z"),

    {IDC_ANCHOR_TOP_BACK_LEFT, ORTOLAN_CORNER_TIP("top back left")},
    {IDC_ANCHOR_TOP_BACK_RIGHT, ORTOLAN_CORNER_TIP("top back right")},
    {IDC_ANCHOR_TOP_FRONT_LEFT, ORTOLAN_CORNER_TIP("top front left")},
    {IDC_ANCHOR_TOP_FRONT_RIGHT, ORTOLAN_CORNER_TIP("top front right")},
    {IDC_ANCHOR_BOTTOM_BACK_LEFT, ORTOLAN_CORNER_TIP("bottom back left")},
    {IDC_ANCHOR_BOTTOM_BACK_RIGHT, ORTOLAN_CORNER_TIP("bottom back right")},
    {IDC_ANCHOR_BOTTOM_FRONT_LEFT, ORTOLAN_CORNER_TIP("bottom front left")},
    {IDC_ANCHOR_BOTTOM_FRONT_RIGHT, ORTOLAN_CORNER_TIP("bottom front right")},
    {IDC_ANCHOR_TOP, ORTOLAN_FACE_TIP("top", "Z")},
    {IDC_ANCHOR_BACK, ORTOLAN_FACE_TIP("back", "X")},
    {IDC_ANCHOR_RIGHT, ORTOLAN_FACE_TIP("right", "Y")},
    {IDC_ANCHOR_LEFT, ORTOLAN_FACE_TIP("left", "Y")},
    {IDC_ANCHOR_FRONT, ORTOLAN_FACE_TIP("front", "X")},
    {IDC_ANCHOR_BOTTOM, ORTOLAN_FACE_TIP("bottom", "Z")},
    {IDC_ANCHOR_CENTRE, "Move the axes to the centre of the box."},

    {IDC_SHOW_AXES, "Show the object's axes."},
    {IDC_HIDE_AXES, "Hide the object's axes."},
};
#undef ORTOLAN_VALUE_TIP
#undef ORTOLAN_VALUE_TIPS
#undef ORTOLAN_CORNER_TIP
#undef ORTOLAN_FACE_TIP

const int kControlTipCount = sizeof kControlTips / sizeof kControlTips[0];

const char* TipOf(int id) {
    for (const ControlTip& tip : kControlTips)
        if (tip.id == id) return tip.text;
    return nullptr;
}
