// The questions and automatic saves around saving.
#include <filesystem>

#include "database/saved_game.h"
#include "saved_game_test_support.h"
#include "test_support.h"

namespace {

class LeaveGameTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Use_Teams(4);
        Copy_Field(g_League.szGameName, 256, "Dynasty");
    }
    static bool Noticed(const std::string& szTitle, const std::string& szText) {
        for (const auto& notice : Headless_Notices())
            if (notice.title == szTitle && notice.text == szText) return true;
        return false;
    }
};

TEST_F(LeaveGameTest, UnchangedGameLeavesWithoutAsking) {
    ASSERT_EQ(Save_Game("Dynasty.vtr"), SAVE_OK);
    EXPECT_EQ(Ask_Save_Before_Leaving(), LEAVE_GAME);
    EXPECT_TRUE(Headless_Questions().empty());
}

TEST_F(LeaveGameTest, ChangedGameAsksAndFollowsTheAnswer) {
    Set_Game_State(GS_CURRENT_WEEK, 3);
    Headless_Push_Answer(ANSWER_NO);
    Headless_Push_Answer(ANSWER_CANCEL);
    Headless_Push_Answer(ANSWER_YES);
    EXPECT_EQ(Ask_Save_Before_Leaving(), LEAVE_GAME);
    EXPECT_EQ(Ask_Save_Before_Leaving(), STAY_IN_GAME);
    EXPECT_EQ(Ask_Save_Before_Leaving(), OPEN_SAVE_GAME);
    ASSERT_EQ(Headless_Questions().size(), 3u);
    EXPECT_EQ(Headless_Questions()[0].title, "Game Not Saved");
    EXPECT_EQ(Headless_Questions()[0].text, "Save changes to current game since last save?");
}

TEST_F(LeaveGameTest, YesWhilePlayingRefusesAndStays) {
    Set_Game_State(GS_SIMULATING, 1);
    Headless_Push_Answer(ANSWER_YES);
    EXPECT_EQ(Ask_Save_Before_Leaving(), STAY_IN_GAME);
    EXPECT_TRUE(Noticed("Save Game",
                        "Can't save game data while playing games. Please try again once this day is completed."));
}

TEST_F(LeaveGameTest, SaveAsTakesTheNameOnlyWhenSaved) {
    EXPECT_TRUE(Save_Game_As("Second"));
    EXPECT_STREQ(g_League.szGameName, "Second");
    EXPECT_TRUE(std::filesystem::exists("Second.vtr"));
    EXPECT_FALSE(Game_Has_Unsaved_Changes());

    Set_Game_State(GS_CURRENT_WEEK, 5);
    EXPECT_FALSE(Save_Game_As("missing folder/Third"));
    EXPECT_STREQ(g_League.szGameName, "Second");
    EXPECT_TRUE(Game_Has_Unsaved_Changes());
    EXPECT_TRUE(Noticed("File Open Error",
                        "Brakvell was unable to save a game with that file name. It may contain some invalid characters."));
}

TEST_F(LeaveGameTest, OverwriteAsksFirst) {
    ASSERT_TRUE(Save_Game_As("Dynasty"));
    std::vector<uint8_t> oldFile = Read_Bytes("Dynasty.vtr");
    Set_Game_State(GS_CURRENT_WEEK, 7);
    Headless_Push_Answer(ANSWER_CANCEL);
    EXPECT_FALSE(Save_Game_As("Dynasty"));
    EXPECT_EQ(Read_Bytes("Dynasty.vtr"), oldFile);
    ASSERT_EQ(Headless_Questions().size(), 1u);
    EXPECT_EQ(Headless_Questions()[0].title, "Filename in use");
    EXPECT_EQ(Headless_Questions()[0].text, "A saved game with that name already exists. Overwrite?");
    Headless_Push_Answer(ANSWER_OK);
    EXPECT_TRUE(Save_Game_As("Dynasty"));
    EXPECT_NE(Read_Bytes("Dynasty.vtr"), oldFile);
}

TEST_F(LeaveGameTest, AutoSaveOnlyWhenOnAndTheWeeksReachPastTheMonth) {
    Set_Game_State(GS_CURRENT_WEEK, 6);  // week mod 4 = 2
    EXPECT_EQ(Auto_Save_Before_Play(22), -1);
    Set_Game_State(GS_AUTOSAVE, 1);
    EXPECT_EQ(Auto_Save_Before_Play(2), -1);
    EXPECT_FALSE(std::filesystem::exists(AUTO_SAVE_FILE));
    EXPECT_EQ(Auto_Save_Before_Play(3), SAVE_OK);
    EXPECT_TRUE(std::filesystem::exists(AUTO_SAVE_FILE));
    EXPECT_TRUE(Headless_Notices().empty());
}

TEST_F(LeaveGameTest, FailedAutoSaveIsReported) {
    Set_Game_State(GS_AUTOSAVE, 1);
    std::filesystem::create_directory(AUTO_SAVE_FILE);
    EXPECT_EQ(Auto_Save_Before_Play(1), SAVE_CANNOT_CREATE);
    EXPECT_TRUE(Noticed("Auto Save", "Brakvell could not auto-save the game file!"));
}

TEST_F(LeaveGameTest, NewSeasonSaveUsesTheGameName) {
    EXPECT_EQ(Save_New_Season_Game(), SAVE_OK);
    EXPECT_TRUE(std::filesystem::exists("Dynasty.vtr"));
    std::filesystem::remove("Dynasty.vtr");
    std::filesystem::create_directory("Dynasty.vtr");
    EXPECT_EQ(Save_New_Season_Game(), SAVE_CANNOT_CREATE);
    EXPECT_TRUE(Noticed("File Open Error", "Brakvell was unable to automatically save the game."));
}

}  // namespace
