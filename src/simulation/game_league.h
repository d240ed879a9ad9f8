// What a game reads from and writes to the rest of the league: players,
// teams, ratings and the injury model. Everything the game needs from other
// subsystems goes through here, so that it can follow their interfaces in one
// place.
#pragma once
#include "base/random.h"
#include "database/league_database.h"
#include "database/player.h"
#include "personnel/ratings.h"

enum { GAME_THIS_SEASON = PERIOD_THIS_SEASON, GAME_LAST_SEASON = PERIOD_LAST_SEASON, GAME_CAREER = PERIOD_CAREER, GAME_PREDICTED = PERIOD_PREDICTED };

// Positions.
enum { P_QB, P_RB, P_TE, P_WR, P_T, P_G, P_C, P_DE, P_DT, P_LB, P_CB, P_S, P_K, P_P, P_RETURNER };


inline int Game_Position_Group(int nPosition) { return Position_Group(nPosition); }  // 0 backs and receivers, 1 line, 2 defence, 3 kickers
inline int Game_Position_Side(int nPosition) { return Position_Side(nPosition); }    // 0 offence, 1 defence, 2 kickers

// The snaps read players millions of times a second, so these read the
// record directly; out of range they answer like the checked accessors
// without a log line, and the rare other codes go through them.
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
void Game_Player_Last_Name(TNUM nTeam, PNUM nSlot, char* szOut);  // TEXT_SIZE
void Game_Player_Full_Name(TNUM nTeam, PNUM nSlot, char* szOut);  // TEXT_SIZE

PNUM Game_Returner(TNUM nTeam, int nKind);  // 0 kick, 1 punt
void Game_Set_Returner(TNUM nTeam, int nKind, PNUM nSlot);
int Game_Stadium_Capacity(TNUM nTeam);
int Game_Team_City_Data(TNUM nTeam, int nField);
int Game_Kickoff_Time(TNUM nTeam, int nWeek);
// Adds to line nLine of the team's totals, This Season and Career.
void Game_Add_Team_Total(TNUM nTeam, int nLine, int nStat, int nAmount);
void Game_Book_Win(TNUM nTeam, bool bHome);
void Game_Book_Loss(TNUM nTeam, bool bHome);
void Game_Book_Tie(TNUM nTeam, bool bHome);

// The per-play injury test; true when the player was hurt now.
bool Game_Try_Injury(TNUM nTeam, PNUM nSlot);
