// The History dialog: one line per completed season and the averages.
#include "database/team.h"
#include "reports/team_history.h"
#include "season/season_fixture.h"

namespace {
class TeamHistoryTest : public SeasonTest {
  protected:
    void SetUp() override {
        SeasonTest::SetUp();
        Make_League({0, 0, 4});
        Set_League_Name("American", 0);
        Set_League_Name("National", 1);
        Set_Division_Name("Central", 0);
        Set_Division_Name("Pacific", 4);
    }
    static void Season(TNUM nTeam, int nSeason, int nAttendance, int nNet, int nWins, int nLosses, int nTies,
                       int nRank, int nOutcome) {
        const int anValues[] = {nWins, nLosses, nTies, 0, 0, 0, 0, 0, nAttendance, nNet, nRank, nOutcome};
        for (int nField = 0; nField < NUMBER_OF_YEARLY_FIELDS; nField++)
            Set_Team_Yearly_Stat(nTeam, nSeason, nField, anValues[nField]);
    }
    static std::string Outcome(TNUM nTeam, int nLevel) {
        char szText[DIALOG_TEXT];
        Season_Outcome_Text(nTeam, nLevel, szText);
        return szText;
    }
};
} // namespace

TEST_F(TeamHistoryTest, NoCompletedSeasonReadsNotAvailable) {
    Season(0, 0, 500000, 1000, 10, 6, 0, 3, 5); // the season being played
    TeamHistory history;
    Fill_Team_History(0, &history);
    EXPECT_EQ(history.nSeasons, 0);
    EXPECT_STREQ(history.szAttendance, "Attendance: n/a");
    EXPECT_STREQ(history.szProfit, "Profit: n/a");
    EXPECT_STREQ(history.szRecord, "Record: n/a");
    EXPECT_STREQ(history.szRank, "Rank: n/a");
}

TEST_F(TeamHistoryTest, LinesOldestFirstWithTabsAndNegativeMoney) {
    Season(0, 0, 512340, -1234567, 9, 7, 0, 0, 8);
    Season(0, 1, 480000, 2000000, 4, 11, 1, 21, 1);
    g_League.anGameState[GS_SEASON_INDEX] = 2;
    TeamHistory history;
    Fill_Team_History(0, &history);
    ASSERT_EQ(history.nSeasons, 2);
    EXPECT_STREQ(history.aszLines[0], "2002\t512,340\t-$1,234,567\t9-7-0\t1st\tWorld Champion\t");
    EXPECT_STREQ(history.aszLines[1], "2003\t480,000\t$2,000,000\t4-11-1\t22nd\t4th (Central)\t");
    EXPECT_STREQ(history.szAttendance, "Attendance: 496,170");
    EXPECT_STREQ(history.szProfit, "Profit: $382,717"); // (765,433 + 1) / 2
    EXPECT_STREQ(history.szRecord, "Record: 7-9");      // (13 + 1) / 2, (18 + 0) / 2
    EXPECT_STREQ(history.szRank, "Rank: 12th");         // (21 + 1) / 2 + 1
}

TEST_F(TeamHistoryTest, AveragesRoundWinsUpAndLossesDown) {
    Season(1, 0, 3, -10, 1, 2, 0, 1, 0);
    Season(1, 1, 0, -11, 2, 1, 0, 2, 0);
    g_League.anGameState[GS_SEASON_INDEX] = 2;
    TeamHistory history;
    Fill_Team_History(1, &history);
    EXPECT_STREQ(history.szAttendance, "Attendance: 1");
    EXPECT_STREQ(history.szProfit, "Profit: -$10"); // (-21 + 1) / 2
    EXPECT_STREQ(history.szRecord, "Record: 2-1");  // (3 + 1) / 2, (3 + 0) / 2
    EXPECT_STREQ(history.szRank, "Rank: 3rd");      // (3 + 1) / 2 + 1
}

TEST_F(TeamHistoryTest, OutcomeTextsNameTheDivisionOrTheConference) {
    EXPECT_EQ(Outcome(0, 0), "5th (Central)");
    EXPECT_EQ(Outcome(0, 1), "4th (Central)");
    EXPECT_EQ(Outcome(0, 2), "3rd (Central)");
    EXPECT_EQ(Outcome(0, 3), "2nd (Central)");
    EXPECT_EQ(Outcome(0, 4), "AFC Wild Card");
    EXPECT_EQ(Outcome(0, 5), "1st (Central)");
    EXPECT_EQ(Outcome(2, 5), "1st (Pacific)");
    EXPECT_EQ(Outcome(0, 6), "AFC Divisional Winner");
    EXPECT_EQ(Outcome(2, 7), "NFC Champion");
    EXPECT_EQ(Outcome(2, 8), "World Champion");
    EXPECT_EQ(Outcome(0, 9), "");
    EXPECT_EQ(Outcome(0, -1), "");
}

TEST_F(TeamHistoryTest, OpensOnTheTeamOfSetting28) {
    g_League.anGameState[GS_USER_TEAM] = 2;
    EXPECT_EQ(History_First_Team(), 2);
    g_League.anGameState[GS_USER_TEAM] = 3; // not in use
    EXPECT_EQ(History_First_Team(), 0);
    TeamHistory history;
    g_League.anGameState[GS_SEASON_INDEX] = 1;
    Fill_Team_History(NO_TEAM, &history);
    EXPECT_EQ(history.nSeasons, 0);
}

TEST_F(TeamHistoryTest, ChartKeepsTheSeasonsOfTheListAndAScaleHoldingZero) {
    Season(0, 0, 0, 2000000, 12, 4, 0, 0, 0);
    Season(0, 1, 0, 500000, 3, 12, 1, 0, 0);
    Season(0, 2, 0, -900000, 9, 8, 0, 0, 0);  // the season being played: not drawn
    g_League.anGameState[GS_SEASON_INDEX] = 2;
    HistoryChart chart;
    Fill_History_Chart(0, &chart);
    TeamHistory history;
    Fill_Team_History(0, &history);
    ASSERT_EQ(chart.nSeasons, history.nSeasons);
    EXPECT_EQ(chart.anYear[0], 2002);
    EXPECT_EQ(chart.anYear[1], 2003);
    EXPECT_EQ(chart.anWins[0], 12);
    EXPECT_EQ(chart.anProfit[1], 500000);
    EXPECT_EQ(chart.nMostGames, 16);
    EXPECT_EQ(chart.nHighProfit, 2000000);
    EXPECT_EQ(chart.nLowProfit, 0);  // no loss, yet the zero line stays on the chart

    Season(0, 0, 0, -300000, -5, 2, 0, 0, 0);  // a damaged record
    Fill_History_Chart(0, &chart);
    EXPECT_EQ(chart.anWins[0], 0);
    EXPECT_EQ(chart.nLowProfit, -300000);
    EXPECT_EQ(chart.nHighProfit, 500000);

    Fill_History_Chart(NUMBER_OF_FRANCHISES, &chart);
    EXPECT_EQ(chart.nSeasons, 0);
    EXPECT_EQ(chart.nMostGames, 1);  // never a division by zero
}
