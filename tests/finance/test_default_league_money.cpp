// The money model run on the shipped league: a new game's figures and one
// season of games, looked at for the shape a playable league needs.
#include <string>
#include <vector>

#include "database/saved_game.h"
#include "database/team.h"
#include "finance/attendance.h"
#include "finance/factors.h"
#include "finance/finance.h"
#include "finance/settlement.h"
#include "test_support.h"

namespace {
class DefaultLeagueMoneyTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        ASSERT_TRUE(Load_Game((std::string(BRAKVELL_GAME_DIR) + "/Universe.dat").c_str()));
        Set_Game_State(GS_CURRENT_WEEK, 0);
        Set_League_Rule(LR_GAMES_PER_SEASON, 16);
        g_League.anCalendar[0] = 17;
        Initialise_League_Finances();
    }

    // Round robin of the first sixteen rounds: every team plays every week.
    static void Play_Season_Of_Settlements() {
        int nTeams = Number_Of_Teams();
        for (int nWeek = 0; nWeek < 16; nWeek++) {
            Set_Game_State(GS_CURRENT_WEEK, nWeek);
            for (int i = 0; i < nTeams / 2; i++) {
                TNUM nHome = (TNUM)((i + nWeek) % nTeams),
                     nVisitor = (TNUM)((nTeams - 1 - i + nWeek) % nTeams);
                if (nWeek % 2) std::swap(nHome, nVisitor);
                Settle_Game_Finances(nHome, nVisitor, Game_Attendance_Demand(nHome, nVisitor));
            }
        }
    }
};

TEST_F(DefaultLeagueMoneyTest, NewGameFigures) {
    bool bSmallest = false, bLargest = false;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        int nValue = Get_Team_Financial_Stat(nTeam, FIN_START_VALUE);
        EXPECT_GT(nValue, 50000000) << (int)nTeam;
        EXPECT_EQ(nValue / 20 + 3000000, Get_Team_Financial_Stat(nTeam, FIN_CASH));
        int nHandicap = Get_Team_Financial_Stat(nTeam, FIN_MARKET_HANDICAP);
        EXPECT_TRUE(nHandicap >= -100 && nHandicap <= 100) << nHandicap;
        bSmallest |= nHandicap == 100;
        bLargest |= nHandicap == -100;
        for (int nBudget : {FIN_SCOUTING_BUDGET, FIN_MEDICAL_BUDGET}) {
            int nAmount = Get_Team_Financial_Stat(nTeam, nBudget);
            EXPECT_EQ(0, nAmount % 5000);
            EXPECT_GT(nAmount, 0);
        }
        EXPECT_EQ(8, Get_Team_Financial_Stat(nTeam, FIN_HOME_GAMES_LAST_SEASON));
    }
    EXPECT_TRUE(bSmallest && bLargest);
}

// The first season compares itself with "last year": that must look like a
// season the same club could have had, not a multiple of one.
TEST_F(DefaultLeagueMoneyTest, LastSeasonLooksLikeOneOrdinarySeason) {
    int nTeams = Number_Of_Teams();
    std::vector<int64_t> anRevenue(nTeams), anCrowd(nTeams);
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) {
        int nHomeGames = Get_Team_Financial_Stat(nTeam, FIN_HOME_GAMES_LAST_SEASON);
        ASSERT_GT(nHomeGames, 0);
        anRevenue[nTeam] = Get_Team_Financial_Stat(nTeam, FIN_TICKET_REVENUE_LAST_SEASON);
        anCrowd[nTeam] = Get_Team_Financial_Stat(nTeam, FIN_HOME_ATTENDANCE_LAST_SEASON);
        EXPECT_LE(anCrowd[nTeam], (int64_t)nHomeGames * Get_Stadium_Field(nTeam, STADIUM_CAPACITY)) << (int)nTeam;
        EXPECT_GT(anCrowd[nTeam], 0) << (int)nTeam;
    }
    Play_Season_Of_Settlements();
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) {
        int64_t nRevenue = Get_Team_Financial_Stat(nTeam, FIN_TICKET_REVENUE_SEASON);
        int64_t nCrowd = Get_Team_Financial_Stat(nTeam, FIN_HOME_ATTENDANCE_SEASON);
        EXPECT_LT(anRevenue[nTeam], 2 * nRevenue) << (int)nTeam;
        EXPECT_GT(2 * anRevenue[nTeam], nRevenue) << (int)nTeam;
        EXPECT_LT(anCrowd[nTeam], 2 * nCrowd) << (int)nTeam;
        EXPECT_GT(2 * anCrowd[nTeam], nCrowd) << (int)nTeam;
    }
}

TEST_F(DefaultLeagueMoneyTest, ASeasonOfGamesKeepsTheLeaguePlayable) {
    int64_t nCashBefore = 0, nCashAfter = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        nCashBefore += Get_Team_Financial_Stat(nTeam, FIN_CASH);
    Play_Season_Of_Settlements();
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        int nCrowd = Get_Team_Financial_Stat(nTeam, FIN_AVERAGE_HOME_ATTENDANCE);
        EXPECT_GE(nCrowd, 4000) << (int)nTeam;
        EXPECT_LE(nCrowd, Get_Stadium_Field(nTeam, STADIUM_CAPACITY)) << (int)nTeam;
        EXPECT_EQ(16, Get_Team_Financial_Stat(nTeam, FIN_GAMES_SEASON));
        int nLoyalty = Get_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY);
        EXPECT_TRUE(nLoyalty >= LOYALTY_FLOOR && nLoyalty <= LOYALTY_CEILING) << nLoyalty;
        nCashAfter += Get_Team_Financial_Stat(nTeam, FIN_CASH);
    }
    // Neither ruined nor swimming in money after one season.
    EXPECT_GT(nCashAfter, nCashBefore / 2);
    EXPECT_LT(nCashAfter, nCashBefore * 2);
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        Finance_Season_End(nTeam, 2);
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        EXPECT_EQ(0, Get_Team_Financial_Stat(nTeam, FIN_GAMES_SEASON));
        EXPECT_EQ(16, Get_Team_Financial_Stat(nTeam, FIN_GAMES_LAST_SEASON));
        EXPECT_NE(0, Get_Team_Yearly_Stat(nTeam, Current_Season_Index(), YR_PROFIT));
    }
}
} // namespace
