// The crowd a game draws, worked out when the game is set up.
#pragma once
#include "database/league_database.h"

// Fans who come to see nVisitor at nHome, never more than the stadium holds.
int Game_Attendance_Demand(TNUM nHome, TNUM nVisitor);

// The most a fan of nHome will pay to see this game, in cents.
int Ticket_Price_Ceiling(TNUM nHome, TNUM nVisitor);
// Current winning and losing streaks over the team's played games of the season.
void Get_Team_Streaks(TNUM nTeam, int* pWins, int* pLosses);

// How a played game ended is read from the stored games, above the money
// code; the season code hands the reader over at start-up. It answers from the
// team's side: GAME_WON, GAME_LOST, GAME_TIED or GAME_NOT_PLAYED.
void Set_Game_Result_Hook(int (*pfnResult)(TNUM nTeam, int nSlot));
