#include "commands/depth_dialog.h"

#include <cstdio>
#include <cstring>

#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/injuries.h"
#include "personnel/roster.h"
#include "simulation/game.h"

namespace {
int Position_At(TNUM nTeam, PNUM nSlot) {
    return Is_Valid_Player(nTeam, nSlot) ? Get_Player_Vital_Stat(nTeam, nSlot, VS_POSITION) : -1;
}

// The next slot from nSlot in direction nStep that holds a player of the position.
PNUM Neighbour_Of_Position(TNUM nTeam, PNUM nSlot, int nStep, int nPosition) {
    for (int p = nSlot + nStep; p >= 0 && p < PLAYERS_PER_TEAM; p += nStep)
        if (Position_At(nTeam, (PNUM)p) == nPosition) return (PNUM)p;
    return NO_PLAYER;
}

bool Side_Has_Players(TNUM nTeam, int nSide) { return Last_Slot_Of_Side(nTeam, nSide) != NO_PLAYER; }

bool Same_Record(TNUM nTeam, PNUM nSlot, const PlayerRecord& record) {
    PlayerRecord now;
    Copy_Player_To_Memory(&now, nTeam, nSlot);
    return memcmp(&now, &record, sizeof now) == 0;
}
}  // namespace

bool Depth_Chart_Editable(TNUM nTeam) { return Human_Managed(nTeam) || Get_Game_State(GS_COMMISSIONER) != 0; }

void Open_Depth_Dialog(TNUM nTeam, int nSide, DepthDialog* pDialog) {
    pDialog->nTeam = nTeam;
    pDialog->nSide = nSide;
    pDialog->bEditable = Valid_Team(nTeam) && nTeam < NUMBER_OF_FRANCHISES && Depth_Chart_Editable(nTeam);
    pDialog->opened.assign(PLAYERS_PER_TEAM, PlayerRecord{});
    if (!Valid_Team(nTeam)) return;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) Copy_Player_To_Memory(&pDialog->opened[p], nTeam, p);
    pDialog->anReturner[KICK_RETURNER] = Get_Team_Returner(nTeam, KICK_RETURNER);
    pDialog->anReturner[PUNT_RETURNER] = Get_Team_Returner(nTeam, PUNT_RETURNER);
}

PNUM Move_Depth_Player(DepthDialog* pDialog, PNUM nSlot, int nSteps) {
    if (!Can_Move_Depth_Player(*pDialog, nSlot, nSteps)) return NO_PLAYER;
    PNUM nOther = Neighbour_Of_Position(pDialog->nTeam, nSlot, nSteps, Position_At(pDialog->nTeam, nSlot));
    Swap_Players(pDialog->nTeam, nSlot, pDialog->nTeam, nOther);
    return nOther;
}

bool Can_Move_Depth_Player(const DepthDialog& dialog, PNUM nSlot, int nSteps) {
    int nPosition = Position_At(dialog.nTeam, nSlot);
    return dialog.bEditable && (nSteps == -1 || nSteps == 1) && nPosition >= 0 &&
           Neighbour_Of_Position(dialog.nTeam, nSlot, nSteps, nPosition) != NO_PLAYER;
}

PNUM Move_Depth_Player_To(DepthDialog* pDialog, PNUM nSlot, PNUM nTarget) {
    int nPosition = Position_At(pDialog->nTeam, nSlot);
    if (!pDialog->bEditable || nPosition < 0 || Position_At(pDialog->nTeam, nTarget) != nPosition) return NO_PLAYER;
    int nStep = nTarget < nSlot ? -1 : 1;
    while (nSlot != nTarget) {
        PNUM nNext = Move_Depth_Player(pDialog, nSlot, nStep);
        if (nNext == NO_PLAYER) break;
        nSlot = nNext;
    }
    return nSlot;
}

void Auto_Depth_Chart(DepthDialog* pDialog) {
    if (!pDialog->bEditable || !Side_Has_Players(pDialog->nTeam, pDialog->nSide)) return;
    Choose_Starters(pDialog->nTeam, pDialog->nSide);
    Sort_Backups(pDialog->nTeam, pDialog->nSide);
}

void Cancel_Depth_Dialog(DepthDialog* pDialog) {
    TNUM nTeam = pDialog->nTeam;
    if (!Valid_Team(nTeam) || (int)pDialog->opened.size() != PLAYERS_PER_TEAM) return;
    // Every change was an exchange of records: exchanging them back restores
    // the roster and keeps the player index in step. A record is known by its
    // bytes, or by its player ID when a look at the player has since stored a
    // figure in it.
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
        const PlayerRecord& record = pDialog->opened[p];
        if (Same_Record(nTeam, p, record)) continue;
        PNUM nFound = NO_PLAYER;
        for (PNUM q = p + 1; q < PLAYERS_PER_TEAM && nFound == NO_PLAYER; q++)
            if (Same_Record(nTeam, q, record)) nFound = q;
        int nID = record.anVital[VS_PLAYER_ID];
        for (PNUM q = p + 1; q < PLAYERS_PER_TEAM && nFound == NO_PLAYER && nID; q++)
            if (Get_Player_Vital_Stat(nTeam, q, VS_PLAYER_ID) == nID) nFound = q;
        if (nFound != NO_PLAYER) Swap_Players(nTeam, p, nTeam, nFound);
    }
    Set_Team_Returner(nTeam, KICK_RETURNER, pDialog->anReturner[KICK_RETURNER]);
    Set_Team_Returner(nTeam, PUNT_RETURNER, pDialog->anReturner[PUNT_RETURNER]);
}

std::vector<ReturnerChoice> Returner_Choices(TNUM nTeam, int nKind, int nPeriod) {
    std::vector<ReturnerChoice> choices;
    int nReturns = nKind == KICK_RETURNER ? SS_KICK_RETURNS : SS_PUNT_RETURNS;
    int nYards = nKind == KICK_RETURNER ? SS_KICK_RETURN_YARDS : SS_PUNT_RETURN_YARDS;
    const char* szFigures = nKind == KICK_RETURNER ? "%d Kick Returns - %s%d.%d Yard Avg."
                                                   : "%d Punt Returns - %s%d.%d Yard Avg.";
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
        int nPosition = Position_At(nTeam, p);
        if (nPosition != POS_RB && nPosition != POS_WR && nPosition != POS_CB) continue;
        char szName[FULL_NAME_WIDTH + 16], szPosition[TEXT_SIZE], szFigure[80];
        Get_Player_Full_Name(nTeam, p, szName);
        if (Is_Injured(nTeam, p)) {
            size_t n = strlen(szName);
            snprintf(szName + n, sizeof szName - n, " [%d]", Get_Player_Vital_Stat(nTeam, p, VS_INJURY_WEEKS));
        }
        Get_Position_Abbreviation(nPosition, szPosition);
        int nCount = Get_Player_Season_Stat(nTeam, p, nPeriod, nReturns);
        int nAverage = nCount > 0 ? 10 * Get_Player_Season_Stat(nTeam, p, nPeriod, nYards) / nCount : 0;
        int nAbsolute = nAverage < 0 ? -nAverage : nAverage;  // a loss of yards reads "-0.5"
        snprintf(szFigure, sizeof szFigure, szFigures, nCount, nAverage < 0 ? "-" : "", nAbsolute / 10, nAbsolute % 10);
        choices.push_back({p, std::string(szName) + " (" + szPosition + ") " + szFigure});
    }
    return choices;
}

int Current_Returner_Choice(TNUM nTeam, int nKind, const std::vector<ReturnerChoice>& choices) {
    PNUM nReturner = Get_Team_Returner(nTeam, nKind);
    for (size_t i = 0; i < choices.size(); i++)
        if (choices[i].nSlot == nReturner) return (int)i;
    return -1;
}

void Choose_Depth_Returner(DepthDialog* pDialog, int nKind, int nIndex) {
    if (!pDialog->bEditable || (nKind != KICK_RETURNER && nKind != PUNT_RETURNER)) return;
    Choose_Team_Returner(pDialog->nTeam, nKind, nIndex);
}
