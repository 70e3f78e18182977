// The module's boundary records: the ExtensionRecord image, the notifier's
// listener list, the profile location and the panel's centring.
#include <gtest/gtest.h>

#include <cstring>
#include <new>
#include <vector>

#include "app/Profile.h"
#include "base/ModuleEntry.h"
#include "panel/Notifier.h"
#include "panel/PanelGeometry.h"
#include "panel/PanelListener.h"
#include "plugin/ExtensionRecord.h"
#include "res/box_marks.h"
#include "tests/support/template_layout.h"

namespace {

TEST(ExtensionRecordTest, HundredBytesWithPaddedTextsAndLittleEndianIds) {
    unsigned char buffer[120];
    std::memset(buffer, 0xCC, sizeof buffer);
    CopyExtensionRecord(buffer);
    EXPECT_EQ(0, std::memcmp(buffer, "Ortolan", 8));
    for (int i = 7; i < 32; ++i) EXPECT_EQ(0, buffer[i]) << "name padding at " << i;
    EXPECT_EQ(0, std::memcmp(buffer + 32, "Was written by me", 18));
    for (int i = 32 + 17; i < 96; ++i) EXPECT_EQ(0, buffer[i]) << "description padding at " << i;
    EXPECT_EQ(0xD1, buffer[96]);
    EXPECT_EQ(0x07, buffer[97]);
    EXPECT_EQ(0xD2, buffer[98]);
    EXPECT_EQ(0x07, buffer[99]);
    for (int i = 100; i < 120; ++i)
        EXPECT_EQ(0xCC, buffer[i]) << "written past the record at " << i;
}

class CountingListener final : public PanelListener {
public:
    bool OpenPanel() override { return ++calls > 0; }
    void ClosePanel() override { ++calls; }
    void OnHostEvent(PanelNotifier*, int) override { ++calls; }
    void ShowPanel() override { ++calls; }
    int calls = 0;
};

TEST(NotifierTest, KeepsListenersInOrderWithoutCheckingForDuplicates) {
    CountingListener a, b;
    auto notifier = std::make_unique<PanelNotifier>();
    notifier->AddListener(a);
    notifier->AddListener(b);
    notifier->AddListener(a);
    ASSERT_EQ(3u, notifier->Listeners().size());
    EXPECT_EQ(static_cast<PanelListener*>(&a), notifier->Listeners()[0]);
    EXPECT_EQ(static_cast<PanelListener*>(&b), notifier->Listeners()[1]);
    EXPECT_EQ(static_cast<PanelListener*>(&a), notifier->Listeners()[2]);
    EXPECT_TRUE(notifier->Activate());
    notifier->Deactivate();
    std::unique_ptr<NotifierBase> base(notifier.release());
    base.reset();
    EXPECT_EQ(0, a.calls) << "destroying the notifier must not call its listeners";
    EXPECT_EQ(0, b.calls);
}

TEST(ProfileTest, ApplicationNameIsTheModuleFileWithoutExtension) {
    EXPECT_EQ("ortolan", ApplicationNameFromPath("C:\\Host\\plugins\\ortolan.tsx"));
    EXPECT_EQ("ortolan", ApplicationNameFromPath("Z:/build/ortolan.tsx"));
    EXPECT_EQ("my.tool", ApplicationNameFromPath("C:\\a.b\\my.tool.tsx"));
    EXPECT_EQ("noext", ApplicationNameFromPath("D:noext"));
    EXPECT_EQ("Software\\Kestrelworks\\ortolan\\MainPanel",
              ProfileKeyPath(kProfileCompany, "ortolan", "MainPanel"));
}

TEST(ModuleStateTest, GuardsNestAndRestoreTheCallersState) {
    ModuleState outer, inner;
    EXPECT_EQ(nullptr, CurrentModuleState());
    {
        ModuleStateGuard a(outer);
        EXPECT_EQ(&outer, CurrentModuleState());
        {
            ModuleStateGuard b(inner);
            EXPECT_EQ(&inner, CurrentModuleState());
        }
        EXPECT_EQ(&outer, CurrentModuleState());
    }
    EXPECT_EQ(nullptr, CurrentModuleState());
}

TEST(ModuleStateTest, AnEntryStopsWhatItsWorkThrowsAndEndsUnhandled) {
    const auto unhandled = [] { return -1; };
    EXPECT_EQ(7, GuardedEntry([] { return InsideModule() ? 7 : 0; }, unhandled));
    EXPECT_EQ(-1, GuardedEntry([]() -> int { throw std::bad_alloc(); }, unhandled));
    EXPECT_FALSE(InsideModule());
    EXPECT_EQ(nullptr, CurrentModuleState());
}

TEST(PanelGeometryTest, CentresOverTheViewsClientMeasuredFromItsOuterCorner) {
    // View window at (100, 50) on screen, client 800 x 600, panel 303 x 249.
    const PixelPoint p = CentredOrigin({0, 0, 800, 600}, {100, 50, 908, 680}, {0, 0, 303, 249});
    EXPECT_EQ(400 + 100 - 151, p.x);
    EXPECT_EQ(300 + 50 - 124, p.y);
}

TEST(PanelGeometryTest, HalvesTruncateTowardZeroForNegativeCoordinates) {
    const PixelPoint p = CentredOrigin({0, 0, 5, 7}, {-300, -200, -290, -190}, {0, 0, 3, 9});
    EXPECT_EQ(2 - 300 - 1, p.x);
    EXPECT_EQ(3 - 200 - 4, p.y);
}

// The frame's top line is row 0 and the line under the title strip row 12:
// the buttons fill the rows between, a pixel in from the side lines, the
// right-hand pair a pixel apart.
TEST(PanelGeometryTest, TitleButtonsSitInTheStripWithinTheFrame) {
    const int w = 303;
    const TitleButtonRects at = TitleStripButtons(w);
    for (const PixelRect& r : {at.rollTitle, at.rollFields, at.hide}) {
        EXPECT_EQ(1, r.top);
        EXPECT_EQ(12, r.bottom);
        EXPECT_EQ(11, r.right - r.left);
    }
    EXPECT_EQ(1, at.rollTitle.left);
    EXPECT_EQ(w - 1, at.hide.right);
    EXPECT_EQ(at.hide.left - 1, at.rollFields.right);
}

// With the base units the template was made for, placing the anchors on the
// picture's marks must give back the template's own positions: the marks,
// the placement rule and the template agree.
TEST(PanelGeometryTest, AnchorsOnTheirMarksStandWhereTheTemplatePutsThem) {
    const PixelRect pictureClient = {kTemplatePictureLeft, kTemplatePictureTop,
                                     kTemplatePictureRight, kTemplatePictureBottom};
    const PixelPoint circle = RadioCircleCentre(13, 96);
    for (const box::Mark& m : box::kMarks) {
        SCOPED_TRACE(m.id);
        const PixelPoint at = AnchorButtonOrigin(pictureClient, box::kPictureWidth,
                                                 box::kPictureHeight, {m.x, m.y}, circle);
        EXPECT_EQ(TemplatePixelX(m.dialogX), at.x);
        EXPECT_EQ(TemplatePixelY(m.dialogY), at.y);
    }
    EXPECT_EQ(117, FieldRowsHeight(TemplatePixelY(73)));  // the picture's top
}

// At 120 dpi the picture keeps its pixels in a larger control, centred with
// the extra pixel of an odd surplus on the left and top, and the circle's
// cell grows to 16 pixels.
TEST(PanelGeometryTest, AnchorsFollowThePictureInALargerLayout) {
    const PixelPoint circle = RadioCircleCentre(16, 120);
    EXPECT_EQ(8, circle.x);
    EXPECT_EQ(8, circle.y);
    const PixelPoint at = AnchorButtonOrigin({11, 151, 11 + 380, 151 + 168}, box::kPictureWidth,
                                             box::kPictureHeight, {49, 24}, circle);
    EXPECT_EQ(11 + (190 - 150) + 49 - 8, at.x);
    EXPECT_EQ(151 + (84 - 66) + 24 - 8, at.y);
}

}  // namespace

// What the system's unwinding does when a host's exception passes an entry:
// its destructors never run, the guard is told instead.
TEST(ModuleStateTest, AnUnwoundEntryGivesBackWhatItHeldAndTheCallersState) {
    static std::vector<int> order;  // of giving back
    order.clear();
    struct Flag : HeldForEntry {
        explicit Flag(int id) : id(id) {}
        void GiveBack() noexcept override { order.push_back(id); }
        int id;
    };
    ModuleState outer, inner;
    ModuleStateGuard entry(outer);
    Flag kept(0);  // the outer entry's
    alignas(ModuleStateGuard) unsigned char frame[sizeof(ModuleStateGuard)];
    alignas(Flag) unsigned char held[2][sizeof(Flag)];  // never destroyed, as when unwound
    auto* guard = new (frame) ModuleStateGuard(inner);
    new (held[0]) Flag(1);
    new (held[1]) Flag(2);
    guard->Unwound();
    EXPECT_EQ((std::vector<int>{2, 1}), order);
    EXPECT_EQ(&outer, CurrentModuleState());
}
