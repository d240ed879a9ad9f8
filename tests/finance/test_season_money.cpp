#include <cstring>

#include "base/random.h"
#include "commands/core_hooks.h"
#include "database/team.h"
#include "finance/factors.h"
#include "finance/finance.h"
#include "money_league.h"

namespace {
class SeasonMoneyTest : public MoneyTest {
  protected:
    void SetUp() override {
        MoneyTest::SetUp();
        Make_League(2);
        memset(g_League.abPlayoffTeams, (uint8_t)NO_TEAM, sizeof g_League.abPlayoffTeams);
    }
};

TEST_F(SeasonMoneyTest, LoyaltyStaysWithinItsBoundsAtSeasonEnd) {
    EXPECT_EQ(1300, Season_End_Loyalty(1300, 16, 3, 8, 16));
    EXPECT_EQ(1188, Season_End_Loyalty(1000, 16, 3, 8, 16));
    EXPECT_EQ(700, Season_End_Loyalty(700, 0, 0, 0, 16));
    EXPECT_EQ(700, Season_End_Loyalty(650, 0, 0, 0, 16));
    EXPECT_EQ(LOYALTY_CEILING, Season_End_Loyalty(5000, 16, 3, 8, 16));
    EXPECT_EQ(LOYALTY_FLOOR, Season_End_Loyalty(700, 0, 0, 0, 0));
}

TEST_F(SeasonMoneyTest, SeasonEndRollsThisSeasonIntoLastAndClearsIt) {
    Set_Team_Record_Stat(0, YR_WINS, 12);
    Set_Team_Record_Stat(0, YR_LOSSES, 4);
    Set_Fin(0, FIN_HOME_ATTENDANCE_SEASON, 640000);
    Set_Fin(0, FIN_TICKET_REVENUE_SEASON, 20000000);
    Set_Fin(0, FIN_OPERATIONS_SEASON, 5000000);
    Set_Fin(0, FIN_HOME_GAMES_SEASON, 8);
    Set_Fin(0, FIN_GAMES_SEASON, 16);
    Finance_Season_End(0, 0);
    EXPECT_EQ(640000, Get_Team_Yearly_Stat(0, 0, YR_HOME_ATTENDANCE));
    EXPECT_EQ(20000000 - 5000000 - Ratio(15000000, 35, 100), Get_Team_Yearly_Stat(0, 0, YR_PROFIT));
    EXPECT_EQ(5, Get_Team_Yearly_Stat(0, 0, YR_OUTCOME));
    EXPECT_EQ(640000, Fin(0, FIN_HOME_ATTENDANCE_LAST_SEASON));
    EXPECT_EQ(20000000, Fin(0, FIN_TICKET_REVENUE_LAST_SEASON));
    EXPECT_EQ(8, Fin(0, FIN_HOME_GAMES_LAST_SEASON));
    EXPECT_EQ(16, Fin(0, FIN_GAMES_LAST_SEASON));
    for (int nField : {FIN_TICKET_REVENUE_SEASON, FIN_HOME_ATTENDANCE_SEASON, FIN_OPERATIONS_SEASON,
                       FIN_HOME_GAMES_SEASON, FIN_GAMES_SEASON})
        EXPECT_EQ(0, Fin(0, nField)) << nField;
    EXPECT_EQ(Season_End_Loyalty(1000, 12, 0, 5, 16), Fin(0, FIN_FAN_LOYALTY));
}

TEST_F(SeasonMoneyTest, SeasonEndRefusesBadTeams) {
    Finance_Season_End(9, 0);
    EXPECT_TRUE(Logged("Invalid nTeam in Finance_Season_End(9)"));
}

TEST_F(SeasonMoneyTest, AnAverageFranchiseInTheReferenceCityIsWorthTwoHundredMillion) {
    EXPECT_EQ(200000000, Franchise_Value(0));
    g_League.aCities[1].anData[CITY_INCOME] = 50000;
    Set_Fin(1, FIN_FAN_LOYALTY, 1300);
    EXPECT_EQ(Ratio(400000000, 1800, 1500), Franchise_Value(1));
}

TEST_F(SeasonMoneyTest, OverpaidPlayersLowerTheFranchiseValue) {
    Add_Player(0, 1000, 30, 2);
    Add_Player(0, 4000, 30, 2);
    // Two years left of $3 million over the mark: 2 x 3000 / 3 = 2000 less.
    EXPECT_NEAR(Player_Franchise_Value(0, 0) - 2000, Player_Franchise_Value(0, 1), 1);
}

// The trade value comes through the hook and nothing else; a missing hook is
// logged and the player counts only what his contract costs.
TEST_F(SeasonMoneyTest, ThePlayersTradeValueComesThroughItsHook) {
    Add_Player(0, 1000, 30, 2);  // age multiplier 100, no bonus, not overpaid
    Set_Trade_Value_Hook([](TNUM, PNUM) { return 5000; });
    int nHooked = Player_Franchise_Value(0, 0);
    Set_Trade_Value_Hook(nullptr);
    int nUnhooked = Player_Franchise_Value(0, 0);
    Install_Core_Hooks();
    EXPECT_EQ(5000, nHooked);
    EXPECT_EQ(0, nUnhooked);
    EXPECT_TRUE(Logged("No trade value hook in Player_Franchise_Value()"));
}

class NewLeagueTest : public MoneyTest {
  protected:
    void SetUp() override {
        MoneyTest::SetUp();
        Make_League(2);
    }
};

TEST_F(NewLeagueTest, ConcessionPricesFollowIncomeInQuarterDollars) {
    g_League.aCities[1].anData[CITY_INCOME] = 26000;
    Initialise_League_Finances();
    EXPECT_EQ(500, Fin(0, FIN_FOOD_PRICE));
    EXPECT_EQ(350, Fin(0, FIN_BEER_PRICE));
    EXPECT_EQ(750, Fin(0, FIN_SOUVENIR_PRICE));
    EXPECT_EQ(500, Fin(1, FIN_FOOD_PRICE));
    EXPECT_EQ(350, Fin(1, FIN_BEER_PRICE));
    EXPECT_EQ(775, Fin(1, FIN_SOUVENIR_PRICE));
}

TEST_F(NewLeagueTest, ValueCashDividendsAndBudgets) {
    for (int i = 0; i < 63; i++)
        Add_Player(1, 1000, 30, 1); // a $63 million payroll
    Initialise_League_Finances();
    int nValue = Fin(0, FIN_START_VALUE);
    EXPECT_EQ(200000000, nValue);
    EXPECT_EQ(13000000, Fin(0, FIN_CASH));
    EXPECT_EQ(1250000, Fin(0, FIN_DIVIDEND_PER_GAME));
    // No payroll: the best staff money buys.
    EXPECT_EQ(1000, Fin(0, FIN_SCOUTING_QUALITY));
    EXPECT_EQ(1500, Fin(0, FIN_MEDICAL_QUALITY));
    EXPECT_EQ(120000, Fin(0, FIN_SCOUTING_BUDGET));
    EXPECT_EQ(375000, Fin(0, FIN_MEDICAL_BUDGET));
    // The reference payroll: an average staff.
    EXPECT_EQ(500, Fin(1, FIN_SCOUTING_QUALITY));
    EXPECT_EQ(1000, Fin(1, FIN_MEDICAL_QUALITY));
    EXPECT_EQ(60000, Fin(1, FIN_SCOUTING_BUDGET));
    EXPECT_EQ(250000, Fin(1, FIN_MEDICAL_BUDGET));
}

TEST_F(NewLeagueTest, LastSeasonFiguresGiveTheFirstSeasonAComparison) {
    Initialise_League_Finances();
    EXPECT_EQ(8, Fin(0, FIN_HOME_GAMES_LAST_SEASON));
    EXPECT_EQ(16, Fin(0, FIN_GAMES_LAST_SEASON));
    int g = Fin(0, FIN_TICKET_REVENUE_LAST_SEASON);
    EXPECT_GT(g, 0);
    int nCrowd = Fin(0, FIN_HOME_ATTENDANCE_LAST_SEASON);
    EXPECT_EQ(0, nCrowd % 8);  // eight home games of one crowd
    EXPECT_NEAR(Ratio(g, 100, 2500), nCrowd, 8);
    EXPECT_EQ(Ratio(Ratio(g, 25, 100), 45, 100), Fin(0, FIN_BEER_PROFIT_LAST_SEASON));
    EXPECT_EQ(16 * Fin(0, FIN_DIVIDEND_PER_GAME), Fin(0, FIN_DIVIDENDS_LAST_SEASON));
    EXPECT_EQ(2 * 25000 * 16, Fin(0, FIN_OPERATIONS_LAST_SEASON));
    EXPECT_EQ(16 * Fin(0, FIN_MEDICAL_BUDGET), Fin(0, FIN_MEDICAL_SPENT_LAST_SEASON));
    EXPECT_GT(Fin(0, FIN_LOCAL_BROADCAST_LAST_SEASON), 0);
    EXPECT_GT(Fin(0, FIN_NATIONAL_BROADCAST_LAST_SEASON), 0);
}

TEST_F(NewLeagueTest, LastSeasonCrowdsFitTheStadium) {
    Initialise_League_Finances();
    int nCrowd = Fin(0, FIN_HOME_ATTENDANCE_LAST_SEASON) / 8;
    ASSERT_GT(nCrowd, 1000);
    // One seat fewer than the crowd: every game was a sell-out, at the stadium's size.
    Set_Stadium_Field(0, STADIUM_CAPACITY, nCrowd - 1);
    Initialise_League_Finances();
    EXPECT_EQ(8 * (nCrowd - 1), Fin(0, FIN_HOME_ATTENDANCE_LAST_SEASON));
    EXPECT_EQ(8 * Ratio(nCrowd - 1, 2500, 100), Fin(0, FIN_TICKET_REVENUE_LAST_SEASON));
    Set_Stadium_Field(0, STADIUM_CAPACITY, nCrowd);
    Initialise_League_Finances();
    EXPECT_EQ(8 * nCrowd, Fin(0, FIN_HOME_ATTENDANCE_LAST_SEASON));
    Set_Stadium_Field(0, STADIUM_CAPACITY, -5);  // damaged: nobody came
    Initialise_League_Finances();
    EXPECT_EQ(0, Fin(0, FIN_HOME_ATTENDANCE_LAST_SEASON));
    EXPECT_EQ(0, Fin(0, FIN_TICKET_REVENUE_LAST_SEASON));
}

TEST_F(NewLeagueTest, MarketHandicapFavoursTheSmallestFranchise) {
    Make_League(3);
    g_League.aCities[1].anData[CITY_INCOME] = 50000;
    g_League.aCities[2].anData[CITY_INCOME] = 35000;
    Initialise_League_Finances();
    EXPECT_EQ(100, Fin(0, FIN_MARKET_HANDICAP));
    EXPECT_EQ(-100, Fin(1, FIN_MARKET_HANDICAP));
    int nMiddle = Fin(2, FIN_MARKET_HANDICAP);
    EXPECT_GT(nMiddle, -100);
    EXPECT_LT(nMiddle, 100);
}

} // namespace
