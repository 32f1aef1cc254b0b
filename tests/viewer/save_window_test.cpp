#include "konika_window.h"
#include "scratch_folder.h"

#include <X11/keysym.h>
#include <gtest/gtest.h>

#include <unistd.h>

#include <regex>
#include <string>

// The save key writes what the window shows into konika's current folder and names the file on
// the console; a folder it cannot write to is reported, and the window stays.
namespace {

const std::vector<std::string> kEllipse = {"1", "0", "4", "0", "0", "-4"};
const std::string kSaved = "Slika je sacuvana u datoteku ";

class SaveWindowTest : public ::testing::Test {
  protected:
    ScratchFolder scratch;
    const std::string& folder = scratch.path();
    XvfbServer server;
};

TEST_F(SaveWindowTest, SWritesTheWindowsPictureAsAPngFileAndNamesIt) {
    KonikaWindow window(server, kEllipse, folder);
    // Moved down, the picture is no longer the same upside down.
    window.pressKey(XK_Down);
    const Picture shown = window.settledPictureAfterChange(window.capture());
    window.pressKey(XK_s);
    const std::string output = window.waitForOutput(kSaved);
    std::smatch line;
    ASSERT_TRUE(
        std::regex_search(output, line, std::regex(kSaved + "(konika-[0-9]{8}-[0-9]{6}\\.png)\\n")))
        << output;

    std::string error;
    const Picture saved = readPng(folder + "/" + line[1].str(), error);
    EXPECT_EQ(error, "");
    EXPECT_EQ(saved.width, 1024);
    EXPECT_EQ(saved.height, 700);
    EXPECT_GT(countOf(saved, kRed), 500);
    EXPECT_TRUE(saved == shown) << "the file holds another picture than the window";
    EXPECT_TRUE(window.process().running());
}

TEST_F(SaveWindowTest, AFolderThatCannotBeWrittenIsReportedAndTheWindowStays) {
    KonikaWindow window(server, kEllipse, folder);
    const Picture initial = window.settledPicture();
    ASSERT_EQ(rmdir(folder.c_str()), 0);
    window.pressKey(XK_s);
    const std::string reason = "Slika nije sacuvana: fascikla vise ne postoji.\n";
    EXPECT_NE(window.waitForOutput(reason).find(reason), std::string::npos);
    window.pressKey(XK_plus);
    window.settledPictureAfterChange(initial);
    EXPECT_TRUE(window.process().running());
}

} // namespace
