#include "panel/FieldExchange_win.h"

#include <vector>

#include "app/PanelApp_win.h"
#include "controls/NumberText.h"
#include "res/resource.h"
#include "win/WindowText_win.h"

namespace {

constexpr const char* kNumberPrompt = "Please enter a number.";

// While the prompt is up, the host takes no input either, as under a
// task-modal message box: every enabled top-level window of the thread, the
// main view, its palettes and the host's other windows, is disabled. A click
// there could select another object, which the command that raised the
// prompt would then write to. The box disables the panel, its owner, itself,
// and gives the panel back the activation when it goes. Afterwards exactly
// the windows disabled here are enabled again, so one that its host had
// disabled stays disabled.
class PromptScope : public HeldForEntry {
public:
    PromptScope(HWND dialog, bool& prompting) : prompting(prompting), dialog(dialog) {
        prompting = true;
        EnumThreadWindows(GetCurrentThreadId(), DisableOne, reinterpret_cast<LPARAM>(this));
    }
    ~PromptScope() { GiveBack(); }
    void GiveBack() noexcept override {
        prompting = false;
        for (HWND window : disabled)
            if (IsWindow(window)) EnableWindow(window, TRUE);
        disabled.clear();
    }

private:
    // Called by the system: nothing may be thrown through it.
    static BOOL CALLBACK DisableOne(HWND window, LPARAM scope) {
        auto& self = *reinterpret_cast<PromptScope*>(scope);
        if (window == self.dialog || !IsWindowEnabled(window)) return TRUE;
        try {
            self.disabled.push_back(window);
        } catch (...) { return FALSE; }
        EnableWindow(window, FALSE);
        return TRUE;
    }

    bool& prompting;
    HWND dialog;
    std::vector<HWND> disabled;
};

}  // namespace

FieldExchange::FieldExchange(Vector3& location, Vector3& rotation, Vector3& size, int& axisMode)
    : rows{&location, &rotation, &size}, axisMode(axisMode) {}

void FieldExchange::Bind(HWND dialogWindow) {
    dialog = dialogWindow;
    for (int i = 0; i < kValueFieldCount; ++i) {
        fields[i].window = GetDlgItem(dialog, kValueFields[i].field);
        fields[i].text.clear();
        fields[i].stale = false;
        fields[i].number = FieldNumber();
    }
    axisBox = GetDlgItem(dialog, IDC_AXIS_MODE);
}

const std::string& FieldExchange::FieldText(int index) {
    Field& field = fields[index];
    if (field.stale) {
        field.text = WindowText(field.window);
        field.stale = false;
    }
    return field.text;
}

void FieldExchange::FieldChanged(int id) {
    const int index = ValueFieldIndex(id);
    if (index >= 0) fields[index].stale = true;
}

bool FieldExchange::ToMembers() {
    // A field that fails while the prompt for an earlier one is still open
    // (its modal loop dispatches our messages) is left for that prompt.
    if (prompting) return false;
    for (int i = 0; i < kValueFieldCount; ++i) {
        float value = 0.0f;
        if (!fields[i].number.Read(FieldText(i), value)) {
            PromptForNumber(i);
            return false;
        }
        Values(kValueFields[i].row).*kValueFields[i].component = value;
    }
    axisMode = static_cast<int>(SendMessageA(axisBox, BM_GETCHECK, 0, 0));
    return true;
}

void FieldExchange::ToFields() {
    OwnWrites own(*this);
    for (int i = 0; i < kValueFieldCount; ++i) {
        const float value = Values(kValueFields[i].row).*kValueFields[i].component;
        WriteField(i, fields[i].number.Write(value));
    }
    const int check = axisMode >= 0 && axisMode <= 2 ? axisMode : 0;
    SendMessageA(axisBox, BM_SETCHECK, static_cast<WPARAM>(check), 0);
}

// What the panel writes is at most thirteen characters, well inside any text
// limit an edit starts with, so the field holds exactly that afterwards and
// its EN_CHANGE (which marked it for reading back) needs no read.
void FieldExchange::WriteField(int index, const std::string& text) {
    Field& field = fields[index];
    if (FieldText(index) == text) return;
    SetWindowTextA(field.window, text.c_str());
    field.text = text;
    field.stale = false;
}

void FieldExchange::PromptForNumber(int index) {
    {
        PromptScope modal(dialog, prompting);
        MessageBoxA(dialog, kNumberPrompt, ThePanelApp().ApplicationName().c_str(),
                    MB_OK | MB_ICONEXCLAMATION);
    }
    HWND field = fields[index].window;
    SetFocus(field);
    SendMessageA(field, EM_SETSEL, 0, -1);
}
