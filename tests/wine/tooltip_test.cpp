// The panel's tips on real pointer input: the tooltip made when the pointer
// first rests on a control, the tip of every kind of control, gone with the panel.
#include <windows.h>
#include <commctrl.h>

#include "harness.h"
#include "panel/ControlTips.h"
#include "x_input.h"

using namespace harness;

namespace {

HWND TooltipOf(HWND panel) {
    HWND w = nullptr;
    while ((w = FindWindowExA(nullptr, w, TOOLTIPS_CLASSA, nullptr)) &&
           GetWindow(w, GW_OWNER) != panel) {}
    return w;
}

// Rests the pointer on control `id` until its tip shows, 3 s at most: the tip shown.
std::string RestOn(const OpenedPanel& p, int id) {
    xinput::MoveTo(xinput::CentreOf(p.Item(id)));
    std::string shown;
    PumpUntil([&] {
        HWND tooltip = TooltipOf(p.panel);
        shown = tooltip && IsWindowVisible(tooltip) ? Text(tooltip) : "";
        return shown == TipOf(id);
    }, 3000);
    return shown;
}

}  // namespace

WINE_TEST(TipsShowOnEveryKindOfControlAndGoWithThePanel) {
    xinput::MoveTo({0, 0});  // away from where the panel opens
    OpenedPanel p;
    // The bare title strip, beside the X, needs no tip.
    xinput::MoveTo({xinput::CentreOf(p.panel).x, xinput::CentreOf(p.Item(IDC_HIDE)).y});
    Pump(100);
    CHECK(TooltipOf(p.panel) == nullptr);
    for (int eye : {IDC_SHOW_AXES, IDC_HIDE_AXES}) {  // from outside the panel
        xinput::MoveTo({0, 0});
        CHECK_EQ(std::string(TipOf(eye)), RestOn(p, eye));
    }
    // Edit, up-down, push buttons, anchors over the picture, owner-drawn ones, check box.
    for (int id : {IDC_LOCATION_X, IDC_SIZE_Y_SPIN, IDC_GET_OBJECT, IDC_ANCHOR_CENTRE,
                   IDC_ANCHOR_BOTTOM_FRONT_LEFT, IDC_ROLL_TITLE, IDC_AXIS_MODE, IDC_HIDE_AXES})
        CHECK_EQ(std::string(TipOf(id)), RestOn(p, id));
    // A tip for every control seen that acts (labels and picture have no id), and no other.
    for (HWND c = GetWindow(p.panel, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        CHECK_EQ(IsWindowVisible(c) && GetDlgCtrlID(c) != -1, TipOf(GetDlgCtrlID(c)) != nullptr);
    HWND tooltip = TooltipOf(p.panel);
    CHECK_EQ(kControlTipCount, static_cast<int>(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0)));
    p.Click(IDC_HIDE);
    CHECK(!IsWindowVisible(tooltip));
    Pump(800);  // the pointer rests where the eye button was
    CHECK(!IsWindowVisible(tooltip));
    DestroyWindow(p.panel);
    CHECK(!IsWindow(tooltip));
}
