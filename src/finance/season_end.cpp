#include "base/random.h"
#include "database/team.h"
#include "finance/factors.h"
#include "finance/finance.h"
#include "platform/platform.h"

int Season_End_Loyalty(int nLoyalty, int nWins, int nPlayoffWins, int nOutcomeLevel, int nGames) {
    int nRecord = Ratio(Ratio(1000, 10 * nWins, 10 * nGames / 2), 840, 1000);
    int nFinish = Ratio(Ratio(1000, 10 * nOutcomeLevel, 26), 130, 1000);
    int nPlayoffs = Ratio(Ratio(1000, 1000 * nPlayoffWins, 366), 30, 1000);
    int nTarget = Clamp(571, nRecord + nFinish + nPlayoffs, 1750);
    return Clamp(LOYALTY_FLOOR, Ratio(nLoyalty, 750, 1000) + Ratio(nTarget, 250, 1000), LOYALTY_CEILING);
}

void Finance_Season_End(TNUM nTeam, int nDivisionPlace) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES || !Valid_Team(nTeam)) {
        Error_Log("Invalid nTeam in Finance_Season_End(%d)", nTeam);
        return;
    }
    Team_Season_End(nTeam, nDivisionPlace);
    Set_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY,
                            Season_End_Loyalty(Get_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY),
                                               Get_Team_Wins(nTeam), Get_Team_Playoff_Wins(nTeam),
                                               Get_Team_Record_Stat(nTeam, YR_OUTCOME),
                                               Get_League_Rule(LR_GAMES_PER_SEASON)));
    Clear_Previous_Financial_Stats(nTeam);
}
