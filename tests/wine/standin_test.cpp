// The stand-in tsxapi.dll through its exports, as the module and the
// workbench reach it: the scene it starts with, the journal its exports
// write, its handling of bad handles and pointers, the main view and the
// installation folder.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "api/tsxapi.h"
#include "harness.h"

using namespace harness;

namespace {

using Lines = std::vector<std::string>;

std::string ObjectName(void* object) {
    StandinObject record;
    if (!standinGetObject(object, &record)) return "(none)";
    return std::string(record.name, strnlen(record.name, sizeof record.name));
}

LRESULT CALLBACK CountingViewProc(HWND window, UINT message, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(window, message, wp, lp);
}

HWND CreatePlainWindow() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingViewProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "StandinTestView";
    RegisterClassA(&wc);  // a second registration fails harmlessly
    HWND window =
        CreateWindowExA(0, "StandinTestView", "view", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 50, 50, 300,
                        200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    Pump(20);
    return window;
}

struct Heard {
    std::vector<std::string> lines;
    void* context = nullptr;
};

void __cdecl Listen(const char* line, void* context) {
    auto* heard = static_cast<Heard*>(context);
    heard->lines.push_back(line);
    heard->context = context;
}

}  // namespace

// Must stay the first test: nothing has called standinReset yet, so this is
// the state the DLL gave itself when it was loaded.
WINE_TEST(LoadingTheDllSetsUpTheDefaultScene) {
    CHECK_EQ(3, standinObjectCount());
    CHECK_EQ(std::string("Cube"), ObjectName(standinObjectAt(0)));
    CHECK_EQ(std::string("Slab"), ObjectName(standinObjectAt(1)));
    CHECK_EQ(std::string("Post"), ObjectName(standinObjectAt(2)));
    CHECK(standinSelection() == standinObjectAt(0));
    CHECK_EQ(0, standinJournalCount());
    CHECK_EQ(0, standinBlocksOutstanding());
    CHECK(tsxGetMainViewHwnd() == nullptr);
}

WINE_TEST(InstallationFolderIsTheDllsFolder) {
    standinReset();
    std::string folder = tsxGetTSDir(0);
    REQUIRE(!folder.empty());
    CHECK_EQ('\\', folder.back());
    CHECK(FileExists(folder + "tsxapi.dll"));
    CHECK_EQ(ProgramFolder(), folder);  // the tests run beside the DLL

    standinSetTSDir("C:\\elsewhere\\");
    CHECK_EQ(std::string("C:\\elsewhere\\"), std::string(tsxGetTSDir(0)));
    standinReset();
    CHECK_EQ(folder, std::string(tsxGetTSDir(0)));
    CHECK_EQ((Lines{"tsxGetTSDir(0) -> \"" + folder + "\""}), Journal());
}

WINE_TEST(SceneRefreshInvalidatesTheMainView) {
    standinReset();
    HWND view = CreatePlainWindow();
    REQUIRE(view != nullptr);
    standinSetMainView(view);
    CHECK(tsxGetMainViewHwnd() == view);
    UpdateWindow(view);
    CHECK(!GetUpdateRect(view, nullptr, FALSE));
    tsxSceneRefresh();
    CHECK(GetUpdateRect(view, nullptr, FALSE));
    CHECK_EQ(1, standinRefreshCount());

    // A destroyed view, or none, is simply not invalidated.
    DestroyWindow(view);
    tsxSceneRefresh();
    standinSetMainView(nullptr);
    tsxSceneRefresh();
    CHECK_EQ(3, standinRefreshCount());
    standinReset();
    CHECK_EQ(0, standinRefreshCount());
}

WINE_TEST(ResetForgetsTheMainView) {
    HWND view = CreatePlainWindow();
    standinSetMainView(view);
    standinReset();
    CHECK(tsxGetMainViewHwnd() == nullptr);
    CHECK_EQ((Lines{"tsxGetMainViewHwnd() -> null"}), Journal());
    DestroyWindow(view);
}

WINE_TEST(ExportsJournalEachCallInOrder) {
    standinReset();
    void* object = tsxGetCurrentSelection();
    Vector3 location{1.5f, 0, 0};
    tsxGNodeSetLocation(object, &location);
    Vector3 size{};
    tsxGNodeGetSize(object, &size);
    BBox box;
    tsxBBoxInit(&box);
    tsxGNodeGetBBox(object, &box);
    tsxSceneRefresh();
    tsxSceneSetChanged(1);
    CHECK_EQ((Lines{"tsxGetCurrentSelection() -> #1", "tsxGNodeSetLocation(#1, {1.5, 0, 0})",
                    "tsxGNodeGetSize(#1) -> {2, 2, 2}",
                    "tsxBBoxInit() -> {{3.40282e+38, 3.40282e+38, 3.40282e+38}, {-3.40282e+38, "
                    "-3.40282e+38, -3.40282e+38}}",
                    "tsxGNodeGetBBox(#1) -> {{0.5, -1, -1}, {2.5, 1, 1}}", "tsxSceneRefresh()",
                    "tsxSceneSetChanged(1)"}),
             Journal());
    CHECK_EQ(1, standinChangedCount());
}

WINE_TEST(BadHandlesAndPointersNeverCrash) {
    standinReset();
    int local = 0;
    void* bogus = &local;
    void* handles[] = {nullptr, bogus};
    Vector3 v{7, 8, 9};
    Axes axes{};
    BBox box{};
    Matrix matrix{};
    int list[8] = {};
    for (void* h : handles) {
        tsxGNodeGetLocation(h, &v);
        tsxGNodeGetRotation(h, &v);
        tsxGNodeGetSize(h, &v);
        tsxGNodeGetAxesPosition(h, &v);
        tsxGNodeSetLocation(h, &v);
        tsxGNodeSetRotation(h, &v);
        tsxGNodeSetSize(h, &v);
        tsxMNodeSetAxesPosition(h, &v);
        tsxMNodeSetAxesOrientation(h, &axes);
        tsxGNodeGetBBox(h, &box);
        CHECK_EQ(0, tsxGNodeGetUnits(h));
        tsxGNodeSetUnits(h, 5);
        CHECK_EQ(0, tsxPolyhGetNbrVxs(h));
        CHECK(tsxPolyhGetVxArray(h) == nullptr);
        tsxPolyhGetVxTxmx(h, &matrix);
        CHECK_EQ(0, tsxPolyhGetUserSelectedFaces(h, list));
    }
    // Null record pointers with a good handle.
    void* cube = standinObjectAt(0);
    tsxGNodeGetLocation(cube, nullptr);
    tsxGNodeSetLocation(cube, nullptr);
    tsxMNodeSetAxesOrientation(cube, nullptr);
    tsxGNodeGetBBox(cube, nullptr);
    tsxPolyhGetVxTxmx(cube, nullptr);
    tsxEulerToAxes(nullptr, nullptr);
    tsxAxesToEuler(nullptr, nullptr);
    tsxBBoxInit(nullptr);
    tsxPointsGetAxesPosition(nullptr);
    tsxPointsGetAxesOrientation(nullptr);
    tsxFree(bogus);
    tsxFree(nullptr);

    CHECK_EQ(7.0f, v.x);  // outputs are left as they were
    CHECK_EQ(2 * 16 + 12, standinJournalCount());
    CHECK_EQ((Lines{"tsxGNodeGetLocation(null)"}), JournalCalls("tsxGNodeGetLocation(null"));
    CHECK_EQ((Lines{"tsxGNodeSetSize(unknown, {7, 8, 9})"}),
             JournalCalls("tsxGNodeSetSize(unknown"));
    CHECK_EQ((Lines{"tsxFree(unknown)", "tsxFree(null)"}), JournalCalls("tsxFree"));
    StandinObject record;
    REQUIRE(standinGetObject(cube, &record));
    CHECK_EQ(0.0f, record.location.x);
    CHECK_EQ(0, standinGetObject(bogus, &record));
    CHECK_EQ(0, standinGetObject(cube, nullptr));
    CHECK_EQ(0, standinSetObject(bogus, &record));
}

WINE_TEST(CopyAndToggleAxesActOnTheSelection) {
    standinReset();
    standinSelect(standinObjectAt(2));
    tsxCurrobjToggleAxes();
    tsxCurrobjCopy();
    CHECK_EQ(4, standinObjectCount());
    void* copy = standinSelection();
    CHECK(copy == standinObjectAt(3));
    StandinObject record;
    REQUIRE(standinGetObject(copy, &record));
    CHECK_EQ(4, record.id);
    CHECK_EQ(std::string("Post copy"), std::string(record.name));
    CHECK_EQ(0, record.axesVisible);
    CHECK_EQ(-4.0f, record.location.x);
    tsxSelectUp();
    CHECK(standinSelection() == copy);
    CHECK_EQ((Lines{"tsxCurrobjToggleAxes()", "tsxCurrobjCopy()", "tsxSelectUp()"}), Journal());

    standinSelect(nullptr);
    tsxCurrobjCopy();
    tsxCurrobjToggleAxes();
    CHECK_EQ(4, standinObjectCount());
}

WINE_TEST(ObjectRecordsRoundTripThroughTheHooks) {
    standinRemoveAll();
    CHECK_EQ(0, standinObjectCount());
    CHECK(standinSelection() == nullptr);
    Vector3 at{1, 2, 3}, size{4, 5, 6};
    void* first = standinAddObject("First", &at, &size);
    void* unnamed = standinAddObject(nullptr, nullptr, nullptr);
    CHECK_EQ(2, standinObjectCount());
    StandinObject record;
    REQUIRE(standinGetObject(unnamed, &record));
    CHECK_EQ(2, record.id);
    CHECK_EQ(std::string(""), std::string(record.name));
    CHECK_EQ(1.0f, record.size.x);

    REQUIRE(standinGetObject(first, &record));
    std::memset(record.name, 'N', sizeof record.name);  // not terminated
    record.id = 99;
    record.units = 8;
    record.selectedFaces = 2;
    record.rotation = Vector3{0, 0, 90};
    CHECK_EQ(1, standinSetObject(first, &record));
    StandinObject back;
    REQUIRE(standinGetObject(first, &back));
    CHECK_EQ(1, back.id);  // the id is the object's identity
    CHECK_EQ(std::string(31, 'N'), std::string(back.name));
    CHECK_EQ(8, tsxGNodeGetUnits(first));
    CHECK_EQ(2, tsxPolyhGetUserSelectedFaces(first, nullptr));

    standinSelect(&record);  // not an object
    CHECK(standinSelection() == nullptr);
    standinSelect(unnamed);
    CHECK(tsxGetCurrentSelection() == unnamed);
}

WINE_TEST(VertexArrayStaysAndFollowsTheObject) {
    standinReset();
    void* slab = standinObjectAt(1);
    CHECK_EQ(8, tsxPolyhGetNbrVxs(slab));
    Vector3* vertices = tsxPolyhGetVxArray(slab);
    REQUIRE(vertices != nullptr);
    CHECK_EQ(7.0f, vertices[7].x);
    Vector3 location{0, 0, 0};
    tsxGNodeSetLocation(slab, &location);
    CHECK(tsxPolyhGetVxArray(slab) == vertices);
    CHECK_EQ(2.0f, vertices[7].x);
}

WINE_TEST(EulerConversionsAndPointAxes) {
    standinReset();
    Vector3 euler{30, -45, 120};
    Axes axes;
    tsxEulerToAxes(&euler, &axes);
    Vector3 back{};
    tsxAxesToEuler(&axes, &back);
    CHECK(std::fabs(back.x - 30) < 1e-3 && std::fabs(back.y + 45) < 1e-3 &&
          std::fabs(back.z - 120) < 1e-3);

    void* cube = standinObjectAt(0);
    tsxMNodeSetAxesOrientation(cube, &axes);
    StandinObject record;
    standinGetObject(cube, &record);
    CHECK(std::fabs(record.axesRotation.z - 120) < 1e-3);

    Vector3 position{1, 2, 3}, turn{0, 0, 90};
    standinSetPointAxes(&position, &turn);
    Vector3 readPosition{};
    tsxPointsGetAxesPosition(&readPosition);
    CHECK_EQ(3.0f, readPosition.z);
    tsxPointsGetAxesOrientation(&axes);
    tsxAxesToEuler(&axes, &back);
    CHECK(std::fabs(back.z - 90) < 1e-3);
    standinSetPointAxes(nullptr, nullptr);  // keeps both
    tsxPointsGetAxesPosition(&readPosition);
    CHECK_EQ(3.0f, readPosition.z);
}

WINE_TEST(HostMemoryIsCounted) {
    standinReset();
    void* a = tsxMalloc(100);
    void* b = tsxCalloc(4, 4);
    REQUIRE(a && b);
    CHECK_EQ(0, static_cast<unsigned char*>(b)[15]);
    CHECK_EQ(2, standinBlocksOutstanding());
    tsxFree(a);
    CHECK_EQ(1, standinBlocksOutstanding());
    standinSetAllocFails(1);
    CHECK(tsxMalloc(4) == nullptr);
    CHECK(tsxCalloc(1, 4) == nullptr);
    standinSetAllocFails(0);
    // A reset counts from zero; the older block still goes back without harm.
    standinReset();
    CHECK_EQ(0, standinBlocksOutstanding());
    tsxFree(b);
    CHECK_EQ((Lines{"tsxFree(block)"}), Journal());
    CHECK_EQ(0, standinBlocksOutstanding());
}

WINE_TEST(JournalLinesAndListener) {
    standinReset();
    Heard heard;
    standinSetListener(Listen, &heard);
    tsxSceneSetChanged(1);
    tsxSelectUp();
    CHECK_EQ((Lines{"tsxSceneSetChanged(1)", "tsxSelectUp()"}), heard.lines);
    CHECK(heard.context == &heard);
    char small[8];
    CHECK_EQ(21, standinJournalLine(0, small, sizeof small));
    CHECK_EQ(std::string("tsxScen"), std::string(small));
    CHECK_EQ(-1, standinJournalLine(2, small, sizeof small));
    CHECK_EQ(-1, standinJournalLine(-1, nullptr, 0));
    standinJournalClear();
    CHECK_EQ(0, standinJournalCount());

    // A reset keeps the listener; clearing it stops the calls.
    standinReset();
    tsxSceneRefresh();
    CHECK_EQ(3u, heard.lines.size());
    standinSetListener(nullptr, nullptr);
    tsxSceneRefresh();
    CHECK_EQ(3u, heard.lines.size());
}
