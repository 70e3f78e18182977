#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/tsxapi/euler.h"
#include "host/tsxapi/standin_host.h"
#include "tests/support/vector_checks.h"

using standin::ObjectData;
using standin::StandinHost;

namespace {

class StandinHostTest : public testing::Test {
protected:
    void SetUp() override { host.Reset("C:\\ortolan\\"); }

    // The journal lines since the last call, and forgets them.
    std::vector<std::string> Take() {
        std::vector<std::string> lines = host.GetJournal().Lines();
        host.GetJournal().Clear();
        return lines;
    }
    std::string TakeOne() {
        std::vector<std::string> lines = Take();
        EXPECT_EQ(1u, lines.size());
        return lines.empty() ? std::string() : lines.back();
    }
    void* Object(int index) { return host.GetScene().At(index); }

    StandinHost host;
    int notAnObject = 0;
};

using Lines = std::vector<std::string>;

}  // namespace

TEST_F(StandinHostTest, ResetGivesTheDefaultState) {
    EXPECT_EQ(3, host.GetScene().Count());
    EXPECT_EQ(0, host.GetJournal().Count());
    EXPECT_EQ(0, host.Memory().Outstanding());
    EXPECT_EQ(nullptr, host.MainView());
    EXPECT_EQ(0, host.RefreshCount());
    EXPECT_EQ(0, host.ChangedCount());
}

TEST_F(StandinHostTest, Selection) {
    EXPECT_EQ(Object(0), host.GetCurrentSelection());
    EXPECT_EQ("tsxGetCurrentSelection() -> #1", TakeOne());
    host.GetScene().Select(nullptr);
    EXPECT_EQ(nullptr, host.GetCurrentSelection());
    EXPECT_EQ("tsxGetCurrentSelection() -> null", TakeOne());
}

TEST_F(StandinHostTest, Getters) {
    Vector3 v{9, 9, 9};
    host.GetSize(Object(1), &v);
    host.GetLocation(Object(2), &v);
    host.GetRotation(Object(0), &v);
    host.GetAxesPosition(Object(1), &v);
    EXPECT_EQ(
        (Lines{"tsxGNodeGetSize(#2) -> {4, 2, 0.5}", "tsxGNodeGetLocation(#3) -> {-4, 3, 1}",
               "tsxGNodeGetRotation(#1) -> {0, 0, 0}", "tsxGNodeGetAxesPosition(#2) -> {5, 0, 0}"}),
        Take());
}

TEST_F(StandinHostTest, GettersOnNullOrUnknownLeaveTheOutput) {
    Vector3 v{7, 8, 9};
    host.GetSize(nullptr, &v);
    host.GetLocation(&notAnObject, &v);
    host.GetRotation(Object(0), nullptr);
    EXPECT_FLOAT_EQ(7, v.x);
    EXPECT_FLOAT_EQ(9, v.z);
    EXPECT_EQ(
        (Lines{"tsxGNodeGetSize(null)", "tsxGNodeGetLocation(unknown)", "tsxGNodeGetRotation(#1)"}),
        Take());
}

TEST_F(StandinHostTest, Setters) {
    Vector3 v{1.5f, 0, 0};
    host.SetLocation(Object(0), &v);
    v = Vector3{0, 0, 45};
    host.SetRotation(Object(0), &v);
    v = Vector3{1, 2, 3};
    host.SetSize(Object(0), &v);
    v = Vector3{-1, -1, -1};
    host.SetAxesPosition(Object(0), &v);
    EXPECT_EQ(
        (Lines{"tsxGNodeSetLocation(#1, {1.5, 0, 0})", "tsxGNodeSetRotation(#1, {0, 0, 45})",
               "tsxGNodeSetSize(#1, {1, 2, 3})", "tsxMNodeSetAxesPosition(#1, {-1, -1, -1})"}),
        Take());
    const ObjectData* d = host.GetScene().Find(Object(0));
    EXPECT_FLOAT_EQ(1.5f, d->location.x);
    EXPECT_FLOAT_EQ(45, d->rotation.z);
    EXPECT_FLOAT_EQ(3, d->size.z);
    EXPECT_FLOAT_EQ(-1, d->axesPosition.x);
}

TEST_F(StandinHostTest, SettersOnNullOrUnknownChangeNothing) {
    Vector3 v{1, 1, 1};
    host.SetLocation(nullptr, &v);
    host.SetSize(&notAnObject, &v);
    host.SetRotation(Object(0), nullptr);
    EXPECT_EQ((Lines{"tsxGNodeSetLocation(null, {1, 1, 1})", "tsxGNodeSetSize(unknown, {1, 1, 1})",
                     "tsxGNodeSetRotation(#1, null)"}),
              Take());
    EXPECT_FLOAT_EQ(0, host.GetScene().Find(Object(0))->rotation.x);
}

TEST_F(StandinHostTest, AxesConversionsAndOrientation) {
    Vector3 euler{10, 20, 30};
    Axes axes;
    host.EulerToAxes(&euler, &axes);
    host.SetAxesOrientation(Object(0), &axes);
    Vector3 back;
    host.AxesToEuler(&axes, &back);
    Lines lines = Take();
    ASSERT_EQ(3u, lines.size());
    EXPECT_EQ("tsxEulerToAxes({10, 20, 30}) -> axes", lines[0]);
    EXPECT_EQ("tsxMNodeSetAxesOrientation(#1, axes)", lines[1]);
    EXPECT_EQ(0u, lines[2].rfind("tsxAxesToEuler(axes) -> {", 0)) << lines[2];
    ExpectVectorNear({10, 20, 30}, back, 1e-3);
    const ObjectData* d = host.GetScene().Find(Object(0));
    EXPECT_NEAR(20, d->axesRotation.y, 1e-3);
    // The orientation record's origin does not move the axes.
    EXPECT_FLOAT_EQ(0, d->axesPosition.x);
}

TEST_F(StandinHostTest, AxesCallsWithNullRecords) {
    Axes axes{};
    host.EulerToAxes(nullptr, &axes);
    host.AxesToEuler(nullptr, nullptr);
    host.SetAxesOrientation(Object(0), nullptr);
    host.SetAxesOrientation(nullptr, &axes);
    EXPECT_EQ(
        (Lines{"tsxEulerToAxes(null)", "tsxAxesToEuler(null)",
               "tsxMNodeSetAxesOrientation(#1, null)", "tsxMNodeSetAxesOrientation(null, axes)"}),
        Take());
}

TEST_F(StandinHostTest, BoxCalls) {
    BBox box;
    host.BBoxInit(&box);
    EXPECT_GT(box.min.x, box.max.x);
    host.GetBBox(Object(0), &box);
    host.GetBBox(nullptr, &box);
    host.BBoxInit(nullptr);
    EXPECT_EQ((Lines{"tsxBBoxInit() -> {{3.40282e+38, 3.40282e+38, 3.40282e+38}, "
                     "{-3.40282e+38, -3.40282e+38, -3.40282e+38}}",
                     "tsxGNodeGetBBox(#1) -> {{-1, -1, -1}, {1, 1, 1}}", "tsxGNodeGetBBox(null)",
                     "tsxBBoxInit(null)"}),
              Take());
    EXPECT_FLOAT_EQ(-1, box.min.x);
}

TEST_F(StandinHostTest, Units) {
    EXPECT_EQ(4, host.GetUnits(Object(0)));
    host.SetUnits(Object(0), 7);
    EXPECT_EQ(7, host.GetUnits(Object(0)));
    EXPECT_EQ(0, host.GetUnits(nullptr));
    host.SetUnits(nullptr, 5);
    EXPECT_EQ(
        (Lines{"tsxGNodeGetUnits(#1) -> 4", "tsxGNodeSetUnits(#1, 7)", "tsxGNodeGetUnits(#1) -> 7",
               "tsxGNodeGetUnits(null) -> 0", "tsxGNodeSetUnits(null, 5)"}),
        Take());
}

TEST_F(StandinHostTest, CurrentObjectCommands) {
    host.CurrobjToggleAxes();
    EXPECT_EQ(0, host.GetScene().Find(Object(0))->axesVisible);
    host.SelectUp();
    EXPECT_EQ(Object(0), host.GetScene().Selection());
    host.CurrobjCopy();
    EXPECT_EQ(4, host.GetScene().Count());
    EXPECT_EQ(Object(3), host.GetScene().Selection());
    EXPECT_EQ("Cube copy", host.GetScene().Find(Object(3))->name);
    EXPECT_EQ(0, host.GetScene().Find(Object(3))->axesVisible);  // copied as it was
    host.SceneRefresh();
    host.SceneSetChanged(1);
    EXPECT_EQ((Lines{"tsxCurrobjToggleAxes()", "tsxSelectUp()", "tsxCurrobjCopy()",
                     "tsxSceneRefresh()", "tsxSceneSetChanged(1)"}),
              Take());
    EXPECT_EQ(1, host.RefreshCount());
    EXPECT_EQ(1, host.ChangedCount());
    EXPECT_EQ(1, host.ChangedFlag());
    EXPECT_EQ(1, host.SelectUpCount());
}

TEST_F(StandinHostTest, CurrentObjectCommandsWithNothingSelected) {
    host.GetScene().Select(nullptr);
    host.CurrobjToggleAxes();
    host.CurrobjCopy();
    host.SelectUp();
    EXPECT_EQ(3, host.GetScene().Count());
    EXPECT_EQ((Lines{"tsxCurrobjToggleAxes()", "tsxCurrobjCopy()", "tsxSelectUp()"}), Take());
}

TEST_F(StandinHostTest, CopyIsVisibleToTheListener) {
    int countSeen = 0;
    host.GetJournal().SetListener([&](const std::string&) { countSeen = host.GetScene().Count(); });
    host.CurrobjCopy();
    EXPECT_EQ(4, countSeen);
}

TEST_F(StandinHostTest, PolyhedronCalls) {
    EXPECT_EQ(8, host.GetNbrVxs(Object(0)));
    Vector3* vertices = host.GetVxArray(Object(0));
    ASSERT_NE(nullptr, vertices);
    EXPECT_FLOAT_EQ(1, vertices[7].x);
    Matrix m;
    host.GetVxTxmx(Object(0), &m);
    EXPECT_FLOAT_EQ(2, m.m[0]);
    EXPECT_EQ(0, host.GetUserSelectedFaces(Object(0), nullptr));
    EXPECT_EQ(0, host.GetNbrVxs(nullptr));
    EXPECT_EQ(nullptr, host.GetVxArray(&notAnObject));
    host.GetVxTxmx(nullptr, &m);
    EXPECT_EQ(0, host.GetUserSelectedFaces(nullptr, nullptr));
    EXPECT_EQ(
        (Lines{"tsxPolyhGetNbrVxs(#1) -> 8", "tsxPolyhGetVxArray(#1) -> array",
               "tsxPolyhGetVxTxmx(#1) -> matrix", "tsxPolyhGetUserSelectedFaces(#1, null) -> 0",
               "tsxPolyhGetNbrVxs(null) -> 0", "tsxPolyhGetVxArray(unknown) -> null",
               "tsxPolyhGetVxTxmx(null)", "tsxPolyhGetUserSelectedFaces(null, null) -> 0"}),
        Take());
}

TEST_F(StandinHostTest, SelectedFacesFillTheModulesList) {
    ObjectData d;
    host.GetScene().Get(Object(0), &d);
    d.selectedFaces = 2;
    host.GetScene().Set(Object(0), d);
    int count = host.GetUserSelectedFaces(Object(0), nullptr);
    int* list = static_cast<int*>(host.Calloc(count, 4));
    EXPECT_EQ(2, host.GetUserSelectedFaces(Object(0), list));
    EXPECT_EQ(1, list[1]);
    host.Free(list);
    EXPECT_EQ((Lines{"tsxPolyhGetUserSelectedFaces(#1, null) -> 2", "tsxCalloc(2, 4) -> block",
                     "tsxPolyhGetUserSelectedFaces(#1, list) -> 2", "tsxFree(block)"}),
              Take());
    EXPECT_EQ(0, host.Memory().Outstanding());
}

TEST_F(StandinHostTest, PointAxes) {
    host.GetScene().SetPointAxes(Vector3{1, 2, 3}, Vector3{0, 0, 90});
    Vector3 position;
    host.PointsGetAxesPosition(&position);
    Axes axes;
    host.PointsGetAxesOrientation(&axes);
    host.PointsGetAxesPosition(nullptr);
    host.PointsGetAxesOrientation(nullptr);
    EXPECT_EQ(
        (Lines{"tsxPointsGetAxesPosition() -> {1, 2, 3}", "tsxPointsGetAxesOrientation() -> axes",
               "tsxPointsGetAxesPosition(null)", "tsxPointsGetAxesOrientation(null)"}),
        Take());
    EXPECT_NEAR(90, standin::EulerFromAxes(axes).z, 1e-3);
    EXPECT_FLOAT_EQ(3, axes.m[2]);
}

TEST_F(StandinHostTest, Memory) {
    void* a = host.Malloc(96);
    void* b = host.Calloc(3, 4);
    EXPECT_EQ(2, host.Memory().Outstanding());
    host.Free(a);
    host.Free(b);
    host.Free(&notAnObject);
    host.Free(nullptr);
    host.Memory().SetFailing(true);
    EXPECT_EQ(nullptr, host.Malloc(4));
    EXPECT_EQ(nullptr, host.Calloc(1, 4));
    EXPECT_EQ((Lines{"tsxMalloc(96) -> block", "tsxCalloc(3, 4) -> block", "tsxFree(block)",
                     "tsxFree(block)", "tsxFree(unknown)", "tsxFree(null)", "tsxMalloc(4) -> null",
                     "tsxCalloc(1, 4) -> null"}),
              Take());
    EXPECT_EQ(0, host.Memory().Outstanding());
}

TEST_F(StandinHostTest, ResetCountsBlocksFromZeroAndAllowsAllocations) {
    void* a = host.Malloc(4);
    host.Memory().SetFailing(true);
    host.Reset("D:\\");
    EXPECT_EQ(0, host.Memory().Outstanding());
    EXPECT_FALSE(host.Memory().Failing());
    host.Free(a);  // still the host's: freed, not counted
    EXPECT_EQ("tsxFree(block)", TakeOne());
    EXPECT_EQ(0, host.Memory().Outstanding());
}

TEST_F(StandinHostTest, MainViewAndDirectory) {
    int window = 0;
    EXPECT_EQ(nullptr, host.GetMainView());
    host.SetMainView(&window);
    EXPECT_EQ(&window, host.GetMainView());
    EXPECT_STREQ("C:\\ortolan\\", host.GetTSDir(0));
    host.SetTSDir("Z:\\tmp\\");
    EXPECT_STREQ("Z:\\tmp\\", host.GetTSDir(0));
    host.SetTSDir(nullptr);
    EXPECT_EQ(nullptr, host.GetTSDir(0));
    EXPECT_EQ((Lines{"tsxGetMainViewHwnd() -> null", "tsxGetMainViewHwnd() -> window",
                     "tsxGetTSDir(0) -> \"C:\\ortolan\\\"", "tsxGetTSDir(0) -> \"Z:\\tmp\\\"",
                     "tsxGetTSDir(0) -> null"}),
              Take());
}

TEST_F(StandinHostTest, ResetKeepsTheListenerButForgetsTheRest) {
    int heard = 0;
    host.GetJournal().SetListener([&](const std::string&) { ++heard; });
    int window = 0;
    host.SetMainView(&window);
    host.SceneRefresh();
    host.Reset("C:\\");
    EXPECT_EQ(nullptr, host.MainView());
    EXPECT_EQ(0, host.RefreshCount());
    host.SceneRefresh();
    EXPECT_EQ(2, heard);
}

TEST_F(StandinHostTest, AnApplyLocationSequence) {
    // The panel's apply-location command as the journal shows it.
    void* object = host.GetCurrentSelection();
    Vector3 location{1.5f, 0, 0};
    host.SetLocation(object, &location);
    host.SceneRefresh();
    host.SceneSetChanged(1);
    EXPECT_EQ((Lines{"tsxGetCurrentSelection() -> #1", "tsxGNodeSetLocation(#1, {1.5, 0, 0})",
                     "tsxSceneRefresh()", "tsxSceneSetChanged(1)"}),
              Take());
}
