#include "reports/calendar_page.h"
#include "reports/games_page.h"
#include "reports/page_league.h"

namespace {
class CalendarTest : public PageTest {
  protected:
    void SetUp() override {
        PageTest::SetUp();
        Make_Teams(4);
        Set_Game_State(GS_USER_TEAM, 1);
    }
};

TEST_F(CalendarTest, RoadAndHomeGamesPlayedAndNot) {
    GameRecord* pGame = Add_Game(0, 1, 24, 2, 17, 0); // team 1 visits team 2
    pGame->anTeamStats[0][TG_RUSH_YARDS] = 120;
    pGame->anTeamStats[0][TG_PASS_YARDS] = 200;
    pGame->anTeamStats[1][TG_PASS_YARDS] = 150;
    Add_Game(1, 3, 10, 1, 10, 2); // team 1 at home, a tie
    Schedule_Game(1, 0, 3);       // not played yet
    Set_Game_State(GS_CURRENT_WEEK, 3);
    Set_Game_State(GS_CALENDAR_COLUMN + 0, 0); // Offense
    Set_Game_State(GS_CALENDAR_COLUMN + 1, 1); // Defense
    Set_Game_State(GS_CALENDAR_COLUMN + 2, 8); // Turnover +/-
    Set_Game_State(GS_CALENDAR_COLUMN + 3, 9); // Possession
    pGame->anTeamStats[1][TG_TURNOVERS] = 2;
    pGame->anTeamStats[0][TG_POSSESSION] = 1930;

    CalendarRow row;
    Get_Calendar_Row(1, 0, &row);
    EXPECT_STREQ(row.szWeek, "Week 1");
    EXPECT_STREQ(row.szOpponent, "at Nick2");
    EXPECT_STREQ(row.szScore, "24-17");
    EXPECT_EQ(row.nOutcome, OUTCOME_WIN);
    EXPECT_STREQ(row.aszValue[0], "320");
    EXPECT_STREQ(row.aszValue[1], "150");
    EXPECT_STREQ(row.aszValue[2], "+2");
    EXPECT_STREQ(row.aszValue[3], "32:10");
    // The same game from the other side.
    Get_Calendar_Row(2, 0, &row);
    EXPECT_STREQ(row.szOpponent, "Nick1");
    EXPECT_STREQ(row.szScore, "17-24");
    EXPECT_EQ(row.nOutcome, OUTCOME_LOSS);
    EXPECT_STREQ(row.aszValue[2], "-2");

    Get_Calendar_Row(1, 1, &row); // a bye
    EXPECT_STREQ(row.szWeek, "Week 2");
    EXPECT_STREQ(row.szOpponent, "");
    EXPECT_STREQ(row.szScore, "");
    Get_Calendar_Row(1, 2, &row);
    EXPECT_STREQ(row.szOpponent, "Nick3");
    EXPECT_STREQ(row.szScore, "10-10");
    EXPECT_EQ(row.nOutcome, OUTCOME_TIE);
    Get_Calendar_Row(1, 3, &row); // scheduled, not played
    EXPECT_STREQ(row.szOpponent, "Nick0");
    EXPECT_STREQ(row.szScore, "");
    EXPECT_EQ(row.nOutcome, OUTCOME_NONE);
    EXPECT_STREQ(row.aszValue[0], "");
    Get_Calendar_Row(1, 21, &row);
    EXPECT_STREQ(row.szWeek, "Week 22");
}

TEST_F(CalendarTest, ASlotPointingAtSomeOtherGameShowsNoScore) {
    Add_Game(0, 1, 24, 2, 17, 0);
    Add_Game(5, 0, 3, 3, 7, 1);
    Schedule_Game(2, 1, 1);
    Set_Schedule_Field(1, 1, SLOT_GAME_RECORD, 5); // a record of two other teams
    Set_Game_State(GS_CURRENT_WEEK, 2);
    EXPECT_EQ(Calendar_Game(1, 0), 0);
    EXPECT_EQ(Calendar_Game(1, 1), NO_GAME);
    // A game of the week being played is not shown before the week is over.
    Set_Game_State(GS_CURRENT_WEEK, 0);
    EXPECT_EQ(Calendar_Game(1, 0), NO_GAME);
}

TEST_F(CalendarTest, TitleAndColumns) {
    Set_Team_Record_Stat(1, YR_WINS, 3);
    Set_Team_Record_Stat(1, YR_LOSSES, 1);
    char szTitle[TEXT_SIZE];
    Get_Calendar_Title(1, szTitle);
    EXPECT_STREQ(szTitle, "Nick1 (3-1)");
    EXPECT_STREQ(Calendar_Stat_Name(11), "Yards/Play\nAllowed");
    EXPECT_STREQ(Calendar_Stat_Name(16), "");
    GameRecord* pGame = Add_Game(0, 1, 0, 2, 0, 0);
    pGame->anTeamStats[0][TG_RUSHES] = 20;
    pGame->anTeamStats[0][TG_PASS_ATTEMPTS] = 30;
    pGame->anTeamStats[0][TG_RUSH_YARDS] = 100;
    pGame->anTeamStats[0][TG_PASS_YARDS] = 177;
    pGame->anTeamStats[0][TG_THIRD_DOWNS] = 12;
    pGame->anTeamStats[0][TG_THIRD_CONVERSIONS] = 5;
    pGame->anTeamStats[1][TG_SACKS] = 4;
    char szValue[TEXT_SIZE];
    Format_Calendar_Stat(pGame, 0, 10, szValue);
    EXPECT_STREQ(szValue, "5.5");
    Format_Calendar_Stat(pGame, 1, 11, szValue);
    EXPECT_STREQ(szValue, "5.5");
    Format_Calendar_Stat(pGame, 0, 12, szValue);
    EXPECT_STREQ(szValue, "5/12");
    Format_Calendar_Stat(pGame, 0, 15, szValue);
    EXPECT_STREQ(szValue, "4");
    Format_Calendar_Stat(pGame, 1, 14, szValue);
    EXPECT_STREQ(szValue, "4");
}

TEST_F(CalendarTest, ScheduleStatAndOtherTeamDialogs) {
    ScheduleStatDialog stat;
    Open_Schedule_Stat(3, &stat);
    EXPECT_EQ(stat.nStat, 0);
    stat.nStat = 15;
    Apply_Schedule_Stat(&stat);
    EXPECT_EQ(Calendar_Column_Stat(3), 15);
    stat.nStat = 16;
    Apply_Schedule_Stat(&stat);
    EXPECT_EQ(Calendar_Column_Stat(3), 15);

    OtherTeamDialog other;
    Open_Other_Team(&other);
    ASSERT_EQ(other.nTeams, 4);
    EXPECT_EQ(other.nChosen, 1);
    EXPECT_STREQ(other.aszName[2], "City2 Nick2");
    other.nChosen = 3;
    Apply_Other_Team(&other);
    EXPECT_EQ(Calendar_Team(), 3);
    // A team code no longer in use shows the first team rather than nothing.
    Set_Game_State(GS_USER_TEAM, 20);
    EXPECT_EQ(Calendar_Team(), 0);
}
} // namespace
