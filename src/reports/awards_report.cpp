// "Output/Awards%02d.txt": each conference's best player at every place of
// the award teams, by his value over this season.
#include <cstring>

#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/ratings.h"
#include "platform/platform.h"
#include "reports/report_file.h"
#include "reports/season_reports.h"
#include "season/standings.h"

namespace {
constexpr int AWARDS = 24;
const int AWARD_POSITIONS[AWARDS] = {POS_QB, POS_RB, POS_RB, POS_TE, POS_WR, POS_WR, POS_T,  POS_G,
                                     POS_C,  POS_G,  POS_T,  POS_DE, POS_DT, POS_DT, POS_DE, POS_LB,
                                     POS_LB, POS_LB, POS_CB, POS_CB, POS_S,  POS_S,  POS_K,  POS_P};

struct Chosen {
    bool ab[NUMBER_OF_FRANCHISES][PLAYERS_PER_TEAM];
};

// The conference's best player at the position not chosen yet; false when there is none.
bool Best_Player(int nConference, int nPosition, const Chosen& chosen, TNUM* pTeam, PNUM* pPlayer) {
    bool bFound = false;
    int nBest = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        if (Get_Team_League(nTeam) != nConference) continue;
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (chosen.ab[nTeam][nSlot] || !Is_Valid_Player(nTeam, nSlot)) continue;
            if (Get_Player_Vital_Stat(nTeam, nSlot, VS_POSITION) != nPosition) continue;
            int nValue = Player_Season_Value(nTeam, nSlot, PERIOD_THIS_SEASON);
            if (bFound && nValue <= nBest) continue;
            bFound = true;
            nBest = nValue;
            *pTeam = nTeam;
            *pPlayer = nSlot;
        }
    }
    return bFound;
}

void Write_Conference(FILE* pFile, int nConference) {
    char szLeague[TEXT_SIZE];
    Get_League_Name(nConference, szLeague);
    Make_Upper_Case(szLeague);
    Report_Line(pFile, "%s CONFERENCE (%d): AWARD WINNERS", szLeague, Report_Year());
    Chosen chosen;
    memset(&chosen, 0, sizeof chosen);
    for (int nAward = 0; nAward < AWARDS; nAward++) {
        if (nAward == 0 || nAward == 11 || nAward == 22) Report_Line(pFile, "%s", "");
        Step_Progress();
        TNUM nTeam;
        PNUM nPlayer;
        if (!Best_Player(nConference, AWARD_POSITIONS[nAward], chosen, &nTeam, &nPlayer)) continue;
        chosen.ab[nTeam][nPlayer] = true;
        char szPosition[TEXT_SIZE], szName[TEXT_SIZE], szTeam[TEXT_SIZE], szWinner[TEXT_SIZE];
        Get_Position_Abbreviation(AWARD_POSITIONS[nAward], szPosition);
        Get_Player_Full_Name(nTeam, nPlayer, szName);
        Get_Team_Abbreviation(nTeam, szTeam);
        Format_Text(szWinner, "%s (%s)", szName, szTeam);
        Report_Line(pFile, "  %2s: %s", szPosition, szWinner);
    }
    Report_Line(pFile, "%s", "");
}
}  // namespace

void Write_Awards_Report() {
    FILE* pFile = Open_Report_File("Awards%02d.txt");
    if (!pFile) return;
    Open_Progress("Creating Output/Awards.txt...", Number_Of_Conferences() * AWARDS);
    for (int nConference = 0; nConference < Number_Of_Conferences(); nConference++) Write_Conference(pFile, nConference);
    Close_Progress();
    Close_Report_File(pFile);
}
