#include "season/draft_dialog.h"

#include <cstdio>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/scouting_error.h"
#include "season/college_draft.h"

namespace {
constexpr int HIGHEST_SCOUT_SCORE = 100;
}  // namespace

void Get_Draft_Dialog_State(TNUM nPersonsTeam, DraftDialogState* pState) {
    *pState = DraftDialogState{};
    pState->bRunning = College_Draft_Running();
    pState->nOnTheClock = Team_On_The_Clock();
    pState->bCanPick = pState->nOnTheClock != NO_TEAM && Human_Managed(pState->nOnTheClock);
    char szTeam[TEXT_SIZE] = "";
    if (Valid_Team(nPersonsTeam)) Get_Team_Nickname(nPersonsTeam, szTeam);
    snprintf(pState->szTitle, sizeof pState->szTitle, "Draft (%s)", szTeam);
    if (pState->nOnTheClock == NO_TEAM) {
        snprintf(pState->szClock, sizeof pState->szClock, "No college draft is under way.");
        return;
    }
    int nRound = Get_Game_State(GS_DRAFT_ROUND), nPick = Get_Game_State(GS_DRAFT_PICK);
    Get_Team_Nickname(pState->nOnTheClock, szTeam);
    snprintf(pState->szClock, sizeof pState->szClock, "Round %d, Pick %d (#%d): %s", nRound + 1, nPick + 1,
             nRound * Number_Of_Teams() + nPick + 1, szTeam);
}

int Scouted_Prospect_Score(TNUM nPoolTeam, PNUM nPlayer, TNUM nForTeam) {
    if (!Is_Valid_Player(nPoolTeam, nPlayer)) return 0;
    int nScore = Get_Player_Vital_Stat(nPoolTeam, nPlayer, VS_SCOUT_SCORE);
    int nError = Scouting_Error(nForTeam, Get_Player_Vital_Stat(nPoolTeam, nPlayer, VS_PLAYER_ID));
    return Clamp(0, nScore + nError, HIGHEST_SCOUT_SCORE);
}

std::vector<PlayerRow> Draft_Class_Rows(TNUM nForTeam) {
    std::vector<PlayerRow> rows;
    if (!College_Draft_Running()) return rows;
    for (int nTeamCode = DRAFT_POOL_TEAMS; nTeamCode <= TOTAL_NUMBER_OF_TEAMS; nTeamCode++)
        for (PlayerRow& row : Get_Player_Rows((TNUM)nTeamCode)) {
            int nScore = Scouted_Prospect_Score(row.nTeam, row.nSlot, nForTeam);
            row.anKey[COLUMN_SCOUT_SCORE] = nScore;
            snprintf(row.aszText[COLUMN_SCOUT_SCORE], PLAYER_CELL_SIZE, "%d.%d", nScore / 10, nScore % 10);
            rows.push_back(row);
        }
    return rows;
}

bool Draft_Dialog_Pick(TNUM nPoolTeam, PNUM nPlayer) {
    TNUM nTeam = Team_On_The_Clock();
    if (nTeam == NO_TEAM || !Human_Managed(nTeam)) return false;
    return Human_Draft_Pick(nPoolTeam, nPlayer);
}
