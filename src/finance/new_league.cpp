#include "base/random.h"
#include "database/team.h"
#include "finance/factors.h"
#include "finance/finance.h"
#include "finance/settlement.h"

namespace {
constexpr int BUDGET_STEP = 5000;

int Down_To(int n, int nStep) {
    return n / nStep * nStep;
}

void Set_Concession_Prices(TNUM nTeam) {
    int i = Ratio(1000, Team_Income(nTeam), 25000);
    Set_Team_Financial_Stat(nTeam, FIN_FOOD_PRICE, Down_To(Ratio(500, i, 1000), 25));
    Set_Team_Financial_Stat(nTeam, FIN_BEER_PRICE, Down_To(Ratio(350, i, 1000), 25));
    Set_Team_Financial_Stat(nTeam, FIN_SOUVENIR_PRICE, Down_To(Ratio(750, i, 1000), 25));
}

// A richer payroll comes with a better staff; the budgets keep it that way.
void Set_Value_And_Budgets(TNUM nTeam) {
    int nGames = Get_League_Rule(LR_GAMES_PER_SEASON);
    int b = Ratio((int64_t)Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000, 1000, 63000000);
    int nScouting = Ratio(1000, 1000, b + 1000);
    int nMedical = Ratio(1000, 3000, b + 2000);
    int nValue = Franchise_Value(nTeam);
    Set_Team_Financial_Stat(nTeam, FIN_SCOUTING_QUALITY, nScouting);
    Set_Team_Financial_Stat(nTeam, FIN_MEDICAL_QUALITY, nMedical);
    Set_Team_Financial_Stat(nTeam, FIN_START_VALUE, nValue);
    Set_Team_Financial_Stat(nTeam, FIN_DIVIDEND_PER_GAME,
                            nGames == 0 ? 0 : Ratio(nValue, 100, 1000) / nGames);
    Set_Team_Financial_Stat(nTeam, FIN_CASH, nValue / 20 + 3000000);
    Set_Team_Financial_Stat(nTeam, FIN_MEDICAL_BUDGET, Down_To(Ratio(250000, nMedical, 1000), BUDGET_STEP));
    Set_Team_Financial_Stat(nTeam, FIN_SCOUTING_BUDGET, Down_To(Ratio(120000, nScouting, 1000), BUDGET_STEP));
}

// Last season's figures, so that the first season has something to compare with.
void Set_Last_Season(TNUM nTeam) {
    int nGames = Get_League_Rule(LR_GAMES_PER_SEASON);
    int nHomeGames = nGames / 2;
    // One home gate, no bigger than the stadium holds, then a season of them.
    int nGate = Ratio(Team_Market(nTeam) / 2, Spending_Index(nTeam) / 2, 100);
    int nPrice = Ticket_Price_Of(nTeam);
    int nCrowd = Ratio(nGate, 100, nPrice);
    int nCapacity = Max(0, Get_Stadium_Field(nTeam, STADIUM_CAPACITY));
    if (nPrice > 0 && nCrowd > nCapacity) {
        nCrowd = nCapacity;
        nGate = Ratio(nCrowd, nPrice, 100);
    }
    int g = Saturate((int64_t)nGate * nHomeGames);
    Set_Team_Financial_Stat(nTeam, FIN_TICKET_REVENUE_LAST_SEASON, g);
    Set_Team_Financial_Stat(nTeam, FIN_HOME_ATTENDANCE_LAST_SEASON, Saturate((int64_t)nCrowd * nHomeGames));
    int l = Ratio(g, 25, 100);
    Set_Team_Financial_Stat(nTeam, FIN_FOOD_PROFIT_LAST_SEASON, Ratio(l, 35, 100));
    Set_Team_Financial_Stat(nTeam, FIN_BEER_PROFIT_LAST_SEASON, Ratio(l, 45, 100));
    Set_Team_Financial_Stat(nTeam, FIN_SOUVENIR_PROFIT_LAST_SEASON, Ratio(l, 20, 100));
    int64_t nLocal = Local_Broadcast_Revenue(nTeam, true);
    nLocal += Local_Broadcast_Revenue(nTeam, false);
    Set_Team_Financial_Stat(nTeam, FIN_LOCAL_BROADCAST_LAST_SEASON, Saturate(nGames / 2 * nLocal));
    Set_Team_Financial_Stat(nTeam, FIN_NATIONAL_BROADCAST_LAST_SEASON,
                            Saturate((int64_t)nGames * National_Broadcast_Revenue()));
    Set_Team_Financial_Stat(nTeam, FIN_SALARIES_LAST_SEASON,
                            Saturate((int64_t)nGames * Payroll_Per_Game(nTeam)));
    // A whole season of each per-game figure.
    auto season = [&](int nPerGame) {
        return Saturate((int64_t)nGames * Get_Team_Financial_Stat(nTeam, nPerGame));
    };
    Set_Team_Financial_Stat(nTeam, FIN_DIVIDENDS_LAST_SEASON, season(FIN_DIVIDEND_PER_GAME));
    Set_Team_Financial_Stat(nTeam, FIN_OPERATIONS_LAST_SEASON,
                            Saturate((int64_t)2 * Team_Income(nTeam) * nGames));
    Set_Team_Financial_Stat(nTeam, FIN_SCOUTING_SPENT_LAST_SEASON, season(FIN_SCOUTING_BUDGET));
    Set_Team_Financial_Stat(nTeam, FIN_MEDICAL_SPENT_LAST_SEASON, season(FIN_MEDICAL_BUDGET));
    Set_Team_Financial_Stat(nTeam, FIN_HOME_GAMES_LAST_SEASON, nHomeGames);
    Set_Team_Financial_Stat(nTeam, FIN_GAMES_LAST_SEASON, nGames);
}

// Small markets get a head start in the manager rating: +100 for the
// cheapest franchise down to -100 for the dearest.
void Set_Market_Handicaps() {
    int nLowest = 0, nHighest = 0;
    bool bFirst = true;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        int s = Root(Get_Team_Financial_Stat(nTeam, FIN_START_VALUE));
        nLowest = bFirst ? s : Min(nLowest, s);
        nHighest = bFirst ? s : Max(nHighest, s);
        bFirst = false;
    }
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        int s = Root(Get_Team_Financial_Stat(nTeam, FIN_START_VALUE));
        Set_Team_Financial_Stat(nTeam, FIN_MARKET_HANDICAP,
                                100 - Ratio(200, s - nLowest, nHighest - nLowest));
    }
}
} // namespace

void Initialise_League_Finances() {
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Valid_Team(nTeam)) Set_Concession_Prices(nTeam);
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Valid_Team(nTeam)) Set_Value_And_Budgets(nTeam);
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Valid_Team(nTeam)) Set_Last_Season(nTeam);
    Set_Market_Handicaps();
}
