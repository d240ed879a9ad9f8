#include "universe_report.h"

#include "database/player.h"
#include "database/team.h"
#include "personnel/player_creation.h"

namespace {
const char* const POSITION_NAMES[NUMBER_OF_POSITIONS] = {"QB", "RB", "TE", "WR", "T", "G", "C",
                                        "DE", "DT", "LB", "CB", "S", "K", "P"};
constexpr int FIRST_AGE = 18, LAST_AGE = 45;

void Print_Payrolls(FILE* pOut) {
    int nLow = 1 << 30, nHigh = 0, nPlayersLow = 99, nPlayersHigh = 0, nPlayers = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
        nLow = nPayroll < nLow ? nPayroll : nLow;
        nHigh = nPayroll > nHigh ? nPayroll : nHigh;
        int nCount = Number_Of_Players(nTeam);
        nPlayers += nCount;
        nPlayersLow = nCount < nPlayersLow ? nCount : nPlayersLow;
        nPlayersHigh = nCount > nPlayersHigh ? nCount : nPlayersHigh;
    }
    fprintf(pOut, "teams %d, players %d (%d..%d a team), free agents %d, hall of fame %d\n",
            Number_Of_Teams(), nPlayers, nPlayersLow, nPlayersHigh, Number_Of_Players(FREE_AGENT_TEAM),
            Number_Of_Players(HALL_OF_FAME_TEAM));
    fprintf(pOut, "payroll $%d..$%d thousand\n", nLow, nHigh);
}

void Print_Positions_And_Ages(FILE* pOut) {
    int anTemplates[NUMBER_OF_POSITIONS] = {}, anAges[LAST_AGE + 1] = {};
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        for (PNUM nPlayer = 0; nPlayer < Number_Of_Players(nTeam); nPlayer++) {
            if (Get_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, SS_STARTS) > TEMPLATE_MIN_STARTS)
                anTemplates[Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION)]++;
            int nAge = Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
            if (nAge >= FIRST_AGE && nAge <= LAST_AGE) anAges[nAge]++;
        }
    fprintf(pOut, "templates:");
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++)
        fprintf(pOut, " %s %d", POSITION_NAMES[nPosition], anTemplates[nPosition]);
    fprintf(pOut, "\nages:");
    for (int nAge = FIRST_AGE; nAge <= LAST_AGE; nAge++)
        if (anAges[nAge]) fprintf(pOut, " %d:%d", nAge, anAges[nAge]);
    fprintf(pOut, "\n");
}
} // namespace

void Print_Universe_Report(FILE* pOut) {
    Print_Payrolls(pOut);
    Print_Positions_And_Ages(pOut);
}
