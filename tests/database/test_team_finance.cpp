#include <cstring>
#include <iterator>

#include "player_fixture.h"

class FinanceTest : public PlayerTest {
  protected:
    static void Fin(TNUM nTeam, int nIndex, int nValue) { Set_Team_Financial_Stat(nTeam, nIndex, nValue); }
    static void Contract(TNUM nTeam, PNUM nPlayer, int nSalary, int nBonus, int nYears) {
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY, nSalary);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS, nBonus);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_YEARS, nYears);
    }
};

TEST_F(FinanceTest, RatiosWithAnEmptyDivisor) {
    Fin(0, FIN_HOME_ATTENDANCE_SEASON, 5000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_AVERAGE_HOME_ATTENDANCE), 5000);  // no home games yet
    Fin(0, FIN_HOME_GAMES_SEASON, 3);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_AVERAGE_HOME_ATTENDANCE), 1666);  // truncated
    Fin(0, FIN_ROAD_ATTENDANCE_SEASON, 700);
    Fin(0, FIN_GAMES_SEASON, 3);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_AVERAGE_ROAD_ATTENDANCE), 700);  // no road games yet
    Fin(0, FIN_GAMES_SEASON, 10);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_AVERAGE_ROAD_ATTENDANCE), 100);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_LIQUIDITY), 0);  // no start value
}

TEST_F(FinanceTest, IncomeExpenseAndProfitCodes) {
    for (int nField : {FIN_TICKET_REVENUE_SEASON, FIN_LOCAL_BROADCAST_SEASON, FIN_NATIONAL_BROADCAST_SEASON,
                       FIN_FOOD_PROFIT_SEASON, FIN_BEER_PROFIT_SEASON, FIN_SOUVENIR_PROFIT_SEASON})
        Fin(0, nField, 1000000);  // income 6000000
    for (int nField : {FIN_OPERATIONS_SEASON, FIN_SALARIES_SEASON, FIN_SCOUTING_SPENT_SEASON, FIN_MEDICAL_SPENT_SEASON})
        Fin(0, nField, 500000);  // expenses 2000000
    Fin(0, FIN_DIVIDENDS_SEASON, 100000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_REVENUE_SEASON), 6000000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_TAX_SEASON), 1400000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_OUTLAY_SEASON), 2000000 + 100000 + 1400000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_PROFIT), 2500000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_BROADCAST_REVENUE_SEASON), 2000000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_TAX_PER_GAME), 0);
    Fin(0, FIN_GAMES_SEASON, 7);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_TAX_PER_GAME), 200000);
    Fin(1, FIN_CASH, -30000000);
    EXPECT_EQ(Get_Team_Financial_Stat(1, FIN_WEALTH), 0);
}

TEST_F(FinanceTest, LastGameExpensesFallBackWhenZero) {
    Add_City("Akron");
    Set_City_Data(0, CITY_INCOME, 1000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_OPERATIONS_LAST_GAME), 1000 * 13 + 325000);
    Fin(0, FIN_OPERATIONS_LAST_GAME, 77);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_OPERATIONS_LAST_GAME), 77);
    Set_League_Rule(LR_GAMES_PER_SEASON, 16);
    Fill_Team(0, 2, 100);
    Contract(0, 0, 1000, 0, 1);
    Contract(0, 1, 100, 0, 1);  // reads as 225
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_SALARIES_LAST_GAME), 62500 + 14063);
}

TEST_F(FinanceTest, PayrollAndFantasyDraftPayroll) {
    Fill_Team(0, 2, 100);
    Contract(0, 0, 500, 900, 3);
    Contract(0, 1, 300, 0, 0);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_PAYROLL), 1100);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_PAYROLL_INDEX), 17);
    Put_Player(38, 0, 900);
    Contract(38, 0, 400, 0, 1);
    Set_Player_Vital_Stat(38, 0, VS_DESTINATION, 1);
    Set_Player_Vital_Stat(0, 1, VS_DESTINATION, 1);
    Set_Player_Vital_Stat(0, 0, VS_DESTINATION, NO_TEAM);
    Set_League_Rule(LR_FANTASY_DRAFT, 1);
    EXPECT_EQ(Get_Team_Financial_Stat(1, FIN_PAYROLL), 700);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_PAYROLL), 0);
}

TEST_F(FinanceTest, AveragesOverTheFirstFiftyThreeSlots) {
    Fill_Team(0, 60, 100);
    for (PNUM n = 0; n < 60; n++) {
        Set_Player_Vital_Stat(0, n, VS_SALARY, n < 53 ? 1000 : 99999);
        Set_Player_Vital_Stat(0, n, VS_AGE, 26);
        Set_Player_Vital_Stat(0, n, VS_CONTRACT_LEFT, n % 2);
    }
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_AVERAGE_SALARY), 1000);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_AVERAGE_AGE), 260);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_AVERAGE_CONTRACT), 5);
}

TEST_F(FinanceTest, SeasonEndCopiesAndClearing) {
    Set_Game_State(GS_SEASON_INDEX, 2);
    Fin(3, FIN_HOME_ATTENDANCE_SEASON, 1234);
    Fin(3, FIN_LOCAL_BROADCAST_SEASON, 70);
    Fin(3, FIN_GAMES_SEASON, 720);
    Fin(3, FIN_ROAD_ATTENDANCE_SEASON, 190);
    memset(g_League.abPlayoffTeams, NO_TEAM, sizeof g_League.abPlayoffTeams);
    Team_Season_End(3, 0);  // first in its division, out of the playoffs
    EXPECT_EQ(Get_Team_Yearly_Stat(3, 2, YR_HOME_ATTENDANCE), 1234);
    EXPECT_EQ(Get_Team_Yearly_Stat(3, 2, YR_PROFIT), 70 - 25);
    EXPECT_EQ(Get_Team_Yearly_Stat(3, 2, YR_OUTCOME), 5);
    EXPECT_EQ(Get_Team_Financial_Stat(3, FIN_HOME_ATTENDANCE_LAST_SEASON), 1234);
    EXPECT_EQ(Get_Team_Financial_Stat(3, FIN_LOCAL_BROADCAST_LAST_SEASON), 70);
    EXPECT_EQ(Get_Team_Financial_Stat(3, FIN_GAMES_LAST_SEASON), 720);
    Clear_Previous_Financial_Stats(3);
    for (int nField :
         {FIN_LOCAL_BROADCAST_SEASON, FIN_HOME_ATTENDANCE_SEASON, FIN_ROAD_ATTENDANCE_SEASON, FIN_GAMES_SEASON})
        EXPECT_EQ(Get_Team_Financial_Stat(3, nField), 0) << nField;
    EXPECT_EQ(Get_Team_Financial_Stat(3, FIN_HOME_ATTENDANCE_LAST_SEASON), 1234);
}

TEST_F(FinanceTest, FinancialCodesTestTheirTeams) {
    Set_Team_Financial_Stat(NO_TEAM, FIN_TICKET_PRICE, 1);
    EXPECT_TRUE(Logged_Nothing());
    Set_Team_Financial_Stat(37, FIN_TICKET_PRICE, 1);
    Clear_Previous_Financial_Stats(37);
    EXPECT_TRUE(Logged("nTeam out of bounds in Set_Team_Financial_Stat()"));
    EXPECT_TRUE(Logged("nTeam out of bounds in Clear_Previous_Financial_Stats"));
    Set_Team_Financial_Stat(FREE_AGENT_TEAM, FIN_TICKET_PRICE, 500);
    EXPECT_EQ(Get_Team_Financial_Stat(FREE_AGENT_TEAM, FIN_TICKET_PRICE), 500);
    Fin(2, FIN_CASH, 50);
    Fin(1, FIN_CASH, 40);
    EXPECT_EQ(Get_Team_Financial_Rank(2, FIN_CASH), 0);
    EXPECT_EQ(Get_Team_Financial_Rank(1, FIN_CASH), 1);
    EXPECT_EQ(Get_Team_Financial_Rank(0, FIN_CASH), 2);
}

// After the rollover every last-season figure reads what this season's read
// before it, and this season starts from nothing; budgets, prices, cash and
// the other standing fields are left alone. Any field missing from the
// rollover, or paired with the wrong partner, breaks one of these.
TEST_F(FinanceTest, RolloverCarriesEverySeasonFigureIntoLastSeason) {
    constexpr int PAIRS[][2] = {
        {FIN_REVENUE_SEASON, FIN_REVENUE_LAST_SEASON}, {FIN_EXPENSES_SEASON, FIN_EXPENSES_LAST_SEASON},
        {FIN_OUTLAY_SEASON, FIN_OUTLAY_LAST_SEASON},   {FIN_PROFIT, FIN_PROFIT_LAST_SEASON},
        {FIN_TAX_SEASON, FIN_TAX_LAST_SEASON},
    };
    Set_Game_State(GS_SEASON_INDEX, 1);
    memset(g_League.abPlayoffTeams, NO_TEAM, sizeof g_League.abPlayoffTeams);
    for (int nField = 0; nField < NUMBER_OF_FINANCIAL_FIELDS; nField++) Fin(3, nField, 1000 + 37 * nField);
    int anBefore[NUMBER_OF_FINANCIAL_FIELDS];
    for (int nField = 0; nField < NUMBER_OF_FINANCIAL_FIELDS; nField++)
        anBefore[nField] = Get_Team_Financial_Stat(3, nField);
    int anSeason[std::size(PAIRS)];
    for (size_t i = 0; i < std::size(PAIRS); i++) anSeason[i] = Get_Team_Financial_Stat(3, PAIRS[i][0]);

    Team_Season_End(3, 0);
    Clear_Previous_Financial_Stats(3);

    for (size_t i = 0; i < std::size(PAIRS); i++)
        EXPECT_EQ(Get_Team_Financial_Stat(3, PAIRS[i][1]), anSeason[i]) << PAIRS[i][1];
    for (int nCode : {FIN_REVENUE_SEASON, FIN_EXPENSES_SEASON, FIN_OUTLAY_SEASON, FIN_PROFIT,
                      FIN_BROADCAST_REVENUE_SEASON, FIN_AVERAGE_HOME_ATTENDANCE, FIN_AVERAGE_ROAD_ATTENDANCE})
        EXPECT_EQ(Get_Team_Financial_Stat(3, nCode), 0) << nCode;
    for (int nField : {FIN_FAN_LOYALTY, FIN_TICKET_PRICE, FIN_SCOUTING_QUALITY, FIN_MEDICAL_QUALITY,
                       FIN_BROADCAST_POLICY, FIN_BEER_PRICE, FIN_FOOD_PRICE, FIN_SOUVENIR_PRICE,
                       FIN_DIVIDEND_PER_GAME, FIN_SCOUTING_BUDGET, FIN_MEDICAL_BUDGET, FIN_CASH, FIN_START_VALUE,
                       FIN_MARKET_HANDICAP, FIN_GATE_LAST_GAME, FIN_ATTENDANCE_LAST_GAME})
        EXPECT_EQ(Get_Team_Financial_Stat(3, nField), anBefore[nField]) << nField;
}
