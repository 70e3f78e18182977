// The panel's tips: one for every control of the template that acts, each
// naming what its control is.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>

#include "panel/ControlTips.h"
#include "panel/FieldTable.h"
#include "panel/ObjectRules.h"

namespace {

bool HasWord(const std::string& text, const std::string& word) {
    return std::regex_search(text, std::regex("\\b" + word + "\\b", std::regex::icase));
}

// A control of the dialog template whose id is no -1 (a label, the picture)
// acts; one created hidden is never under the pointer.
TEST(ControlTipsTest, EveryVisibleControlOfTheTemplateThatActsHasATipAndNoOtherHasOne) {
    std::ifstream header(std::string(ORTOLAN_SOURCE_DIR) + "/res/resource.h");
    const std::regex define(R"(^#define\s+(IDC_\w+)\s+(\d+)\s*$)");
    std::map<std::string, int> ids;
    for (std::string text; std::getline(header, text);) {
        std::smatch m;
        if (std::regex_match(text, m, define)) ids[m[1]] = std::stoi(m[2]);
    }
    std::ifstream script(std::string(ORTOLAN_SOURCE_DIR) + "/res/ortolan.rc");
    const std::regex captioned(
        R"(^\s*(?:PUSHBUTTON|LTEXT|CONTROL)\s+(?:"[^"]*"|\w+)\s*,\s*(-?\w+)\s*,(.*)$)");
    const std::regex edit(R"(^\s*EDITTEXT\s+(\w+)\s*,(.*)$)");
    bool inPanel = false;
    std::set<int> acting;
    int controls = 0;
    for (std::string text; std::getline(script, text);) {
        if (text.rfind("IDD_TRANSFORM_PANEL ", 0) == 0) inPanel = true;
        if (!inPanel) continue;
        if (text == "END") break;
        std::smatch m;
        if (!std::regex_match(text, m, captioned) && !std::regex_match(text, m, edit)) continue;
        ++controls;
        if (m[1] == "-1") continue;
        ASSERT_EQ(1u, ids.count(m[1])) << text;
        const int id = ids[m[1]];
        if (m[2].str().find("NOT WS_VISIBLE") != std::string::npos)
            EXPECT_EQ(nullptr, TipOf(id)) << text;
        else
            EXPECT_NE(nullptr, TipOf(id)) << text;
        if (TipOf(id)) acting.insert(id);
    }
    EXPECT_EQ(54, controls);  // the template was read at all
    EXPECT_EQ(static_cast<size_t>(kControlTipCount), acting.size());
}

// The picture shows X toward the viewer, Y to the right, Z up: the words of
// each tip must be where its anchor puts the axes of a box around them.
TEST(ControlTipsTest, EachAnchorNamesThePlaceItMovesTheAxesTo) {
    const BBox box = {{-1, -1, -1}, {1, 1, 1}};
    const struct {
        float Vector3::*axis;
        const char *low, *high;
    } sides[] = {{&Vector3::x, "back", "front"},
                 {&Vector3::y, "left", "right"},
                 {&Vector3::z, "bottom", "top"}};
    std::set<std::string> texts;
    for (int id = IDC_ANCHOR_FIRST; id <= IDC_ANCHOR_LAST; ++id) {
        ASSERT_NE(nullptr, TipOf(id)) << id;
        const std::string tip = TipOf(id);
        texts.insert(tip);
        const Vector3 at = AnchorPoint(id, box, {0, 0, 0}, {2, 2, 2});
        for (const auto& side : sides) {
            EXPECT_EQ(at.*side.axis < 0, HasWord(tip, side.low)) << tip;
            EXPECT_EQ(at.*side.axis > 0, HasWord(tip, side.high)) << tip;
        }
        const char* kind = KindOfAnchor(id) == AnchorKind::Corner ? "corner"
                           : KindOfAnchor(id) == AnchorKind::Face ? "face"
                                                                  : "centre";
        EXPECT_TRUE(HasWord(tip, kind)) << tip;
    }
    EXPECT_EQ(15u, texts.size());
}

TEST(ControlTipsTest, RowControlsNameTheirRowAndTheValueFieldsTheirAxis) {
    const char* rowNames[] = {"Location", "Rotation", "Size"};
    for (const ValueField& f : kValueFields) {
        const std::string name = std::string(rowNames[static_cast<int>(f.row)]) + " " +
                                 (f.component == &Vector3::x   ? "X"
                                  : f.component == &Vector3::y ? "Y"
                                                               : "Z");
        ASSERT_NE(nullptr, TipOf(f.field)) << name;
        EXPECT_EQ(0u, std::string(TipOf(f.field)).find(name + ".")) << TipOf(f.field);
        EXPECT_STREQ(TipOf(f.field), TipOf(f.spin));
    }
    for (const RowSettings& row : kRows) {
        const char* name = rowNames[static_cast<int>(row.row)];
        EXPECT_TRUE(HasWord(TipOf(row.stepField), name)) << TipOf(row.stepField);
        EXPECT_TRUE(HasWord(TipOf(row.readButton), name)) << TipOf(row.readButton);
    }
}

}  // namespace
