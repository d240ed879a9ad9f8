// Moving a player from one team to another: shuffles, signings.
#include "database/player.h"
#include "database/player_internal.h"
#include "platform/platform.h"

namespace {
int g_nSignings = 0;

// The slot after the last player whose side is his or an earlier one, so that
// the roster stays grouped by side.
int Insertion_Slot(TNUM nTeam, int nSide) {
    int nInsert = 0;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        if (Is_Valid_Player(nTeam, nSlot) && Position_Side(Get_Player_Vital_Stat(nTeam, nSlot, VS_POSITION)) <= nSide)
            nInsert = nSlot + 1;
    return nInsert;
}
}  // namespace

bool Move_Player_To_Team(TNUM nTeam, PNUM nPlayer, TNUM nDestination) {
    if (!Team_Code_In_Range(nDestination) || !Checked_Player_Record(nTeam, nPlayer, "Move_Player_To_Team"))
        return false;
    if (!Is_Valid_Player(nTeam, nPlayer)) {
        Error_Log("Empty slot in Move_Player_To_Team(%d,%d)", nTeam, nPlayer);
        return false;
    }
    if (nDestination == FREE_AGENT_TEAM) {
        Release_To_Free_Agency(nTeam, nPlayer);
        return false;
    }
    if (nDestination == nTeam) return true;
    Compact_Team(nDestination);
    if (Number_Of_Players(nDestination) >= PLAYERS_PER_TEAM) return false;

    int nInsert = Insertion_Slot(nDestination, Position_Side(Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION)));
    // The empty slot after the last player bubbles up to the insertion point.
    for (int nSlot = Number_Of_Players(nDestination); nSlot > nInsert; nSlot--)
        Swap_Players(nDestination, (PNUM)nSlot, nDestination, (PNUM)(nSlot - 1));
    Copy_Player(nDestination, (PNUM)nInsert, nTeam, nPlayer);
    Remove_Player(nTeam, nPlayer);
    Open_History_Record(nDestination, (PNUM)nInsert, true);
    if (nTeam == FREE_AGENT_TEAM && nDestination < NUMBER_OF_FRANCHISES) g_nSignings++;
    return true;
}

void Reset_Signing_Tally() { g_nSignings = 0; }
int Get_Signing_Tally() { return g_nSignings; }
