#include "database/season_state.h"

int Number_Of_Conferences() {
    int nCount = 0;
    while (nCount < NUMBER_OF_LEAGUES && League_Team_Count(nCount) > 0) nCount++;
    return nCount;
}

int Champion_Slot() { return Number_Of_Conferences() == 1 ? 28 : CHAMPION_SLOT; }

TNUM Get_League_Champion() { return g_League.abPlayoffTeams[Champion_Slot()]; }

bool Season_Is_Over() { return Current_Week() != 0 && Get_League_Champion() != NO_TEAM; }

int Get_Draft_Place(TNUM nTeam) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES) return NOT_IN_DRAFT_ORDER;
    return g_League.abDraftFlags[nTeam];
}

void Set_Draft_Place(TNUM nTeam, int nPlace) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES) return;
    g_League.abDraftFlags[nTeam] = (uint8_t)(nPlace >= 0 && nPlace < NUMBER_OF_FRANCHISES ? nPlace : NOT_IN_DRAFT_ORDER);
}

TNUM Draft_Order_Team(int nPlace) {
    if (nPlace < 0 || nPlace >= NUMBER_OF_FRANCHISES) return NO_TEAM;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Valid_Team(nTeam) && g_League.abDraftFlags[nTeam] == nPlace) return nTeam;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Valid_Team(nTeam) && nPlace-- == 0) return nTeam;
    return NO_TEAM;
}
