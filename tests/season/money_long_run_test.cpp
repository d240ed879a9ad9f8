// Ten seasons of the default league with every team computer-managed: the
// managers' prices and budgets stay within what the dialogs allow, and
// renewing them as cash and payroll move keeps most franchises out of debt.
#include "database/integrity.h"
#include "default_season_fixture.h"
#include "finance/budget_dialogs.h"
#include "season/season_loop.h"

namespace {
constexpr int SEASONS = 10;
// Without the money settings about a third of the league ends these ten
// seasons in debt; with them a few teams at most.
constexpr int MOST_IN_DEBT_PER_SIX = 1;

class MoneyLongRunTest : public DefaultSeasonTest, public ::testing::WithParamInterface<int> {};
}  // namespace

TEST_P(MoneyLongRunTest, ComputerManagersKeepTheirFranchisesSolvent) {
    Start((uint32_t)GetParam());
    int nSeason = Current_Season_Index();
    for (int n = 0; n < SEASONS; n++) {
        Play_Weeks(22);  // the regular season
        Play_Weeks(22);  // the playoffs
        Play_Weeks(22);  // the next season starts
    }
    ASSERT_EQ(Current_Season_Index(), nSeason + SEASONS);

    int nTeams = 0, nInDebt = 0;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        SCOPED_TRACE(testing::Message() << "team " << (int)nTeam);
        nTeams++;
        nInDebt += Get_Team_Financial_Stat(nTeam, FIN_CASH) < 0;
        int nTicket = Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE);
        EXPECT_TRUE(nTicket > 0 && nTicket <= MAX_TICKET_PRICE && nTicket % 25 == 0) << nTicket;
        for (int nField : {FIN_BEER_PRICE, FIN_FOOD_PRICE, FIN_SOUVENIR_PRICE}) {
            int nPrice = Get_Team_Financial_Stat(nTeam, nField);
            EXPECT_TRUE(nPrice > 0 && nPrice <= MAX_CONCESSION_PRICE && nPrice % 5 == 0) << nPrice;
        }
        for (int nField : {FIN_SCOUTING_BUDGET, FIN_MEDICAL_BUDGET}) {
            int nBudget = Get_Team_Financial_Stat(nTeam, nField);
            EXPECT_TRUE(nBudget >= 0 && nBudget <= MAX_BUDGET && nBudget % 100 == 0) << nBudget;
        }
        int nPolicy = Get_Team_Financial_Stat(nTeam, FIN_BROADCAST_POLICY);
        EXPECT_TRUE(nPolicy >= BROADCAST_NORMAL && nPolicy <= BROADCAST_BLACKOUT) << nPolicy;
    }
    EXPECT_LE(nInDebt * 6, nTeams * MOST_IN_DEBT_PER_SIX) << nInDebt << " of " << nTeams << " in debt";
    std::vector<std::string> violations;
    EXPECT_EQ(Check_League_Integrity(&violations), 0) << violations.front();
}

INSTANTIATE_TEST_SUITE_P(Seeds, MoneyLongRunTest, ::testing::Values(7));
