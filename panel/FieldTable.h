// The panel's three rows of value fields as one table: which edit holds
// which component of which row, which up-down steps it, and how each row's
// spins and step field start. The data exchange, the spins' attachment and
// set-up and the step fields all read it; nothing else numbers the fields.
// Portable: no windows.h.
#pragma once

#include "api/host_records.h"
#include "res/resource.h"

enum class Row { Location, Rotation, Size };

struct ValueField {
    int field;  // the edit
    int spin;   // the up-down beside it, whose buddy the edit is
    Row row;
    float Vector3::*component;
};

// In exchange order: location, rotation, size; X, Y, Z each. The panel
// keeps one FloatSpin per entry, at the entry's index.
constexpr int kValueFieldCount = 9;
inline constexpr ValueField kValueFields[kValueFieldCount] = {
    {IDC_LOCATION_X, IDC_LOCATION_X_SPIN, Row::Location, &Vector3::x},
    {IDC_LOCATION_Y, IDC_LOCATION_Y_SPIN, Row::Location, &Vector3::y},
    {IDC_LOCATION_Z, IDC_LOCATION_Z_SPIN, Row::Location, &Vector3::z},
    {IDC_ROTATION_X, IDC_ROTATION_X_SPIN, Row::Rotation, &Vector3::x},
    {IDC_ROTATION_Y, IDC_ROTATION_Y_SPIN, Row::Rotation, &Vector3::y},
    {IDC_ROTATION_Z, IDC_ROTATION_Z_SPIN, Row::Rotation, &Vector3::z},
    {IDC_SIZE_X, IDC_SIZE_X_SPIN, Row::Size, &Vector3::x},
    {IDC_SIZE_Y, IDC_SIZE_Y_SPIN, Row::Size, &Vector3::y},
    {IDC_SIZE_Z, IDC_SIZE_Z_SPIN, Row::Size, &Vector3::z},
};

struct RowSettings {
    Row row;
    int stepField;
    int readButton;        // reads the row again from the object
    const char* stepText;  // the step field's text when the panel opens
    int precision;         // digits after the point in the row's spins
    double minimum, maximum, step;
};

// In the order of Row. Rotation wraps at its ends (the template's UDS_WRAP).
inline constexpr RowSettings kRows[] = {
    {Row::Location, IDC_LOCATION_STEP, IDC_READ_LOCATION, "0.100", 3, -10000.0, 10000.0, 0.1},
    {Row::Rotation, IDC_ROTATION_STEP, IDC_READ_ROTATION, "1.00", 2, -180.0, 180.0, 1.0},
    {Row::Size, IDC_SIZE_STEP, IDC_READ_SIZE, "0.100", 3, 0.001, 1000.0, 0.1},
};

constexpr const RowSettings& SettingsOf(Row row) { return kRows[static_cast<int>(row)]; }
static_assert(SettingsOf(Row::Location).row == Row::Location &&
              SettingsOf(Row::Rotation).row == Row::Rotation &&
              SettingsOf(Row::Size).row == Row::Size);

// Index in kValueFields of the value field `id`; -1 for any other control
// (an edit's change notification may come from a step field).
int ValueFieldIndex(int id);

// The row whose step field or read button is `id`; null for any other
// control.
const RowSettings* FindRow(int id);
