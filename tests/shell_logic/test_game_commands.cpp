#include "commands/game_commands.h"
#include "halloffame/fame_file.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "season/playoffs.h"
#include "test_support.h"

using GameCommandsTest = LeagueTest;

TEST_F(GameCommandsTest, NothingIsRefusedWhileIdle) {
    EXPECT_FALSE(Refuse_While_Simulating(REFUSE_EXIT_GAME));
    EXPECT_TRUE(Headless_Notices().empty());
    EXPECT_FALSE(Stop_Requested());
}

TEST_F(GameCommandsTest, RefusalsWhileSimulatingShowTheirTextAndRequestStop) {
    Set_Game_State(GS_SIMULATING, 1);
    const struct {
        Refusal refusal;
        const char* szTitle;
        const char* szText;
    } CASES[] = {
        {REFUSE_NEW_GAME, "New Game",
         "Can't start a new game while simulating games.\n\nPlease try again once this week's games are completed."},
        {REFUSE_RESUME_GAME, "Resume Game",
         "Can't load a file while simulating games.\n\nPlease try again once this week's games are completed."},
        {REFUSE_SAVE_GAME, "Save Game",
         "You can't save while simulating games.\n\nPlease try again once this week's games are completed."},
        {REFUSE_RETIRE, "Retiring",
         "Can't retire while simulations are in progress.\n\nPlease try again once this week's games are completed."},
        {REFUSE_EXIT_GAME, "Exit Game",
         "Can't exit while simulations are in progress.\n\nPlease try again once this week's games are completed."},
    };
    for (const auto& c : CASES) {
        Clear_Stop_Request();
        EXPECT_TRUE(Refuse_While_Simulating(c.refusal));
        EXPECT_TRUE(Stop_Requested());
        ASSERT_FALSE(Headless_Notices().empty());
        EXPECT_EQ(Headless_Notices().back().title, c.szTitle);
        EXPECT_EQ(Headless_Notices().back().text, c.szText);
    }
    EXPECT_EQ(Headless_Notices().size(), 5u);
}

TEST_F(GameCommandsTest, UpdateCheckBoundaries) {
    const int64_t NOW = 1700000000;
    auto Due = [&](int64_t nSecondsAgo) { return Update_Check_Due(NOW, (int32_t)((NOW - nSecondsAgo) / 64), 0); };
    // NOW is a multiple of 64, so the stored word loses nothing.
    ASSERT_EQ(NOW % 64, 0);
    EXPECT_FALSE(Update_Check_Due(NOW, (NOW - 432000) / 64, 0));
    EXPECT_FALSE(Due(432000));
    EXPECT_FALSE(Due(86400));
    EXPECT_FALSE(Due(200000));
    EXPECT_TRUE(Update_Check_Due(NOW + 1, (NOW - 432000) / 64, 0));  // 432001 seconds
    EXPECT_TRUE(Update_Check_Due(NOW - 1, (NOW - 86400) / 64, 0));   // 86399 seconds
    EXPECT_TRUE(Due(-6400));                                          // a stored time in the future
    EXPECT_TRUE(Update_Check_Due(NOW, 0, 0));                         // a new file
    EXPECT_FALSE(Update_Check_Due(NOW, 0, FS_NO_UPDATE_CHECK));
    EXPECT_FALSE(Update_Check_Due(NOW, (NOW - 86399) / 64 + 1, 117));
    EXPECT_TRUE(Update_Check_Due(NOW, 0, 116));
    EXPECT_EQ(Update_Time_Word(NOW + 63), NOW / 64);
}

TEST_F(GameCommandsTest, UpdateCheckSurvivesExtremeStoredWords) {
    // 64 x the word must not overflow 32 bits.
    EXPECT_TRUE(Update_Check_Due(1700000000, INT32_MAX, 0));
    EXPECT_TRUE(Update_Check_Due(1700000000, INT32_MIN, 0));
}

TEST_F(GameCommandsTest, TitleLine) {
    Set_League_Rule(LR_START_YEAR, 2003);
    Set_Game_State(GS_SEASON_INDEX, 2);
    Set_Game_State(GS_CURRENT_WEEK, 4);
    EXPECT_EQ(Title_Line(), "Brakvell: 2005, Week 5");
    Set_Game_State(GS_SIMULATING, 1);
    EXPECT_EQ(Title_Line(), "Brakvell: 2005, Week 5  (Playing...)");
    Set_League_Rule(LR_FANTASY_DRAFT, 1);
    EXPECT_EQ(Title_Line(2, 11), "Fantasy Draft: Round 3, Pick 12");
}

TEST_F(GameCommandsTest, PlayMenuFollowsTheCalendar) {
    PlayMenuEntry entries[MAXIMUM_PLAY_ENTRIES];
    ASSERT_EQ(Play_Menu_For(false, false, 16, 17, entries), 4);
    EXPECT_STREQ(entries[0].szText, "One &Week\tF12");
    EXPECT_STREQ(entries[3].szText, "&Entire Season");
    EXPECT_EQ(entries[1].nWeeks, 4);
    EXPECT_EQ(entries[2].nWeeks, 8);
    EXPECT_EQ(entries[3].nWeeks, 22);
    ASSERT_EQ(Play_Menu_For(false, false, 17, 17, entries), 2);
    EXPECT_STREQ(entries[0].szText, "One &Week");
    EXPECT_STREQ(entries[1].szText, "&Through Playoffs");
    ASSERT_EQ(Play_Menu_For(false, false, 22, 17, entries), 2);
    ASSERT_EQ(Play_Menu_For(false, false, 23, 17, entries), 1);
    EXPECT_STREQ(entries[0].szText, "&Start Next Season");
    EXPECT_EQ(entries[0].nWeeks, 22);
    ASSERT_EQ(Play_Menu_For(false, true, 23, 17, entries), 1);
    EXPECT_EQ(entries[0].nWeeks, PLAY_END_DRAFT);
    ASSERT_EQ(Play_Menu_For(true, true, 3, 17, entries), 1);
    EXPECT_STREQ(entries[0].szText, "&Stop");
}

TEST_F(GameCommandsTest, PlayMenuFromTheLeague) {
    Set_Game_State(GS_DRAFT_ROUND, 7);
    g_League.anCalendar[0] = 17;
    Set_Game_State(GS_CURRENT_WEEK, 0);
    PlayMenuEntry entries[MAXIMUM_PLAY_ENTRIES];
    EXPECT_EQ(Play_Menu(entries), 4);
    Set_Game_State(GS_DRAFT_ROUND, 6);
    EXPECT_EQ(Play_Menu(entries), 1);
    EXPECT_STREQ(entries[0].szText, "&End Draft");
}

TEST_F(GameCommandsTest, PagesNameTheirPicturesAndHelp) {
    EXPECT_STREQ(Page_Background(PAGE_STANDINGS), "News\\Standing.jpg");
    EXPECT_STREQ(Page_Background(PAGE_HALL_OF_FAME), "News\\Vanhof.jpg");
    EXPECT_STREQ(Page_Background(PAGE_NONE), "HalvercornLogo.jpg");
    EXPECT_STREQ(Page_Background(12345), "HalvercornLogo.jpg");
    EXPECT_EQ(Page_Background(PAGE_CHAMPIONSHIP), nullptr);
    EXPECT_STREQ(Page_Help_Topic(PAGE_HALL_OF_FAME), "object");
    EXPECT_STREQ(Page_Help_Topic(PAGE_NONE), "playing");
    EXPECT_STREQ(Page_Help_Item(PAGE_FINANCES), "&Help on Financial Page");
    EXPECT_EQ(Page_Help_Item(PAGE_NONE), nullptr);
}

TEST_F(GameCommandsTest, TradingDeadline) {
    Use_Teams(4);  // one conference: every team in division 0
    for (int8_t& nSlot : g_League.abPlayoffTeams) nSlot = NO_TEAM;
    Set_Game_State(GS_CURRENT_WEEK, 11);
    EXPECT_TRUE(Check_Trading_Deadline());
    Set_Game_State(GS_CURRENT_WEEK, 12);
    EXPECT_FALSE(Check_Trading_Deadline());
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Trading Deadline");
    EXPECT_EQ(Headless_Notices()[0].text, "No trades are allowed after week 12 of the season.");
    Set_Game_State(GS_COMMISSIONER, 1);
    EXPECT_TRUE(Check_Trading_Deadline());
    Set_Game_State(GS_COMMISSIONER, 0);
    Set_Game_State(GS_CURRENT_WEEK, 22);
    g_League.abPlayoffTeams[28] = 2;  // the champion of a one-conference league
    ASSERT_TRUE(Season_Is_Over());
    EXPECT_TRUE(Check_Trading_Deadline());
    EXPECT_EQ(Headless_Notices().size(), 1u);
}

TEST_F(GameCommandsTest, LeavingARatedGameAsksFirst) {
    EXPECT_TRUE(Confirm_Leaving_Rated_Game());
    EXPECT_TRUE(Headless_Questions().empty());
    Set_Game_State(GS_RATING_VALID, 1);
    Headless_Push_Answer(ANSWER_NO);
    EXPECT_FALSE(Confirm_Leaving_Rated_Game());
    Headless_Push_Answer(ANSWER_YES);
    EXPECT_TRUE(Confirm_Leaving_Rated_Game());
    ASSERT_EQ(Headless_Questions().size(), 2u);
    EXPECT_EQ(Headless_Questions()[0].title, "Vantor Rating Warning");
    EXPECT_EQ(Headless_Questions()[0].text,
              "Leaving this game and resuming it later will invalidate your Vantor Rating. Leave anyway?");
    EXPECT_EQ(Get_Game_State(GS_RATING_VALID), 1);  // a resumed game is what gives it up
}
