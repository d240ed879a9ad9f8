#include "base/random.h"
#include "finance/factors.h"
#include "finance/finance.h"
#include "finance/links.h"
#include "finance/settlement.h"

namespace {
constexpr int BUDGET_STEP = 5000;

int Down_To(int n, int nStep) {
    return n / nStep * nStep;
}

void Set_Concession_Prices(TNUM nTeam) {
    int i = Ratio(1000, Team_Income(nTeam), 25000);
    Fin_Set(nTeam, 20, Down_To(Ratio(500, i, 1000), 25));
    Fin_Set(nTeam, 27, Down_To(Ratio(350, i, 1000), 25));
    Fin_Set(nTeam, 34, Down_To(Ratio(750, i, 1000), 25));
}

// A richer payroll comes with a better staff; the budgets keep it that way.
void Set_Value_And_Budgets(TNUM nTeam) {
    int nGames = Get_League_Rule(LR_GAMES_PER_SEASON);
    int b = Ratio((int64_t)Fin_Get(nTeam, FIN_PAYROLL) * 1000, 1000, 63000000);
    int nScouting = Ratio(1000, 1000, b + 1000);
    int nMedical = Ratio(1000, 3000, b + 2000);
    int nValue = Franchise_Value(nTeam);
    Fin_Set(nTeam, FIN_SCOUTING_QUALITY, nScouting);
    Fin_Set(nTeam, FIN_MEDICAL_QUALITY, nMedical);
    Fin_Set(nTeam, FIN_START_VALUE, nValue);
    Fin_Set(nTeam, 56, nGames == 0 ? 0 : Ratio(nValue, 100, 1000) / nGames);
    Fin_Set(nTeam, FIN_CASH, nValue / 20 + 3000000);
    Fin_Set(nTeam, 62, Down_To(Ratio(250000, nMedical, 1000), BUDGET_STEP));
    Fin_Set(nTeam, 59, Down_To(Ratio(120000, nScouting, 1000), BUDGET_STEP));
}

// Last season's figures, so that the first season has something to compare with.
void Set_Last_Season(TNUM nTeam) {
    int nGames = Get_League_Rule(LR_GAMES_PER_SEASON);
    int g = Saturate((int64_t)Ratio(Team_Market(nTeam) / 2, Spending_Index(nTeam) / 2, 100) * 81);
    Fin_Set(nTeam, 16, g);
    Fin_Set(nTeam, 17, Ratio(g, 100, Ticket_Price_Of(nTeam)));
    int l = Ratio(g, 25, 100);
    Fin_Set(nTeam, 23, Ratio(l, 35, 100));
    Fin_Set(nTeam, 30, Ratio(l, 45, 100));
    Fin_Set(nTeam, 37, Ratio(l, 20, 100));
    int64_t nLocal = Local_Broadcast_Revenue(nTeam, true);
    nLocal += Local_Broadcast_Revenue(nTeam, false);
    Fin_Set(nTeam, 8, Saturate(nGames / 2 * nLocal));
    Fin_Set(nTeam, 11, Saturate((int64_t)nGames * National_Broadcast_Revenue()));
    Fin_Set(nTeam, 55, Saturate((int64_t)nGames * Payroll_Per_Game(nTeam)));
    Fin_Set(nTeam, 58, Saturate((int64_t)nGames * Fin_Get(nTeam, 56)));
    Fin_Set(nTeam, 52, Saturate((int64_t)2 * Team_Income(nTeam) * nGames));
    Fin_Set(nTeam, 61, Saturate((int64_t)nGames * Fin_Get(nTeam, 59)));
    Fin_Set(nTeam, 64, Saturate((int64_t)nGames * Fin_Get(nTeam, 62)));
    Fin_Set(nTeam, 71, nGames / 2);
    Fin_Set(nTeam, 73, nGames);
}

// Small markets get a head start in the manager rating: +100 for the
// cheapest franchise down to -100 for the dearest.
void Set_Market_Handicaps() {
    int nLowest = 0, nHighest = 0;
    bool bFirst = true;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        int s = Root(Fin_Get(nTeam, FIN_START_VALUE));
        nLowest = bFirst ? s : Min(nLowest, s);
        nHighest = bFirst ? s : Max(nHighest, s);
        bFirst = false;
    }
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Valid_Team(nTeam))
            Fin_Set(nTeam, FIN_MARKET_HANDICAP,
                    100 - Ratio(200, Root(Fin_Get(nTeam, FIN_START_VALUE)) - nLowest, nHighest - nLowest));
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
