#include "database/season_state.h"

int Number_Of_Conferences() {
    int nCount = 0;
    while (nCount < NUMBER_OF_LEAGUES && League_Team_Count(nCount) > 0) nCount++;
    return nCount;
}

int Champion_Slot() { return Number_Of_Conferences() == 1 ? 28 : CHAMPION_SLOT; }

TNUM Get_League_Champion() { return g_League.abPlayoffTeams[Champion_Slot()]; }

bool Season_Is_Over() { return Current_Week() != 0 && Get_League_Champion() != NO_TEAM; }
