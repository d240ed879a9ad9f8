// The game's fast, cached view of the players of its two teams. The snaps
// read players millions of times a second, so the hot reads go to the record
// directly and the ratings and open history records are kept for the game;
// everything else the game reads and writes through the league's own
// accessors.
#pragma once
#include "base/random.h"
#include "database/league_database.h"
#include "database/player.h"
#include "personnel/ratings.h"

// Out of range these answer like the checked accessors without a log line,
// and the rare other codes go through them.
inline bool Game_In_Range(TNUM nTeam, PNUM nSlot) {
    return nTeam >= 0 && nTeam <= TOTAL_NUMBER_OF_TEAMS && nSlot >= 0 && nSlot < PLAYERS_PER_TEAM;
}
inline const int32_t* Game_Vitals(TNUM nTeam, PNUM nSlot) { return g_League.aTeams[nTeam].aPlayers[nSlot].anVital; }
inline bool Game_Slot_Filled(TNUM nTeam, PNUM nSlot) {
    return Game_In_Range(nTeam, nSlot) && Game_Vitals(nTeam, nSlot)[VS_PLAYER_ID] != 0;
}
inline int Game_Player_ID(TNUM nTeam, PNUM nSlot) {
    return Game_In_Range(nTeam, nSlot) ? Game_Vitals(nTeam, nSlot)[VS_PLAYER_ID] : 0;
}
inline int Game_Player_Position(TNUM nTeam, PNUM nSlot) {
    if (!Game_In_Range(nTeam, nSlot)) return 0;
    return Clamp(POS_QB, Game_Vitals(nTeam, nSlot)[VS_POSITION], POS_P);
}
inline bool Game_Player_Injured(TNUM nTeam, PNUM nSlot) {
    return Game_In_Range(nTeam, nSlot) && Game_Vitals(nTeam, nSlot)[VS_INJURY_WEEKS] > 0;
}
inline bool Game_Player_Played(TNUM nTeam, PNUM nSlot) {
    return Game_In_Range(nTeam, nSlot) && Game_Vitals(nTeam, nSlot)[VS_PLAYED] != 0;
}
inline void Game_Set_Player_Played(TNUM nTeam, PNUM nSlot, bool bPlayed) {
    if (Game_In_Range(nTeam, nSlot)) g_League.aTeams[nTeam].aPlayers[nSlot].anVital[VS_PLAYED] = bPlayed ? 1 : 0;
}
// Counter 0..19 of a period (any code of Get_Player_Season_Stat).
inline int Game_Player_Stat(TNUM nTeam, PNUM nSlot, int nPeriod, int nStat) {
    if (!Game_In_Range(nTeam, nSlot)) return 0;
    if (nPeriod >= 0 && nPeriod < PERIOD_HISTORY && nStat >= 0 && nStat < NUMBER_OF_COUNTERS)
        return g_League.aTeams[nTeam].aPlayers[nSlot].anStats[nPeriod][nStat];
    return Get_Player_Season_Stat(nTeam, nSlot, nPeriod, nStat);
}
// Rating 200..225 of the predicted period.
int Game_Player_Rating(TNUM nTeam, PNUM nSlot, int nRating);
// The players of the game's two teams keep their ratings and their open
// history record once read: Game_Forget_Players at the start of a game, and
// Game_Forget_Player for one whose Predicted period changes during it.
void Game_Forget_Players(TNUM nVisitor, TNUM nHome);
void Game_Forget_Player(TNUM nTeam, PNUM nSlot);
// Adds to This Season, Career and the open history record of this season.
void Game_Add_Player_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nAmount);
// Raises a longest-kick counter of This Season and Career to nValue.
void Game_Raise_Player_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nValue);
// Two answers from beyond the players: the kickoff time of the week (0 past
// the schedule), and the per-play injury test, true when he was hurt now.
int Game_Kickoff_Time(TNUM nTeam, int nWeek);
bool Game_Try_Injury(TNUM nTeam, PNUM nSlot);
