// Log line format and the writer's behaviour with and without a sink.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <regex>
#include <sstream>

#include "log/Log.h"
#include "scratch_folder.h"

namespace {

class LogWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(sink.Open(file.string()));
        logSink = &sink;
        logEnabled = true;
        logLevel = 0;
    }
    void TearDown() override {
        logSink = nullptr;
        logEnabled = false;
        logLevel = 0;
    }
    // What has reached the file. The sink is not flushed here: what a test
    // finds was flushed by the writers themselves.
    std::string Text() const { return FileText(file); }

    ScratchFolder folder{"log"};
    const std::filesystem::path file = folder.path / "sink.log";
    LogFileStream sink;
};

TEST_F(LogWriterTest, EntryLineHasTimeTagVersionSeverityAndMessage) {
    logLevel = 1;
    WriteEntry(Severity::Warning, "abc");
    const std::regex line(R"(^\d\d:\d\d:\d\d - QVM 1022 - Warning : abc\n$)");
    EXPECT_TRUE(std::regex_match(Text(), line)) << Text();
}

TEST_F(LogWriterTest, FatalEntryEndsWithItsNameAndMessage) {
    logLevel = 1;
    WriteEntry(Severity::FatalError, "abc");
    const std::string text = Text();
    EXPECT_EQ(1, std::count(text.begin(), text.end(), '\n'));
    EXPECT_NE(std::string::npos, text.find(" - FATAL ERROR : abc\n"));
}

TEST_F(LogWriterTest, NothingIsWrittenAtLevelZeroOrWhenDisabled) {
    WriteEntry(Severity::Error, "level zero");
    logLevel = 1;
    logEnabled = false;
    WriteEntry(Severity::Error, "disabled");
    EXPECT_EQ("", Text());
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
    EXPECT_EQ("ab12c-32.5", Text());
}

TEST_F(LogWriterTest, VersionStampIsHexadecimalAndLeavesTheSinkInHex) {
    EXPECT_EQ(0x1022, VersionStampValue());
    LogWriter().VersionStamp() << 255;
    EXPECT_EQ("1022ff", Text());
}

// The log's numbers are what a standard stream writes for the same values,
// decimal before the version stamp and hexadecimal after it.
TEST_F(LogWriterTest, NumbersAreWrittenAsAStreamWritesThem) {
    std::ostringstream stream;
    auto both = [&](auto value) {
        LogWriter() << value << " ";
        stream << value << " ";
    };
    auto insertAll = [&] {
        for (float v : {2.5f, 3.14159265f, 1234567.0f, 100000.0f, 1e6f, 1e-4f, 1e-5f, -0.0f, -7.25f,
                        3.4e38f, 1e-40f, HUGE_VALF})
            both(v);
        for (int v : {0, -1, 12, INT_MIN, INT_MAX}) both(v);
        for (short v : {-3, SHRT_MIN, SHRT_MAX}) both(v);
        for (long v : {-7L, LONG_MIN, LONG_MAX}) both(v);
        both(4000000000u);
        both(static_cast<unsigned short>(65535));
        both(static_cast<unsigned char>(0xE9));
    };
    insertAll();
    LogWriter().VersionStamp() << " ";
    stream << std::hex << 0x1022 << " ";
    insertAll();
    EXPECT_EQ(stream.str(), Text());
}

TEST_F(LogWriterTest, FlushReachesTheFileWhileTheWriterLives) {
    {
        LogWriter writer;
        writer << "entry";
        writer.Flush();
        EXPECT_EQ("entry", Text());
        writer << " more";
    }
    EXPECT_EQ("entry more", Text());
}

TEST_F(LogWriterTest, WithoutASinkEveryOperationIsHarmless) {
    logSink = nullptr;
    LogWriter().TimeStamp().VersionStamp().Flush() << "x" << 1;
    logLevel = 1;
    WriteEntry(Severity::Note, "x");
    EXPECT_EQ("", Text());
}

TEST(LogTimeText, TwoDigitsEachOnTheTwentyFourHourClock) {
    EXPECT_EQ("09:05:07", TimeOfDayText(9, 5, 7));
    EXPECT_EQ("23:59:59", TimeOfDayText(23, 59, 59));
    EXPECT_EQ("00:00:00", TimeOfDayText(0, 0, 0));
}

}  // namespace
