#include <cstring>

#include "database/text_format.h"
#include "reports/leaders.h"
#include "reports/page_league.h"

namespace {
class LeadersTest : public PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        Make_Teams(4);
    }
    void Give_Games(int nGames) {
        for (TNUM nTeam = 0; nTeam < 4; nTeam++)
            Set_Team_Record_Stat(nTeam, YR_WINS, nGames);
    }
};

TEST_F(LeadersTest, TiesShareTheRankAndKeepLeagueOrder) {
    Add_Player(2, 0, POS_QB, "Al", "Third");
    Add_Player(0, 3, POS_QB, "Bo", "First");
    Add_Player(1, 0, POS_QB, "Cy", "Second");
    Add_Player(3, 0, POS_QB, "Di", "None");
    Set_Stat(2, 0, PERIOD_THIS_SEASON, SS_PASS_YARDS, 300);
    Set_Stat(0, 3, PERIOD_THIS_SEASON, SS_PASS_YARDS, 200);
    Set_Stat(1, 0, PERIOD_THIS_SEASON, SS_PASS_YARDS, 300);
    Leader aLeaders[LEADERS_PER_BOX];
    ASSERT_EQ(Compute_Leaders(LC_PASS_YARDS, BOTH_CONFERENCES, LEADERS_THIS_SEASON, aLeaders), 3);
    EXPECT_EQ(aLeaders[0].nTeam, 1); // league order among equals
    EXPECT_EQ(aLeaders[1].nTeam, 2);
    EXPECT_EQ(aLeaders[2].nTeam, 0);
    EXPECT_EQ(aLeaders[0].nRank, 1);
    EXPECT_EQ(aLeaders[1].nRank, 1);
    EXPECT_EQ(aLeaders[2].nRank, 3);
}

TEST_F(LeadersTest, TenAtMostAndOnlyPlayersWhoseCountersMeanTheStatistic) {
    for (PNUM nPlayer = 0; nPlayer < 12; nPlayer++) {
        Add_Player(0, nPlayer, POS_QB, "Q", "B");
        Set_Stat(0, nPlayer, PERIOD_THIS_SEASON, SS_COMPLETIONS, 10 + nPlayer);
    }
    // A receiver's counter 3 is his blocking rating, not completions.
    Add_Player(1, 0, POS_WR, "W", "R");
    Set_Stat(1, 0, PERIOD_THIS_SEASON, SS_COMPLETIONS, 99);
    Leader aLeaders[LEADERS_PER_BOX];
    ASSERT_EQ(Compute_Leaders(LC_COMPLETIONS, BOTH_CONFERENCES, LEADERS_THIS_SEASON, aLeaders),
              LEADERS_PER_BOX);
    EXPECT_EQ(aLeaders[0].nPlayer, 11);
    EXPECT_EQ(aLeaders[9].nPlayer, 2);
    // Tackles come from defenders only; a back's counter 2 is pass attempts.
    Add_Player(1, 1, POS_LB, "L", "B");
    Set_Stat(1, 1, PERIOD_THIS_SEASON, SS_TACKLES, 5);
    EXPECT_EQ(Compute_Leaders(LC_TACKLES, BOTH_CONFERENCES, LEADERS_THIS_SEASON, aLeaders), 1);
    EXPECT_EQ(aLeaders[0].nTeam, 1);
}

TEST_F(LeadersTest, RateCategoriesAskForAMinimumPerGamePlayed) {
    Give_Games(4);
    EXPECT_EQ(Leader_Minimum(LC_COMPLETION_RATE, LEADERS_THIS_SEASON), 56); // 14 a game
    EXPECT_EQ(Leader_Minimum(LC_YARDS_PER_RUSH, LEADERS_THIS_SEASON), 25);  // 6.25 a game
    EXPECT_EQ(Leader_Minimum(LC_PASSES, LEADERS_THIS_SEASON), 0);
    Add_Player(0, 0, POS_QB, "Short", "Of");
    Set_Stat(0, 0, PERIOD_THIS_SEASON, SS_PASS_ATTEMPTS, 55);
    Set_Stat(0, 0, PERIOD_THIS_SEASON, SS_COMPLETIONS, 50);
    Add_Player(0, 1, POS_QB, "Just", "Enough");
    Set_Stat(0, 1, PERIOD_THIS_SEASON, SS_PASS_ATTEMPTS, 56);
    Set_Stat(0, 1, PERIOD_THIS_SEASON, SS_COMPLETIONS, 28);
    Leader aLeaders[LEADERS_PER_BOX];
    ASSERT_EQ(Compute_Leaders(LC_COMPLETION_RATE, BOTH_CONFERENCES, LEADERS_THIS_SEASON, aLeaders), 1);
    EXPECT_EQ(aLeaders[0].nPlayer, 1);
    EXPECT_EQ(aLeaders[0].nValue, 500);
    // Before any game the minimum is one attempt, so nobody leads with none.
    Give_Games(0);
    EXPECT_EQ(Leader_Minimum(LC_COMPLETION_RATE, LEADERS_THIS_SEASON), 1);
    EXPECT_EQ(Compute_Leaders(LC_COMPLETION_RATE, BOTH_CONFERENCES, LEADERS_THIS_SEASON, aLeaders), 2);
}

TEST_F(LeadersTest, CareerAndLastSeasonReadTheirOwnPeriods) {
    Add_Player(0, 0, POS_RB, "Old", "Timer");
    Add_Player(1, 0, POS_RB, "New", "Comer");
    Set_Stat(0, 0, PERIOD_CAREER, SS_RUSH_YARDS, 9000);
    Set_Stat(0, 0, PERIOD_LAST_SEASON, SS_RUSH_YARDS, 100);
    Set_Stat(1, 0, PERIOD_CAREER, SS_RUSH_YARDS, 800);
    Set_Stat(1, 0, PERIOD_LAST_SEASON, SS_RUSH_YARDS, 800);
    Set_Stat(1, 0, PERIOD_THIS_SEASON, SS_RUSH_YARDS, 40);
    Leader aLeaders[LEADERS_PER_BOX];
    ASSERT_EQ(Compute_Leaders(LC_RUSH_YARDS, BOTH_CONFERENCES, LEADERS_CAREER, aLeaders), 2);
    EXPECT_EQ(aLeaders[0].nTeam, 0);
    ASSERT_EQ(Compute_Leaders(LC_RUSH_YARDS, BOTH_CONFERENCES, LEADERS_LAST_SEASON, aLeaders), 2);
    EXPECT_EQ(aLeaders[0].nTeam, 1);
    EXPECT_EQ(Compute_Leaders(LC_RUSH_YARDS, BOTH_CONFERENCES, LEADERS_THIS_SEASON, aLeaders), 1);
    // A career rate title wants a career's worth of carries.
    EXPECT_EQ(Leader_Minimum(LC_YARDS_PER_RUSH, LEADERS_CAREER), 750);
    Set_Stat(0, 0, PERIOD_CAREER, SS_RUSHES, 749);
    EXPECT_EQ(Compute_Leaders(LC_YARDS_PER_RUSH, BOTH_CONFERENCES, LEADERS_CAREER, aLeaders), 0);
    Set_Stat(0, 0, PERIOD_CAREER, SS_RUSHES, 750);
    ASSERT_EQ(Compute_Leaders(LC_YARDS_PER_RUSH, BOTH_CONFERENCES, LEADERS_CAREER, aLeaders), 1);
    EXPECT_EQ(aLeaders[0].nValue, 120);
}

TEST_F(LeadersTest, OneConferenceLeavesTheOtherOut) {
    Add_Player(0, 0, POS_CB, "East", "Man");
    Add_Player(3, 0, POS_CB, "West", "Man");
    Set_Stat(0, 0, PERIOD_THIS_SEASON, SS_INTERCEPTIONS, 2);
    Set_Stat(3, 0, PERIOD_THIS_SEASON, SS_INTERCEPTIONS, 5);
    Leader aLeaders[LEADERS_PER_BOX];
    ASSERT_EQ(Compute_Leaders(LC_INTERCEPTIONS, 0, LEADERS_THIS_SEASON, aLeaders), 1);
    EXPECT_EQ(aLeaders[0].nTeam, 0);
    ASSERT_EQ(Compute_Leaders(LC_INTERCEPTIONS, 1, LEADERS_THIS_SEASON, aLeaders), 1);
    EXPECT_EQ(aLeaders[0].nTeam, 3);
    EXPECT_EQ(Compute_Leaders(LC_INTERCEPTIONS, BOTH_CONFERENCES, LEADERS_THIS_SEASON, aLeaders), 2);
}

TEST_F(LeadersTest, ValuesNamesAndTitlesAsThePageWritesThem) {
    char szText[TEXT_SIZE];
    Format_Leader_Value(LC_SACKS, 3, szText);
    EXPECT_STREQ(szText, "1.5");
    Format_Leader_Value(LC_COMPLETION_RATE, 652, szText);
    EXPECT_STREQ(szText, "65.2%");
    Format_Leader_Value(LC_YARDS_PER_ATTEMPT, 705, szText);
    EXPECT_STREQ(szText, "7.05");
    Format_Leader_Value(LC_YARDS_PER_RUSH, -13, szText);
    EXPECT_STREQ(szText, "-1.3");
    Format_Leader_Value(LC_CAP_IMPACT, 2450, szText);
    EXPECT_STREQ(szText, "$2.4M");
    Add_Player(0, 0, POS_K, "Ed", "Boot");
    Format_Leader_Name(0, 0, szText);
    EXPECT_STREQ(szText, "E. Boot");

    Set_Game_State(GS_SEASON_INDEX, 2);
    Set_Game_State(GS_LEADER_CONFERENCE, 1);
    Set_Game_State(GS_LEADER_PERIOD, LEADERS_LAST_SEASON);
    Get_Leaders_Title(szText);
    EXPECT_STREQ(szText, "NFC Leaders");
    Get_Leaders_Period_Text(szText);
    EXPECT_STREQ(szText, "2004");
    Set_Game_State(GS_LEADER_CONFERENCE, 2);
    Set_Game_State(GS_LEADER_PERIOD, LEADERS_CAREER);
    Get_Leaders_Title(szText);
    EXPECT_STREQ(szText, "Both Conferences");
    Get_Leaders_Period_Text(szText);
    EXPECT_STREQ(szText, "Career");
    EXPECT_STREQ(Leader_Category_Name(LC_CAP_IMPACT), "Cap Impact");
    EXPECT_STREQ(Leader_Category_Name(30), "");
}

TEST_F(LeadersTest, HeadingDialogEditsOneBoxAndBothSwitches) {
    Set_Game_State(GS_LEADER_CATEGORY + 2, 99); // out of range reads as the last category
    LeaderHeadingDialog dialog;
    Open_Leader_Heading(2, &dialog);
    EXPECT_EQ(dialog.nCategory, NUMBER_OF_LEADER_CATEGORIES - 1);
    dialog.nCategory = LC_SACKS;
    dialog.nConference = BOTH_CONFERENCES;
    dialog.nPeriod = LEADERS_CAREER;
    Apply_Leader_Heading(&dialog);
    EXPECT_EQ(Leader_Box_Category(2), LC_SACKS);
    EXPECT_EQ(Get_Game_State(GS_LEADER_CATEGORY + 1), 0);
    EXPECT_EQ(Leaders_Conference(), BOTH_CONFERENCES);
    EXPECT_EQ(Leaders_Period(), LEADERS_CAREER);
    dialog.nCategory = 30; // refused whole
    dialog.nPeriod = 0;
    Apply_Leader_Heading(&dialog);
    EXPECT_EQ(Leader_Box_Category(2), LC_SACKS);
    EXPECT_EQ(Leaders_Period(), LEADERS_CAREER);
}
} // namespace
