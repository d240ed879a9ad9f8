#include "base/random.h"
#include "finance/factors.h"
#include "finance/medical.h"
#include "finance/settlement.h"
#include "money_league.h"

namespace {
class SettlementTest : public MoneyTest {
  protected:
    void SetUp() override {
        MoneyTest::SetUp();
        Make_League(2);
        for (TNUM nTeam = 0; nTeam < 2; nTeam++) {
            for (int i = 0; i < 5; i++)
                Add_Player(nTeam, 1600, 27, 2);
            Set_Fin(nTeam, FIN_FOOD_PRICE, 500);
            Set_Fin(nTeam, FIN_BEER_PRICE, 350);
            Set_Fin(nTeam, FIN_SOUVENIR_PRICE, 750);
            Set_Fin(nTeam, FIN_DIVIDEND_PER_GAME, 1000000);
            Set_Fin(nTeam, FIN_SCOUTING_BUDGET, 60000);
            Set_Fin(nTeam, FIN_MEDICAL_BUDGET, 250000);
            Set_Fin(nTeam, FIN_SCOUTING_QUALITY, 500);
            Set_Fin(nTeam, FIN_MEDICAL_QUALITY, 1000);
        }
    }

    // What the game's fields say the team earned before tax and dividends.
    static int64_t Taxable_From_Fields(TNUM nTeam, int nShare, bool bPostseason) {
        int64_t n = nShare + Fin(nTeam, FIN_FOOD_PROFIT_LAST_GAME) + Fin(nTeam, FIN_BEER_PROFIT_LAST_GAME) +
                    Fin(nTeam, FIN_SOUVENIR_PROFIT_LAST_GAME) - Fin(nTeam, FIN_OPERATIONS_LAST_GAME);
        if (!bPostseason)
            n += Fin(nTeam, FIN_LOCAL_BROADCAST_LAST_GAME) + Fin(nTeam, FIN_NATIONAL_BROADCAST_LAST_GAME) -
                 Fin(nTeam, FIN_SALARIES_LAST_GAME) - Fin(nTeam, FIN_SCOUTING_BUDGET) -
                 Fin(nTeam, FIN_MEDICAL_BUDGET);
        return n;
    }
};

TEST_F(SettlementTest, CashChangesByTheSumOfTheGamesFields) {
    int nCash[2] = {Fin(0, FIN_CASH), Fin(1, FIN_CASH)};
    Settle_Game_Finances(0, 1, 50000);
    int nGate = Fin(0, FIN_GATE_LAST_GAME);
    EXPECT_EQ(50000 * 25, nGate);
    int nShare[2] = {Ratio(nGate, 66, 100), Ratio(nGate, 34, 100)};
    for (TNUM nTeam = 0; nTeam < 2; nTeam++) {
        EXPECT_EQ(nShare[nTeam], Fin(nTeam, FIN_TICKET_REVENUE_SEASON));
        int64_t nTaxable = Taxable_From_Fields(nTeam, nShare[nTeam], false);
        EXPECT_EQ(nCash[nTeam] + nTaxable - Fin(nTeam, FIN_DIVIDEND_PER_GAME) - Ratio(nTaxable, 35, 100),
                  Fin(nTeam, FIN_CASH))
            << (int)nTeam;
        EXPECT_EQ(Fin(nTeam, FIN_LOCAL_BROADCAST_LAST_GAME), Fin(nTeam, FIN_LOCAL_BROADCAST_SEASON));
        EXPECT_EQ(Fin(nTeam, FIN_DIVIDEND_PER_GAME), Fin(nTeam, FIN_DIVIDENDS_SEASON));
        EXPECT_EQ(Fin(nTeam, FIN_SALARIES_LAST_GAME), Fin(nTeam, FIN_SALARIES_SEASON));
        EXPECT_EQ(500000, Fin(nTeam, FIN_SALARIES_LAST_GAME)); // 5 x $1.6 million over 16 games
        EXPECT_EQ(1, Fin(nTeam, FIN_GAMES_SEASON));
    }
    EXPECT_EQ(0, Fin(1, FIN_FOOD_PROFIT_LAST_GAME) + Fin(1, FIN_BEER_PROFIT_LAST_GAME) +
                     Fin(1, FIN_SOUVENIR_PROFIT_LAST_GAME)); // concessions are the home team's
    EXPECT_EQ(1, Fin(0, FIN_HOME_GAMES_SEASON));
    EXPECT_EQ(0, Fin(1, FIN_HOME_GAMES_SEASON));
    EXPECT_EQ(50000, Fin(0, FIN_HOME_ATTENDANCE_SEASON));
    EXPECT_EQ(50000, Fin(1, FIN_ROAD_ATTENDANCE_SEASON));
    EXPECT_EQ(Fin(0, FIN_NATIONAL_BROADCAST_LAST_GAME), Fin(1, FIN_NATIONAL_BROADCAST_LAST_GAME));
}

TEST_F(SettlementTest, PostseasonDoublesTheGateAndChargesOnlyOperationsAndTax) {
    g_League.anGameState[GS_CURRENT_WEEK] = 17;
    int nCash[2] = {Fin(0, FIN_CASH), Fin(1, FIN_CASH)};
    Settle_Game_Finances(0, 1, 50000);
    EXPECT_EQ(2 * 50000 * 25, Fin(0, FIN_GATE_LAST_GAME));
    for (TNUM nTeam = 0; nTeam < 2; nTeam++) {
        for (int nField :
             {FIN_LOCAL_BROADCAST_LAST_GAME, FIN_LOCAL_BROADCAST_SEASON, FIN_NATIONAL_BROADCAST_LAST_GAME,
              FIN_NATIONAL_BROADCAST_SEASON, FIN_SALARIES_SEASON, FIN_DIVIDENDS_SEASON,
              FIN_SCOUTING_SPENT_SEASON, FIN_MEDICAL_SPENT_SEASON})
            EXPECT_EQ(0, Fin(nTeam, nField)) << nField;
        EXPECT_EQ(500, Fin(nTeam, FIN_SCOUTING_QUALITY));
        int nShare = Ratio(Fin(0, FIN_GATE_LAST_GAME), nTeam == 0 ? 66 : 34, 100);
        int64_t nTaxable = Taxable_From_Fields(nTeam, nShare, true);
        EXPECT_EQ(nCash[nTeam] + nTaxable - Ratio(nTaxable, 35, 100), Fin(nTeam, FIN_CASH));
    }
}

TEST_F(SettlementTest, ALossEarnsATaxCredit) {
    g_League.anGameState[GS_CURRENT_WEEK] = 17;
    Settle_Game_Finances(0, 1, 0);
    // $650,000 operating costs, 35% of them back.
    EXPECT_EQ(15000000 - 650000 + 227499, Fin(1, FIN_CASH));
}

TEST_F(SettlementTest, CashSaturatesInsteadOfWrapping) {
    Set_Fin(0, FIN_CASH, INT32_MAX - 10);
    Settle_Game_Finances(0, 1, 80000);
    EXPECT_GT(Fin(0, FIN_CASH), 2000000000);
}

TEST_F(SettlementTest, DamagedPricesAreReadWithinTheirRanges) {
    Set_Fin(0, FIN_TICKET_PRICE, INT32_MAX);
    Set_Fin(0, FIN_BEER_PRICE, -5000);
    Set_Fin(0, FIN_FOOD_PRICE, INT32_MAX);
    Settle_Game_Finances(0, 1, 1000);
    EXPECT_EQ(1000 * 500, Fin(0, FIN_GATE_LAST_GAME));
    EXPECT_EQ(0, Fin(0, FIN_FOOD_PROFIT_LAST_GAME)); // nobody pays $100 with no money left
    EXPECT_LE(Fin(0, FIN_BEER_PROFIT_LAST_GAME), 0); // free beer
}

TEST_F(SettlementTest, RefusesBadTeams) {
    Settle_Game_Finances(0, 0, 50000);
    Settle_Game_Finances(0, 7, 50000);
    EXPECT_TRUE(Logged("Invalid nTeam in Settle_Game_Finances(0, 0)"));
    EXPECT_EQ(0, Fin(0, FIN_HOME_ATTENDANCE_SEASON));
    EXPECT_EQ(15000000, Fin(0, FIN_CASH));
}

TEST_F(SettlementTest, CheapTicketsWinFansDearOnesLoseThem) {
    Set_Fin(0, FIN_TICKET_PRICE, 0);
    Set_Fin(0, FIN_BEER_PRICE, 0);
    Set_Fin(0, FIN_FOOD_PRICE, 0);
    Set_Fin(0, FIN_SOUVENIR_PRICE, 0);
    for (int i = 0; i < 20; i++)
        Settle_Game_Finances(0, 1, 0);
    EXPECT_EQ(1020, Fin(0, FIN_FAN_LOYALTY));
    // $60 in a $25,000 city: x = -1000, every game costs a point, even near the top.
    Set_Fin(0, FIN_FAN_LOYALTY, 1300);
    Set_Fin(0, FIN_TICKET_PRICE, 6000);
    Settle_Game_Finances(0, 1, 0);
    EXPECT_EQ(1299, Fin(0, FIN_FAN_LOYALTY));
}

TEST_F(SettlementTest, TicketDriftHasNoBoundsOfItsOwn) {
    for (TNUM nTeam = 0; nTeam < 2; nTeam++)
        Set_Fin(nTeam, FIN_FAN_LOYALTY, 1300);
    Set_Fin(0, FIN_TICKET_PRICE, 0);
    Set_Fin(0, FIN_BEER_PRICE, 0);
    Set_Fin(0, FIN_FOOD_PRICE, 0);
    Set_Fin(0, FIN_SOUVENIR_PRICE, 0);
    Settle_Game_Finances(0, 1, 0);
    EXPECT_EQ(1301, Fin(0, FIN_FAN_LOYALTY));
}

class ConcessionsTest : public MoneyTest {
  protected:
    void SetUp() override {
        MoneyTest::SetUp();
        Make_League(2);
        Set_Fin(0, FIN_TICKET_PRICE,
                1000); // leaves the fan $50: budgets $10 beer, $16.66 food, $25 souvenirs
    }
};

TEST_F(ConcessionsTest, ThreeQuartersOfTheBudgetSellsToAQuarterOfTheCrowd) {
    Set_Fin(0, FIN_BEER_PRICE, 750);      // exactly 750 per mille: the steep branch
    Set_Fin(0, FIN_FOOD_PRICE, 1248);     // 749 per mille: the gentle branch
    Set_Fin(0, FIN_SOUVENIR_PRICE, 4375); // 1750 per mille: nothing sells
    int nTotal = Sell_Concessions(0, 40000);
    // Beer: a quarter of the crowd, doubled, at 7.50 over a 25-cent cost.
    EXPECT_EQ(20000 * 725 / 100, Fin(0, FIN_BEER_PROFIT_LAST_GAME));
    EXPECT_EQ(Ratio(10040, 1248, 100) - Ratio(10040, 50, 100), Fin(0, FIN_FOOD_PROFIT_LAST_GAME));
    EXPECT_EQ(0, Fin(0, FIN_SOUVENIR_PROFIT_LAST_GAME));
    EXPECT_EQ(Fin(0, FIN_BEER_PROFIT_LAST_GAME) + Fin(0, FIN_FOOD_PROFIT_LAST_GAME), nTotal);
    EXPECT_EQ(Fin(0, FIN_BEER_PROFIT_LAST_GAME), Fin(0, FIN_BEER_PROFIT_SEASON));
}

TEST_F(ConcessionsTest, FansPricedOutByTheTicketBuyNothing) {
    Set_Fin(0, FIN_TICKET_PRICE, 7000); // dearer than the $60 the fan brings
    Set_Fin(0, FIN_BEER_PRICE, 350);
    Set_Fin(0, FIN_FOOD_PRICE, 500);
    Set_Fin(0, FIN_SOUVENIR_PRICE, 750);
    EXPECT_EQ(0, Sell_Concessions(0, 40000));
    EXPECT_EQ(0, Fin(0, FIN_BEER_PROFIT_LAST_GAME) + Fin(0, FIN_FOOD_PROFIT_LAST_GAME) +
                     Fin(0, FIN_SOUVENIR_PROFIT_LAST_GAME));
}

TEST_F(ConcessionsTest, FreeItemsAreTakenByEveryoneAtALoss) {
    EXPECT_EQ(-(Ratio(80000, 25, 100) + 2 * Ratio(40000, 50, 100)), Sell_Concessions(0, 40000));
}

TEST_F(ConcessionsTest, DearItemsCostLoyaltyButNeverBelowTheFloor) {
    Set_Fin(0, FIN_BEER_PRICE, 10000);
    Set_Fin(0, FIN_FOOD_PRICE, 10000);
    Set_Fin(0, FIN_SOUVENIR_PRICE, 10000);
    Set_Fin(0, FIN_FAN_LOYALTY, 701);
    for (int i = 0; i < 10; i++)
        Sell_Concessions(0, 40000);
    EXPECT_EQ(LOYALTY_FLOOR, Fin(0, FIN_FAN_LOYALTY));
}

class BroadcastTest : public MoneyTest {
  protected:
    void SetUp() override {
        MoneyTest::SetUp();
        Make_League(2);
    }
};

TEST_F(BroadcastTest, HomeGamesEarnLessLocallyThanRoadGames) {
    EXPECT_EQ(1239350, Local_Broadcast_Revenue(0, true));
    EXPECT_EQ(1454890, Local_Broadcast_Revenue(0, false));
}

TEST_F(BroadcastTest, BlackoutEarnsNothingAtHomeButFullRoadMoney) {
    Set_Fin(0, FIN_BROADCAST_POLICY, 2);
    EXPECT_EQ(0, Local_Broadcast_Revenue(0, true));
    EXPECT_EQ(1454890, Local_Broadcast_Revenue(0, false));
}

TEST_F(BroadcastTest, PayOnlyEarnsHalfAgainAndCostsFans) {
    Set_Fin(0, FIN_BROADCAST_POLICY, 1);
    Set_Fin(0, FIN_FAN_LOYALTY, 1300);
    EXPECT_EQ(2416733, Local_Broadcast_Revenue(0, true)); // $15.60 a fan, x 1.5, x 0.92 at home
    Set_Fin(0, FIN_FAN_LOYALTY, 1000);
    for (int i = 0; i < 200; i++)
        Local_Broadcast_Revenue(0, true);
    int nLost = 1000 - Fin(0, FIN_FAN_LOYALTY); // about 30 in 100 games
    EXPECT_GT(nLost, 30);
    EXPECT_LT(nLost, 90);
}

TEST_F(BroadcastTest, NationalMoneyFollowsLeagueLoyaltyAndWealth) {
    EXPECT_EQ(5156250, National_Broadcast_Revenue());
    Set_Fin(1, FIN_FAN_LOYALTY, 1200);
    EXPECT_EQ(Ratio(5156250, 1100, 1000), National_Broadcast_Revenue());
}

} // namespace

namespace {
class MedicalStaffTest : public MoneyTest {};

TEST_F(MedicalStaffTest, TheBiggerBudgetBuysTheBetterRank) {
    Make_League(3);
    for (TNUM nTeam = 0; nTeam < 3; nTeam++)
        Set_Fin(nTeam, FIN_MEDICAL_QUALITY, 1000);
    EXPECT_EQ(0, Medical_Staff_Rank(2)); // equal staffs share the best rank
    Set_Fin(1, FIN_MEDICAL_BUDGET, 400000);
    Settle_Game_Finances(1, 0, 30000);
    EXPECT_EQ(0, Medical_Staff_Rank(1));
    EXPECT_EQ(1, Medical_Staff_Rank(2));
}
} // namespace
