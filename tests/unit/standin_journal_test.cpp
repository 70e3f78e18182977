#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

#include "host/tsxapi/journal.h"

using standin::CallLine;
using standin::FormatBBox;
using standin::FormatHandle;
using standin::FormatNumber;
using standin::FormatText;
using standin::FormatVector;
using standin::Journal;

TEST(StandinJournalFormat, NumbersUsePercentG) {
    EXPECT_EQ("1", FormatNumber(1.0));
    EXPECT_EQ("1.5", FormatNumber(1.5));
    EXPECT_EQ("0", FormatNumber(0.0));
    EXPECT_EQ("-0.25", FormatNumber(-0.25));
    EXPECT_EQ("0.1", FormatNumber(0.1f));  // a float's noise stays below %g's six digits
    EXPECT_EQ("1e+06", FormatNumber(1000000.0));
    EXPECT_EQ("123457", FormatNumber(123456.7));
    EXPECT_EQ("3.40282e+38", FormatNumber(FLT_MAX));
}

TEST(StandinJournalFormat, Vectors) {
    EXPECT_EQ("{1.5, 0, 0}", FormatVector(Vector3{1.5f, 0, 0}));
    EXPECT_EQ("{1, 2, 3}", FormatVector(Vector3{1, 2, 3}));
    EXPECT_EQ("{-4, 3, 1}", FormatVector(Vector3{-4, 3, 1}));
}

TEST(StandinJournalFormat, Boxes) {
    EXPECT_EQ("{{-1, -1, -1}, {1, 1, 1}}", FormatBBox(BBox{{-1, -1, -1}, {1, 1, 1}}));
}

TEST(StandinJournalFormat, Handles) {
    EXPECT_EQ("#1", FormatHandle(1));
    EXPECT_EQ("#12", FormatHandle(12));
    EXPECT_EQ("null", FormatHandle(0));
    EXPECT_EQ("unknown", FormatHandle(-1));
}

TEST(StandinJournalFormat, TextsAreQuotedAsTheyAre) {
    EXPECT_EQ("\"C:\\ortolan\\\"", FormatText("C:\\ortolan\\"));
    EXPECT_EQ("\"\"", FormatText(""));
    EXPECT_EQ("null", FormatText(nullptr));
}

TEST(StandinJournalFormat, CallLines) {
    EXPECT_EQ("tsxSceneRefresh()", CallLine("tsxSceneRefresh").Text());
    EXPECT_EQ("tsxGetCurrentSelection() -> #1",
              CallLine("tsxGetCurrentSelection").Result(FormatHandle(1)).Text());
    EXPECT_EQ("tsxGNodeGetSize(#1) -> {1, 2, 3}",
              CallLine("tsxGNodeGetSize").Arg("#1").Result(FormatVector({1, 2, 3})).Text());
    EXPECT_EQ("tsxGNodeSetLocation(#1, {1.5, 0, 0})",
              CallLine("tsxGNodeSetLocation").Arg("#1").Arg(FormatVector({1.5f, 0, 0})).Text());
    EXPECT_EQ("tsxSceneSetChanged(1)", CallLine("tsxSceneSetChanged").Arg("1").Text());
    EXPECT_EQ("tsxGetTSDir(0) -> \"C:\\ortolan\\\"",
              CallLine("tsxGetTSDir").Arg("0").Result(FormatText("C:\\ortolan\\")).Text());
    EXPECT_EQ("tsxCalloc(3, 4) -> block",
              CallLine("tsxCalloc").Arg("3").Arg("4").Result("block").Text());
    EXPECT_EQ("tsxFree(block)", CallLine("tsxFree").Arg("block").Text());
}

TEST(StandinJournal, KeepsLinesInOrder) {
    Journal journal;
    EXPECT_EQ(0, journal.Count());
    journal.Append("a()");
    journal.Append("b() -> 1");
    ASSERT_EQ(2, journal.Count());
    EXPECT_EQ("a()", *journal.Line(0));
    EXPECT_EQ("b() -> 1", *journal.Line(1));
    EXPECT_EQ(nullptr, journal.Line(2));
    EXPECT_EQ(nullptr, journal.Line(-1));
    journal.Clear();
    EXPECT_EQ(0, journal.Count());
}

TEST(StandinJournal, CopyLineTruncatesAndGivesTheFullLength) {
    Journal journal;
    journal.Append("tsxSceneRefresh()");
    char buffer[8];
    EXPECT_EQ(17, journal.CopyLine(0, buffer, sizeof buffer));
    EXPECT_STREQ("tsxScen", buffer);
    char big[64];
    EXPECT_EQ(17, journal.CopyLine(0, big, sizeof big));
    EXPECT_STREQ("tsxSceneRefresh()", big);
    EXPECT_EQ(17, journal.CopyLine(0, nullptr, 0));
    EXPECT_EQ(-1, journal.CopyLine(1, big, sizeof big));
    EXPECT_STREQ("", big);
    EXPECT_EQ(-1, journal.CopyLine(-5, nullptr, 0));
}

TEST(StandinJournal, ListenerHearsEveryLine) {
    Journal journal;
    std::vector<std::string> heard;
    journal.SetListener([&](const std::string& line) { heard.push_back(line); });
    journal.Append("one()");
    journal.Append("two()");
    EXPECT_EQ((std::vector<std::string>{"one()", "two()"}), heard);
    journal.SetListener(nullptr);
    journal.Append("three()");
    EXPECT_EQ(2u, heard.size());
}

TEST(StandinJournal, ListenerMayAppendItself) {
    Journal journal;
    int depth = 0;
    journal.SetListener([&](const std::string& line) {
        if (depth++ == 0) journal.Append("nested(" + line + ")");
    });
    journal.Append("outer()");
    ASSERT_EQ(2, journal.Count());
    EXPECT_EQ("nested(outer())", *journal.Line(1));
}
