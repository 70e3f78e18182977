// The panel's tips, shown on real pointer input: made when the pointer first
// rests on a control, one for every control that acts, gone with the panel.
#include <windows.h>
#include <commctrl.h>

#include <map>

#include "harness.h"
#include "panel/ControlTips.h"
#include "res/resource.h"
#include "x_input.h"

using namespace harness;

namespace {

HWND TooltipOf(HWND panel) {
    std::pair<HWND, HWND> search(panel, nullptr);
    auto owned = [](HWND window, LPARAM lp) -> BOOL {
        auto* s = reinterpret_cast<std::pair<HWND, HWND>*>(lp);
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        if (GetWindow(window, GW_OWNER) == s->first && lstrcmpiA(name, TOOLTIPS_CLASSA) == 0)
            s->second = window;
        return TRUE;
    };
    EnumThreadWindows(GetCurrentThreadId(), owned, reinterpret_cast<LPARAM>(&search));
    return search.second;
}

// TTM_GETTEXTA gives no more than 80 characters.
std::string TextOf(HWND tooltip, const TTTOOLINFOA& tool) {
    WCHAR wide[1024] = {};
    TTTOOLINFOW asked{};
    asked.cbSize = TTTOOLINFOW_V2_SIZE;
    asked.hwnd = tool.hwnd;
    asked.uId = tool.uId;
    asked.lpszText = wide;
    SendMessageW(tooltip, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&asked));
    return std::string(wide, wide + lstrlenW(wide));
}

// Rests the pointer on `control` and waits (at most 3 s) for the panel's tip
// on it to show: its text, or "" when none showed.
std::string HoverTip(HWND panel, HWND control) {
    xinput::MoveTo(xinput::CentreOf(control));
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 3000;) {
        Pump(20);
        HWND tooltip = TooltipOf(panel);
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        if (tooltip && IsWindowVisible(tooltip) &&
            SendMessageA(tooltip, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) &&
            tool.uId == reinterpret_cast<UINT_PTR>(control))
            return TextOf(tooltip, tool);
    }
    return "";
}

}  // namespace

WINE_TEST(TheTooltipIsMadeAtFirstNeedAndGoesWithThePanel) {
    xinput::MoveTo({0, 0});  // away from where the panel opens
    OpenedPanel p;
    Pump(100);
    CHECK(TooltipOf(p.panel) == nullptr);
    RECT r{};
    GetWindowRect(p.panel, &r);
    xinput::MoveTo({r.left + 40, r.top + 6});  // the bare title strip has nothing to tell
    Pump(100);
    CHECK(TooltipOf(p.panel) == nullptr);

    CHECK_EQ(std::string(TipOf(IDC_LOCATION_X)), HoverTip(p.panel, p.Item(IDC_LOCATION_X)));
    HWND tooltip = TooltipOf(p.panel);
    p.Click(IDC_HIDE);
    CHECK(!IsWindowVisible(tooltip));
    Pump(800);  // the pointer rests where the field was
    CHECK(!IsWindowVisible(tooltip));
    p.f.leftClick();
    Pump();
    REQUIRE(IsWindowVisible(p.panel));
    DestroyWindow(p.panel);
    CHECK(!IsWindow(tooltip));
}

// The pointer's events reach the panel from every kind of control: edits,
// up-downs, push, radio and check buttons, the owner-drawn ones, and the
// anchors over the box picture.
WINE_TEST(EveryKindOfControlShowsItsTip) {
    OpenedPanel p;
    for (int id :
         {IDC_SIZE_Y_SPIN, IDC_ROTATION_STEP, IDC_GET_OBJECT, IDC_ANCHOR_CENTRE,
          IDC_ANCHOR_BOTTOM_FRONT_LEFT, IDC_ROLL_TITLE, IDC_HIDE, IDC_AXIS_MODE, IDC_HIDE_AXES})
        CHECK_EQ(std::string(TipOf(id)), HoverTip(p.panel, p.Item(id)));
}

WINE_TEST(EveryControlThatActsHasItsTipInTwoLinesAtMost) {
    OpenedPanel p;
    REQUIRE(!HoverTip(p.panel, p.Item(IDC_COPY)).empty());
    HWND tooltip = TooltipOf(p.panel);
    std::map<int, std::string> tips;
    const int count = static_cast<int>(SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TTTOOLINFOA tool{};
        tool.cbSize = TTTOOLINFOA_V2_SIZE;
        SendMessageA(tooltip, TTM_ENUMTOOLSA, i, reinterpret_cast<LPARAM>(&tool));
        HWND control = reinterpret_cast<HWND>(tool.uId);
        CHECK_EQ(p.panel, GetParent(control));
        tips[GetDlgCtrlID(control)] = TextOf(tooltip, tool);
    }
    CHECK_EQ(kControlTipCount, count);
    for (int i = 0; i < kControlTipCount; ++i)
        CHECK_EQ(std::string(kControlTips[i].text), tips[kControlTips[i].id]);

    // Wrapped as the tooltip wraps them: at its widest line, in its font.
    HDC dc = GetDC(tooltip);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(tooltip, WM_GETFONT, 0, 0)));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    const int width = static_cast<int>(SendMessageA(tooltip, TTM_GETMAXTIPWIDTH, 0, 0));
    for (const auto& [id, text] : tips) {
        RECT box{0, 0, width, 0};
        DrawTextA(dc, text.c_str(), -1, &box, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        if (box.bottom > 2 * metrics.tmHeight)
            Fail(__FILE__, __LINE__, "more than two lines: " + text);
    }
    SelectObject(dc, old);
    ReleaseDC(tooltip, dc);
}
