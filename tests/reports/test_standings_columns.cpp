// The standings page's chosen columns: recent form from the schedule, points
// and third downs from the stored games, yards and turnovers from the totals.
#include "database/player.h"
#include "database/team.h"
#include "finance/dialog_support.h"
#include "reports/standings_columns.h"
#include "season/season_fixture.h"
#include "season/stored_games.h"
#include "simulation/game_record.h"

namespace {
class StandingsColumnsTest : public SeasonTest {
  protected:
    void SetUp() override {
        SeasonTest::SetUp();
        Make_League({0, 0, 0, 4});
    }
    // A game in both teams' schedule slot for its week, with its stored record.
    void Play_In_Slot(TNUM nVisitor, int nVisitorScore, TNUM nHome, int nHomeScore, int nWeek) {
        int nRecord = m_nNextGame;
        Play(nVisitor, nVisitorScore, nHome, nHomeScore, nWeek);
        ASSERT_EQ(1, Schedule_Game(nHome, nVisitor, nWeek));
        Set_Schedule_Field(nHome, nWeek, SLOT_GAME_RECORD, nRecord);
        Set_Schedule_Field(nVisitor, nWeek, SLOT_GAME_RECORD, nRecord);
    }
    static std::string Text(TNUM nTeam, int nColumn) {
        char szText[DIALOG_TEXT];
        Standings_Column_Text(nTeam, nColumn, szText);
        return szText;
    }
    static void Set_Total(TNUM nTeam, int nLine, int nStat, int nValue) {
        Set_Team_Total(nTeam, nLine, PERIOD_THIS_SEASON, nStat, nValue);
    }
};
} // namespace

TEST_F(StandingsColumnsTest, HeadingsAreTheTwentySixOfTheVocabulary) {
    EXPECT_STREQ(Standings_Column_Name(SC_LAST_3), "Last 3");
    EXPECT_STREQ(Standings_Column_Name(SC_YARDS_PER_PLAY), "Yards / Play");
    EXPECT_STREQ(Standings_Column_Name(SC_PASS_DEFENSE_RANK), "Pass Def. Rank");
    EXPECT_STREQ(Standings_Column_Name(SC_SACKS), "Sacks");
    EXPECT_EQ(NUMBER_OF_STANDINGS_COLUMNS, 26);
    EXPECT_STREQ(Standings_Column_Name(26), "");
    EXPECT_STREQ(Standings_Column_Name(-1), "");
}

TEST_F(StandingsColumnsTest, RecentFormSkipsByesAndIgnoresTheWeeksAhead) {
    Play_In_Slot(1, 10, 0, 20, 0); // won
    Play_In_Slot(0, 10, 1, 10, 1); // tied
    // week 2: a bye
    Play_In_Slot(2, 30, 0, 20, 3); // lost
    Play_In_Slot(0, 24, 2, 3, 4);  // won
    Play_In_Slot(0, 24, 1, 3, 5);  // won, but week 5 has not come yet
    g_League.anGameState[GS_CURRENT_WEEK] = 5;
    EXPECT_EQ(Text(0, SC_LAST_3), "1-1-1");
    EXPECT_EQ(Text(0, SC_LAST_5), "2-1-1");
    EXPECT_EQ(Text(0, SC_STREAK), "Won 1");
    EXPECT_EQ(Text(2, SC_STREAK), "Lost 1");
    EXPECT_EQ(Text(2, SC_LAST_5), "1-1");
    EXPECT_EQ(Text(3, SC_STREAK), "--");
    EXPECT_EQ(Text(3, SC_LAST_3), "0-0");
    g_League.anGameState[GS_CURRENT_WEEK] = 6;
    EXPECT_EQ(Text(0, SC_STREAK), "Won 2");
    EXPECT_EQ(Text(1, SC_STREAK), "Lost 1");
}

TEST_F(StandingsColumnsTest, RecordsByPlaceAndOpponent) {
    Play(1, 10, 0, 20);
    Play(0, 10, 2, 10);
    Play(0, 17, 3, 14); // out of conference
    Set_Team_Record_Stat(0, YR_HOME_WINS, 1);
    Set_Team_Record_Stat(0, YR_HOME_TIES, 0);
    EXPECT_EQ(Text(0, SC_HOME_RECORD), "1-0");
    EXPECT_EQ(Text(0, SC_AWAY_RECORD), "1-0-1");
    EXPECT_EQ(Text(0, SC_DIVISION_RECORD), "1-0-1");
    EXPECT_EQ(Text(0, SC_CONFERENCE_RECORD), "1-0-1");
    EXPECT_EQ(Text(3, SC_CONFERENCE_RECORD), "0-0");
}

TEST_F(StandingsColumnsTest, PointsAndThirdDownsCountRegularSeasonGamesOnly) {
    Play(1, 10, 0, 20, 0);
    Play(0, 13, 2, 7, 1);
    Play(0, 50, 1, 0, 17); // a playoff game
    GameRecord* g = Get_Game_Record(0);
    g->anTeamStats[1][TG_THIRD_DOWNS] = 12;
    g->anTeamStats[1][TG_THIRD_CONVERSIONS] = 5;
    g = Get_Game_Record(1);
    g->anTeamStats[0][TG_THIRD_DOWNS] = 8;
    g->anTeamStats[0][TG_THIRD_CONVERSIONS] = 3;
    g->anTeamStats[1][TG_THIRD_DOWNS] = 99;
    EXPECT_EQ(Text(0, SC_POINTS_FOR), "16.5");
    EXPECT_EQ(Text(0, SC_POINTS_AGAINST), "8.5");
    EXPECT_EQ(Text(0, SC_THIRD_DOWN), "40%");
    EXPECT_EQ(Text(3, SC_POINTS_FOR), "0.0");
    EXPECT_EQ(Text(3, SC_THIRD_DOWN), "0%");
}

TEST_F(StandingsColumnsTest, YardsPerGameAndRanksFavourFewerYardsAllowed) {
    for (TNUM nTeam = 0; nTeam < 4; nTeam++)
        Add_Record(nTeam, 1, 1);
    Set_Total(0, LINE_OFFENCE, SS_RUSH_YARDS, 201);
    Set_Total(0, LINE_OFFENCE, SS_RECEIVING_YARDS, 400);
    Set_Total(1, LINE_OFFENCE, SS_RUSH_YARDS, 300);
    Set_Total(0, 3 + LINE_OFFENCE, SS_RUSH_YARDS, 500);
    Set_Total(1, 3 + LINE_OFFENCE, SS_RUSH_YARDS, 100);
    EXPECT_EQ(Text(0, SC_OFFENSE), "300.5");
    EXPECT_EQ(Text(0, SC_RUSHING), "100.5");
    EXPECT_EQ(Text(0, SC_PASSING), "200.0");
    EXPECT_EQ(Text(0, SC_DEFENSE), "250.0");
    EXPECT_EQ(Text(0, SC_RUSH_DEFENSE), "250.0");
    EXPECT_EQ(Text(0, SC_OFFENSE_RANK), "1st");
    EXPECT_EQ(Text(1, SC_RUSHING_RANK), "1st");
    EXPECT_EQ(Text(0, SC_RUSHING_RANK), "2nd");
    // Teams 2 and 3 allowed nothing: they share the best defence.
    EXPECT_EQ(Text(2, SC_DEFENSE_RANK), "1st");
    EXPECT_EQ(Text(3, SC_RUSH_DEFENSE_RANK), "1st");
    EXPECT_EQ(Text(1, SC_RUSH_DEFENSE_RANK), "3rd");
    EXPECT_EQ(Text(0, SC_RUSH_DEFENSE_RANK), "4th");
    EXPECT_EQ(Text(0, SC_PASS_DEFENSE_RANK), "1st");
}

TEST_F(StandingsColumnsTest, TurnoversSacksAndYardsPerPlay) {
    Set_Total(0, LINE_DEFENCE, SS_INTERCEPTIONS, 4);
    Set_Total(0, LINE_DEFENCE, SS_FUMBLE_RECOVERIES, 2);
    Set_Total(0, 3 + LINE_DEFENCE, SS_INTERCEPTIONS, 1);
    Set_Total(0, 3 + LINE_DEFENCE, SS_FUMBLE_RECOVERIES, 2);
    Set_Total(0, LINE_DEFENCE, SS_SACKS, 25); // half sacks
    Set_Total(0, LINE_OFFENCE, SS_PASS_YARDS, 300);
    Set_Total(0, LINE_OFFENCE, SS_RUSH_YARDS, 150);
    Set_Total(0, LINE_OFFENCE, SS_PASS_ATTEMPTS, 40);
    Set_Total(0, LINE_OFFENCE, SS_RUSHES, 40);
    EXPECT_EQ(Text(0, SC_TAKEAWAYS), "6");
    EXPECT_EQ(Text(0, SC_TURNOVERS), "3");
    EXPECT_EQ(Text(0, SC_SACKS), "12.5");
    EXPECT_EQ(Text(0, SC_YARDS_PER_PLAY), "5.6"); // 450 / 80 = 5.625
    char szMargin[DIALOG_TEXT];
    Turnover_Margin_Text(0, szMargin);
    EXPECT_STREQ(szMargin, "+3");
    Set_Total(0, 3 + LINE_DEFENCE, SS_INTERCEPTIONS, 6);
    Turnover_Margin_Text(0, szMargin);
    EXPECT_STREQ(szMargin, "-2");
    Turnover_Margin_Text(1, szMargin);
    EXPECT_STREQ(szMargin, "0");
    EXPECT_EQ(Text(1, SC_YARDS_PER_PLAY), "0.0");
}

TEST_F(StandingsColumnsTest, BadTeamOrColumnGivesNothing) {
    EXPECT_EQ(Text(0, 26), "");
    EXPECT_EQ(Text(0, -1), "");
    EXPECT_EQ(Text(NO_TEAM, SC_STREAK), "");
    EXPECT_EQ(Text(10, SC_STREAK), ""); // not in use
}
