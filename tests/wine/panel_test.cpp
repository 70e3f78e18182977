// The panel driven with real window messages: typing, spin steps, the number
// prompt, reduction and hiding, and what the panel paints. Host calls are
// read back from the stand-in's journal.
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "harness.h"
#include "host/tsxapi/journal.h"
#include "res/resource.h"

using namespace harness;

namespace {

std::vector<std::string> Apply(const char* call) {
    return {"tsxGetCurrentSelection() -> #1", call, "tsxSceneRefresh()", "tsxSceneSetChanged(1)"};
}

std::vector<std::string> Join(std::initializer_list<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

bool Near(COLORREF a, COLORREF b) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= 8 &&
           std::abs(GetGValue(a) - GetGValue(b)) <= 8 && std::abs(GetBValue(a) - GetBValue(b)) <= 8;
}

}  // namespace

WINE_TEST(OpeningReadsTheSelectedObjectIntoTheFields) {
    ModuleFixture f;
    f.leftClick();
    Pump();
    HWND panel = f.Panel();
    CHECK_EQ(
        Join({{"tsxGetTSDir(0) -> \"" + f.installFolder + "\"", "tsxGetMainViewHwnd() -> window",
               "tsxGetCurrentSelection() -> #1", "tsxGNodeGetSize(#1) -> {2, 2, 2}",
               "tsxGNodeGetLocation(#1) -> {0, 0, 0}", "tsxGNodeGetRotation(#1) -> {0, 0, 0}"}}),
        Journal());
    CHECK_EQ(std::string("2"), Text(GetDlgItem(panel, IDC_SIZE_X)));
    CHECK_EQ(std::string("0.100"), Text(GetDlgItem(panel, IDC_LOCATION_STEP)));
    CHECK_EQ(std::string("1.00"), Text(GetDlgItem(panel, IDC_ROTATION_STEP)));
    CHECK_EQ(std::string("0.100"), Text(GetDlgItem(panel, IDC_SIZE_STEP)));
}

WINE_TEST(WithNothingSelectedOpeningMakesNoObjectCall) {
    ModuleFixture f;
    standinSelect(nullptr);
    f.leftClick();
    Pump();
    HWND panel = f.Panel();
    CHECK(JournalCalls("tsxGNode").empty());
    CHECK_EQ(std::vector<std::string>{"tsxGetCurrentSelection() -> null"},
             JournalCalls("tsxGetCurrentSelection"));
    CHECK_EQ(std::string("1.00"), Text(GetDlgItem(panel, IDC_ROTATION_STEP)));
    CHECK_EQ(std::string("0"), Text(GetDlgItem(panel, IDC_LOCATION_X)));
}

WINE_TEST(TypingAppliesTheWholeVectorAfterEveryKeystroke) {
    OpenedPanel p;
    Replace(p.Item(IDC_LOCATION_X), "1.5");
    CHECK_EQ(Join({Apply("tsxGNodeSetLocation(#1, {1, 0, 0})"),
                   Apply("tsxGNodeSetLocation(#1, {1, 0, 0})"),
                   Apply("tsxGNodeSetLocation(#1, {1.5, 0, 0})")}),
             Journal());
    CHECK_EQ(1.5f, Cube().location.x);
}

WINE_TEST(RotationAndSizeEditsTurnAndResizeTheObject) {
    OpenedPanel p;
    Replace(p.Item(IDC_ROTATION_Y), "9");
    CHECK_EQ(Apply("tsxGNodeSetRotation(#1, {0, 9, 0})"), Journal());
    standinJournalClear();
    Replace(p.Item(IDC_SIZE_Z), "4");
    // The size apply asks for the object a second time before writing.
    CHECK_EQ(Join({{"tsxGetCurrentSelection() -> #1"}, Apply("tsxGNodeSetSize(#1, {2, 2, 4})")}),
             Journal());
}

WINE_TEST(ArrowKeysInAFieldStepItsValueAndApplyIt) {
    OpenedPanel p;
    Key(p.Item(IDC_LOCATION_Y), VK_UP);
    CHECK_EQ(std::string("0.100"), p.Text(IDC_LOCATION_Y));
    CHECK_EQ(Apply("tsxGNodeSetLocation(#1, {0, 0.1, 0})"), Journal());
    standinJournalClear();
    Key(p.Item(IDC_LOCATION_Y), VK_DOWN);
    Key(p.Item(IDC_LOCATION_Y), VK_DOWN);
    CHECK_EQ(std::string("-0.100"), p.Text(IDC_LOCATION_Y));
    CHECK_EQ(2u, JournalCalls("tsxGNodeSetLocation").size());
}

WINE_TEST(MousePressOnTheSpinArrowsSteps) {
    OpenedPanel p;
    HWND spin = p.Item(IDC_SIZE_X_SPIN);  // its field holds 2
    RECT r{};
    GetClientRect(spin, &r);
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom / 4));
    SendMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, r.bottom / 4));
    CHECK_EQ(std::string("2.100"), p.Text(IDC_SIZE_X));
    SendMessageA(spin, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(r.right / 2, r.bottom * 3 / 4));
    SendMessageA(spin, WM_LBUTTONUP, 0, MAKELPARAM(r.right / 2, r.bottom * 3 / 4));
    CHECK_EQ(std::string("2.000"), p.Text(IDC_SIZE_X));
    CHECK_EQ(2u, JournalCalls("tsxGNodeSetSize").size());
}

WINE_TEST(RotationWrapsAtItsBoundsAndLocationClamps) {
    OpenedPanel p;
    Replace(p.Item(IDC_ROTATION_X), "180");
    Key(p.Item(IDC_ROTATION_X), VK_UP);
    CHECK_EQ(std::string("-180.00"), p.Text(IDC_ROTATION_X));
    Key(p.Item(IDC_ROTATION_X), VK_DOWN);
    CHECK_EQ(std::string("180.00"), p.Text(IDC_ROTATION_X));
    Replace(p.Item(IDC_LOCATION_X), "9999.95");
    Key(p.Item(IDC_LOCATION_X), VK_UP);
    CHECK_EQ(std::string("10000.000"), p.Text(IDC_LOCATION_X));
    Replace(p.Item(IDC_LOCATION_X), "20000");
    Key(p.Item(IDC_LOCATION_X), VK_DOWN);
    CHECK_EQ(std::string("19999.900"), p.Text(IDC_LOCATION_X));
}

WINE_TEST(StepFieldsSetTheStepOfTheirRow) {
    OpenedPanel p;
    Replace(p.Item(IDC_ROTATION_STEP), "5");
    Key(p.Item(IDC_ROTATION_Z), VK_UP);
    CHECK_EQ(std::string("5.00"), p.Text(IDC_ROTATION_Z));
    // Zero, a text without a leading number, hexadecimal and infinity keep
    // the step. (Set whole: typed, "1e999" would pass through "1e9".)
    for (const char* text : {"0", "abc", "0x10", "inf", "1e999"}) {
        SetWindowTextA(p.Item(IDC_ROTATION_STEP), text);
        Key(p.Item(IDC_ROTATION_Z), VK_UP);
    }
    CHECK_EQ(std::string("30.00"), p.Text(IDC_ROTATION_Z));
    SetWindowTextA(p.Item(IDC_ROTATION_STEP), "2x");
    Key(p.Item(IDC_ROTATION_Z), VK_UP);
    CHECK_EQ(std::string("32.00"), p.Text(IDC_ROTATION_Z));
    CHECK(TakeDismissedBoxes().empty());
}

WINE_TEST(AFieldWithoutANumberPromptsAndSelectsIt) {
    OpenedPanel p;
    Replace(p.Item(IDC_LOCATION_X), "7");
    standinJournalClear();
    // Typed into a field of another row while the prompt is up (its loop
    // dispatches what was queued): that row is not sent.
    SelectAll(p.Item(IDC_SIZE_Y));
    PostMessageA(p.Item(IDC_SIZE_Y), WM_CHAR, '3', 1);
    SetWindowTextA(p.Item(IDC_LOCATION_Z), "-");  // a bare minus sign, as while typing -3
    CHECK_EQ(std::vector<std::string>{"Please enter a number."}, TakeDismissedBoxes());
    CHECK_EQ(std::string("3"), p.Text(IDC_SIZE_Y));
    CHECK_EQ(p.Item(IDC_LOCATION_Z), GetFocus());
    DWORD start = 1, end = 0;
    SendMessageA(p.Item(IDC_LOCATION_Z), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    CHECK_EQ(0u, static_cast<unsigned>(start));
    CHECK_EQ(1u, static_cast<unsigned>(end));
    // The fields before the bad one were stored; the apply still runs.
    CHECK_EQ(Apply("tsxGNodeSetLocation(#1, {7, 0, 0})"), Journal());
}

namespace {
std::vector<HWND> hostWindows;
volatile int enabledDuringPrompt = -1;
}  // namespace

// While the prompt is up no window of the host's thread takes input (a click there could
// select another object, which the refused command would then write to); afterwards each
// is as its host left it.
WINE_TEST(ThePromptHoldsTheHostsWholeThread) {
    OpenedPanel p;
    hostWindows = {p.f.view};
    for (HWND owner : {p.f.view, HWND()})
        hostWindows.push_back(CreateWindowA("STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 80, 80,
                                            owner, nullptr, nullptr, nullptr));
    OnEveryBox([](HWND) {
        enabledDuringPrompt =
            std::count_if(hostWindows.begin(), hostWindows.end(), IsWindowEnabled);
    });
    for (bool hostDisabledIt : {false, true}) {
        EnableWindow(p.f.view, !hostDisabledIt);
        SetWindowTextA(p.Item(IDC_LOCATION_X), "-");
        CHECK_EQ(1u, TakeDismissedBoxes().size());
        CHECK_EQ(0, enabledDuringPrompt);
        CHECK_EQ(!hostDisabledIt, IsWindowEnabled(p.f.view) != FALSE);
        CHECK(IsWindowEnabled(hostWindows[1]) && IsWindowEnabled(hostWindows[2]));
        SetWindowTextA(p.Item(IDC_LOCATION_X), "0");
    }
    OnEveryBox(nullptr);
    DestroyWindow(hostWindows.back());
}

WINE_TEST(NumbersThatDoNotFitAFloatAreRefusedLikeText) {
    OpenedPanel p;
    for (const char* text : {"inf", "nan", "1e39", "-1e40", "0x10", "3 4", "1e"}) {
        standinJournalClear();
        SetWindowTextA(p.Item(IDC_LOCATION_X), text);
        CHECK_EQ(1u, TakeDismissedBoxes().size());
        const std::vector<std::string> sets = JournalCalls("tsxGNodeSetLocation");
        CHECK_EQ(std::vector<std::string>{"tsxGNodeSetLocation(#1, {0, 0, 0})"}, sets);
    }
    SetWindowTextA(p.Item(IDC_LOCATION_X), " \t-2.5e1\t ");
    CHECK(TakeDismissedBoxes().empty());
    CHECK_EQ(std::string("tsxGNodeSetLocation(#1, {-25, 0, 0})"),
             JournalCalls("tsxGNodeSetLocation").back());
}

WINE_TEST(VeryLongFieldTextsAreHandled) {
    OpenedPanel p;
    std::string digits = "1" + std::string(4999, '0');  // 1e4999: no float
    SetWindowTextA(p.Item(IDC_LOCATION_X), digits.c_str());
    CHECK_EQ(1u, TakeDismissedBoxes().size());
    std::string padded = std::string(4990, ' ') + "5";
    SetWindowTextA(p.Item(IDC_LOCATION_X), padded.c_str());
    CHECK(TakeDismissedBoxes().empty());
    CHECK_EQ(std::string("tsxGNodeSetLocation(#1, {5, 0, 0})"),
             JournalCalls("tsxGNodeSetLocation").back());
    SetWindowTextA(p.Item(IDC_LOCATION_STEP), digits.c_str());  // a step of 1e4999 is no step
    Key(p.Item(IDC_LOCATION_X), VK_UP);
    CHECK_EQ(std::string("5.100"), p.Text(IDC_LOCATION_X));
}

WINE_TEST(AxisModeMovesTheAxesInsteadOfTheObject) {
    OpenedPanel p;
    p.Click(IDC_AXIS_MODE);
    CHECK(Journal().empty());
    Replace(p.Item(IDC_LOCATION_X), "3");
    CHECK_EQ((std::vector<std::string>{"tsxGetCurrentSelection() -> #1", "tsxCurrobjToggleAxes()",
                                       "tsxMNodeSetAxesPosition(#1, {3, 0, 0})", "tsxSelectUp()",
                                       "tsxSceneRefresh()", "tsxSceneSetChanged(1)"}),
             Journal());
    StandinObject cube = Cube();
    CHECK_EQ(0.0f, cube.location.x);
    CHECK_EQ(3.0f, cube.axesPosition.x);
    standinJournalClear();
    SetWindowTextA(p.Item(IDC_ROTATION_Y), "30");
    const std::vector<std::string> turn = Journal();
    CHECK_EQ(std::string("tsxCurrobjToggleAxes()"), turn.at(1));
    CHECK_EQ(std::string("tsxEulerToAxes({0, 30, 0}) -> axes"), turn.at(2));
    CHECK_EQ(std::string("tsxMNodeSetAxesOrientation(#1, axes)"), turn.at(3));
    CHECK_EQ(0u, turn.at(4).find("tsxAxesToEuler(axes) -> {"));
    CHECK_EQ(std::string("tsxSelectUp()"), turn.at(5));
    standinJournalClear();
    Replace(p.Item(IDC_SIZE_Y), "5");
    CHECK_EQ(1u, JournalCalls("tsxGNodeSetSize(#1, {2, 5, 2})").size());
}

WINE_TEST(ReadButtonsRefreshTheFieldsFromTheHost) {
    OpenedPanel p;
    StandinObject cube = Cube();
    cube.location = {1.23456789f, -2.0f, 1234567.0f};
    cube.size = {3.0f, 3.0f, 3.0f};
    standinSetObject(standinObjectAt(0), &cube);
    p.Click(IDC_READ_LOCATION);
    CHECK_EQ(std::string("1.23457"), p.Text(IDC_LOCATION_X));
    CHECK_EQ(0u, p.Text(IDC_LOCATION_Z).find("1.23457e+0"));  // two or three exponent digits
    CHECK_EQ(std::string("2"), p.Text(IDC_SIZE_X));           // only the location row was read
    CHECK(JournalCalls("tsxGNodeSet").empty());
    p.Click(IDC_GET_OBJECT);
    CHECK_EQ(std::string("3"), p.Text(IDC_SIZE_X));
    CHECK(JournalCalls("tsxGNodeSet").empty());
    // What the user does not touch goes back as the host gave it, to the last bit.
    Replace(p.Item(IDC_LOCATION_Y), "7");
    Key(p.Item(IDC_LOCATION_Y), VK_UP);
    CHECK_EQ(1.23456789f, Cube().location.x);
    CHECK_EQ(1234567.0f, Cube().location.z);
}

WINE_TEST(WithNothingSelectedReadsAndAppliesStopAtTheQuery) {
    OpenedPanel p;
    standinSelect(nullptr);
    for (int id : {IDC_GET_OBJECT, IDC_READ_LOCATION, IDC_READ_ROTATION, IDC_READ_SIZE})
        p.Click(id);
    Replace(p.Item(IDC_LOCATION_X), "4");
    for (const std::string& line : Journal())
        CHECK_EQ(std::string("tsxGetCurrentSelection() -> null"), line);
    CHECK_EQ(std::string("4"), p.Text(IDC_LOCATION_X));
    CHECK_EQ(std::string("2"), p.Text(IDC_SIZE_X));
    // "get obj" parses the fields first, whether or not anything is selected.
    SetWindowTextA(p.Item(IDC_SIZE_Z), "x");
    TakeDismissedBoxes();
    p.Click(IDC_GET_OBJECT);
    CHECK_EQ(1u, TakeDismissedBoxes().size());
}

WINE_TEST(ReductionTogglesBetweenFullFieldRowsAndTitleStrip) {
    OpenedPanel p;
    const int full = p.Height();
    p.Click(IDC_ROLL_FIELDS);
    CHECK_EQ(117, p.Height());
    p.Click(IDC_ROLL_FIELDS);
    CHECK_EQ(full, p.Height());
    p.Click(IDC_ROLL_TITLE);
    CHECK_EQ(14, p.Height());
    p.Click(IDC_ROLL_TITLE);
    CHECK_EQ(full, p.Height());
    p.Click(IDC_ROLL_FIELDS);
    p.Click(IDC_ROLL_TITLE);  // restores rather than reducing further
    CHECK_EQ(full, p.Height());
}

WINE_TEST(HidingKeepsPlaceContentsAndReduction) {
    OpenedPanel p;
    Replace(p.Item(IDC_LOCATION_X), "6");
    p.Click(IDC_ROLL_TITLE);
    RECT before{};
    GetWindowRect(p.panel, &before);
    p.Click(IDC_HIDE);
    CHECK(!IsWindowVisible(p.panel));
    p.f.leftClick();
    Pump();
    CHECK(IsWindowVisible(p.panel));
    RECT after{};
    GetWindowRect(p.panel, &after);
    CHECK_EQ(before.left, after.left);
    CHECK_EQ(before.top, after.top);
    CHECK_EQ(14, p.Height());
    CHECK_EQ(std::string("6"), p.Text(IDC_LOCATION_X));
}

WINE_TEST(AnyBarePointDragsThePanel) {
    OpenedPanel p;
    RECT r{};
    GetWindowRect(p.panel, &r);
    const LRESULT title =
        SendMessageA(p.panel, WM_NCHITTEST, 0, MAKELPARAM(r.left + 40, r.top + 6));
    CHECK_EQ(static_cast<LRESULT>(HTCAPTION), title);
    const LRESULT bottom =
        SendMessageA(p.panel, WM_NCHITTEST, 0, MAKELPARAM(r.left + 5, r.bottom - 3));
    CHECK_EQ(static_cast<LRESULT>(HTCAPTION), bottom);
}

WINE_TEST(PaintsGreyBackgroundCaptionStripAndFrame) {
    OpenedPanel p;
    Repaint(p.panel);
    Pump(100);
    RECT c{};
    GetClientRect(p.panel, &c);
    HDC dc = GetDC(p.panel);
    const int w = c.right, h = c.bottom;
    const COLORREF caption = GetSysColor(COLOR_ACTIVECAPTION);
    CHECK(Near(RGB(191, 191, 191), GetPixel(dc, w / 2, 16)));  // below the strip, above the fields
    CHECK(Near(caption, GetPixel(dc, 20, 10)));                // strip, clear of text and buttons
    CHECK_EQ(RGB(0, 0, 0), GetPixel(dc, w / 2, 12));           // line under the strip
    CHECK_EQ(RGB(255, 255, 255), GetPixel(dc, 0, h / 2));      // left edge
    CHECK_EQ(RGB(255, 255, 255), GetPixel(dc, w / 2, 0));      // top edge
    CHECK_EQ(RGB(0, 0, 0), GetPixel(dc, w - 1, h / 2));        // right edge
    CHECK_EQ(RGB(0, 0, 0), GetPixel(dc, w / 2, h - 1));        // bottom edge
    ReleaseDC(p.panel, dc);
}

WINE_TEST(PictureAndLabelsPassPressesThroughToThePanel) {
    OpenedPanel p;
    RECT r{};
    GetWindowRect(p.panel, &r);
    // A bare spot of the box picture (between the cube and the triad) and
    // the "Y" column label: the window under the point is the panel itself,
    // so a press there drags it.
    HWND picture = nullptr;
    for (HWND child = GetWindow(p.panel, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[16] = {};
        GetClassNameA(child, cls, sizeof cls);
        if (lstrcmpiA(cls, "Static") == 0 &&
            (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_BITMAP)
            picture = child;
    }
    REQUIRE(picture != nullptr);
    RECT pic{};
    GetWindowRect(picture, &pic);
    const POINT bare = {pic.left + (pic.right - pic.left) * 45 / 100, pic.bottom - 12};
    CHECK_EQ(p.panel, WindowFromPoint(bare));
    CHECK_EQ(static_cast<LRESULT>(HTCAPTION),
             SendMessageA(p.panel, WM_NCHITTEST, 0, MAKELPARAM(bare.x, bare.y)));
    RECT field{};
    GetWindowRect(p.Item(IDC_LOCATION_Y), &field);
    const POINT label = {field.left + 20, field.top - 6};  // the "Y" label above location Y
    CHECK_EQ(p.panel, WindowFromPoint(label));
}

WINE_TEST(TheWindowMenusCloseHidesThePanel) {
    OpenedPanel p;
    CHECK(GetWindowLongA(p.panel, GWL_STYLE) & WS_SYSMENU);
    CHECK(GetSystemMenu(p.panel, FALSE) != nullptr);
    SendMessageA(p.panel, WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    CHECK(IsWindow(p.panel));
    CHECK(!IsWindowVisible(p.panel));
    CHECK(Journal().empty());
    DWORD stored = 0;
    CHECK(!ReadProfile("PanelX", stored));  // hiding writes no profile
}

WINE_TEST(TitleStripButtonsShowTheirBitmapsAndPressedLooks) {
    OpenedPanel p;
    HWND hide = p.Item(IDC_HIDE);
    RECT r{};
    GetClientRect(hide, &r);
    CHECK_EQ(11L, r.right);
    CHECK_EQ(11L, r.bottom);
    auto pixel = [&](int x, int y) {
        RedrawWindow(hide, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        HDC dc = GetDC(hide);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(hide, dc);
        return colour;
    };
    // Up: the bitmap's own light bevel at the top left, the cross in the middle.
    CHECK_EQ(RGB(255, 255, 255), pixel(0, 0));
    CHECK_EQ(RGB(0, 0, 0), pixel(5, 5));
    SendMessageA(hide, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    CHECK_EQ(RGB(128, 128, 128), pixel(0, 0));  // pressed: the bevel swaps
    SendMessageA(hide, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    CHECK_EQ(RGB(255, 255, 255), pixel(0, 0));
    CHECK(IsWindowVisible(p.panel));  // a right click is not a click
}

// The panel keeps what its fields hold between exchanges and reads a field
// again only after it reported a change, so every way of changing a field
// must reach the next apply of another field.
WINE_TEST(EveryWayOfChangingAFieldReachesTheNextApply) {
    OpenedPanel p;
    HWND y = p.Item(IDC_LOCATION_Y);
    auto applied = [&](const char* typedX) {
        Replace(p.Item(IDC_LOCATION_X), typedX);
        return JournalCalls("tsxGNodeSetLocation").back();
    };
    SetWindowTextA(y, "45");
    CHECK_EQ(std::string("tsxGNodeSetLocation(#1, {1, 45, 0})"), applied("1"));
    SendMessageA(y, EM_SETSEL, 1, 2);
    SendMessageA(y, WM_CLEAR, 0, 0);
    CHECK_EQ(std::string("tsxGNodeSetLocation(#1, {2, 4, 0})"), applied("2"));
    SendMessageA(y, EM_SETSEL, 0, -1);
    SendMessageA(y, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("6"));
    CHECK_EQ(std::string("tsxGNodeSetLocation(#1, {3, 6, 0})"), applied("3"));
    // What undo brings back is the edit's own business; the apply must see it.
    auto holding = [&](const char* x) {
        const Vector3 sent = {std::strtof(x, nullptr),
                              std::strtof(p.Text(IDC_LOCATION_Y).c_str(), nullptr), 0};
        return "tsxGNodeSetLocation(#1, " + standin::FormatVector(sent) + ")";
    };
    SendMessageA(y, EM_UNDO, 0, 0);
    CHECK(p.Text(IDC_LOCATION_Y) != "6");
    CHECK_EQ(holding("4"), applied("4"));
    Key(y, VK_UP);  // the spin rewrites the field
    CHECK_EQ(holding("5"), applied("5"));
    // The panel's own writes, whose change notifications start no apply.
    StandinObject cube = Cube();
    cube.location = {7, 8, 9};
    standinSetObject(standinObjectAt(0), &cube);
    p.Click(IDC_READ_LOCATION);
    CHECK_EQ(std::string("tsxGNodeSetLocation(#1, {6, 8, 9})"), applied("6"));
    CHECK(TakeDismissedBoxes().empty());
}
