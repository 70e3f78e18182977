// The panel's object commands through real button clicks: pivot anchors,
// copy, the axes display, units, coordinates and the point-selection readout.
#include "harness.h"
#include "host/tsxapi/journal.h"
#include "res/resource.h"

using namespace harness;
using standin::FormatVector;  // the journal's own vector text

namespace {

const std::vector<std::string> kAfterMove = {"tsxCurrobjToggleAxes()", "tsxSelectUp()",
                                             "tsxSceneRefresh()", "tsxSceneSetChanged(1)"};

}  // namespace

WINE_TEST(CornerAnchorsMoveTheAxesToTheBoxCorners) {
    OpenedPanel p;
    StandinObject cube = Cube();
    cube.location = {1, 2, 3};
    cube.size = {2, 4, 6};
    standinSetObject(standinObjectAt(0), &cube);
    p.Click(IDC_ANCHOR_BOTTOM_BACK_LEFT);
    std::vector<std::string> expected = {
        "tsxGetCurrentSelection() -> #1", "tsxBBoxInit() -> {{0, 0, 0}, {0, 0, 0}}",
        "tsxGNodeGetBBox(#1) -> {{0, 0, 0}, {2, 4, 6}}", "tsxMNodeSetAxesPosition(#1, {0, 0, 0})"};
    expected.insert(expected.end(), kAfterMove.begin(), kAfterMove.end());
    const std::vector<std::string> journal = Journal();
    CHECK_EQ(expected.size(), journal.size());
    CHECK_EQ(std::string("tsxMNodeSetAxesPosition(#1, {0, 0, 0})"), journal.at(3));
    CHECK_EQ(std::string("{0, 0, 0}"), FormatVector(Cube().axesPosition));
    p.Click(IDC_ANCHOR_TOP_FRONT_RIGHT);
    CHECK_EQ(std::string("{2, 4, 6}"), FormatVector(Cube().axesPosition));
    p.Click(IDC_ANCHOR_TOP_FRONT_RIGHT);  // the same anchor twice: same place, marked changed again
    CHECK_EQ(std::string("{2, 4, 6}"), FormatVector(Cube().axesPosition));
    CHECK_EQ(3u, JournalCalls("tsxSceneSetChanged(1)").size());
    CHECK_EQ(3u, JournalCalls("tsxCurrobjToggleAxes").size());
    CHECK(BST_CHECKED == SendMessageA(p.Item(IDC_ANCHOR_TOP_FRONT_RIGHT), BM_GETCHECK, 0, 0));
    CHECK(BST_UNCHECKED == SendMessageA(p.Item(IDC_ANCHOR_BOTTOM_BACK_LEFT), BM_GETCHECK, 0, 0));
}

WINE_TEST(FaceAndCentreAnchorsUseTheAxesAndTheHostSize) {
    OpenedPanel p;  // the cube: centred at the origin, size 2
    p.Click(IDC_ANCHOR_CENTRE);
    CHECK_EQ(std::string("{0, 0, 0}"), FormatVector(Cube().axesPosition));
    CHECK_EQ(1u, JournalCalls("tsxGNodeGetSize(#1)").size());
    CHECK(JournalCalls("tsxGNodeGetAxesPosition").empty());
    p.Click(IDC_ANCHOR_TOP);  // top face from the centre: the face's centre
    CHECK_EQ(std::string("{0, 0, 1}"), FormatVector(Cube().axesPosition));
    CHECK_EQ(1u, JournalCalls("tsxGNodeGetAxesPosition(#1)").size());
    p.Click(IDC_ANCHOR_BOTTOM_FRONT_LEFT);
    p.Click(IDC_ANCHOR_TOP);  // from a corner: the corner straight above
    CHECK_EQ(std::string("{1, -1, 1}"), FormatVector(Cube().axesPosition));
}

WINE_TEST(AnchorsWithNothingSelectedOnlyMoveTheRadioCheck) {
    OpenedPanel p;
    standinSelect(nullptr);
    p.Click(IDC_ANCHOR_RIGHT);
    CHECK_EQ(std::vector<std::string>{"tsxGetCurrentSelection() -> null"}, Journal());
    CHECK(BST_CHECKED == SendMessageA(p.Item(IDC_ANCHOR_RIGHT), BM_GETCHECK, 0, 0));
}

WINE_TEST(AnchorsOnAnObjectWithAnEmptyBoxMoveNothing) {
    OpenedPanel p;
    StandinObject cube = Cube();
    cube.emptyBox = 1;  // the box comes back as tsxBBoxInit left it
    cube.axesPosition = {0.5f, 0.25f, 0.125f};
    standinSetObject(standinObjectAt(0), &cube);
    for (int id = IDC_ANCHOR_FIRST; id <= IDC_ANCHOR_LAST; ++id) p.Click(id);
    CHECK_EQ(15u, JournalCalls("tsxGNodeGetBBox(#1) -> {{3.40282e+38, 3.40282e+38, 3.40282e+38}, "
                               "{-3.40282e+38, -3.40282e+38, -3.40282e+38}}")
                      .size());
    for (const char* call : {"tsxMNodeSetAxesPosition", "tsxCurrobjToggleAxes", "tsxSelectUp",
                             "tsxSceneRefresh", "tsxSceneSetChanged"})
        CHECK_EQ(call + std::string(": 0"),
                 call + std::string(": ") + std::to_string(JournalCalls(call).size()));
    CHECK_EQ(std::string("{0.5, 0.25, 0.125}"), FormatVector(Cube().axesPosition));
    cube.emptyBox = 0;  // geometry again: the anchors work
    standinSetObject(standinObjectAt(0), &cube);
    p.Click(IDC_ANCHOR_BOTTOM_BACK_LEFT);
    CHECK_EQ(std::string("{-1, -1, -1}"), FormatVector(Cube().axesPosition));
}

WINE_TEST(CopyCallsTheHostsCopyAndNothingElse) {
    OpenedPanel p;
    const int before = standinObjectCount();
    p.Click(IDC_COPY);
    CHECK_EQ((std::vector<std::string>{"tsxGetCurrentSelection() -> #1", "tsxCurrobjCopy()"}),
             Journal());
    CHECK_EQ(before + 1, standinObjectCount());
    standinSelect(nullptr);
    standinJournalClear();
    p.Click(IDC_COPY);
    CHECK_EQ(std::vector<std::string>{"tsxGetCurrentSelection() -> null"}, Journal());
}

WINE_TEST(ShowAxesTogglesOnceAndHideTwice) {
    OpenedPanel p;
    const int shown = Cube().axesVisible;
    p.Click(IDC_SHOW_AXES);
    CHECK_EQ(
        (std::vector<std::string>{"tsxGetCurrentSelection() -> #1", "tsxCurrobjToggleAxes()",
                                  "tsxSelectUp()", "tsxSceneRefresh()", "tsxSceneSetChanged(1)"}),
        Journal());
    CHECK_EQ(!shown, Cube().axesVisible != 0);
    standinJournalClear();
    p.Click(IDC_HIDE_AXES);
    CHECK_EQ(2u, JournalCalls("tsxCurrobjToggleAxes()").size());
    CHECK_EQ(1u, JournalCalls("tsxSceneSetChanged(1)").size());
    standinSelect(nullptr);
    standinJournalClear();
    p.Click(IDC_SHOW_AXES);
    p.Click(IDC_HIDE_AXES);
    CHECK_EQ(2u, Journal().size());
}

WINE_TEST(UnitCommandReappliesSizeAndLocationWithTheObjectsCode) {
    OpenedPanel p;
    StandinObject cube = Cube();
    cube.units = 6;
    standinSetObject(standinObjectAt(0), &cube);
    standinJournalClear();
    Command(p.panel, IDC_UNIT);
    CHECK_EQ(
        (std::vector<std::string>{"tsxGetCurrentSelection() -> #1", "tsxGNodeGetUnits(#1) -> 6",
                                  "tsxGNodeSetUnits(#1, 6)", "tsxGNodeSetSize(#1, {2, 2, 2})",
                                  "tsxGNodeSetLocation(#1, {0, 0, 0})", "tsxSceneRefresh()",
                                  "tsxSceneSetChanged(1)"}),
        Journal());
    // Never hands the host a null object.
    standinSelect(nullptr);
    standinJournalClear();
    Command(p.panel, IDC_UNIT);
    CHECK_EQ(std::vector<std::string>{"tsxGetCurrentSelection() -> null"}, Journal());
}

WINE_TEST(CoordinatesCommandAlwaysRefreshesAndMarksChanged) {
    OpenedPanel p;
    standinSelect(nullptr);
    Command(p.panel, IDC_COORDS);
    CHECK_EQ((std::vector<std::string>{"tsxSceneRefresh()", "tsxSceneSetChanged(1)"}), Journal());
}

WINE_TEST(PointReadoutFillsTheFieldsWhenFacesAreSelected) {
    OpenedPanel p;
    SetPointSelection({4, 5, 6}, {0, 0, 45});
    Command(p.panel, IDC_POINT_AXES);
    CHECK_EQ(std::string("4"), p.Text(IDC_LOCATION_X));
    CHECK_EQ(std::string("6"), p.Text(IDC_LOCATION_Z));
    CHECK_EQ(std::string("45"), p.Text(IDC_ROTATION_Z));
    CHECK_EQ(std::string("2"), p.Text(IDC_SIZE_X));
    CHECK(JournalCalls("tsxGNodeSet").empty());
    CHECK(JournalCalls("tsxSceneSetChanged").empty());
    CHECK(JournalCalls("tsxSceneRefresh").empty());
    CHECK_EQ(1u, JournalCalls("tsxCalloc(2, 4)").size());
    CHECK_EQ(0, standinBlocksOutstanding());
}

WINE_TEST(PointReadoutWithoutSelectedFacesLeavesTheFields) {
    OpenedPanel p;
    const Vector3 position = {4, 5, 6};
    const Vector3 euler = {0, 0, 45};
    standinSetPointAxes(&position, &euler);
    Command(p.panel, IDC_POINT_AXES);
    CHECK_EQ(std::string("0"), p.Text(IDC_LOCATION_X));
    CHECK(JournalCalls("tsxCalloc").empty());
    CHECK_EQ(0, standinBlocksOutstanding());
    // When the host gives no block the face list is skipped, the rest runs.
    StandinObject cube = Cube();
    cube.selectedFaces = 3;
    standinSetObject(standinObjectAt(0), &cube);
    standinSetAllocFails(1);
    Command(p.panel, IDC_POINT_AXES);
    standinSetAllocFails(0);
    CHECK_EQ(std::string("4"), p.Text(IDC_LOCATION_X));
    CHECK(JournalCalls("tsxFree").size() <= 1u);
    CHECK_EQ(0, standinBlocksOutstanding());
    standinSelect(nullptr);
    standinJournalClear();
    Command(p.panel, IDC_POINT_AXES);
    CHECK_EQ(std::vector<std::string>{"tsxGetCurrentSelection() -> null"}, Journal());
}
