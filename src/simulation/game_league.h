// What a game reads from and writes to the rest of the league: players,
// teams, ratings and the injury model. Everything the game needs from other
// subsystems goes through here, so that it can follow their interfaces in one
// place.
#pragma once
#include "database/league_database.h"
#include "database/player.h"

enum { GAME_THIS_SEASON = PERIOD_THIS_SEASON, GAME_LAST_SEASON = PERIOD_LAST_SEASON, GAME_CAREER = PERIOD_CAREER, GAME_PREDICTED = PERIOD_PREDICTED };

// Positions.
enum { P_QB, P_RB, P_TE, P_WR, P_T, P_G, P_C, P_DE, P_DT, P_LB, P_CB, P_S, P_K, P_P, P_RETURNER };

#include "personnel/ratings.h"  // rating codes

int Game_Position_Group(int nPosition);  // 0 backs and receivers, 1 line, 2 defence, 3 kickers
int Game_Position_Side(int nPosition);   // 0 offence, 1 defence, 2 kickers

bool Game_Slot_Filled(TNUM nTeam, PNUM nSlot);
int Game_Player_ID(TNUM nTeam, PNUM nSlot);
int Game_Player_Position(TNUM nTeam, PNUM nSlot);
bool Game_Player_Injured(TNUM nTeam, PNUM nSlot);
bool Game_Player_Played(TNUM nTeam, PNUM nSlot);
void Game_Set_Player_Played(TNUM nTeam, PNUM nSlot, bool bPlayed);
// Counter 0..19 of a period.
int Game_Player_Stat(TNUM nTeam, PNUM nSlot, int nPeriod, int nStat);
// Rating 200..225 of the predicted period.
int Game_Player_Rating(TNUM nTeam, PNUM nSlot, int nRating);
// Adds to This Season, Career and the open history record of this season.
void Game_Add_Player_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nAmount);
// Raises a longest-kick counter of This Season and Career to nValue.
void Game_Raise_Player_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nValue);
void Game_Player_Last_Name(TNUM nTeam, PNUM nSlot, char* szOut);  // TEXT_SIZE
void Game_Player_Full_Name(TNUM nTeam, PNUM nSlot, char* szOut);  // TEXT_SIZE

bool Game_Team_Human(TNUM nTeam);
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
