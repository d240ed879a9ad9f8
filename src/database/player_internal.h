// Shared by the player modules only: range tests and raw record access.
#pragma once
#include "database/league_database.h"

inline bool Team_Code_In_Range(int nTeam) { return nTeam >= 0 && nTeam <= TOTAL_NUMBER_OF_TEAMS; }
inline bool Slot_In_Range(int nPlayer) { return nPlayer >= 0 && nPlayer < PLAYERS_PER_TEAM; }
inline bool History_Record_In_Range(int nRecord) { return nRecord >= 0 && nRecord < NUMBER_OF_HISTORY_RECORDS; }

// The record of (team, slot), or nullptr when either is out of range. Logs nothing.
inline PlayerRecord* Player_Record(TNUM nTeam, PNUM nPlayer) {
    if (!Team_Code_In_Range(nTeam) || !Slot_In_Range(nPlayer)) return nullptr;
    return &g_League.aTeams[nTeam].aPlayers[nPlayer];
}

// As above, but logs "nTeam out of bounds in <routine>()" or "nPlayer out of bounds in <routine>()".
PlayerRecord* Checked_Player_Record(TNUM nTeam, PNUM nPlayer, const char* szRoutine);

// The 20 counters of a period of a player (a history period reads its pool record),
// or nullptr when the period is a history entry that is not filled.
int32_t* Player_Period_Counters(PlayerRecord& player, int nPeriod);
// True for 0..3 and for history periods whose entry number is below 30.
bool Period_In_Range(int nPeriod);
