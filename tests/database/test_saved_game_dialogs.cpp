// The Save Game and Resume Game dialogs' work on the game folder.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "commands/saved_game_dialogs.h"
#include "database/saved_game.h"
#include "platform/platform.h"
#include "test_support.h"

namespace fs = std::filesystem;

namespace {

class SavedGameDialogsTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Use_Teams(4);
        Copy_Field(g_League.szGameName, 256, "Dynasty");
    }
    static void Touch(const char* szName, int nSecondsAgo) {
        std::ofstream(szName) << "x";
        fs::last_write_time(szName, fs::file_time_type::clock::now() - std::chrono::seconds(nSecondsAgo));
    }
    static bool Noticed(const std::string& szTitle, const std::string& szText) {
        for (const auto& notice : Headless_Notices())
            if (notice.title == szTitle && notice.text == szText) return true;
        return false;
    }
};

TEST_F(SavedGameDialogsTest, ListsSavedGamesWithTheirStems) {
    Touch("Zebra.vtr", 10);
    Touch("alpha.VTR", 20);
    Touch("notes.txt", 0);
    std::vector<SavedGameFile> files = Saved_Game_Files();
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0].szName, "Zebra.vtr");
    EXPECT_EQ(files[1].szName, "alpha.VTR");
    EXPECT_GT(files[0].nWriteTime, files[1].nWriteTime);
    EXPECT_EQ(Saved_Game_Stem("alpha.VTR"), "alpha");
    EXPECT_EQ(Saved_Game_Stem("[Auto Save].vtr"), "[Auto Save]");
    EXPECT_EQ(Saved_Game_Stem(".vtr"), ".vtr");
    EXPECT_EQ(Save_Dialog_Initial_Name(), "Dynasty");
}

TEST_F(SavedGameDialogsTest, ResumePreselectsTheNewestGameButNotTheAutoSave) {
    // Seconds apart: the newest game wins even when the clock's coarse part ties.
    Touch("Old.vtr", 30);
    Touch("New.vtr", 5);
    Touch("[Auto Save].vtr", 0);
    std::vector<SavedGameFile> files = Saved_Game_Files();
    int nChosen = Resume_Preselection(files);
    ASSERT_GE(nChosen, 0);
    EXPECT_EQ(files[nChosen].szName, "New.vtr");

    EXPECT_EQ(Resume_Preselection({{"[Auto Save].vtr", 5}}), 0);
    EXPECT_EQ(Resume_Preselection({}), -1);
}

TEST_F(SavedGameDialogsTest, NothingToResumeSaysSo) {
    EXPECT_TRUE(Resume_Dialog_Can_Open({{"A.vtr", 1}}));
    EXPECT_TRUE(Headless_Notices().empty());
    EXPECT_FALSE(Resume_Dialog_Can_Open(Saved_Game_Files()));
    EXPECT_TRUE(Noticed("No games to resume", "There are no Brakvell game files in the current directory."));
}

TEST_F(SavedGameDialogsTest, DeleteAsksFirstAndReportsAFailure) {
    Touch("Keep.vtr", 0);
    Headless_Push_Answer(ANSWER_NO);
    EXPECT_FALSE(Delete_Saved_Game("Keep.vtr"));
    EXPECT_TRUE(fs::exists("Keep.vtr"));
    ASSERT_EQ(Headless_Questions().size(), 1u);
    EXPECT_EQ(Headless_Questions()[0].title, "Confirm File Deletion");
    EXPECT_EQ(Headless_Questions()[0].text, "Are you sure you want to delete 'Keep.vtr'?");

    Headless_Push_Answer(ANSWER_YES);
    EXPECT_TRUE(Delete_Saved_Game("Keep.vtr"));
    EXPECT_FALSE(fs::exists("Keep.vtr"));

    Headless_Push_Answer(ANSWER_YES);
    EXPECT_FALSE(Delete_Saved_Game("Keep.vtr"));
    EXPECT_TRUE(Noticed("Couldn't delete file",
                        "Brakvell could not delete Keep.vtr. You can delete it manually. If you have further "
                        "problems you may need to re-install Brakvell."));
}

TEST_F(SavedGameDialogsTest, NamesOutsideTheGameFolderAreRefused) {
    fs::create_directory("sub");
    for (const char* szName : {"", "../Escape", "sub/Inside", "sub\\Inside", ".", ".."}) {
        Headless_Reset();
        EXPECT_FALSE(Save_Game_As(szName)) << szName;
        EXPECT_TRUE(Noticed("File Open Error", "Brakvell was unable to save a game with that file name. It may "
                                               "contain some invalid characters."))
            << szName;
    }
    EXPECT_STREQ(g_League.szGameName, "Dynasty");
    EXPECT_TRUE(fs::is_empty("sub"));
    EXPECT_FALSE(fs::exists("../Escape.vtr"));
    EXPECT_FALSE(Save_Game_As(std::string(256, 'n').c_str()));  // longer than the game can keep
    EXPECT_TRUE(Saved_Game_Files().empty());
}

TEST_F(SavedGameDialogsTest, SaveThenResumeRestoresTheGame) {
    Set_Game_State(GS_CURRENT_WEEK, 6);
    ASSERT_TRUE(Save_Game_As("Season Two"));
    EXPECT_EQ(Saved_Game_Files().size(), 1u);

    Set_Game_State(GS_CURRENT_WEEK, 9);
    Copy_Field(g_League.szGameName, 256, "Other");
    Set_Game_State(GS_RATING_VALID, 1);
    ASSERT_TRUE(Resume_Saved_Game("Season Two.vtr"));
    EXPECT_EQ(Current_Week(), 6);
    EXPECT_STREQ(g_League.szGameName, "Season Two");
    EXPECT_EQ(Get_Game_State(GS_RATING_VALID), 0);
    EXPECT_FALSE(Game_Has_Unsaved_Changes());

    EXPECT_FALSE(Resume_Saved_Game("Missing.vtr"));
    EXPECT_EQ(Current_Week(), 6);
}

TEST_F(SavedGameDialogsTest, AGameSavedWhilePlayingResumesIdle) {
    Set_Game_State(GS_SIMULATING, 1);
    ASSERT_EQ(Save_Game("Stuck.vtr"), SAVE_OK);
    Set_Game_State(GS_SIMULATING, 0);
    ASSERT_TRUE(Resume_Saved_Game("Stuck.vtr"));
    EXPECT_EQ(Get_Game_State(GS_SIMULATING), 0);
}

TEST_F(SavedGameDialogsTest, AGameOpenInAnotherCopyIsNotResumed) {
    ASSERT_EQ(Save_Game("Busy.vtr"), SAVE_OK);
    Set_Game_State(GS_CURRENT_WEEK, 8);
    int nOther = open("Busy.vtr", O_RDONLY);
    ASSERT_EQ(flock(nOther, LOCK_EX), 0);
    EXPECT_FALSE(Resume_Saved_Game("Busy.vtr"));
    EXPECT_TRUE(Noticed("Game in use", "\"Busy.vtr\" is being played by another copy of Brakvell."));
    EXPECT_EQ(Current_Week(), 8);
    close(nOther);
    EXPECT_TRUE(Resume_Saved_Game("Busy.vtr"));
    Unlock_Game_File();
}

}  // namespace
