// brakvell-sim agents: the free-agent list as a team's manager sees it, with
// the lines beside it, without the window.
#include <cstdio>

#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "sim/commands.h"
#include "trades/free_agent_list.h"
#include "trades/free_agent_signing.h"

int Sim_Agents(int argc, char** argv) {
    if (argc != 2) return Sim_Usage("agents FILE TEAM");
    if (!Load_League_File(argv[0])) return 1;
    TNUM nTeam = NO_TEAM;
    if (!Parse_Team(argv[1], &nTeam) || nTeam >= NUMBER_OF_FRANCHISES) {
        fprintf(stderr, "brakvell-sim: no franchise \"%s\" in \"%s\"\n", Printable(argv[1]).c_str(), argv[0]);
        return 1;
    }
    // As the list does when it opens; nothing is saved.
    Reset_Free_Agent_Contracts();
    char szCap[TEXT_SIZE];
    Free_Agent_Cap_Room_Text(nTeam, szCap);
    printf("%s\n%s\n%s\n%s\n%s\n\n", Free_Agent_List_Title(nTeam).c_str(), Roster_Count_Text(nTeam).c_str(), szCap,
           Team_Seeking_Text(nTeam).c_str(), Payroll_Text(nTeam).c_str());
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Is_Valid_Player(FREE_AGENT_TEAM, nSlot)) continue;
        char szName[FULL_NAME_WIDTH], szPosition[TEXT_SIZE], szSalary[TEXT_SIZE];
        Get_Player_Full_Name(FREE_AGENT_TEAM, nSlot, szName);
        Get_Position_Abbreviation(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_POSITION), szPosition);
        Format_Thousands(Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY), szSalary);
        printf("%2d  %-28s %-3s %2d  $%s,000\n", nSlot, Printable(szName).c_str(), szPosition,
               Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_AGE), szSalary);
    }
    return 0;
}
