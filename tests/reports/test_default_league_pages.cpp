// The season pages on the league a new game starts from: every column of
// every team has its text, the strongest groups grade above the weakest,
// and nothing lands in the log.
#include <filesystem>
#include <string>

#include "database/saved_game.h"
#include "database/team.h"
#include "reports/finance_columns.h"
#include "reports/finance_page.h"
#include "reports/playoff_page.h"
#include "reports/standings_columns.h"
#include "reports/standings_page.h"
#include "reports/team_history.h"
#include "season/standings.h"
#include "test_support.h"

namespace {
class DefaultLeaguePagesTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        std::string szUniverse = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
        if (!std::filesystem::exists(szUniverse)) GTEST_SKIP() << "no default league built";
        ASSERT_TRUE(Load_Game(szUniverse.c_str()));
        Recompute_Standings();
        Headless_Reset();
    }
};
}  // namespace

TEST_F(DefaultLeaguePagesTest, EveryColumnOfEveryTeamHasItsText) {
    ASSERT_GT(Number_Of_Teams(), 0);
    FinanceAverages averages;
    Compute_Finance_Averages(&averages);
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        char szText[DIALOG_TEXT];
        for (int nColumn = 0; nColumn < NUMBER_OF_STANDINGS_COLUMNS; nColumn++) {
            Standings_Column_Text(nTeam, nColumn, szText);
            EXPECT_NE(szText[0], '\0') << (int)nTeam << " standings column " << nColumn;
        }
        for (int nColumn = 0; nColumn < NUMBER_OF_FINANCE_COLUMNS; nColumn++) {
            Finance_Column_Text(nTeam, nColumn, szText, &averages);
            EXPECT_NE(szText[0], '\0') << (int)nTeam << " finance column " << nColumn;
        }
    }
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(DefaultLeaguePagesTest, GroupGradesSpreadAroundTheLeague) {
    for (int nGroup = 0; nGroup < NUMBER_OF_STRENGTH_GROUPS; nGroup++) {
        int nLow = 1 << 30, nHigh = 0;
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
            int nStrength = Group_Strength(nTeam, nGroup);
            nLow = std::min(nLow, nStrength);
            nHigh = std::max(nHigh, nStrength);
        }
        int nAverage = League_Group_Strength(nGroup);
        EXPECT_GT(nAverage, 0) << "group " << nGroup;
        EXPECT_LE(nLow, nAverage);
        EXPECT_GE(nHigh, nAverage);
    }
}

TEST_F(DefaultLeaguePagesTest, PagesFillForBothConferences) {
    for (int nConference = 0; nConference < 2; nConference++) {
        Set_Game_State(GS_CONFERENCE_VIEW, nConference);
        StandingsPage standings;
        Fill_Standings_Page(&standings);
        int nRows = 0;
        for (int i = 0; i < standings.nDivisions; i++) nRows += standings.aDivisions[i].nRows;
        FinancePage finances;
        Fill_Finance_Page(&finances);
        EXPECT_EQ(nRows, finances.nRows);
        EXPECT_EQ(nRows, League_Team_Count(nConference));
    }
    PlayoffPage playoffs;
    Fill_Playoff_Page(&playoffs);
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        TeamHistory history;
        Fill_Team_History(nTeam, &history);
        EXPECT_EQ(history.nSeasons, Current_Season_Index());
    }
    EXPECT_TRUE(Logged_Nothing());
}
