#include "controls/FilePath.h"

#include <gtest/gtest.h>

TEST(SplitPath, FullPathHasAllFourParts) {
    const PathParts p = SplitPath("C:\\scenes\\old\\teapot.scn");
    EXPECT_EQ("C:", p.drive);
    EXPECT_EQ("\\scenes\\old\\", p.directory);
    EXPECT_EQ("teapot", p.name);
    EXPECT_EQ(".scn", p.extension);
}

TEST(SplitPath, ForwardSlashesSeparateToo) {
    const PathParts p = SplitPath("scenes/a\\b/teapot.scn");
    EXPECT_EQ("", p.drive);
    EXPECT_EQ("scenes/a\\b/", p.directory);
    EXPECT_EQ("teapot", p.name);
}

TEST(SplitPath, ExtensionStartsAtTheLastDotOfTheFileName) {
    PathParts p = SplitPath("D:\\v1.2\\archive.tar.gz");
    EXPECT_EQ("archive.tar", p.name);
    EXPECT_EQ(".gz", p.extension);
    p = SplitPath("D:\\v1.2\\README");
    EXPECT_EQ("README", p.name);
    EXPECT_EQ("", p.extension);
    p = SplitPath(".profile");
    EXPECT_EQ("", p.name);
    EXPECT_EQ(".profile", p.extension);
}

TEST(FileNameWithExtension, IsWhatFollowsDriveAndDirectory) {
    EXPECT_EQ("teapot.scn", FileNameWithExtension("C:\\scenes\\teapot.scn"));
    EXPECT_EQ("teapot.scn", FileNameWithExtension("teapot.scn"));
    EXPECT_EQ("teapot.scn", FileNameWithExtension("C:teapot.scn"));
    EXPECT_EQ("archive.tar.gz", FileNameWithExtension("\\\\server\\share\\archive.tar.gz"));
    EXPECT_EQ("", FileNameWithExtension("C:\\scenes\\"));
    EXPECT_EQ("", FileNameWithExtension(""));
}
