// Log line format and the writer's behaviour with and without a sink.
#include <gtest/gtest.h>

#include <regex>
#include <sstream>

#include "log/Log.h"

namespace {

class LogWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        logSink = &sink;
        logEnabled = true;
        logLevel = 0;
    }
    void TearDown() override {
        logSink = nullptr;
        logEnabled = false;
        logLevel = 0;
    }
    std::ostringstream sink;
};

TEST_F(LogWriterTest, EntryLineHasTimeTagVersionSeverityAndMessage) {
    logLevel = 1;
    WriteEntry(Severity::Warning, "abc");
    const std::regex line(R"(^\d\d:\d\d:\d\d - QVM 1022 - Warning : abc\n$)");
    EXPECT_TRUE(std::regex_match(sink.str(), line)) << sink.str();
}

TEST_F(LogWriterTest, FatalEntryEndsWithItsNameAndMessage) {
    logLevel = 1;
    WriteEntry(Severity::FatalError, "abc");
    const std::string text = sink.str();
    EXPECT_EQ(1, std::count(text.begin(), text.end(), '\n'));
    EXPECT_NE(std::string::npos, text.find(" - FATAL ERROR : abc\n"));
}

TEST_F(LogWriterTest, NothingIsWrittenAtLevelZeroOrWhenDisabled) {
    WriteEntry(Severity::Error, "level zero");
    logLevel = 1;
    logEnabled = false;
    WriteEntry(Severity::Error, "disabled");
    EXPECT_EQ("", sink.str());
}

TEST_F(LogWriterTest, SeverityNames) {
    EXPECT_STREQ("Note", SeverityName(Severity::Note));
    EXPECT_STREQ("Message", SeverityName(Severity::Message));
    EXPECT_STREQ("Warning", SeverityName(Severity::Warning));
    EXPECT_STREQ("Error", SeverityName(Severity::Error));
    EXPECT_STREQ("FATAL ERROR", SeverityName(Severity::FatalError));
}

TEST_F(LogWriterTest, InsertionsChainAndANullTextWritesNothing) {
    const char* none = nullptr;
    LogWriter() << "a" << none << static_cast<unsigned char>('b') << 12 << std::string("c")
                << static_cast<short>(-3) << 2.5f;
    EXPECT_EQ("ab12c-32.5", sink.str());
}

TEST_F(LogWriterTest, VersionStampIsHexadecimalAndLeavesTheSinkInHex) {
    EXPECT_EQ(0x1022, VersionStampValue());
    LogWriter().VersionStamp() << 255;
    EXPECT_EQ("1022ff", sink.str());
}

TEST_F(LogWriterTest, WithoutASinkEveryOperationIsHarmless) {
    logSink = nullptr;
    LogWriter().TimeStamp().VersionStamp().Flush() << "x" << 1;
    logLevel = 1;
    WriteEntry(Severity::Note, "x");
    EXPECT_EQ("", sink.str());
}

TEST(LogTimeText, TwoDigitsEachOnTheTwentyFourHourClock) {
    EXPECT_EQ("09:05:07", TimeOfDayText(9, 5, 7));
    EXPECT_EQ("23:59:59", TimeOfDayText(23, 59, 59));
    EXPECT_EQ("00:00:00", TimeOfDayText(0, 0, 0));
}

}  // namespace
