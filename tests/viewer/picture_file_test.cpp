#include "picture.h"
#include "scratch_folder.h"
#include "viewer/png_file.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <fstream>
#include <set>
#include <string>

namespace {

std::tm december7() {
    std::tm time{};
    time.tm_year = 2026 - 1900;
    time.tm_mon = 11;
    time.tm_mday = 7;
    time.tm_hour = 14;
    time.tm_min = 30;
    time.tm_sec = 2;
    return time;
}

TEST(PictureFileTest, IsNamedAfterTheLocalTimeWithANumberWhenTaken) {
    EXPECT_EQ(pictureFileName(december7(), 1), "konika-20261207-143002.png");
    EXPECT_EQ(pictureFileName(december7(), 2), "konika-20261207-143002-2.png");
    EXPECT_EQ(pictureFileName(december7(), 12), "konika-20261207-143002-12.png");
}

TEST(PictureFileTest, TheConsoleLineNamesTheFileOrWhyThereIsNone) {
    EXPECT_EQ(saveReport({"konika-20261207-143002.png", 0}),
              "Slika je sacuvana u datoteku konika-20261207-143002.png");
    EXPECT_EQ(saveReport({"", ENOSPC}), "Slika nije sacuvana: nema mesta na disku.");
    EXPECT_EQ(saveReport({"", EROFS}), "Slika nije sacuvana: fascikla je samo za citanje.");
    EXPECT_EQ(saveReport({"", EACCES}),
              "Slika nije sacuvana: nema dozvole za pisanje u ovu fasciklu.");
    EXPECT_EQ(saveReport({"", EIO}), "Slika nije sacuvana: sistemska greska 5.");
}

// A picture 3 wide and 2 high, rows from the bottom up: red green blue, then white black gray
// on top.
RgbPicture smallPicture() {
    return RgbPicture{
        3, 2, {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 128, 128, 128}};
}

class SavePictureTest : public ::testing::Test {
  protected:
    ScratchFolder scratch;
    const std::string& folder = scratch.path();
};

TEST_F(SavePictureTest, WritesThePictureTheRightWayUp) {
    const SaveOutcome outcome = savePicture(smallPicture(), folder, december7());
    ASSERT_TRUE(outcome.saved()) << saveReport(outcome);
    EXPECT_EQ(outcome.fileName, "konika-20261207-143002.png");
    EXPECT_EQ(scratch.files(), std::set<std::string>{"konika-20261207-143002.png"});
    std::string error;
    const Picture png = readPng(folder + "/" + outcome.fileName, error);
    EXPECT_EQ(error, "");
    const Picture topDown{3, 2, {0xffffff, 0x000000, 0x808080, 0xff0000, 0x00ff00, 0x0000ff}};
    EXPECT_TRUE(png == topDown);
    struct stat status {};
    ASSERT_EQ(stat((folder + "/" + outcome.fileName).c_str(), &status), 0);
    EXPECT_NE(status.st_mode & S_IRGRP, 0u) << "readable as any new file, not owner-only";
}

TEST_F(SavePictureTest, NeverReplacesAFileButNumbersTheNextOne) {
    const std::string first = folder + "/konika-20261207-143002.png";
    std::ofstream(first) << "not konika's";
    const SaveOutcome second = savePicture(smallPicture(), folder, december7());
    ASSERT_TRUE(second.saved());
    EXPECT_EQ(second.fileName, "konika-20261207-143002-2.png");
    const SaveOutcome third = savePicture(smallPicture(), folder, december7());
    EXPECT_EQ(third.fileName, "konika-20261207-143002-3.png");
    std::ifstream kept(first);
    std::string text;
    std::getline(kept, text);
    EXPECT_EQ(text, "not konika's");
    EXPECT_EQ(scratch.files().size(), 3u) << "no temporary file stays behind";
}

TEST_F(SavePictureTest, AFolderThatIsGoneIsReportedAndNothingIsWritten) {
    const SaveOutcome outcome = savePicture(smallPicture(), folder + "/gone", december7());
    EXPECT_FALSE(outcome.saved());
    EXPECT_EQ(outcome.error, ENOENT);
    EXPECT_EQ(outcome.fileName, "");
    EXPECT_TRUE(scratch.files().empty());
}

} // namespace
