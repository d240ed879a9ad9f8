#include <cstring>

#include "player_fixture.h"

class TeamTest : public PlayerTest {
  protected:
    void SetUp() override {
        PlayerTest::SetUp();
        g_League.anCalendar[0] = 17;  // first playoff week
        Set_Game_State(GS_SEASON_INDEX, 3);
    }
    static void Play(TNUM nTeam, int nWins, int nLosses, int nTies) {
        for (int n = 0; n < nWins; n++) Add_Team_Win(nTeam, n % 2 == 0);
        for (int n = 0; n < nLosses; n++) Add_Team_Loss(nTeam, n % 2 == 0);
        for (int n = 0; n < nTies; n++) Add_Team_Tie(nTeam, true);
    }
};

// ---- Team stats ----

TEST_F(TeamTest, TeamStatRanges) {
    EXPECT_EQ(Get_Team_Stat(41, TEAM_STAT_DIVISION), 0);
    EXPECT_TRUE(Logged("nTeam out of bounds in Get_Team_Stat()"));
    Set_Team_Stat(36, TEAM_STAT_CITY, 9);
    EXPECT_TRUE(Logged("nTeam out of bounds in Set_Team_Stat(<36>,3,9)"));
    Headless_Reset();
    Set_Team_Stat(NO_TEAM, TEAM_STAT_CITY, 9);
    EXPECT_TRUE(Logged_Nothing());
    const int nLastStat = NUMBER_OF_TEAM_STATS - 1;
    Set_Every_Team_Stat(nLastStat, 42);
    EXPECT_EQ(Get_Team_Stat(3, nLastStat), 42);
    EXPECT_EQ(Get_Team_Stat(4, nLastStat), 0);  // not in use
}

// ---- Won-lost records ----

TEST_F(TeamTest, RecordTextAndWinningPercentage) {
    Play(0, 10, 5, 1);
    char szText[RECORD_TEXT_WIDTH];
    Get_Team_Record_Text(0, szText);
    EXPECT_STREQ(szText, "(10-5-1)");
    EXPECT_EQ(Get_Team_Winning_Percentage(0), 656);
    EXPECT_EQ(Get_Team_Home_Wins(0), 5);
    EXPECT_EQ(Get_Team_Road_Losses(0), 2);
    EXPECT_EQ(Get_Team_Home_Ties(0), 1);
    Play(1, 10, 5, 0);
    Get_Team_Record_Text(1, szText);
    EXPECT_STREQ(szText, "(10-5)");
    EXPECT_EQ(Get_Team_Winning_Percentage(2), 0);  // no games
}

TEST_F(TeamTest, FreeAgentsMayLoseButNotWin) {
    Add_Team_Win(FREE_AGENT_TEAM, true);
    EXPECT_TRUE(Logged("nTeam out of bounds in Add_Team_Win()"));
    Add_Team_Loss(FREE_AGENT_TEAM, true);
    Add_Team_Tie(FREE_AGENT_TEAM, false);
    EXPECT_EQ(Get_Team_Losses(FREE_AGENT_TEAM), 1);
    EXPECT_EQ(Get_Team_Home_Losses(FREE_AGENT_TEAM), 1);
    EXPECT_EQ(Get_Team_Ties(FREE_AGENT_TEAM), 1);
    EXPECT_EQ(Headless_Log_Lines().size(), 1u);
    Add_Team_Loss(37, false);
    EXPECT_TRUE(Logged("nTeam out of bounds in Add_Team_Loss()"));
}

TEST_F(TeamTest, PlayoffResults) {
    Set_Game_State(GS_CURRENT_WEEK, 17);
    Add_Team_Win(0, true);
    Add_Team_Loss(1, false);
    Add_Team_Tie(2, true);  // ties always count in the regular record
    EXPECT_EQ(Get_Team_Playoff_Wins(0), 1);
    EXPECT_EQ(Get_Team_Wins(0), 0);
    EXPECT_EQ(Get_Team_Playoff_Losses(1), 1);
    EXPECT_EQ(Get_Team_Losses(1), 0);
    EXPECT_EQ(Get_Team_Ties(2), 1);
    Add_Team_Loss(FREE_AGENT_TEAM, true);
    EXPECT_TRUE(Logged("nTeam out of bounds in Add_Team_Playoff_Loss()"));
    EXPECT_EQ(Get_Team_Playoff_Losses(FREE_AGENT_TEAM), 0);
}

TEST_F(TeamTest, OffSeasonShowsTheFinishedSeasonButWritesTheNewOne) {
    Play(0, 9, 7, 0);
    Set_Game_State(GS_SEASON_INDEX, 4);  // rollover done, the college draft running
    Set_Game_State(GS_DRAFT_ROUND, 0);
    ASSERT_TRUE(Season_Is_Off_Season());
    EXPECT_EQ(Get_Team_Wins(0), 9);
    Add_Team_Win(0, false);
    EXPECT_EQ(Get_Team_Wins(0), 9);
    EXPECT_EQ(Get_Team_Yearly_Stat(0, 4, YR_WINS), 1);
    Set_Game_State(GS_DRAFT_ROUND, 7);  // draft over, new season set up
    EXPECT_EQ(Get_Team_Wins(0), 1);
}

TEST_F(TeamTest, SeasonBeyondTheTableIsShownInAQuickMessage) {
    Set_Game_State(GS_SEASON_INDEX, 100);
    Add_Team_Win(0, true);
    EXPECT_EQ(Get_Team_Yearly_Stat(0, 100, YR_WINS), 0);
    const auto& notices = Headless_Notices();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].title, "Quick Message");
    EXPECT_EQ(notices[0].text, "Invalid nYear in Get_Team_Yearly_Stat: 100");
    EXPECT_EQ(g_League.aTeams[0].data.anYearly[99][YR_WINS], 0);
}

TEST_F(TeamTest, RecordSettersTestTheirCodes) {
    Set_Team_Record_Stat(37, YR_WINS, 1);
    Set_Team_Yearly_Stat(37, 0, YR_WINS, 1);
    Get_Team_Record_Stat(41, YR_WINS);
    EXPECT_TRUE(Logged("nTeam out of bounds in Set_Team_Record_Stat()"));
    EXPECT_TRUE(Logged("nTeam out of bounds in Set_Team_Yearly_Stat()"));
    EXPECT_TRUE(Logged("nTeam out of bounds in Get_Team_Record_Stat()"));
}

TEST_F(TeamTest, OutcomeLevels) {
    memset(g_League.abPlayoffTeams, NO_TEAM, sizeof g_League.abPlayoffTeams);
    // Team 0 out of the playoffs; 1 in slots 3 and 10; 2 reaches 16; 3 slot 28; 4 champion.
    g_League.abPlayoffTeams[3] = 1;
    g_League.abPlayoffTeams[10] = 1;
    g_League.abPlayoffTeams[16] = 2;
    g_League.abPlayoffTeams[28] = 3;
    g_League.abPlayoffTeams[30] = 4;
    EXPECT_EQ(Get_Team_Highest_Playoff_Slot(1), 10);
    EXPECT_EQ(Get_Team_Highest_Playoff_Slot(0), -1);
    EXPECT_EQ(Team_Season_Outcome_Level(4, 3), 8);
    EXPECT_EQ(Team_Season_Outcome_Level(3, 1), 7);
    EXPECT_EQ(Team_Season_Outcome_Level(2, 2), 6);
    EXPECT_EQ(Team_Season_Outcome_Level(1, 0), 5);
    EXPECT_EQ(Team_Season_Outcome_Level(1, 2), 4);
    EXPECT_EQ(Team_Season_Outcome_Level(0, 0), 5);
    EXPECT_EQ(Team_Season_Outcome_Level(0, 1), 3);
    EXPECT_EQ(Team_Season_Outcome_Level(0, 3), 1);
    EXPECT_EQ(Team_Season_Outcome_Level(0, 4), 0);
}

TEST_F(TeamTest, FranchiseHistoryCountsOnlyFinishedSeasons) {
    TeamData& data = g_League.aTeams[0].data;
    for (int nYear = 0; nYear < 4; nYear++) {  // season 3 is the current one
        data.anYearly[nYear][YR_WINS] = 10;
        data.anYearly[nYear][YR_LOSSES] = 6;
        data.anYearly[nYear][YR_PLAYOFF_WINS] = 1;
        data.anYearly[nYear][YR_OUTCOME] = 4 + 2 * nYear;
    }
    FranchiseHistory history;
    Get_Franchise_History(0, &history);
    EXPECT_EQ(history.nWins, 30);
    EXPECT_EQ(history.nPlayoffWins, 3);
    EXPECT_EQ(history.nPlayoffSeasons, 3);
    EXPECT_EQ(history.nSeasonsAbove6, 1);
    EXPECT_EQ(history.nSeasonsAbove7, 1);
    // p = ratio(1000, 66, 96) = 688; n = root(300000) = 548.
    EXPECT_EQ(history.nScore, 377);  // ratio(688, 548, 1000)
    data.anFinancial[FIN_MARKET_HANDICAP] = -2000;
    EXPECT_EQ(Get_Franchise_Score(0), 0);
}

// ---- Statistic totals ----

TEST_F(TeamTest, TotalsComputedCodesAndRank) {
    Play(1, 3, 1, 0);
    const int T = PERIOD_THIS_SEASON;
    Set_Team_Total(1, LINE_OFFENCE, T, SS_RUSH_YARDS, 400);
    Set_Team_Total(1, LINE_OFFENCE, T, SS_RECEIVING_YARDS, 800);
    Set_Team_Total(1, LINE_OFFENCE, T, SS_RECEIVING_TD, 5);
    Set_Team_Total(1, LINE_OFFENCE, T, SS_RUSH_TD, 3);
    Set_Team_Total(1, LINE_OFFENCE, T, SS_KICK_RETURN_TD, 1);
    Set_Team_Total(1, LINE_DEFENCE, T, SS_DEFENSIVE_TD, 2);
    Add_Team_Total(1, LINE_DEFENCE, T, SS_PUNT_RETURN_TD, 1);
    EXPECT_EQ(Get_Team_Total(1, LINE_OFFENCE, T, SS_SCRIMMAGE_YARDS_PER_GAME), 3000);
    EXPECT_EQ(Get_Team_Total(1, LINE_OFFENCE, T, SS_RUSH_YARDS_PER_GAME), 1000);
    EXPECT_EQ(Get_Team_Total(1, LINE_KICKERS, T, SS_TOTAL_TD), 5 + 3 + 2 + 1 + 1);  // from any line
    EXPECT_EQ(Get_Team_Total(1, LINE_OFFENCE, T, SS_RETURNS), 0);  // a player's code only
    EXPECT_EQ(Get_Team_Total(1, LINE_OFFENCE, T, SS_SCRIMMAGE_YARDS), 1200);
    EXPECT_EQ(Get_Team_Total_Rank(1, LINE_OFFENCE, T, SS_SCRIMMAGE_YARDS), 0);
    EXPECT_EQ(Get_Team_Total_Rank(0, LINE_OFFENCE, T, SS_SCRIMMAGE_YARDS), 1);
    EXPECT_EQ(Get_Team_Total_Rank(0, LINE_OFFENCE, T, SS_FG_RATE_LONG), 0);
    Clear_Team_Totals();
    EXPECT_EQ(Get_Team_Total(1, LINE_OFFENCE, T, SS_SCRIMMAGE_YARDS), 0);
    Clear_Team_Totals(NO_TEAM);
    Clear_Team_Totals(41);
    EXPECT_TRUE(Logged("'NO_TEAM' passed to Clear_Team_Totals()"));
    EXPECT_TRUE(Logged("nTeam out of bounds in Clear_Team_Totals()"));
}

// ---- Schedule slots ----

TEST_F(TeamTest, SchedulingAGame) {
    EXPECT_EQ(Schedule_Game(0, 1, 4), 1);
    EXPECT_EQ(Get_Schedule_Field(0, 4, SLOT_OPPONENT), 2);
    EXPECT_EQ(Get_Schedule_Field(1, 4, SLOT_OPPONENT), -1);
    EXPECT_EQ(Get_Schedule_Field(1, 4, SLOT_DATE), 4 * 7 + 243);
    EXPECT_EQ(Get_Schedule_Kind(0, 4), SLOT_FIRST_NAMED);
    EXPECT_EQ(Get_Schedule_Kind(1, 4), SLOT_SECOND_NAMED);
    EXPECT_EQ(Get_Schedule_Opponent(1, 4), 0);
    EXPECT_EQ(Get_Schedule_Opponent(0, 5), NO_TEAM);
    EXPECT_EQ(Get_Schedule_Opponent(0, 22), NO_TEAM);
    EXPECT_EQ(Get_Schedule_Kind(0, -1), SLOT_EMPTY);
}

TEST_F(TeamTest, SchedulingIntoAUsedSlotChangesNothing) {
    Schedule_Game(0, 1, 2);
    TeamData before2 = g_League.aTeams[2].data, before0 = g_League.aTeams[0].data;
    EXPECT_EQ(Schedule_Game(0, 2, 2), 0);  // A's slot used
    EXPECT_EQ(Schedule_Game(2, 1, 2), 0);  // B's slot used
    EXPECT_EQ(memcmp(&before2, &g_League.aTeams[2].data, sizeof before2), 0);
    EXPECT_EQ(memcmp(&before0, &g_League.aTeams[0].data, sizeof before0), 0);
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(TeamTest, SchedulingWithNoTeamAndClearing) {
    EXPECT_EQ(Schedule_Game(NO_TEAM, NO_TEAM, 0), 0);
    EXPECT_TRUE(Logged_Nothing());
    EXPECT_EQ(Schedule_Game(0, NO_TEAM, 0), 0);
    EXPECT_TRUE(Logged("Invalid TNUM in Schedule_Game()!"));
    for (int nSlot = 0; nSlot < 4; nSlot++) Schedule_Game(0, 1, nSlot);
    Clear_Scheduled_Games(0, 1, 3);
    EXPECT_TRUE(Schedule_Slot_Filled(0, 0));
    EXPECT_FALSE(Schedule_Slot_Filled(0, 1));
    EXPECT_FALSE(Schedule_Slot_Filled(0, 2));
    EXPECT_TRUE(Schedule_Slot_Filled(0, 3));
    EXPECT_TRUE(Schedule_Slot_Filled(1, 1));  // the other team's slots are its own
    Clear_Scheduled_Games(37, 0, 22);
    EXPECT_TRUE(Logged("nTeam out of bounds in Clear_Scheduled_Games()"));
}
