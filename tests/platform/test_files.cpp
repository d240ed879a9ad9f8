#include <filesystem>
#include <fstream>

#include "platform/files.h"
#include "test_support.h"

using FilesTest = LeagueTest;
namespace fs = std::filesystem;

static void Touch(const fs::path& path) {
    fs::create_directories(path.parent_path().empty() ? "." : path.parent_path());
    std::ofstream(path) << "x";
}

TEST_F(FilesTest, BackslashesBecomeSlashes) { EXPECT_EQ(Native_Path("News\\Standing.jpg"), "News/Standing.jpg"); }

TEST_F(FilesTest, ExactPathIsTakenAsItIs) {
    Touch("News/Standing.jpg");
    EXPECT_EQ(Find_Data_File("News\\Standing.jpg"), "News/Standing.jpg");
}

TEST_F(FilesTest, EveryComponentMatchesWithoutRegardToCase) {
    Touch("news/STANDING.JPG");
    Touch("dialogs/Splash/vantor.jpg");
    EXPECT_EQ(Find_Data_File("News\\Standing.jpg"), "news/STANDING.JPG");
    EXPECT_EQ(Find_Data_File("DIALOGS/splash/Vantor.JPG"), "dialogs/Splash/vantor.jpg");
    EXPECT_EQ(Find_Data_File("news"), "news");
}

TEST_F(FilesTest, AbsolutePathsAndDotsWork) {
    Touch("Sound/Button.wav");
    std::string szAbsolute = (m_WorkDir / "sound" / "BUTTON.WAV").string();
    EXPECT_EQ(Find_Data_File(szAbsolute.c_str()), (m_WorkDir / "Sound" / "Button.wav").string());
    EXPECT_EQ(Find_Data_File("./sound/../Sound/button.wav"), "./Sound/../Sound/Button.wav");
}

TEST_F(FilesTest, MissingFileGivesEmptyPath) {
    Touch("News/Standing.jpg");
    EXPECT_EQ(Find_Data_File("News/Finance.jpg"), "");
    EXPECT_EQ(Find_Data_File("Old/Standing.jpg"), "");
    EXPECT_EQ(Find_Data_File("News/Standing.jpg/x"), "");
    EXPECT_EQ(Find_Data_File(""), "");
    EXPECT_EQ(Find_Data_File(nullptr), "");
}

TEST_F(FilesTest, ListsSavedGamesByExtensionInAnyCase) {
    Touch("b.vtr");
    Touch("A.VTR");
    Touch("[Auto Save].vtr");
    Touch("notes.txt");
    Touch(".vtr");
    fs::create_directory("folder.vtr");
    std::vector<std::string> expected = {"A.VTR", "[Auto Save].vtr", "b.vtr"};
    EXPECT_EQ(List_Files(".", ".vtr"), expected);
    EXPECT_EQ(List_Files("", ".vtr"), expected);
    EXPECT_TRUE(List_Files("no such folder", ".vtr").empty());
}
