#include "reports/championship.h"

#include "database/team.h"
#include "database/text_format.h"
#include "season/playoffs.h"
#include "season/standings.h"

namespace {
constexpr int FIRST_CONFERENCE_FINAL_SLOT = 28; // 28 and 29: the conference champions
}

int Championship_Result(TNUM nTeam) {
    if (nTeam < 0 || nTeam >= Number_Of_Teams()) return CHAMPIONSHIP_NONE;
    if (nTeam == Get_League_Champion()) return CHAMPIONSHIP_LEAGUE;
    int nSlot = Get_Team_Highest_Playoff_Slot(nTeam);
    if (nSlot >= FIRST_CONFERENCE_FINAL_SLOT && nSlot < CHAMPION_SLOT) return CHAMPIONSHIP_CONFERENCE;
    if (Get_Standings_Team(Get_Team_Division(nTeam), 0) == nTeam) return CHAMPIONSHIP_DIVISION;
    return CHAMPIONSHIP_NONE;
}

void Fill_Championship_Page(ChampionshipPage* pPage) {
    *pPage = {};
    pPage->nTeam = NO_TEAM;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        if (!Human_Managed(nTeam)) continue;
        int nResult = Championship_Result(nTeam);
        if (nResult > pPage->nResult) {
            pPage->nResult = nResult;
            pPage->nTeam = nTeam;
        }
    }
    if (pPage->nTeam == NO_TEAM) return;
    pPage->szPicture = pPage->nResult == CHAMPIONSHIP_LEAGUE       ? "News\\Champs.jpg"
                       : pPage->nResult == CHAMPIONSHIP_CONFERENCE ? "News\\Conferen.jpg"
                                                                   : "News\\Divchamp.jpg";
    pPage->szSound = pPage->nResult == CHAMPIONSHIP_LEAGUE       ? "celeb3.wav"
                     : pPage->nResult == CHAMPIONSHIP_CONFERENCE ? "celeb2.wav"
                                                                 : "celeb1.wav";
    Dialog_Format(pPage->szYear, "%d", Current_Calendar_Year());
    char szName[TEXT_SIZE];
    Get_Team_Label(pPage->nTeam, szName);
    Dialog_Format(pPage->szTeam, "%s", szName);
}
