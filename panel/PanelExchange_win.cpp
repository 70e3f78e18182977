// Data exchange between the panel's value fields and its members.

#include "controls/FloatSpin_win.h"
#include "controls/NumberText.h"
#include "panel/TransformPanel_win.h"
#include "plugin/PanelApp_win.h"
#include "res/resource.h"

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

bool TransformPanel::ExchangeToMembers() {
    // A field that fails while the prompt for an earlier one is still open
    // (its modal loop dispatches our messages) is left for that prompt.
    if (prompting) return false;
    Vector3* rows[] = {&location, &rotation, &size};
    for (int i = 0; i < 9; ++i) {
        float value = 0.0f;
        if (!ParseFieldFloat(WindowText(GetDlgItem(hwnd, kFields[i].id)), value)) {
            PromptForNumber(kFields[i].id);
            return false;
        }
        rows[i / 3]->*kFields[i].component = value;
    }
    axisMode = static_cast<int>(IsDlgButtonChecked(hwnd, IDC_AXIS_MODE));
    return true;
}

void TransformPanel::ExchangeToFields() {
    writingFields = true;
    const Vector3* rows[] = {&location, &rotation, &size};
    for (int i = 0; i < 9; ++i)
        WriteField(kFields[i].id, FormatFieldFloat(rows[i / 3]->*kFields[i].component));
    const int check = axisMode >= 0 && axisMode <= 2 ? axisMode : 0;
    CheckDlgButton(hwnd, IDC_AXIS_MODE, static_cast<UINT>(check));
    writingFields = false;
}

void TransformPanel::WriteField(int id, const std::string& text) {
    HWND field = GetDlgItem(hwnd, id);
    if (WindowText(field) != text) SetWindowTextA(field, text.c_str());
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
