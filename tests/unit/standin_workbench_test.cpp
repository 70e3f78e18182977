#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "host/hosting/extension_record.h"
#include "host/workbench/command_line.h"
#include "host/workbench/demo_script.h"
#include "host/workbench/wireframe.h"

using namespace workbench;
using extension_record::kSize;
using hosting::DecodeExtensionRecord;
using hosting::ExtensionInfo;

using Args = std::vector<std::string>;

TEST(WorkbenchCommandLine, SplitsLikeTheCRuntime) {
    EXPECT_EQ((Args{"workbench.exe", "--demo", "Z:\\tmp\\out", "ortolan.tsx"}),
              SplitCommandLine("workbench.exe --demo Z:\\tmp\\out ortolan.tsx"));
    EXPECT_EQ((Args{"C:\\Program Files\\wb.exe", "a b"}),
              SplitCommandLine("\"C:\\Program Files\\wb.exe\"   \"a b\"  "));
    // A trailing backslash before a closing quote: 2n backslashes give n.
    EXPECT_EQ((Args{"wb", "Z:\\out\\"}), SplitCommandLine("wb \"Z:\\out\\\\\""));
    // 2n + 1 backslashes before a quote give n and a literal quote.
    EXPECT_EQ((Args{"wb", "say \"hi\""}), SplitCommandLine("wb \"say \\\"hi\\\"\""));
    EXPECT_EQ((Args{"wb", "a\\\\b"}), SplitCommandLine("wb a\\\\b"));
    EXPECT_EQ((Args{"wb", ""}), SplitCommandLine("wb \"\""));
    EXPECT_EQ((Args{"wb", "ab"}), SplitCommandLine("wb a\"\"b"));
    EXPECT_EQ(Args{}, SplitCommandLine("   "));
}

TEST(WorkbenchCommandLine, Options) {
    Options plain = ParseOptions({"wb"});
    EXPECT_FALSE(plain.demo);
    EXPECT_EQ("", plain.modulePath);
    EXPECT_EQ("", plain.error);
    EXPECT_EQ(hosting::LoopKind::Accelerators, plain.hostLoop);
    EXPECT_EQ(hosting::LoopKind::Plain,
              ParseOptions({"wb", "--host-loop", "plain", "m.tsx"}).hostLoop);
    EXPECT_EQ(hosting::LoopKind::Dialog, ParseOptions({"wb", "--host-loop", "dialog"}).hostLoop);

    Options module = ParseOptions({"wb", "other.tsx"});
    EXPECT_EQ("other.tsx", module.modulePath);

    Options demo = ParseOptions({"wb", "--demo", "out"});
    EXPECT_TRUE(demo.demo);
    EXPECT_EQ("out", demo.outDir);
    EXPECT_EQ("", demo.modulePath);

    Options both = ParseOptions({"wb", "--demo", "Z:\\o", "C:\\m.tsx"});
    EXPECT_EQ("Z:\\o", both.outDir);
    EXPECT_EQ("C:\\m.tsx", both.modulePath);
    EXPECT_EQ("", both.error);
}

TEST(WorkbenchCommandLine, BadOptionsAreReported) {
    EXPECT_NE("", ParseOptions({"wb", "--demo"}).error);
    EXPECT_NE("", ParseOptions({"wb", "--demo", ""}).error);
    EXPECT_NE("", ParseOptions({"wb", "--demo", "a", "--demo", "b"}).error);
    EXPECT_NE("", ParseOptions({"wb", "--frobnicate"}).error);
    EXPECT_NE("", ParseOptions({"wb", "--host-loop"}).error);
    EXPECT_NE("", ParseOptions({"wb", "--host-loop", "generous"}).error);
    EXPECT_NE("", ParseOptions({"wb", "a.tsx", "b.tsx"}).error);
}

TEST(WorkbenchCommandLine, DefaultModuleSitsBesideTheProgram) {
    EXPECT_EQ("Z:\\build\\ortolan.tsx",
              BesideProgram("Z:\\build\\workbench.exe", kDefaultModuleName));
    EXPECT_EQ("/b/ortolan.tsx", BesideProgram("/b/workbench.exe", kDefaultModuleName));
    EXPECT_EQ("ortolan.tsx", BesideProgram("workbench.exe", kDefaultModuleName));
}

TEST(WorkbenchExtensionRecord, DecodesTheFields) {
    std::uint8_t record[kSize] = {};
    std::memcpy(record, "Ortolan", 7);
    std::memcpy(record + 32, "Was written by me", 17);
    record[96] = 0xD1;
    record[97] = 0x07;
    record[98] = 0xD2;
    record[99] = 0x07;
    ExtensionInfo info = DecodeExtensionRecord(record);
    EXPECT_EQ("Ortolan", info.name);
    EXPECT_EQ("Was written by me", info.description);
    EXPECT_EQ(2001, info.iconId);
    EXPECT_EQ(2002, info.creditId);
}

TEST(WorkbenchExtensionRecord, FullFieldsStopAtTheirWidth) {
    std::uint8_t record[kSize];
    std::memset(record, 'A', sizeof record);
    ExtensionInfo info = DecodeExtensionRecord(record);
    EXPECT_EQ(std::string(32, 'A'), info.name);
    EXPECT_EQ(std::string(64, 'A'), info.description);
    EXPECT_EQ(0x4141, info.iconId);
}

namespace {

ViewObject Box(const char* name, Vector3 location, Vector3 size) {
    ViewObject object;
    object.name = name;
    object.location = location;
    object.size = size;
    object.axesPosition = location;
    return object;
}

int CountInk(const Drawing& drawing, Ink ink) {
    int count = 0;
    for (const Segment& s : drawing.segments) count += s.ink == ink;
    return count;
}

}  // namespace

TEST(WorkbenchWireframe, ProjectionPutsYRightZUpAndXTowardTheViewer) {
    Point y = ProjectToPlane(Vector3{0, 1, 0});
    Point z = ProjectToPlane(Vector3{0, 0, 1});
    Point x = ProjectToPlane(Vector3{1, 0, 0});
    EXPECT_DOUBLE_EQ(1, y.x);
    EXPECT_DOUBLE_EQ(0, y.y);
    EXPECT_DOUBLE_EQ(1, z.y);
    EXPECT_LT(x.x, 0);  // down and to the left, shortened
    EXPECT_LT(x.y, 0);
    EXPECT_NEAR(0.5, std::sqrt(x.x * x.x + x.y * x.y), 1e-9);
}

TEST(WorkbenchWireframe, TwelveEdgesPerBoxAndAxesOnlyWhenVisible) {
    std::vector<ViewObject> objects = {Box("A", {0, 0, 0}, {2, 2, 2}),
                                       Box("B", {5, 0, 0}, {1, 1, 1})};
    objects[0].selected = true;
    objects[0].axesVisible = true;
    Drawing drawing = DrawScene(objects, 640, 480);
    EXPECT_EQ(12, CountInk(drawing, Ink::SelectedEdge));
    EXPECT_EQ(12, CountInk(drawing, Ink::Edge));
    EXPECT_EQ(1, CountInk(drawing, Ink::AxisX));
    EXPECT_EQ(1, CountInk(drawing, Ink::AxisY));
    EXPECT_EQ(1, CountInk(drawing, Ink::AxisZ));
    EXPECT_GT(CountInk(drawing, Ink::Grid), 0);
    ASSERT_EQ(2u, drawing.labels.size());
    EXPECT_TRUE(drawing.labels[0].selected);
    EXPECT_EQ("B", drawing.labels[1].text);
}

TEST(WorkbenchWireframe, EverythingFitsInsideTheView) {
    std::vector<ViewObject> objects = {Box("Far", {40, -70, 12}, {3, 3, 3}),
                                       Box("Near", {0, 0, 0}, {1, 1, 1})};
    for (auto size : {std::pair<int, int>{640, 480}, {200, 600}, {1000, 150}}) {
        Drawing drawing = DrawScene(objects, size.first, size.second);
        for (const Segment& s : drawing.segments) {
            for (const Point& p : {s.a, s.b}) {
                EXPECT_GE(p.x, -0.5);
                EXPECT_LE(p.x, size.first + 0.5);
                EXPECT_GE(p.y, -0.5);
                EXPECT_LE(p.y, size.second + 0.5);
            }
        }
    }
}

TEST(WorkbenchWireframe, RotationTurnsTheBox) {
    ViewObject flat = Box("Slab", {0, 0, 0}, {4, 2, 0.5f});
    ViewObject turned = flat;
    turned.rotation = Vector3{0, 0, 90};
    Drawing a = DrawScene({flat}, 400, 400);
    Drawing b = DrawScene({turned}, 400, 400);
    auto edgeSpanX = [](const Drawing& d) {
        double lo = 1e9, hi = -1e9;
        for (const Segment& s : d.segments) {
            if (s.ink != Ink::Edge) continue;
            lo = std::min({lo, s.a.x, s.b.x});
            hi = std::max({hi, s.a.x, s.b.x});
        }
        return hi - lo;
    };
    // The 4-long side runs along X, which the projection draws at half
    // length; turned a quarter about Z it runs along Y, drawn at full length,
    // so the box gets wider on screen (both pictures share the grid's scale).
    EXPECT_DOUBLE_EQ(a.scale, b.scale);
    EXPECT_GT(edgeSpanX(b), edgeSpanX(a) * 1.2);
}

TEST(WorkbenchWireframe, AxesFollowTheirOwnOrientation) {
    ViewObject box = Box("Cube", {0, 0, 0}, {2, 2, 2});
    box.axesVisible = true;
    box.axesRotation = Vector3{0, 0, 90};  // X axis now along world Y: drawn to the right
    Drawing drawing = DrawScene({box}, 400, 400);
    for (const Segment& s : drawing.segments) {
        if (s.ink != Ink::AxisX) continue;
        EXPECT_GT(s.b.x - s.a.x, 10);
        EXPECT_NEAR(s.a.y, s.b.y, 1e-6);
    }
}

TEST(WorkbenchWireframe, NamesOfObjectsInOnePlaceAreStacked) {
    std::vector<ViewObject> objects = {Box("Cube", {0, 0, 0}, {2, 2, 2}),
                                       Box("Cube copy", {0, 0, 0}, {2, 2, 2}),
                                       Box("Cube copy copy", {0, 0, 0}, {2, 2, 2})};
    Drawing drawing = DrawScene(objects, 400, 400);
    ASSERT_EQ(3u, drawing.labels.size());
    for (size_t i = 0; i < 3; ++i) {
        for (size_t j = i + 1; j < 3; ++j) {
            EXPECT_GE(std::fabs(drawing.labels[i].at.y - drawing.labels[j].at.y), 12.0)
                << i << " " << j;
        }
    }
}

TEST(WorkbenchWireframe, NonFiniteObjectsAreLeftOut) {
    ViewObject bad = Box("Bad", {0, 0, 0}, {1, 1, 1});
    bad.location.x = std::nanf("");
    Drawing drawing = DrawScene({bad, Box("Good", {1, 1, 1}, {1, 1, 1})}, 300, 300);
    EXPECT_EQ(12, CountInk(drawing, Ink::Edge));
    EXPECT_EQ(1u, drawing.labels.size());
}

TEST(WorkbenchWireframe, EmptySceneStillDrawsTheGrid) {
    Drawing drawing = DrawScene({}, 300, 200);
    EXPECT_GT(CountInk(drawing, Ink::Grid), 0);
    EXPECT_GT(drawing.scale, 0);
    Drawing tiny = DrawScene({}, 0, 0);
    EXPECT_GT(tiny.scale, 0);
}

TEST(WorkbenchDemoScript, OrderAndFiles) {
    std::vector<DemoAction> actions;
    std::set<std::string> files;
    for (size_t i = 0; i < kDemoScriptLength; ++i) {
        actions.push_back(kDemoScript[i].action);
        if (kDemoScript[i].file) { EXPECT_TRUE(files.insert(kDemoScript[i].file).second); }
        EXPECT_NE(std::string("?"), DemoActionName(kDemoScript[i].action));
    }
    std::vector<DemoAction> clicks;
    for (DemoAction a : actions) {
        if (a == DemoAction::LeftClick || a == DemoAction::RightClick ||
            a == DemoAction::Deactivate) {
            clicks.push_back(a);
        }
    }
    EXPECT_EQ((std::vector<DemoAction>{DemoAction::LeftClick, DemoAction::RightClick,
                                       DemoAction::Deactivate, DemoAction::LeftClick}),
              clicks);
    EXPECT_EQ(DemoAction::WriteRecord, actions.front());
    EXPECT_EQ(DemoAction::WriteJournal, actions.back());
    EXPECT_TRUE(files.count("01-panel-open.bmp"));
    EXPECT_TRUE(files.count("02-panel-fields.bmp"));
    EXPECT_TRUE(files.count("03-panel-title.bmp"));
    EXPECT_TRUE(files.count("04-object-edited.bmp"));
    EXPECT_TRUE(files.count("05-after-reactivation.bmp"));
    EXPECT_TRUE(files.count("06-panel-tip.bmp"));
    EXPECT_TRUE(files.count("journal.txt"));
}
