// Data exchange between the panel's value fields and its members.

#include "app/PanelApp_win.h"
#include "controls/FloatSpin_win.h"
#include "controls/NumberText.h"
#include "panel/TransformPanel_win.h"
#include "res/resource.h"
#include "win/WindowText_win.h"

namespace {

struct FieldBinding {
    int id;
    float Vector3::*component;
};

// In exchange order: location, rotation, size; X, Y, Z each.
const FieldBinding kFields[] = {
    {IDC_LOCATION_X, &Vector3::x}, {IDC_LOCATION_Y, &Vector3::y}, {IDC_LOCATION_Z, &Vector3::z},
    {IDC_ROTATION_X, &Vector3::x}, {IDC_ROTATION_Y, &Vector3::y}, {IDC_ROTATION_Z, &Vector3::z},
    {IDC_SIZE_X, &Vector3::x},     {IDC_SIZE_Y, &Vector3::y},     {IDC_SIZE_Z, &Vector3::z},
};

constexpr const char* kNumberPrompt = "Please enter a number.";

}  // namespace

void TransformPanel::BindFields() {
    for (int i = 0; i < 9; ++i) {
        fields[i].window = GetDlgItem(hwnd, kFields[i].id);
        // The template's fields start empty, and from here on every change
        // of their texts is reported with EN_CHANGE.
        fields[i].text.clear();
        fields[i].stale = false;
    }
    axisBox = GetDlgItem(hwnd, IDC_AXIS_MODE);
}

const std::string& TransformPanel::FieldText(int index) {
    Field& field = fields[index];
    if (field.stale) {
        field.text = WindowText(field.window);
        field.stale = false;
    }
    return field.text;
}

void TransformPanel::FieldChanged(int id) {
    if (id < IDC_LOCATION_X || id > IDC_SIZE_Z || (id - IDC_LOCATION_X) % 2 != 0) return;
    fields[(id - IDC_LOCATION_X) / 2].stale = true;
}

bool TransformPanel::ExchangeToMembers() {
    // A field that fails while the prompt for an earlier one is still open
    // (its modal loop dispatches our messages) is left for that prompt.
    if (prompting) return false;
    Vector3* rows[] = {&location, &rotation, &size};
    for (int i = 0; i < 9; ++i) {
        float value = 0.0f;
        if (!ParseFieldFloat(FieldText(i), value)) {
            PromptForNumber(kFields[i].id);
            return false;
        }
        rows[i / 3]->*kFields[i].component = value;
    }
    axisMode = static_cast<int>(SendMessageA(axisBox, BM_GETCHECK, 0, 0));
    return true;
}

void TransformPanel::ExchangeToFields() {
    writingFields = true;
    const Vector3* rows[] = {&location, &rotation, &size};
    for (int i = 0; i < 9; ++i) WriteField(i, FormatFieldFloat(rows[i / 3]->*kFields[i].component));
    const int check = axisMode >= 0 && axisMode <= 2 ? axisMode : 0;
    SendMessageA(axisBox, BM_SETCHECK, static_cast<WPARAM>(check), 0);
    writingFields = false;
}

// What the panel writes is at most thirteen characters, well inside any text
// limit an edit starts with, so the field holds exactly that afterwards and
// its EN_CHANGE (which marked it for reading back) needs no read.
void TransformPanel::WriteField(int index, const std::string& text) {
    Field& field = fields[index];
    if (FieldText(index) == text) return;
    SetWindowTextA(field.window, text.c_str());
    field.text = text;
    field.stale = false;
}

void TransformPanel::PromptForNumber(int id) {
    prompting = true;
    MessageBoxA(hwnd, kNumberPrompt, ThePanelApp().ApplicationName().c_str(),
                MB_OK | MB_ICONEXCLAMATION);
    prompting = false;
    HWND field = GetDlgItem(hwnd, id);
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
}
