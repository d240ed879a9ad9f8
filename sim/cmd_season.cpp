// brakvell-sim commands that show a saved league's standings and playoffs.
#include <cstdio>

#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "season/playoffs.h"
#include "season/schedule.h"
#include "season/standings.h"
#include "sim/commands.h"

namespace {
const char* const ROUND_NAMES[PLAYOFF_ROUNDS] = {"Round 1", "Round 2", "Conference finals", "Final"};
const int ROUND_FIRST_SLOTS[PLAYOFF_ROUNDS][4] = {{0, 4, 8, 12}, {16, 18, 20, 22}, {24, 26, -1}, {28, -1}};

// Loads the league and rebuilds the standings it was saved with.
bool Load_League(const char* szPath) {
    if (!Load_League_File(szPath)) return false;
    Recompute_Standings();
    return true;
}

// Leaders: games to clinch; the others: minus the games to elimination.
void Print_Magic_Number(TNUM nTeam) {
    int nMagic = Get_Magic_Number(nTeam);
    if (Get_Team_Standing(nTeam) == 0 && nMagic == 0)
        printf("  clinched");
    else if (nMagic == TEAM_ELIMINATED)
        printf("  out");
    else
        printf("  %d", nMagic);
}

void Print_Division(int nDivision) {
    char szName[TEXT_SIZE], szTeam[TEXT_SIZE], szPercent[TEXT_SIZE];
    Get_Division_Name(nDivision, szName);
    printf("  %-36s   W   L   T    Pct  Rank  Magic\n", szName[0] ? szName : "(division)");
    for (int nPlace = 0; nPlace < DIVISION_PLACES; nPlace++) {
        TNUM nTeam = Get_Standings_Team(nDivision, nPlace);
        if (nTeam == NO_TEAM) break;
        Get_Team_Label(nTeam, szTeam);
        Format_Thousandths(Get_Team_Winning_Percentage(nTeam), szPercent);
        printf("    %-32s %3d %3d %3d %6s  %4d", szTeam, Get_Team_Wins(nTeam), Get_Team_Losses(nTeam),
               Get_Team_Ties(nTeam), szPercent, Get_Team_Record_Stat(nTeam, YR_FINAL_RANK) + 1);
        Print_Magic_Number(nTeam);
        printf("\n");
    }
}

void Print_Slot(int nSlot) {
    char szTeam[TEXT_SIZE] = "-";
    TNUM nTeam = Get_Playoff_Team(nSlot);
    if (nTeam != NO_TEAM) Get_Team_Abbreviation(nTeam, szTeam);
    printf("[%2d] %-4s %3d", nSlot, szTeam, nTeam == NO_TEAM ? 0 : Get_Playoff_Score(nSlot));
}
}  // namespace

int Sim_Standings(int argc, char** argv) {
    if (argc != 1) return Sim_Usage("standings FILE");
    if (!Load_League(argv[0])) return 1;
    printf("Standings, %d, week %d\n", Current_Calendar_Year(), Current_Week() + 1);
    for (int nConference = 0; nConference < Number_Of_Conferences(); nConference++) {
        char szName[TEXT_SIZE];
        Get_League_Name(nConference, szName);
        printf("%s\n", szName[0] ? szName : "(conference)");
        for (int nDivision = 4 * nConference; nDivision < 4 * nConference + 4; nDivision++)
            if (Division_Team_Count(nDivision) > 0) Print_Division(nDivision);
    }
    return 0;
}

int Sim_Playoffs(int argc, char** argv) {
    if (argc != 1) return Sim_Usage("playoffs FILE");
    if (!Load_League(argv[0])) return 1;
    if (Current_Week() < First_Playoff_Week()) printf("If the season ended today...\n");
    for (int nRound = 0; nRound < PLAYOFF_ROUNDS; nRound++) {
        printf("%s (week %d)\n", ROUND_NAMES[nRound], First_Playoff_Week() + nRound + 1);
        bool bAny = false;
        for (int nSlot : ROUND_FIRST_SLOTS[nRound]) {
            if (nSlot < 0) break;
            if (Get_Playoff_Team(nSlot) == NO_TEAM && Get_Playoff_Team(nSlot + 1) == NO_TEAM) continue;
            bAny = true;
            printf("  ");
            Print_Slot(nSlot);
            printf("  vs  ");
            Print_Slot(nSlot + 1);
            printf("\n");
        }
        if (!bAny) printf("  -\n");
    }
    char szTeam[TEXT_SIZE] = "undecided";
    if (Get_League_Champion() != NO_TEAM) Get_Team_Label(Get_League_Champion(), szTeam);
    printf("Champion: %s\n", szTeam);
    return 0;
}
